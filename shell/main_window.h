// The main window: its class, its creation and the procedure that dispatches its messages.
#pragma once

#include <windows.h>

// Caption, system menu and minimise box: a fixed size, no maximise box.
inline constexpr DWORD MainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

void DefineMainClass(HINSTANCE instance);
bool CreateMainWindow(HINSTANCE instance, int showCommand);
