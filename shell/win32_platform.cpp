#include "shell/win32_platform.h"

#include <windows.h>

#include <cstring>

#include "shell/main_controls.h"
#include "shell/shell_state.h"

namespace {

constexpr int LocaleBufferSize = 255;

DecString LocaleText(LCTYPE item) {
    char buffer[LocaleBufferSize + 1] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, item, buffer, LocaleBufferSize);
    return DecString(buffer);
}

// The text of a clipboard block, stopping at its first zero byte or at its end, whichever
// comes first: another program's block need not be terminated.
std::string TextOfBlock(HANDLE block) {
    const char* bytes = static_cast<const char*>(GlobalLock(block));
    if (bytes == nullptr) return std::string();
    const SIZE_T size = GlobalSize(block);
    const void* zero = std::memchr(bytes, 0, size);
    const SIZE_T length = zero ? static_cast<SIZE_T>(static_cast<const char*>(zero) - bytes) : size;
    std::string text(bytes, length);
    GlobalUnlock(block);
    return text;
}

}  // namespace

void Win32Platform::ShowText(DisplayField field, const DecString& text) {
    ShowEngineText(field, text);
}

void Win32Platform::Beep() {
    MessageBeep(0);
}

void Win32Platform::ShowMessage(const char* text) {
    MessageBoxA(Shell.MainWindow, text, Shell.ProductName, MB_OK);
}

std::string Win32Platform::ClipboardText() {
    std::string text;
    if (!OpenClipboard(Shell.MainWindow)) return text;
    HANDLE block = GetClipboardData(CF_TEXT);
    if (block != nullptr) text = TextOfBlock(block);
    CloseClipboard();
    return text;
}

SystemLocale Win32Platform::QueryLocale() {
    SystemLocale locale;
    locale.DecimalSymbol = LocaleText(LOCALE_SDECIMAL);
    locale.GroupSymbol = LocaleText(LOCALE_STHOUSAND);
    locale.Grouping = LocaleText(LOCALE_SGROUPING);
    locale.WindowColour = GetSysColor(COLOR_WINDOW);
    return locale;
}
