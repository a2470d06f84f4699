// The 40 controls of the main window: creation from the control table, tool tips, layout,
// the two shared fonts, the background and the window size.
#pragma once

#include <windows.h>

#include "controls/control_table.h"

// Makes the control of the table's row and its tool-tip window.
void CreateControl(int32_t row, int32_t scaleFactor, HWND parent);
// Shows the row's tool-tip text, or no tip at all when `show` is false.
void SetToolTipText(int32_t row, bool show);
// The "ADD" indicator beside the keypad; hidden until add mode is shown (desk_options).
void CreateAddModeIndicator(int32_t scaleFactor, HWND parent);
// Places the controls and the add-mode indicator for the scale and the window's DPI.
void LayoutControls(int32_t scaleFactor);
// Makes the button, panel and tool-tip fonts for the window's DPI, gives them to the
// controls, frees the old ones and stores the faces the system really chose in the settings.
void ApplyFonts();
void ApplyBackgroundColour(HWND mainWindow);
// The outer window rectangle around the client area, with its frame at the window's DPI.
RECT OuterRect();
// Moves the window's top-left corner to `corner` and sizes it around the controls.
void PlaceWindow(HWND mainWindow, POINT corner);
// Sizes the window around the controls. While it is hidden it goes to its saved place, or
// is centred on the screen when that place cannot be reached.
void FitWindow(HWND mainWindow);
// Shows a new text of the engine's panel or of an indicator in its control.
void ShowEngineText(DisplayField field, const DecString& text);
