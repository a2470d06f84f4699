// What the main window does at the desk: it stays on top when asked, opens where it was
// closed, and shows when add mode is on.
#pragma once

#include <windows.h>

inline constexpr const char* AddModeIndicatorText = "ADD";

// Keeps the window in front of all others or not, as ALWAYS_ON_TOP says, with the menu mark.
void ApplyAlwaysOnTop(HWND mainWindow);
// Shows the add-mode indicator and the menu mark while ADD_MODE is on; the indicator is
// greyed while the decimal places give add mode nothing to do.
void ShowAddMode(HWND mainWindow);
void ToggleAlwaysOnTop(HWND mainWindow);
void ToggleAddMode(HWND mainWindow);
// Keeps the window's top-left corner in the settings; a minimised window keeps the corner
// it will be restored to.
void RememberWindowPlace(HWND mainWindow);
// The corner a window of the size of `outer` opens at: the saved corner when its title bar
// can be reached on one of the monitors, else `centred`.
POINT OpeningPlace(const RECT& outer, POINT centred);
