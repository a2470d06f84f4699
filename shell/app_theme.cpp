#include "shell/app_theme.h"

#include <commctrl.h>

#include <optional>

#include "resources/resource_ids.h"
#include "shell/high_contrast.h"
#include "shell/main_controls.h"
#include "shell/shell_state.h"
#include "shell/tape_window.h"

namespace {

constexpr const char* PersonalizeKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
// The dark-mode attribute of the window frame: 20 since Windows 10 20H1, 19 before it.
constexpr DWORD DarkFrameAttribute = 20;
constexpr DWORD OldDarkFrameAttribute = 19;
// uxtheme's app mode for menus, exported by ordinal only, from Windows 10 1903 (build
// 18362) on: SetPreferredAppMode (135) and FlushMenuThemes (136).
constexpr DWORD FirstAppModeBuild = 18362;
constexpr WORD SetPreferredAppModeOrdinal = 135;
constexpr WORD FlushMenuThemesOrdinal = 136;
constexpr int ForceDarkMode = 2;
constexpr int ForceLightMode = 3;

using DwmSetWindowAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
using SetWindowThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
using SetPreferredAppModeFunction = int(WINAPI*)(int);
using FlushMenuThemesFunction = void(WINAPI*)();
using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

// A library of the system, from its own folder only. A system whose loader lacks that search
// (Windows 7 without its update) still finds the library when the program has it already.
HMODULE SystemLibrary(const char* name) {
    if (HMODULE loaded = GetModuleHandleA(name)) return loaded;
    return LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

template <typename Function>
Function Export(HMODULE library, const char* name) {
    if (library == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

DWORD WindowsBuild() {
    const auto getVersion =
        Export<RtlGetVersionFunction>(GetModuleHandleA("ntdll.dll"), "RtlGetVersion");
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (getVersion == nullptr || getVersion(&version) != 0) return 0;
    return version.dwMajorVersion >= 10 ? version.dwBuildNumber : 0;
}

std::optional<uint32_t> AppsUseLightTheme() {
    DWORD value = 0;
    DWORD size = sizeof(value);
    DWORD type = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, PersonalizeKey, 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    const LONG read = RegQueryValueExA(key, "AppsUseLightTheme", nullptr, &type,
                                       reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || type != REG_DWORD) return std::nullopt;
    return value;
}

// Popup menus follow the app mode where Windows offers one; the menu bar keeps the
// system's colours everywhere.
void ThemeMenus(bool dark) {
    static const HMODULE uxtheme =
        WindowsBuild() >= FirstAppModeBuild ? SystemLibrary("uxtheme.dll") : nullptr;
    const auto setMode =
        Export<SetPreferredAppModeFunction>(uxtheme, MAKEINTRESOURCEA(SetPreferredAppModeOrdinal));
    const auto flush =
        Export<FlushMenuThemesFunction>(uxtheme, MAKEINTRESOURCEA(FlushMenuThemesOrdinal));
    if (setMode == nullptr || flush == nullptr) return;
    setMode(dark ? ForceDarkMode : ForceLightMode);
    flush();
}

void ColourTip(HWND tip) {
    const bool dark = DarkShown();
    SetControlLook(tip, dark ? ControlLook::Classic : ControlLook::Usual);
    SendMessageA(tip, TTM_SETTIPBKCOLOR, dark ? DarkScheme().TipFace : GetSysColor(COLOR_INFOBK),
                 0);
    SendMessageA(tip, TTM_SETTIPTEXTCOLOR,
                 dark ? DarkScheme().TipText : GetSysColor(COLOR_INFOTEXT), 0);
}

// A tip window is a top-level window of its own: told of a change of system colours or
// settings, it takes the system's colours again, before or after the main window follows the
// change. It takes the shown theme's colours back right after.
LRESULT CALLBACK TipKeepsTheme(HWND tip, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
    const LRESULT result = DefSubclassProc(tip, message, wParam, lParam);
    if (message == WM_SETTINGCHANGE || message == WM_SYSCOLORCHANGE) ColourTip(tip);
    return result;
}

void ThemeToolTips() {
    for (const ControlWindows& windows : Shell.ControlHandles) {
        SetWindowSubclass(windows.ToolTip, TipKeepsTheme, 0, 0);
        ColourTip(windows.ToolTip);
    }
}

// Dark keys are drawn by the main window; the others by the system, as it always drew them.
void SetKeyStyle(bool dark) {
    for (int32_t row = 0; row < ControlCount; ++row) {
        if (Shell.Controls[row].Style != ControlStyle::Button) continue;
        SendMessageA(ControlWindow(row), BM_SETSTYLE, dark ? BS_OWNERDRAW : BS_PUSHBUTTON, FALSE);
    }
}

void MarkThemeItem(HWND mainWindow) {
    const auto chosen = static_cast<UINT>(Shell.Context.Settings.THEME);
    CheckMenuRadioItem(GetMenu(mainWindow), IDM_THEME_SYSTEM, IDM_THEME_DARK,
                       IDM_THEME_SYSTEM + chosen, MF_BYCOMMAND);
}

}  // namespace

void FollowTheme(HWND mainWindow) {
    Shell.Theme = ChooseTheme(Shell.Context.Settings.THEME, AppsUseLightTheme(), HighContrastOn());
    const bool dark = DarkShown();
    MarkThemeItem(mainWindow);
    ThemeTitleBar(mainWindow);
    ThemeMenus(dark);
    SetKeyStyle(dark);
    ThemeToolTips();
    ApplyBackgroundColour(mainWindow);
    ThemeTapeWindow();
    RedrawWindow(mainWindow, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

bool IsThemeItem(WORD id) {
    return id >= IDM_THEME_SYSTEM && id <= IDM_THEME_DARK;
}

void SelectTheme(HWND mainWindow, WORD id) {
    Shell.Context.Settings.THEME = static_cast<ThemeSetting>(id - IDM_THEME_SYSTEM);
    FollowTheme(mainWindow);
}

const ColourScheme* ShownScheme() {
    switch (Shell.Theme) {
        case ShownTheme::Light:
            return &LightScheme();
        case ShownTheme::Dark:
            return &DarkScheme();
        case ShownTheme::HighContrast:
            break;
    }
    return nullptr;
}

bool DarkShown() {
    return Shell.Theme == ShownTheme::Dark;
}

void ThemeTitleBar(HWND window) {
    static const auto setAttribute =
        Export<DwmSetWindowAttributeFunction>(SystemLibrary("dwmapi.dll"), "DwmSetWindowAttribute");
    if (setAttribute == nullptr) return;
    const BOOL dark = DarkShown() ? TRUE : FALSE;
    if (FAILED(setAttribute(window, DarkFrameAttribute, &dark, sizeof(dark)))) {
        setAttribute(window, OldDarkFrameAttribute, &dark, sizeof(dark));
    }
}

void SetControlLook(HWND control, ControlLook look) {
    static const auto setTheme =
        Export<SetWindowThemeFunction>(SystemLibrary("uxtheme.dll"), "SetWindowTheme");
    if (setTheme == nullptr) return;
    switch (look) {
        case ControlLook::Usual:
            setTheme(control, nullptr, nullptr);
            break;
        case ControlLook::Dark:
            setTheme(control, L"DarkMode_Explorer", nullptr);
            break;
        case ControlLook::Classic:
            setTheme(control, L"", L"");
            break;
    }
}
