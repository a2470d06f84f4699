// The tape window's list: the selected line, filling and drawing it, its columns and width.
#pragma once

#include <windows.h>

#include "shell/tape_view.h"

// How a tape line is drawn: its fonts, columns and colours, and the DPI of the device
// (the screen's or a printer's) for the rule and the space between lines.
struct TapeLineLook {
    int Dpi = 96;
    HFONT Font = nullptr;
    HFONT BoldFont = nullptr;
    TapeColumns Columns;
    COLORREF Face = 0, Text = 0, Negative = 0, Rule = 0, Note = 0;
};

// Draws one line of the tape into `rect` on any device context (the window's list, a page):
// the mark at the left, the number ending at its column and the key after it, both kept at
// the right edge as on a paper roll; a result in bold under a rule, a negative number in
// the negative colour; the count and note on an indented line of their own beneath,
// wrapped to the width. It fills the rectangle with the face first.
void DrawTapeLine(HDC dc, const TapeEntry& entry, const RECT& rect, const TapeLineLook& look);
// The height DrawTapeLine takes for the line at that width.
int TapeLineHeight(HDC dc, const TapeEntry& entry, int width, const TapeLineLook& look);
// The window's fonts and columns in the shown theme's colours.
TapeLineLook WindowLineLook();

int SelectedLine();
const TapeEntry* SelectedEntry();
void AddLine(const TapeEntry& entry);
void FillList();
// The columns in the tape font, and every line's height at the list's width.
void MeasureColumns();
void MeasureLines();
void MeasureLine(MEASUREITEMSTRUCT& item);
void DrawLine(const DRAWITEMSTRUCT& item);
// The outer width the user gave the window, or else the narrow one that shows a whole line
// of the longest number beside its vertical scroll bar.
int TapeWindowWidth();
int NarrowTapeWidth();
