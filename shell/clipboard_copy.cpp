#include "shell/clipboard_copy.h"

#include <cstring>

#include "language/words.h"
#include "shell/shell_state.h"
#include "shell/ui_language.h"

namespace {

// Another program may hold the clipboard for a moment (a clipboard manager reading what
// was copied): tried again every 25 ms for half a second.
constexpr int ClipboardTries = 20;
constexpr DWORD ClipboardRetryMs = 25;

// A movable block holding `text` and its terminating zero; the clipboard takes it over.
HGLOBAL TextBlock(const char* text, size_t length) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, length + 1);
    if (block == nullptr) return nullptr;
    char* bytes = static_cast<char*>(GlobalLock(block));
    std::memcpy(bytes, text, length + 1);
    GlobalUnlock(block);
    return block;
}

}  // namespace

bool OpenClipboardPatiently(HWND owner) {
    for (int i = 0; i < ClipboardTries; ++i) {
        if (OpenClipboard(owner)) return true;
        Sleep(ClipboardRetryMs);
    }
    return false;
}

void CopyToClipboard(HWND mainWindow) {
    const DecString& text = Shell.Context.PanelText();
    CopyTextToClipboard(mainWindow, std::string(text.Text(), static_cast<size_t>(text.Length())));
}

void CopyTextToClipboard(HWND owner, const std::string& text) {
    bool copied = false;
    if (OpenClipboardPatiently(owner)) {
        EmptyClipboard();
        HGLOBAL block = TextBlock(text.c_str(), text.size());
        copied = block != nullptr && SetClipboardData(CF_TEXT, block) != nullptr;
        if (block != nullptr && !copied) GlobalFree(block);
        CloseClipboard();
    }
    if (!copied) {
        const std::wstring text =
            WideWords(Words("Nothing was copied: the clipboard is in use by another program. "
                            "Try again in a moment."));
        MessageBoxW(owner, text.c_str(), WideWords(Shell.ProductName).c_str(), MB_OK);
    }
}
