#include "shell/files_folder.h"

#include <shellapi.h>
#include <shlobj.h>

#include <vector>

namespace {

// Chosen once at start; read by every file call that follows.
FilePlace Files;

constexpr DWORD LongPathLength = 32768;

std::wstring CurrentDirectory() {
    std::vector<wchar_t> buffer(LongPathLength);
    const DWORD length = GetCurrentDirectoryW(LongPathLength, buffer.data());
    return std::wstring(buffer.data(), length < LongPathLength ? length : 0);
}

std::wstring ProgramFolder() {
    std::vector<wchar_t> buffer(LongPathLength);
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), LongPathLength);
    std::wstring path(buffer.data(), length < LongPathLength ? length : 0);
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring TemporaryFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    return std::wstring(buffer, length <= MAX_PATH ? length : 0);
}

// %APPDATA% as the shell knows it, or from the environment where the shell cannot say.
std::wstring RoamingFolder() {
    wchar_t* known = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known)))
        folder = known;
    CoTaskMemFree(known);
    if (!folder.empty()) return folder;
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", buffer, MAX_PATH + 1);
    return std::wstring(buffer, length <= MAX_PATH ? length : 0);
}

// A file can be created in `folder` right now: the only sure test on a share, a read-only
// medium or a folder whose rights deny it.
bool CanWriteIn(const std::wstring& folder) {
    const std::wstring probe =
        folder + L"\\quillon-write-probe-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

FolderFacts FactsOf(const std::wstring& folder, const std::wstring& settingsName) {
    FolderFacts facts;
    facts.Path = Utf8OfWide(folder);
    const DWORD attributes = GetFileAttributesW((folder + L"\\" + settingsName).c_str());
    facts.HasSettingsFile =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    facts.Writable = !folder.empty() && CanWriteIn(folder);
    return facts;
}

}  // namespace

std::wstring WideOfUtf8(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string Utf8OfWide(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

FilePlace ChooseFilesFolder(const std::string& productName) {
    const std::wstring settingsName = WideOfUtf8(productName + ".ini");
    PlaceFacts facts;
    facts.Current = FactsOf(CurrentDirectory(), settingsName);
    facts.Program = FactsOf(ProgramFolder(), settingsName);
    facts.TemporaryFolder = Utf8OfWide(TemporaryFolder());
    facts.ProfileFolder = Utf8OfWide(RoamingFolder());
    Files = ChooseFilePlace(facts);
    // The working directory as it is now: a file dialog changes it while it is open, and the
    // end of a session under one must still save where the session read.
    if (Files.Folder.empty()) Files.Folder = Utf8OfWide(CurrentDirectory());
    if (Files.Kind == FilePlaceKind::Profile) {
        CreateDirectoryW(WideOfUtf8(Files.Folder).c_str(), nullptr);
    }
    return Files;
}

std::string FilesPath(const std::string& name) {
    return FileInPlace(Files, name);
}

std::string FilesFolderText() {
    return Files.Folder.empty() ? Utf8OfWide(CurrentDirectory()) : Files.Folder;
}

void OpenFilesFolder(HWND owner) {
    const std::wstring folder = WideOfUtf8(FilesFolderText());
    CreateDirectoryW(folder.c_str(), nullptr);
    ShellExecuteW(owner, L"open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
