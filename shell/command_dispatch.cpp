#include "shell/command_dispatch.h"

#include "calculator/keypad.h"
#include "calculator/paste.h"
#include "controls/hot_keys.h"
#include "dialogs/customize_view_dialog.h"
#include "dialogs/tax_rate_dialog.h"
#include "dialogs/total_details_dialog.h"
#include "dialogs/total_separators_dialog.h"
#include "resources/resource_ids.h"
#include "shell/accessible_control.h"
#include "shell/announce.h"
#include "shell/app_theme.h"
#include "shell/business_row.h"
#include "shell/clipboard_copy.h"
#include "shell/desk_options.h"
#include "shell/files_folder.h"
#include "shell/help_and_about.h"
#include "shell/main_controls.h"
#include "shell/round_menus.h"
#include "shell/shell_state.h"
#include "shell/tape_window.h"
#include "shell/ui_language.h"

namespace {

const ControlWindows* WindowsOf(HWND control) {
    for (const ControlWindows& windows : Shell.ControlHandles) {
        if (windows.Control == control) return &windows;
    }
    return nullptr;
}

// Moves the focus to the button and shows it pressed, as if it were clicked.
void HotKeyClick(HWND button) {
    ReleaseHotKeyClick();
    SetFocus(button);
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    Shell.PushedButton = button;
}

void PressButton(HWND mainWindow, int32_t row) {
    if (Shell.Context.Settings.HOT_KEY_AS_CLICK) HotKeyClick(ControlWindow(row));
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(Shell.Controls[row].Id, 0), 0);
}

}  // namespace

bool ExecuteCommand(HWND mainWindow, WORD id) {
    const AnnouncedCommand announced;
    if (id >= FirstControlId && id <= LastControlId) {
        HandleKeypadCommand(Shell.Context, Shell.Controls, id);
        RefreshTapeWindow();
    } else if (IsRoundModeItem(id)) {
        SelectRoundMode(mainWindow, id);
        ShowAddMode(mainWindow);
    } else if (IsRoundTypeItem(id)) {
        SelectRoundType(mainWindow, id);
    } else if (HandleLanguageCommand(mainWindow, id)) {
    } else if (id == IDM_EXIT) {
        DestroyWindow(mainWindow);
    } else if (id == IDM_COPY) {
        CopyToClipboard(mainWindow);
    } else if (id == IDM_PASTE) {
        PasteFromClipboard(Shell.Context);
        RefreshTapeWindow();
    } else if (id == IDM_USER_MANUAL) {
        ShowHelp(mainWindow, HelpStartPage);
    } else if (id == IDM_HOME_PAGE) {
        OpenHomePage(mainWindow);
    } else if (id == IDM_OPEN_FILES_FOLDER) {
        OpenFilesFolder(mainWindow);
    } else if (id == IDM_ABOUT) {
        AboutDialog(mainWindow);
    } else if (id == IDM_APPEARANCE) {
        CustomizeViewDialog(mainWindow);
    } else if (id == IDM_TAPE) {
        ToggleTapeWindow();
    } else if (id == IDM_TOTAL_SETTINGS) {
        TotalSeparatorsDialog(mainWindow);
    } else if (id == IDM_TOTAL_DETAILS) {
        TotalDetailsDialog(mainWindow);
    } else if (id == IDM_ALWAYS_ON_TOP) {
        ToggleAlwaysOnTop(mainWindow);
    } else if (id == IDM_ADD_MODE) {
        ToggleAddMode(mainWindow);
    } else if (id == IDM_BUSINESS_KEYS) {
        ToggleBusinessKeys(mainWindow);
    } else if (id == IDM_TAX_RATE) {
        TaxRateDialog(mainWindow);
    } else if (IsThemeItem(id)) {
        SelectTheme(mainWindow, id);
    } else {
        return false;
    }
    return true;
}

void DispatchCharacter(HWND mainWindow, unsigned char character) {
    const int32_t row = HotKeyButton(Shell.Controls, Shell.Context.Settings, character);
    if (row >= 0) PressButton(mainWindow, row);
    if (character == EnterChar) PressButton(mainWindow, EqualsRow);
}

void KeyDown(HWND mainWindow, WPARAM virtualKey) {
    if (virtualKey == VK_DELETE) DispatchCharacter(mainWindow, ClearEntryChar);
}

void ReleaseHotKeyClick() {
    if (Shell.PushedButton == nullptr) return;
    SendMessageA(Shell.PushedButton, BM_SETSTATE, FALSE, 0);
    Shell.PushedButton = nullptr;
}

LRESULT CALLBACK ForwardKeys(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    const ControlWindows* windows = WindowsOf(child);
    if (windows == nullptr) return 0;
    LRESULT answer = 0;
    const auto row = static_cast<int32_t>(windows - Shell.ControlHandles.data());
    if (message == WM_GETOBJECT && AnswerGetObject(child, row, wParam, lParam, answer)) {
        return answer;
    }
    if (message == WM_CHAR) {
        SendMessageA(Shell.MainWindow, WM_CHAR, wParam, lParam);
    } else if (message == WM_KEYDOWN && wParam == VK_DELETE) {
        SendMessageA(Shell.MainWindow, WM_CHAR, ClearEntryChar, 0);
    }
    const LRESULT result =
        CallWindowProcA(windows->PreviousProcedure, child, message, wParam, lParam);
    // After the button's own handling, so that a space bar press on it still clicks.
    if (message == WM_KEYUP) ReleaseHotKeyClick();
    return result;
}
