// Drawing in the shown theme: the colours of the panel and indicators, the dark keys, and
// the dialogs' colours.
#pragma once

#include <windows.h>

#include <cstdint>

// A solid brush of the colour, made once and kept for the run (the schemes have few).
HBRUSH SchemeBrush(uint32_t colour);

// The answer to the main window's WM_CTLCOLORSTATIC for the panel, the indicators and the
// add-mode mark; null where the system's colours apply.
HBRUSH MainControlColours(HWND control, HDC dc);

// A key of the dark theme, as WM_DRAWITEM asks for it: face, frame, label, pressed and
// focused looks.
void DrawKey(const DRAWITEMSTRUCT& item);

// To be called first by every dialog procedure: on WM_INITDIALOG it gives the dialog and its
// controls the shown theme (and answers FALSE so the dialog goes on with its own start);
// it answers the WM_CTLCOLOR* messages in the dark theme. FALSE: not handled.
INT_PTR ThemedDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
