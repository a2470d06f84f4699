// The tape window: a list of the tape's lines beside the main window, where a line's number
// is corrected and a note set, and from which the tape is copied, saved and cleared.
#pragma once

#include <windows.h>

// Reads the tape file and makes the (hidden) window; the keys are recorded from now on.
void CreateTapeWindow(HWND mainWindow);

// Shows the tape window's title and menu in the chosen language.
void TranslateTapeWindow();
// Shows or hides the window, keeps the choice in the settings and marks the menu item.
void ShowTapeWindow(bool show);
void ToggleTapeWindow();
// Places the window beside the main window, keeping its height.
void FollowMainWindow();
// Shows the lines that changed since the last call.
void RefreshTapeWindow();
// The tape's numbers carried over from the old separators to the settings' new ones.
void ConvertTapeToNewSeparators(char oldThousand, char oldDecimal);
// The tape's font anew, after a change of scale, fonts or DPI.
void ApplyTapeFont();
// The window and its list in the shown theme, after a change of theme.
void ThemeTapeWindow();
