#include "clipboard_io.h"

#include <cstring>

void PutClipboardBlock(UINT format, const void* bytes, size_t size) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    if (bytes != nullptr) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
        std::memcpy(GlobalLock(block), bytes, size);
        GlobalUnlock(block);
        SetClipboardData(format, block);
    }
    CloseClipboard();
}

std::string ClipboardText() {
    std::string text = "<no text>";
    if (!OpenClipboard(nullptr)) return "<cannot open>";
    HANDLE block = GetClipboardData(CF_TEXT);
    if (block != nullptr) {
        text = static_cast<const char*>(GlobalLock(block));
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}
