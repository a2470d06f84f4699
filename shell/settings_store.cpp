#include "shell/settings_store.h"

#include <windows.h>

#include <vector>

#include "settings/profile_text.h"
#include "settings/settings_file.h"
#include "shell/shell_state.h"

namespace {

constexpr DWORD CurrentDirectoryBufferSize = 260;

DecString ProductSettingsFileName() {
    DecString name(Shell.ProductName);
    name.AppendText(".ini");
    return name;
}

// In the working directory the program started in, taken once: a file dialog changes the
// working directory while it is open, and the end of the session may save under it.
const DecString& SettingsFilePath() {
    static const DecString path = [] {
        char directory[CurrentDirectoryBufferSize] = {};
        GetCurrentDirectoryA(CurrentDirectoryBufferSize, directory);
        DecString text(directory);
        text.AppendChar('\\');
        text.AppendString(ProductSettingsFileName());
        return text;
    }();
    return path;
}

// The whole file, or nothing when it is missing or cannot be read.
std::vector<char> ReadFileBytes(const char* path) {
    std::vector<char> bytes;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    LARGE_INTEGER size = {};
    if (GetFileSizeEx(file, &size) && size.QuadPart < DecString::MaxStringLength) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
            read = 0;
        bytes.resize(read);
    }
    CloseHandle(file);
    return bytes;
}

bool WriteWholeFile(const char* path, const DecString& text) {
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool complete =
        WriteFile(file, text.Text(), static_cast<DWORD>(text.Length()), &written, nullptr) &&
        written == static_cast<DWORD>(text.Length());
    const bool flushed = FlushFileBuffers(file) != 0;
    const bool closed = CloseHandle(file) != 0;
    return complete && flushed && closed;
}

// A file marked read-only is the user's: creating it anew would be refused, and a move
// onto it must not do what the creation may not.
bool IsReadOnlyFile(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace

void LoadSettingsFile() {
    const std::vector<char> bytes = ReadFileBytes(SettingsFilePath().Text());
    const ProfileText profile = ParseProfileText(bytes.data(), static_cast<int32_t>(bytes.size()));
    ReadSettings(Shell.Context.Settings, profile, Shell.Platform.QueryLocale());
}

void SaveSettingsFile() {
    const DecString& name = SettingsFilePath();
    if (IsReadOnlyFile(name.Text())) return;
    DecString temporary = name;
    temporary.AppendText(".new");
    if (WriteWholeFile(temporary.Text(), WriteSettings(Shell.Context.Settings)) &&
        MoveFileExA(temporary.Text(), name.Text(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return;
    }
    DeleteFileA(temporary.Text());
}
