#include "settings/calc_settings.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace {

SystemLocale Locale(const char* decimal, const char* group, const char* grouping,
                    uint32_t colour = 0xFFFFFF) {
    SystemLocale locale;
    locale.DecimalSymbol = decimal;
    locale.GroupSymbol = group;
    locale.Grouping = grouping;
    locale.WindowColour = colour;
    return locale;
}

TEST(CalcSettings, ConstructedRecordIsEmpty) {
    const CalcSettings s;
    EXPECT_EQ(s.SCALE, 0);
    EXPECT_EQ(s.DECIMAL_SEPARATOR, '\0');
    EXPECT_EQ(s.THOUSAND_SEPARATOR, '\0');
    EXPECT_TRUE(s.FONT == "");
    EXPECT_FALSE(s.LEADING_ZERO);
    EXPECT_FALSE(s.TOOL_TIPS);
    EXPECT_TRUE(s.NUMBER_SEPARATORS == "");
    EXPECT_TRUE(s.DecimalKeyChars == ".,");
}

TEST(CalcSettings, DefaultsComeFromTheLocaleAndFixedValues) {
    CalcSettings s;
    LoadDefaultSettings(s, Locale(",", ".", "3;0", 0x00C0D0E0));
    EXPECT_EQ(s.SCALE, 1);
    EXPECT_EQ(s.DECIMAL_SEPARATOR, ',');
    EXPECT_EQ(s.THOUSAND_SEPARATOR, '.');
    EXPECT_TRUE(s.FONT == "Segmenta");
    EXPECT_TRUE(s.FONT_FOR_PANEL == "Segmenta");
    EXPECT_TRUE(s.LEADING_ZERO);
    EXPECT_EQ(s.DIGIT_GROUPING, DigitGrouping::Threes);
    EXPECT_EQ(s.BACKGROUND_COLOR, 0x00C0D0E0u);
    EXPECT_TRUE(s.HOT_KEY_AS_CLICK);
    EXPECT_EQ(s.ROUND_MODE, RoundMode::Floating);
    EXPECT_EQ(s.ROUND_TYPE, RoundType::Mathematical);
    EXPECT_TRUE(s.TOOL_TIPS);
    EXPECT_FALSE(s.SPACE_IS_DECIMAL_SEPARATOR);
    EXPECT_FALSE(s.SPACE_IS_NUMBER_SEPARATOR);
}

TEST(CalcSettings, GroupingPatternsMapToDigitGrouping) {
    const struct {
        const char* Pattern;
        DigitGrouping Grouping;
    } cases[] = {{"3;0", DigitGrouping::Threes}, {"3;2;0", DigitGrouping::ThreeThenTwos},
                 {"3", DigitGrouping::None},     {"", DigitGrouping::None},
                 {"3;2", DigitGrouping::None},   {"4;0", DigitGrouping::None}};
    for (const auto& c : cases) {
        CalcSettings s;
        LoadDefaultSettings(s, Locale(".", ",", c.Pattern));
        EXPECT_EQ(s.DIGIT_GROUPING, c.Grouping) << c.Pattern;
    }
}

TEST(CalcSettings, OnlyTheFirstByteOfALocaleSymbolCounts) {
    CalcSettings s;
    LoadDefaultSettings(s, Locale("::", "", "3;0"));
    EXPECT_EQ(s.DECIMAL_SEPARATOR, ':');
    EXPECT_EQ(s.THOUSAND_SEPARATOR, '\0');
}

TEST(CalcSettings, LoadingDefaultsResetsTheTotalSetsButNotTheKeyChars) {
    CalcSettings s;
    s.NUMBER_SEPARATORS = "; ";
    s.DECIMAL_SEPARATORS = ".";
    s.DecimalKeyChars = "x";
    LoadDefaultSettings(s, FakePlatform::StandardLocale());
    EXPECT_TRUE(s.NUMBER_SEPARATORS == "");
    EXPECT_TRUE(s.DECIMAL_SEPARATORS == "");
    EXPECT_TRUE(s.DecimalKeyChars == "x");
}

TEST(CalcSettings, YesNo) {
    EXPECT_STREQ(YesNoText(true), "YES");
    EXPECT_STREQ(YesNoText(false), "NO");
    const struct {
        const char* Text;
        bool Fallback;
        bool Result;
    } cases[] = {
        {"YES", false, true}, {"NO", true, false}, {"yes", false, false},  {"no", true, true},
        {"", true, true},     {"", false, false},  {"YES ", false, false}, {nullptr, true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseYesNo(c.Text, c.Fallback), c.Result) << (c.Text ? c.Text : "(null)");
    }
}

TEST(CalcSettings, SeparatorValidity) {
    for (char c = '0'; c <= '9'; ++c) EXPECT_FALSE(IsValidSeparatorChar(c)) << c;
    EXPECT_FALSE(IsValidSeparatorChar('-'));
    EXPECT_FALSE(IsValidSeparatorChar(UnmappedChar));  // paste and the Total skip it
    for (char c : {' ', '\0', '.', ',', ';', 'a', '\''}) EXPECT_TRUE(IsValidSeparatorChar(c));
    EXPECT_TRUE(IsValidSeparatorText(""));
    EXPECT_TRUE(IsValidSeparatorText(".; "));
    EXPECT_FALSE(IsValidSeparatorText(";5"));
    EXPECT_FALSE(IsValidSeparatorText("a-b"));
}

}  // namespace
