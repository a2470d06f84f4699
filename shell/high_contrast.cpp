#include "shell/high_contrast.h"

#include "shell/shell_state.h"

bool HighContrastOn() {
    HIGHCONTRASTA contrast = {};
    contrast.cbSize = sizeof(contrast);
    if (!SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0)) return false;
    return (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

HBRUSH HighContrastPanelColours(HWND control, HDC dc) {
    if (control != ControlWindow(PanelRow) || !HighContrastOn()) return nullptr;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}
