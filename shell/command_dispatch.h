// Input of the main window: commands from buttons, menus and accelerators, typed
// characters and keys, wherever the keyboard focus is.
#pragma once

#include <windows.h>

// Runs a menu or keypad command; false for an id that is neither, which the caller leaves
// to the default handling.
bool ExecuteCommand(HWND mainWindow, WORD id);
// Presses the first button whose hot key is the character; Enter presses "=".
void DispatchCharacter(HWND mainWindow, unsigned char character);
// Delete types the clear-entry character; other keys are ignored.
void KeyDown(HWND mainWindow, WPARAM virtualKey);
// Gives the button a hot key showed pressed its normal look again.
void ReleaseHotKeyClick();
// The window procedure of every control: sends typed characters and Delete on to the main
// window, then lets the control's own procedure see the message.
LRESULT CALLBACK ForwardKeys(HWND child, UINT message, WPARAM wParam, LPARAM lParam);
