// "Print preview": the tape's pages as the default printer will print them, page by page,
// fitted to the window or at their real size, drawn by the printer's own drawing function.
#pragma once

#include <windows.h>

// Opens the preview of the whole tape (or brings it back to the front, laid out anew).
void ShowPrintPreview(HWND owner);
