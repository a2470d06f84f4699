// The window's DPI and the frame and font metrics that go with it. The per-monitor
// functions are looked up at run time, so the program still starts on systems that lack
// them; there the system DPI and the classic metrics stand in.
#pragma once

#include <windows.h>

// The DPI of the monitor the window is on, or the system DPI.
UINT WindowDpi(HWND window);
// The outer rectangle around `client` for a window of this style with a menu bar.
void AdjustRectForDpi(RECT& client, DWORD style, UINT dpi);
// A system metric (SM_CYCAPTION, ...) as it is at `dpi`.
int SystemMetricForDpi(int index, UINT dpi);
// The system's tool-tip (status) font at `dpi`; the caller deletes it.
HFONT MakeTipFont(UINT dpi);
