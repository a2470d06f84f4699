// The details of the last Total: a window listing every number it took (and, with whole
// cells, every cell it skipped), with a Copy button.
#pragma once

#include <windows.h>

void TotalDetailsDialog(HWND owner);
