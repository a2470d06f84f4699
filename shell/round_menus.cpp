#include "shell/round_menus.h"

#include "resources/resource_ids.h"
#include "shell/shell_state.h"

namespace {

void MarkItem(HWND mainWindow, UINT first, UINT last, UINT chosen) {
    CheckMenuRadioItem(GetMenu(mainWindow), first, last, chosen, MF_BYCOMMAND);
}

}  // namespace

bool IsRoundModeItem(WORD id) {
    return id >= IDM_FIXED_DECIMAL_0 && id <= IDM_FLOATING_DECIMAL;
}

bool IsRoundTypeItem(WORD id) {
    return id >= IDM_ROUND_UP && id <= IDM_ROUND_DOWN;
}

void SelectRoundMode(HWND mainWindow, WORD id) {
    Shell.Context.Settings.ROUND_MODE = static_cast<RoundMode>(id - IDM_FIXED_DECIMAL_0);
    MarkItem(mainWindow, IDM_FIXED_DECIMAL_0, IDM_FLOATING_DECIMAL, id);
}

void SelectRoundType(HWND mainWindow, WORD id) {
    Shell.Context.Settings.ROUND_TYPE = static_cast<RoundType>(id - IDM_ROUND_UP);
    MarkItem(mainWindow, IDM_ROUND_UP, IDM_ROUND_DOWN, id);
}

void MarkRoundMenus(HWND mainWindow) {
    const CalcSettings& settings = Shell.Context.Settings;
    MarkItem(mainWindow, IDM_FIXED_DECIMAL_0, IDM_FLOATING_DECIMAL,
             IDM_FIXED_DECIMAL_0 + static_cast<UINT>(settings.ROUND_MODE));
    MarkItem(mainWindow, IDM_ROUND_UP, IDM_ROUND_DOWN,
             IDM_ROUND_UP + static_cast<UINT>(settings.ROUND_TYPE));
}
