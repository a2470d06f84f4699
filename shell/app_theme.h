// The theme the windows are drawn in: chosen from the THEME setting, Windows' app mode and
// high contrast, applied to every window of the program, and followed while it runs.
#pragma once

#include <windows.h>

#include "controls/theme.h"

// Chooses the theme anew and draws the main window, its keys, tips and the tape in it.
// Run at start and whenever the system's settings or colours change.
void FollowTheme(HWND mainWindow);

bool IsThemeItem(WORD id);
// "Like Windows", "Light" or "Dark" chosen on the menu: kept in the settings and followed.
void SelectTheme(HWND mainWindow, WORD id);

// The fixed colours of the shown theme, or null in high contrast, where the system's own
// colours apply.
const ColourScheme* ShownScheme();
bool DarkShown();

// A title bar (and where the system allows, the menus) in the shown theme: for the main and
// tape windows and every dialog.
void ThemeTitleBar(HWND window);

// Gives a control the system's dark look (`dark`), no look of its own so that the colours we
// set apply (`classic`), or back its usual one.
enum class ControlLook { Usual, Dark, Classic };
void SetControlLook(HWND control, ControlLook look);
