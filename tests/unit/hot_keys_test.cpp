#include "controls/hot_keys.h"

#include <gtest/gtest.h>

#include "tests/unit/fake_platform.h"

namespace {

struct HotKeyCase {
    char DecimalSeparator;
    unsigned char Typed;
    int32_t Row;  // -1: no button
};

TEST(HotKeys, TypedCharacterPressesTheFirstMatchingButton) {
    const HotKeyCase cases[] = {
        {'.', '7', 1},
        {'.', '0', 11},
        {'.', '+', 13},
        {'.', '-', 16},
        {'.', '*', 17},
        {'.', '/', 18},
        {'.', 'q', 22},
        {'.', 'Q', 22},
        {'.', 't', 31},
        {'.', 'T', 31},
        {'.', 's', 20},
        {'.', 'S', 20},
        {'.', 'c', 19},
        {'.', 'p', 21},
        {'.', 'x', 23},
        {'.', 'l', 24},
        {'.', 'r', 25},
        {'.', 'a', 26},
        {'.', 'u', 27},
        {'.', 'd', 28},
        {'.', 'm', 32},
        {'.', 'M', 32},
        {'.', 8, 12},
        {'.', 10, 30},
        {'.', '.', 4},
        {'.', ',', 4},
        {',', '.', 4},
        {',', ',', 4},
        {'\'', '\'', 4},
        {'.', '=', 15},
        {'.', '%', 21},
        {'%', '%', 4},
        {'=', '=', 4},
        {'=', '%', 21},
        {'.', 13, -1},
        {'.', ' ', -1},
        {' ', ' ', 4},
        {'.', 'z', -1},
        {'.', 'i', -1},
        {'.', 0xE4, -1},
        // A separator that is also a letter hot key: the separator key comes first.
        {'m', 'm', 4},
        {'m', 'M', 4},
        {'m', '.', 4},
    };
    for (const HotKeyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "separator " << c.DecimalSeparator << " typed "
                                        << static_cast<int>(c.Typed));
        CalcSettings settings;
        LoadDefaultSettings(settings, FakePlatform::StandardLocale());
        settings.DECIMAL_SEPARATOR = c.DecimalSeparator;
        ControlTable table;
        FillControlTable(table, settings);
        EXPECT_EQ(HotKeyButton(table, settings, c.Typed), c.Row);
    }
}

TEST(HotKeys, OnlyCapitalAsciiLettersAreLowered) {
    CalcSettings settings;
    settings.DECIMAL_SEPARATOR = '.';
    EXPECT_EQ(NormaliseHotKeyChar(settings, 'A'), 'a');
    EXPECT_EQ(NormaliseHotKeyChar(settings, 'Z'), 'z');
    EXPECT_EQ(NormaliseHotKeyChar(settings, '@'), '@');
    EXPECT_EQ(NormaliseHotKeyChar(settings, '['), '[');
    EXPECT_EQ(NormaliseHotKeyChar(settings, 0xC4), 0xC4);
}

}  // namespace
