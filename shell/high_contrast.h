// Windows' high-contrast mode: while it is on, the window and the panel take the system's
// colours instead of the background colour setting, which is kept for when it is off.
#pragma once

#include <windows.h>

bool HighContrastOn();

// The panel's colours while high contrast is on, as the answer to WM_CTLCOLORSTATIC; null
// for any other control, or when high contrast is off, so the platform's defaults apply.
HBRUSH HighContrastPanelColours(HWND control, HDC dc);
