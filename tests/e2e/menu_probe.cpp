// Loaded into quillon.exe by the GUI tests: writes the check state of every menu item of
// the main window to "menu-marks.txt" and its text, as UTF-8, to "menu-texts.txt" in the
// working directory, then declines to stay
// loaded, so that the next probe loads afresh.
#include <windows.h>

#include <cstdio>

namespace {

void WriteTexts(HMENU menu, FILE* out) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        char utf8[1024] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr);
        HMENU sub = GetSubMenu(menu, i);
        std::fprintf(out, "%u\t%s\n", sub != nullptr ? 0u : GetMenuItemID(menu, i), utf8);
        if (sub != nullptr) WriteTexts(sub, out);
    }
}

void WriteMarks(HMENU menu, FILE* out) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA item = {};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE;
        if (!GetMenuItemInfoA(menu, i, TRUE, &item)) continue;
        if (item.hSubMenu != nullptr) {
            WriteMarks(item.hSubMenu, out);
        } else if (!(item.fType & MFT_SEPARATOR)) {
            std::fprintf(out, "%u %d %d\n", item.wID, (item.fState & MFS_CHECKED) ? 1 : 0,
                         (item.fType & MFT_RADIOCHECK) ? 1 : 0);
        }
    }
}

BOOL CALLBACK FindMainWindow(HWND window, LPARAM found) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    if (processId != GetCurrentProcessId() || lstrcmpA(className, "QUILLON") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    HWND window = nullptr;
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&window));
    if (FILE* texts = std::fopen("menu-texts.txt", "w")) {
        if (window != nullptr) WriteTexts(GetMenu(window), texts);
        std::fclose(texts);
    }
    FILE* out = std::fopen("menu-marks.tmp", "w");
    if (out != nullptr) {
        if (window != nullptr) WriteMarks(GetMenu(window), out);
        std::fclose(out);
        MoveFileExA("menu-marks.tmp", "menu-marks.txt", MOVEFILE_REPLACE_EXISTING);
    }
    return FALSE;
}
