#include "tape/tape_columns.h"

#include <algorithm>

#include "controls/control_geometry.h"
#include "tape/tape_layout.h"

namespace {

constexpr int32_t LinePadding = 4;  // at 96 DPI, on each side of a line
constexpr int32_t MarkCharacters = 2;
constexpr int32_t GapCharacters = 1;
constexpr int32_t KeyCharacters = 3;  // "SQR", "1/X", "M+", "^V"
constexpr int32_t IndentCharacters = 4;

}  // namespace

int32_t TapeFontHeight(int32_t scaleFactor, int32_t dpi) {
    return ScaleForDpi(scaleFactor * 5 / 2 + 2, dpi);
}

TapeColumns TapeColumnsFor(int32_t digitWidth, int32_t dpi) {
    TapeColumns columns;
    columns.Padding = ScaleForDpi(LinePadding, dpi);
    columns.NumberEnd =
        columns.Padding + (MarkCharacters + static_cast<int32_t>(TapeNumberWidth)) * digitWidth;
    columns.KeyStart = columns.NumberEnd + GapCharacters * digitWidth;
    columns.Line = columns.KeyStart + KeyCharacters * digitWidth + columns.Padding;
    columns.Indent = columns.Padding + IndentCharacters * digitWidth;
    return columns;
}

ScreenPoint TapeCorner(const ScreenRect& main, int32_t width, int32_t height,
                       const ScreenRect& work) {
    const int32_t top = std::max(work.Top, std::min(main.Top, work.Bottom - height));
    if (main.Right >= work.Left && main.Right + width <= work.Right) return {main.Right, top};
    if (main.Left - width >= work.Left && main.Left <= work.Right) {
        return {main.Left - width, top};
    }
    return {std::max(work.Left, std::min(main.Right, work.Right - width)), top};
}
