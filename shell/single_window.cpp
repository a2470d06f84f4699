#include "shell/single_window.h"

#include <cstdint>

#include "shell/shell_state.h"

namespace {

constexpr const char* FolderProperty = "QuillonFilesFolder";
// How long a second start waits for the first window to be found (it may still be building).
constexpr int FindTries = 40;
constexpr DWORD FindRetryMs = 50;

// FNV-1a over the folder's UTF-8 text, letters folded, so that "C:\Data" and "c:\data" name
// one folder. Never zero: a window property of zero means none.
uintptr_t FolderKey(const std::string& folder) {
    uint32_t hash = 2166136261u;
    for (char c : folder) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == '/') c = '\\';
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash == 0 ? 1 : hash;
}

struct WindowSearch {
    uintptr_t Key;
    HWND Found;
};

BOOL CALLBACK MatchHolder(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    char className[TitleBufferSize] = {};
    GetClassNameA(window, className, TitleBufferSize);
    if (lstrcmpA(className, Shell.ClassName) != 0) return TRUE;
    if (reinterpret_cast<uintptr_t>(GetPropA(window, FolderProperty)) != search->Key) return TRUE;
    search->Found = window;
    return FALSE;
}

void BringForward(uintptr_t key) {
    WindowSearch search{key, nullptr};
    for (int i = 0; i < FindTries && search.Found == nullptr; ++i) {
        EnumWindows(MatchHolder, reinterpret_cast<LPARAM>(&search));
        if (search.Found == nullptr) Sleep(FindRetryMs);
    }
    if (search.Found == nullptr) return;
    if (IsIconic(search.Found)) ShowWindow(search.Found, SW_RESTORE);
    SetForegroundWindow(search.Found);
}

uintptr_t HeldKey = 0;

}  // namespace

bool ClaimFilesFolder(const std::string& folder) {
    HeldKey = FolderKey(folder);
    const std::string name = "Local\\Quillon-files-" + std::to_string(HeldKey);
    // Kept open until the process ends, which lets the folder go.
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    if (mutex == nullptr || GetLastError() != ERROR_ALREADY_EXISTS) return true;
    CloseHandle(mutex);
    BringForward(HeldKey);
    return false;
}

void MarkMainWindow(HWND window) {
    SetPropA(window, FolderProperty, reinterpret_cast<HANDLE>(HeldKey));
}
