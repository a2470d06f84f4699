// "Customize calculation of total": the Total's additional decimal and number separators.
#pragma once

#include <windows.h>

void TotalSeparatorsDialog(HWND owner);
