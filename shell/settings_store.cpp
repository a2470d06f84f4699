#include "shell/settings_store.h"

#include <windows.h>

#include "settings/profile_text.h"
#include "settings/settings_file.h"
#include "shell/files_folder.h"
#include "shell/shell_state.h"

namespace {

std::string SettingsFilePath() {
    return FilesPath(std::string(Shell.ProductName) + ".ini");
}

// A file marked read-only is the user's: creating it anew would be refused, and a move
// onto it must not do what the creation may not.
bool IsReadOnlyFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WideOfUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace

void LoadSettingsFile() {
    std::string bytes;
    if (Shell.Platform.ReadFile(SettingsFilePath().c_str(), DecString::MaxStringLength, bytes) !=
        FileRead::Read) {
        bytes.clear();
    }
    const ProfileText profile = ParseProfileText(bytes.data(), static_cast<int32_t>(bytes.size()));
    ReadSettings(Shell.Context.Settings, profile, Shell.Platform.QueryLocale());
}

void SaveSettingsFile() {
    const std::string path = SettingsFilePath();
    if (IsReadOnlyFile(path)) return;
    const DecString text = WriteSettings(Shell.Context.Settings);
    const std::string_view bytes(text.Text(), static_cast<size_t>(text.Length()));
    if (!Shell.Platform.ReplaceWholeFile(path.c_str(), bytes)) {
        Shell.Platform.ReportWriteFailure(path);
    }
}
