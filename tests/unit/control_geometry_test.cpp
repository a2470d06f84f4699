#include "controls/control_geometry.h"

#include <gtest/gtest.h>

#include "tests/unit/fake_platform.h"

namespace {

ControlTable TableAtDefaults() {
    CalcSettings settings;
    LoadDefaultSettings(settings, FakePlatform::StandardLocale());
    ControlTable table;
    FillControlTable(table, settings);
    return table;
}

struct ScaleCase {
    int32_t Scale;
    int32_t Factor;
    int32_t ClientWidth, ClientHeight;
    int32_t SmallButton;
    int32_t FontHeight;
};

TEST(ControlGeometry, EachScaleGivesItsClientSizeButtonAndFont) {
    const ScaleCase cases[] = {
        {0, 4, 476, 292, 36, 24},
        {1, 5, 585, 355, 45, 30},
        {2, 6, 694, 418, 54, 36},
        {3, 7, 803, 481, 63, 42},
    };
    const ControlTable table = TableAtDefaults();
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(c.Scale);
        CalcSettings settings;
        settings.SCALE = c.Scale;
        const int32_t factor = ScaleFactor(settings);
        EXPECT_EQ(factor, c.Factor);
        const PixelSize client = ClientSize(table, factor);
        EXPECT_EQ(client.Width, c.ClientWidth);
        EXPECT_EQ(client.Height, c.ClientHeight);
        const PixelRect seven = ControlRect(table[1], factor);
        EXPECT_EQ(seven.Width, c.SmallButton);
        EXPECT_EQ(seven.Height, c.SmallButton);
        EXPECT_EQ(FontHeight(factor), c.FontHeight);
    }
}

struct RectCase {
    int32_t Row;
    int32_t Scale;
    PixelRect Expected;
};

TEST(ControlGeometry, RectanglesSitOnTheScaledGridInsideTheMargin) {
    const RectCase cases[] = {
        {0, 0, {20, 28, 436, 28}},     // the panel across the top
        {15, 0, {380, 196, 36, 76}},   // "=" spans two rows
        {24, 0, {148, 68, 52, 36}},    // "MC" is one of the wide keys
        {31, 3, {720, 328, 63, 133}},  // "T", tall, at 400 %
        {28, 3, {496, 398, 63, 63}},   // "00" in the bottom row
    };
    const ControlTable table = TableAtDefaults();
    for (const RectCase& c : cases) {
        SCOPED_TRACE(c.Row);
        const PixelRect rect = ControlRect(table[c.Row], c.Scale + 4);
        EXPECT_EQ(rect.Left, c.Expected.Left);
        EXPECT_EQ(rect.Top, c.Expected.Top);
        EXPECT_EQ(rect.Width, c.Expected.Width);
        EXPECT_EQ(rect.Height, c.Expected.Height);
    }
}

TEST(ControlGeometry, NoControlLeavesTheClientArea) {
    ControlTable table = TableAtDefaults();
    for (int32_t factor = 4; factor <= 7; ++factor) {
        ShowBusinessRows(table, factor % 2 == 1);
        const PixelSize client = ClientSize(table, factor);
        for (const ControlRecord& record : table) {
            if (!record.Shown) continue;
            const PixelRect rect = ControlRect(record, factor);
            EXPECT_LE(rect.Left + rect.Width, client.Width - WindowMargin) << record.Id;
            EXPECT_LE(rect.Top + rect.Height, client.Height - WindowMargin) << record.Id;
        }
    }
}

}  // namespace

namespace {

// At 144 and 192 DPI every pixel length is the 96-DPI length times 1.5 or 2, rounded; the
// margin and the fonts included, and at 96 DPI nothing moves.
TEST(ControlGeometry, DpiMultipliesEveryLengthAndRounds) {
    const struct {
        int32_t Dpi;
        int32_t Row;
        PixelRect Expected;
        PixelSize Client;
        int32_t Font;
    } cases[] = {
        {96, 1, {260, 140, 45, 45}, {585, 355}, 30},
        {144, 1, {390, 210, 68, 68}, {878, 533}, 45},
        {192, 1, {520, 280, 90, 90}, {1170, 710}, 60},
        {120, 0, {25, 38, 681, 44}, {731, 444}, 38},
        {144, 15, {705, 360, 68, 143}, {878, 533}, 45},
    };
    const ControlTable table = TableAtDefaults();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Dpi) + " dpi, row " + std::to_string(c.Row));
        const PixelRect rect = ControlRect(table[c.Row], 5, c.Dpi);
        EXPECT_EQ(rect.Left, c.Expected.Left);
        EXPECT_EQ(rect.Top, c.Expected.Top);
        EXPECT_EQ(rect.Width, c.Expected.Width);
        EXPECT_EQ(rect.Height, c.Expected.Height);
        const PixelSize client = ClientSize(table, 5, c.Dpi);
        EXPECT_EQ(client.Width, c.Client.Width);
        EXPECT_EQ(client.Height, c.Client.Height);
        EXPECT_EQ(FontHeight(5, c.Dpi), c.Font);
    }
}

TEST(ControlGeometry, AddModeIndicatorFillsTheEmptyColumnOnly) {
    const ControlTable table = TableAtDefaults();
    const PixelRect indicator = LayoutRect(AddModeIndicatorBox, 4);
    for (const ControlRecord& record : table) {
        const PixelRect rect = ControlRect(record, 4);
        const bool apart = rect.Left >= indicator.Left + indicator.Width ||
                           rect.Top >= indicator.Top + indicator.Height ||
                           indicator.Top >= rect.Top + rect.Height;
        EXPECT_TRUE(apart) << record.Id;
    }
}

}  // namespace
