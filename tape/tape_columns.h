// The tape window's look in pixels: a font at about the size of printed tape text, and
// columns as narrow as the longest number the panel can show, with its mark and key.
#pragma once

#include <cstdint>

#include "controls/window_place.h"

// The tape font's cell height: 12, 14, 17 and 19 pixels over the four scales at 96 DPI
// (printed tape is set at about 9 to 10 points), scaled by the DPI.
int32_t TapeFontHeight(int32_t scaleFactor, int32_t dpi);

// From the left edge of a line, in pixels: the mark starts after Padding, the number ends at
// NumberEnd, the key starts at KeyStart; Line is the width that shows a whole line and its
// padding on both sides. A note or a count goes on a line of its own, indented by Indent.
struct TapeColumns {
    int32_t Padding = 0;
    int32_t NumberEnd = 0;
    int32_t KeyStart = 0;
    int32_t Line = 0;
    int32_t Indent = 0;
};

// The columns for a font whose widest digit (the tape font's digits all share one width)
// is `digitWidth` pixels at `dpi`.
TapeColumns TapeColumnsFor(int32_t digitWidth, int32_t dpi);

// The top-left corner of a window of that size beside `main`, at its top, on the first side
// where it lies whole inside the work area `work` (the right, then the left); where it fits
// on neither side, as far right as the work area allows, over the edge of the main window.
// It is moved up as far as needed to end on the work area, never above it.
ScreenPoint TapeCorner(const ScreenRect& main, int32_t width, int32_t height,
                       const ScreenRect& work);
