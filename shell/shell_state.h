// The process-wide records of the Windows program: the calculator, its control table and
// the handles the main window owns. One instance lives for the whole run.
#pragma once

#include <windows.h>

#include <array>

#include "calculator/calc_context.h"
#include "controls/control_table.h"
#include "controls/theme.h"
#include "shell/win32_platform.h"

inline constexpr int TitleBufferSize = 100;

// The windows the shell made for one row of the control table.
struct ControlWindows {
    HWND Control = nullptr;
    HWND ToolTip = nullptr;
    WNDPROC PreviousProcedure = nullptr;  // the control's own window procedure
};

struct ShellState {
    HINSTANCE Instance = nullptr;
    HWND MainWindow = nullptr;  // set once window creation has returned
    char ProductName[TitleBufferSize] = {};
    char ClassName[TitleBufferSize] = {};
    HFONT ButtonFont = nullptr;
    HFONT PanelFont = nullptr;
    HBRUSH BackgroundBrush = nullptr;      // null while the class brush is the system colour
    HWND PushedButton = nullptr;           // shown pressed by a hot key until the key is released
    HWND AddModeIndicator = nullptr;       // "ADD", shown while add mode is on
    HFONT TipFont = nullptr;               // the tool tips' font at the window's DPI
    UINT Dpi = 96;                         // of the monitor the window is on
    ShownTheme Theme = ShownTheme::Light;  // as the windows are drawn now
    Win32Platform Platform;
    CalcContext Context{Platform};
    ControlTable Controls;
    std::array<ControlWindows, ControlCount> ControlHandles;  // row by row
};

extern ShellState Shell;

inline HWND ControlWindow(int32_t row) {
    return Shell.ControlHandles[row].Control;
}
