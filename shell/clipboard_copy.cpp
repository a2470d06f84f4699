#include "shell/clipboard_copy.h"

#include <cstring>

#include "shell/shell_state.h"

namespace {

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

void CopyToClipboard(HWND mainWindow) {
    const DecString& text = Shell.Context.PanelText();
    OpenClipboard(mainWindow);
    EmptyClipboard();
    HGLOBAL block = TextBlock(text.Text(), static_cast<size_t>(text.Length()));
    if (block != nullptr && SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
    CloseClipboard();
}

void CopyTextToClipboard(HWND owner, const std::string& text) {
    if (!OpenClipboard(owner)) return;
    EmptyClipboard();
    HGLOBAL block = TextBlock(text.c_str(), text.size());
    if (block != nullptr && SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
    CloseClipboard();
}
