// "Customize view": separators, grouping, leading zero, scale, fonts, colour, simulated clicks
// and tool tips, applied to the running window at once.
#pragma once

#include <windows.h>

void CustomizeViewDialog(HWND owner);
