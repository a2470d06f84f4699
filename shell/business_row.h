// The row of business keys under the keypad: shown or hidden as BUSINESS_KEYS says, with the
// menu mark, the window growing or shrinking by the row.
#pragma once

#include <windows.h>

// Shows or hides the row's windows as the setting says and fits the window around them.
void ApplyBusinessKeys(HWND mainWindow);
void ToggleBusinessKeys(HWND mainWindow);
