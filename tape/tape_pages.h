// The tape on paper: its lines laid out on pages of a given size in a given font. The printer,
// the print preview and the harness all draw what this returns, so they cannot differ.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tape/tape.h"

// The page as its device measures it, in the device's units (printer pixels, screen pixels,
// or characters and lines for a text page).
struct PageMeasures {
    int32_t Width = 0;       // of the printable area
    int32_t Height = 0;      // of the printable area
    int32_t LineHeight = 0;  // one line of text with its leading
    // The width of `text` in the font; `strong` in the bold font that results are printed in.
    std::function<int32_t(std::string_view text, bool strong)> TextWidth;
};

// What the header of every page says besides the page's number.
struct PageHeader {
    std::string TapeName;
    std::string PrintedAt;  // the date and time of printing, as the user writes them
};

// One text on a page, its top left measured from the printable area's top left.
struct PageText {
    int32_t X = 0;
    int32_t Y = 0;
    std::string Text;
    bool Strong = false;  // a result, printed in bold
};

struct TapePage {
    std::vector<PageText> Texts;
    size_t FirstLine = 0;  // the first of the laid-out lines on this page
    size_t LineCount = 0;  // how many of them it holds
};

// The header's rows on every page: the tape's name and "Page N of M", the date and time, a
// blank row.
inline constexpr int32_t HeaderRows = 3;

// Lays `lines` out as the tape window shows them: the mark, the numbers right-aligned in one
// column, the key, then the count and the note, wrapped at spaces when they reach the right
// edge. A line and its wrapped rows stay on one page; every text ends inside the printable
// area. No pages when the area holds no header and one row, or there are no lines.
std::vector<TapePage> LayOutPages(const std::vector<TapeEntry>& lines, const PageHeader& header,
                                  const PageMeasures& page);

// A page laid out in characters (each one unit wide, a line one unit high) as rows of text,
// without trailing spaces, up to its last text.
std::vector<std::string> PageTextRows(const TapePage& page);
