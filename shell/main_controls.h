// The 33 controls of the main window: creation from the control table, tool tips, layout,
// the two shared fonts, the background and the window size.
#pragma once

#include <windows.h>

#include "engine/control_table.h"

void CreateControl(ControlRecord& record, int32_t scaleFactor, HWND parent);
// Shows the record's tool-tip text, or no tip at all when `show` is false.
void SetToolTipText(const ControlRecord& record, bool show);
void LayoutControls(int32_t scaleFactor);
// Makes the button and panel fonts, gives them to the controls, frees the old ones and
// stores the faces the system really chose in the settings.
void ApplyFonts();
void ApplyBackgroundColour(HWND mainWindow);
// Sizes the window around the controls; centres it while it is hidden.
void FitWindow(HWND mainWindow);
// Sets a control's text; an unchanged text is left alone, since the panel reports every
// change of its text as a command.
void SetControlText(HWND control, const DecString& text);
// The control row of one of the engine's three text fields.
int32_t DisplayRow(DisplayField field);
