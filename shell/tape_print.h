// Printing the tape: its pages laid out for a printer's page, one function that draws a page
// onto any device context (the printer's, or the preview's with its own scale), and the job.
#pragma once

#include <windows.h>

#include <vector>

#include "tape/tape_pages.h"

// The lines a print takes.
enum class PrintRange { All, Selection, Calculation };

// The pages as laid out for one printer; without a printer, for an A4 sheet at 600 dpi.
struct PrintLayout {
    SIZE Paper = {};  // the whole sheet, in the printer's pixels
    RECT Area = {};   // where the texts go, within the printer's margins and ours
    int Dpi = 0;      // the printer's pixels to the inch (its vertical resolution)
    std::vector<TapePage> Pages;
};

std::vector<TapeEntry> LinesToPrint(PrintRange range);

// Lays `lines` out for the printer of `printer` (null: the A4 sheet, measured on the screen).
PrintLayout LayOutForPrinter(HDC printer, const std::vector<TapeEntry>& lines);

// Draws page `index` in the printer's pixels from the sheet's top left; the caller maps them
// to its device (the preview scales them to the window).
void DrawPrintedPage(HDC dc, const PrintLayout& layout, size_t index);

// The default printer's device context, or null when there is none.
HDC DefaultPrinterDc();

// "Print tape...": the system's print dialog (all lines, the selected line, the current
// calculation), then the pages to the chosen printer.
void PrintTape(HWND owner);
