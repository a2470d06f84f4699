#include "tape/tape_columns.h"

#include <gtest/gtest.h>

#include "controls/control_geometry.h"
#include "controls/control_table.h"
#include "tape/tape_layout.h"
#include "tests/unit/fake_platform.h"

namespace {

// The digit width of a monospaced face (Consolas, Courier New: a little over half the cell
// height), rounded up.
int32_t MonospacedDigitWidth(int32_t height) {
    return (height * 3 + 4) / 5;
}

// At every scale and DPI the longest number fits its column with the mark before it, and
// the whole line (with a scroll bar and frame of about 40 pixels at 96 DPI) stays narrower
// than the main window beside it.
TEST(TapeColumns, LongestNumberFitsAndTapeStaysNarrowerThanTheCalculator) {
    CalcSettings settings;
    LoadDefaultSettings(settings, FakePlatform::StandardLocale());
    ControlTable table;
    FillControlTable(table, settings);
    for (int32_t scale = 0; scale <= 3; ++scale) {
        for (int32_t dpi : {96, 120, 144, 192}) {
            SCOPED_TRACE(testing::Message() << "SCALE " << scale << " DPI " << dpi);
            const int32_t factor = scale + 4;
            const int32_t height = TapeFontHeight(factor, dpi);
            EXPECT_LT(height, FontHeight(factor, dpi));
            EXPECT_GE(height, ScaleForDpi(12, dpi));  // never below printed-tape size
            const int32_t digit = MonospacedDigitWidth(height);
            const TapeColumns columns = TapeColumnsFor(digit, dpi);
            const int32_t longest = static_cast<int32_t>(TapeNumberWidth) * digit;
            EXPECT_GE(columns.NumberEnd - columns.Padding, longest + 2 * digit);
            EXPECT_GE(columns.KeyStart, columns.NumberEnd + digit);
            EXPECT_GE(columns.Line - columns.Padding - columns.KeyStart, 3 * digit);
            const int32_t window = columns.Line + ScaleForDpi(40, dpi);
            EXPECT_LT(window, ClientSize(table, factor, dpi).Width);
        }
    }
}

TEST(TapeColumns, TapeOpensWholeOnTheWorkArea) {
    const ScreenRect work = {0, 0, 1280, 994};
    const struct {
        const char* Name;
        ScreenRect Main;
        int32_t Width, Height;
        ScreenPoint Corner;
    } cases[] = {
        {"room on the right", {100, 100, 600, 500}, 400, 400, {600, 100}},
        {"just fits on the right", {100, 100, 880, 500}, 400, 400, {880, 100}},
        {"only the left", {500, 100, 1000, 500}, 400, 400, {100, 100}},
        {"just fits on the left", {400, 100, 1000, 500}, 400, 400, {0, 100}},
        {"centred, fits neither side", {300, 300, 980, 700}, 400, 400, {880, 300}},
        {"wider than the screen", {300, 300, 980, 700}, 1500, 400, {0, 300}},
        {"main below the bottom", {100, 900, 600, 1300}, 400, 400, {600, 594}},
        {"main left of the screen", {-700, 100, -200, 500}, 400, 400, {0, 100}},
    };
    for (const auto& c : cases) {
        const ScreenPoint corner = TapeCorner(c.Main, c.Width, c.Height, work);
        EXPECT_EQ(corner.X, c.Corner.X) << c.Name;
        EXPECT_EQ(corner.Y, c.Corner.Y) << c.Name;
        EXPECT_GE(corner.X, work.Left) << c.Name;
        if (c.Width <= work.Right) {
            EXPECT_LE(corner.X + c.Width, work.Right) << c.Name;
        }
    }
}

}  // namespace
