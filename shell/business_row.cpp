#include "shell/business_row.h"

#include "resources/resource_ids.h"
#include "shell/main_controls.h"
#include "shell/shell_state.h"

void ApplyBusinessKeys(HWND mainWindow) {
    const bool shown = Shell.Context.Settings.BUSINESS_KEYS;
    ShowBusinessRows(Shell.Controls, shown);
    for (int32_t row = FirstBusinessRow; row <= GrandTotalIndicatorRow; ++row) {
        ShowWindow(ControlWindow(row), shown ? SW_SHOWNA : SW_HIDE);
    }
    // A hidden key with the focus would still take the space bar.
    if (!shown && IsBusinessRow(static_cast<int32_t>(GetDlgCtrlID(GetFocus())) - FirstControlId)) {
        SetFocus(mainWindow);
    }
    FitWindow(mainWindow);
    CheckMenuItem(GetMenu(mainWindow), IDM_BUSINESS_KEYS,
                  MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
}

void ToggleBusinessKeys(HWND mainWindow) {
    bool& shown = Shell.Context.Settings.BUSINESS_KEYS;
    shown = !shown;
    ApplyBusinessKeys(mainWindow);
}
