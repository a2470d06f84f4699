#include "shell/ui_language.h"

#include <vector>

#include "language/words.h"
#include "resources/resource_ids.h"
#include "shell/main_controls.h"
#include "shell/shell_state.h"
#include "shell/tape_window.h"

namespace {

using GetPreferredLanguagesFunction = BOOL(WINAPI*)(DWORD, PULONG, PZZWSTR, PULONG);

std::string Utf8Of(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return std::string();
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.resize(static_cast<size_t>(size - 1));
    return text;
}

// The user's UI languages, most wanted first ("de-DE", ...); the function is looked up at
// run time, as systems before Vista lack it.
std::vector<std::string> PreferredUiLanguages() {
    const auto get = reinterpret_cast<GetPreferredLanguagesFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetUserPreferredUILanguages")));
    std::vector<std::string> tags;
    ULONG count = 0;
    ULONG size = 0;
    if (get == nullptr || !get(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0) {
        return tags;
    }
    std::vector<wchar_t> names(size);
    if (!get(MUI_LANGUAGE_NAME, &count, names.data(), &size)) return tags;
    for (const wchar_t* name = names.data(); *name != L'\0'; name += wcslen(name) + 1) {
        tags.push_back(Utf8Of(name));
    }
    return tags;
}

void SetItemText(HMENU menu, UINT position, const std::wstring& text) {
    MENUITEMINFOW item = {};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<wchar_t*>(text.c_str());
    SetMenuItemInfoW(menu, position, TRUE, &item);
}

// Walks the live menu and the English one side by side; items the program added after the
// resource's own (the "Language" submenu) are left alone.
void TranslateLevel(HMENU live, HMENU english) {
    const int count = GetMenuItemCount(english);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        if (GetMenuStringW(english, static_cast<UINT>(i), text, 256, MF_BYPOSITION) > 0) {
            SetItemText(live, static_cast<UINT>(i), WideWords(Words(Utf8Of(text).c_str())));
        }
        HMENU liveSub = GetSubMenu(live, i);
        HMENU englishSub = GetSubMenu(english, i);
        if (liveSub != nullptr && englishSub != nullptr) TranslateLevel(liveSub, englishSub);
    }
}

BOOL CALLBACK TranslateChild(HWND control, LPARAM) {
    wchar_t text[512] = {};
    if (GetWindowTextW(control, text, 512) > 0) {
        const std::string english = Utf8Of(text);
        const char* words = Words(english.c_str());
        if (words != english.c_str() && english != words) {
            SetWindowTextW(control, WideWords(words).c_str());
        }
    }
    return TRUE;
}

// The popup of `bar` that holds the command `id` (the Customize menu holds Appearance).
HMENU PopupWith(HMENU bar, UINT id) {
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        HMENU sub = GetSubMenu(bar, i);
        if (sub != nullptr && GetMenuState(sub, id, MF_BYCOMMAND) != 0xFFFFFFFF) return sub;
    }
    return nullptr;
}

HMENU LanguageSubmenu() {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, IDM_LANGUAGE_AUTO, WideWords(Words("Like Windows")).c_str());
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const auto languages = Languages();
    for (size_t i = 0; i < languages.size(); ++i) {
        AppendMenuW(menu, MF_STRING, IDM_LANGUAGE_FIRST + i,
                    WideWords(languages[i].OwnName).c_str());
    }
    const bool automatic = Shell.Context.Settings.LANGUAGE == "AUTO";
    const UINT chosen = automatic ? IDM_LANGUAGE_AUTO : IDM_LANGUAGE_FIRST + ChosenLanguage();
    CheckMenuRadioItem(menu, IDM_LANGUAGE_AUTO, IDM_LANGUAGE_FIRST + languages.size() - 1, chosen,
                       MF_BYCOMMAND);
    return menu;
}

}  // namespace

std::wstring WideWords(const char* utf8) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (size <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), size);
    wide.resize(static_cast<size_t>(size - 1));
    return wide;
}

void ChooseLanguageFromSettings() {
    const std::vector<std::string> preferred = PreferredUiLanguages();
    ChooseLanguage(LanguageForSetting(Shell.Context.Settings.LANGUAGE.Text(), preferred));
}

void TranslateMenu(HMENU menu, int menuId) {
    HMENU english = LoadMenuA(Shell.Instance, MAKEINTRESOURCEA(menuId));
    TranslateLevel(menu, english);
    DestroyMenu(english);
}

void TranslateDialog(HWND dialog) {
    TranslateChild(dialog, 0);
    EnumChildWindows(dialog, TranslateChild, 0);
}

void ShowLanguageMenu(HWND mainWindow) {
    TranslateMenu(GetMenu(mainWindow), IDM_MAIN);
    HMENU customize = PopupWith(GetMenu(mainWindow), IDM_APPEARANCE);
    HMENU english = LoadMenuA(Shell.Instance, MAKEINTRESOURCEA(IDM_MAIN));
    const int own = GetMenuItemCount(PopupWith(english, IDM_APPEARANCE));
    DestroyMenu(english);
    if (customize == nullptr || own < 0) return;
    while (GetMenuItemCount(customize) > own) DeleteMenu(customize, own, MF_BYPOSITION);
    AppendMenuW(customize, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(customize, MF_POPUP, reinterpret_cast<UINT_PTR>(LanguageSubmenu()),
                WideWords(Words("&Language")).c_str());
    DrawMenuBar(mainWindow);
}

bool HandleLanguageCommand(HWND mainWindow, WORD id) {
    const auto languages = Languages();
    if (id < IDM_LANGUAGE_AUTO || id >= IDM_LANGUAGE_FIRST + languages.size()) return false;
    Shell.Context.Settings.LANGUAGE =
        id == IDM_LANGUAGE_AUTO ? "AUTO" : languages[id - IDM_LANGUAGE_FIRST].Tag;
    ChooseLanguageFromSettings();
    ShowLanguageMenu(mainWindow);
    for (int32_t row = 0; row < ControlCount; ++row) {
        SetToolTipText(row, Shell.Context.Settings.TOOL_TIPS);
    }
    TranslateTapeWindow();
    return true;
}
