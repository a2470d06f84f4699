#include "shell/win32_platform.h"

#include <windows.h>

#include <cstring>

#include "shell/announce.h"
#include "shell/clipboard_copy.h"
#include "shell/files_folder.h"
#include "shell/main_controls.h"
#include "shell/modal_scope.h"
#include "shell/shell_state.h"
#include "shell/ui_language.h"
#include "total/code_page_text.h"

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

// Writes all of `text` and flushes it to the disk.
bool WriteAndFlush(HANDLE file, std::string_view text) {
    DWORD written = 0;
    const bool complete =
        ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
        written == static_cast<DWORD>(text.size());
    const bool flushed = FlushFileBuffers(file) != 0;
    const bool closed = CloseHandle(file) != 0;
    return complete && flushed && closed;
}

// The text of a block of UTF-16 text, mapped to the code page text the Total and paste read.
std::string UnicodeTextOfBlock(HANDLE block) {
    const auto* units = static_cast<const char16_t*>(GlobalLock(block));
    if (units == nullptr) return std::string();
    const SIZE_T size = GlobalSize(block) / sizeof(char16_t);
    SIZE_T length = 0;
    while (length < size && units[length] != 0) ++length;
    std::string text = MapUtf16ToCodePage(std::u16string_view(units, length));
    GlobalUnlock(block);
    return text;
}

// True when the clipboard's owner put Unicode text there: the formats are listed in the
// order they were set, and those the system converts to come after them. An ANSI text is
// read as it was written, not through the system's conversion and back.
bool OwnerSetUnicodeText() {
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        if (format == CF_UNICODETEXT) return true;
        if (format == CF_TEXT || format == CF_OEMTEXT) return false;
    }
    return false;
}

// True when the file has more than one name.
bool IsHardLinked(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION information = {};
    const bool linked =
        GetFileInformationByHandle(file, &information) && information.nNumberOfLinks > 1;
    CloseHandle(file);
    return linked;
}

// The system's words for `error`, without the line end it closes with.
std::string SystemErrorText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    FormatMessageW(flags, nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words = text != nullptr ? text : L"";
    LocalFree(text);
    while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r')) words.pop_back();
    if (words.empty()) words = L"Windows error " + std::to_wstring(error) + L".";
    return Utf8OfWide(words);
}

}  // namespace

bool Win32Platform::Failed() {
    lastFileError_ = SystemErrorText(GetLastError());
    return false;
}

void Win32Platform::ShowText(DisplayField field, const DecString& text) {
    ShowEngineText(field, text);
}

void Win32Platform::Beep() {
    MessageBeep(0);
}

void Win32Platform::ShowMessage(const char* text) {
    // Heard before the message that it caused.
    AnnounceDisplayChanges();
    const ModalScope modal(Shell.MainWindow);
    MessageBoxW(Shell.MainWindow, WideWords(text).c_str(), WideWords(Shell.ProductName).c_str(),
                MB_OK);
}

void Win32Platform::ShowUnicodeMessage(const std::string& text) {
    AnnounceDisplayChanges();
    const std::wstring caption = WideOfUtf8(Shell.ProductName);
    MessageBoxW(Shell.MainWindow, WideOfUtf8(text).c_str(), caption.c_str(), MB_OK);
}

std::string Win32Platform::ClipboardText() {
    std::string text;
    clipboardBusy_ = !OpenClipboardPatiently(Shell.MainWindow);
    if (clipboardBusy_) return text;
    if (OwnerSetUnicodeText()) {
        HANDLE block = GetClipboardData(CF_UNICODETEXT);
        if (block != nullptr) text = UnicodeTextOfBlock(block);
    } else {
        HANDLE block = GetClipboardData(CF_TEXT);
        if (block != nullptr) text = TextOfBlock(block);
    }
    CloseClipboard();
    return text;
}

SystemLocale Win32Platform::QueryLocale() {
    SystemLocale locale;
    locale.DecimalSymbol = LocaleText(LOCALE_SDECIMAL);
    locale.GroupSymbol = LocaleText(LOCALE_STHOUSAND);
    locale.Grouping = LocaleText(LOCALE_SGROUPING);
    locale.ListSeparator = LocaleText(LOCALE_SLIST);
    locale.WindowColour = GetSysColor(COLOR_WINDOW);
    return locale;
}

FileRead Win32Platform::ReadFile(const char* path, size_t limit, std::string& bytes) {
    HANDLE file = CreateFileW(WideOfUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FileRead::Absent;
    LARGE_INTEGER size = {};
    FileRead result = FileRead::TooLarge;
    if (GetFileSizeEx(file, &size) && static_cast<uint64_t>(size.QuadPart) < limit) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        if (!::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
            read = 0;
        }
        bytes.resize(read);
        result = FileRead::Read;
    }
    CloseHandle(file);
    return result;
}

bool Win32Platform::AppendToFile(const char* path, std::string_view text) {
    HANDLE file = CreateFileW(WideOfUtf8(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Failed();
    return WriteAndFlush(file, text) || Failed();
}

bool Win32Platform::ReplaceWholeFile(const char* path, std::string_view text) {
    const std::wstring target = WideOfUtf8(path);
    const std::wstring temporary = target + L".new";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Failed();
    const bool written = WriteAndFlush(file, text);
    if (written && IsHardLinked(target)) {
        // Another name shares the file (a package manager's persisted copy): a move would
        // part the two, so the file is written in place, with the whole copy kept beside it
        // until that write is on disk.
        HANDLE same = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (same != INVALID_HANDLE_VALUE && WriteAndFlush(same, text)) {
            DeleteFileW(temporary.c_str());
            return true;
        }
        return Failed();
    }
    if (written && MoveFileExW(temporary.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    Failed();
    DeleteFileW(temporary.c_str());
    return false;
}

bool Win32Platform::RenameFile(const char* path, const char* newPath) {
    return MoveFileExW(WideOfUtf8(path).c_str(), WideOfUtf8(newPath).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0 ||
           Failed();
}

bool Win32Platform::FileExists(const char* path) {
    return GetFileAttributesW(WideOfUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32Platform::HoldFile(const char* path) {
    const std::string lock = std::string(path) + ".lock";
    HANDLE file = CreateFileW(WideOfUtf8(lock).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        // Only another holder refuses the sharing; a folder without a lock file is written.
        return GetLastError() != ERROR_SHARING_VIOLATION;
    }
    held_[path] = file;
    return true;
}

void Win32Platform::ReleaseFile(const char* path) {
    const auto held = held_.find(path);
    if (held == held_.end()) return;
    CloseHandle(held->second);
    held_.erase(held);
}
