// The 33 controls of the main window: creation from the control table, tool tips, layout,
// the two shared fonts, the background and the window size.
#pragma once

#include <windows.h>

#include "engine/control_table.h"

// Makes the control of the table's row and its tool-tip window.
void CreateControl(int32_t row, int32_t scaleFactor, HWND parent);
// Shows the row's tool-tip text, or no tip at all when `show` is false.
void SetToolTipText(int32_t row, bool show);
void LayoutControls(int32_t scaleFactor);
// Makes the button and panel fonts, gives them to the controls, frees the old ones and
// stores the faces the system really chose in the settings.
void ApplyFonts();
void ApplyBackgroundColour(HWND mainWindow);
// Sizes the window around the controls; centres it while it is hidden.
void FitWindow(HWND mainWindow);
// Shows a new text of the engine's panel or of an indicator in its control.
void ShowEngineText(DisplayField field, const DecString& text);
