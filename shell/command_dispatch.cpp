#include "shell/command_dispatch.h"

#include "engine/hot_keys.h"
#include "engine/keypad.h"
#include "resources/resource_ids.h"
#include "shell/main_controls.h"
#include "shell/round_menus.h"
#include "shell/shell_state.h"

namespace {

// Menu items whose features have not been built yet: known ids that do nothing.
constexpr WORD PendingFeatures[] = {
    IDM_COPY, IDM_PASTE, IDM_APPEARANCE, IDM_TOTAL_SETTINGS, IDM_ABOUT, IDM_HOME_PAGE,
    IDM_USER_MANUAL,
};

bool IsPendingFeature(WORD id) {
    for (WORD pending : PendingFeatures) {
        if (pending == id) return true;
    }
    return false;
}

const ControlRecord* RecordOf(HWND window) {
    for (const ControlRecord& record : Shell.Controls) {
        if (record.Window == window) return &record;
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
    const ControlRecord& record = Shell.Controls[row];
    if (Shell.Context.Settings.HOT_KEY_AS_CLICK) HotKeyClick(static_cast<HWND>(record.Window));
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(record.Id, 0), 0);
}

void RunKeypadCommand(WORD id) {
    HandleKeypadCommand(Shell.Context, Shell.Controls, id);
    MirrorEngineTexts();
}

}  // namespace

bool ExecuteCommand(HWND mainWindow, WORD id) {
    if (id >= FirstControlId && id <= LastControlId) {
        RunKeypadCommand(id);
    } else if (IsRoundModeItem(id)) {
        SelectRoundMode(mainWindow, id);
    } else if (IsRoundTypeItem(id)) {
        SelectRoundType(mainWindow, id);
    } else if (id == IDM_EXIT) {
        DestroyWindow(mainWindow);
    } else if (!IsPendingFeature(id)) {
        return false;
    }
    return true;
}

void DispatchCharacter(HWND mainWindow, unsigned char character) {
    const int32_t row = HotKeyButton(Shell.Controls, Shell.Context.Settings, character);
    if (row >= 0) PressButton(mainWindow, row);
    if (character == EnterChar) PressButton(mainWindow, Shell.Context.EqualsIndex);
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
    const ControlRecord* record = RecordOf(child);
    if (record == nullptr) return 0;
    if (message == WM_CHAR) {
        SendMessageA(Shell.MainWindow, WM_CHAR, wParam, lParam);
    } else if (message == WM_KEYDOWN && wParam == VK_DELETE) {
        SendMessageA(Shell.MainWindow, WM_CHAR, ClearEntryChar, 0);
    }
    const LRESULT result = CallWindowProcA(reinterpret_cast<WNDPROC>(record->PreviousProcedure),
                                           child, message, wParam, lParam);
    // After the button's own handling, so that a space bar press on it still clicks.
    if (message == WM_KEYUP) ReleaseHotKeyClick();
    return result;
}
