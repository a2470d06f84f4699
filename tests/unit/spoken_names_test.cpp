#include "controls/spoken_names.h"

#include <gtest/gtest.h>

#include <string>

#include "calculator/keypad.h"
#include "tests/unit/fake_platform.h"

namespace {

struct SpokenControl {
    int32_t Row;
    KeyAction Action;  // what the key does, so a name can never drift from its key
    const char* Name;
    const char* Shortcut;
};

// Every row of the control table, with the default settings ("." as the separator) and the
// business keys shown.
constexpr SpokenControl Controls[] = {
    {0, KeyAction::None, "Display", ""},
    {1, KeyAction::Entry, "7", "7"},
    {2, KeyAction::Entry, "8", "8"},
    {3, KeyAction::Entry, "9", "9"},
    {4, KeyAction::Entry, "Decimal separator", "."},
    {5, KeyAction::Entry, "4", "4"},
    {6, KeyAction::Entry, "5", "5"},
    {7, KeyAction::Entry, "6", "6"},
    {8, KeyAction::Entry, "1", "1"},
    {9, KeyAction::Entry, "2", "2"},
    {10, KeyAction::Entry, "3", "3"},
    {11, KeyAction::Entry, "0", "0"},
    {12, KeyAction::BackSpace, "Back-space", "Backspace"},
    {13, KeyAction::Operator, "Plus", "+"},
    {14, KeyAction::None, "Pending operator, none", ""},
    {15, KeyAction::Equals, "Equals", "Enter"},
    {16, KeyAction::Operator, "Minus", "-"},
    {17, KeyAction::Operator, "Multiply", "*"},
    {18, KeyAction::Operator, "Divide", "/"},
    {19, KeyAction::Clear, "Clear", "C"},
    {20, KeyAction::SignChange, "Change sign", "S"},
    {21, KeyAction::Percent, "Percent", "P"},
    {22, KeyAction::SquareRoot, "Square root", "Q"},
    {23, KeyAction::Reciprocal, "Reciprocal", "X"},
    {24, KeyAction::MemoryClear, "Memory clear", "L"},
    {25, KeyAction::MemoryRecall, "Memory recall", "R"},
    {26, KeyAction::MemoryAdd, "Memory add", "A"},
    {27, KeyAction::MemorySubtract, "Memory subtract", "U"},
    {28, KeyAction::DoubleZero, "Double zero", "D"},
    {29, KeyAction::None, "Memory, empty", ""},
    {30, KeyAction::ClearEntry, "Clear entry", "Delete"},
    {31, KeyAction::Total, "Total", "T"},
    {32, KeyAction::MemoryStore, "Memory store", "M"},
    {33, KeyAction::AddTax, "Add tax", "I"},
    {34, KeyAction::RemoveTax, "Remove tax", "E"},
    {35, KeyAction::GrandTotal, "Grand total", "G"},
    {36, KeyAction::Cost, "Cost", "O"},
    {37, KeyAction::Sell, "Sell", "V"},
    {38, KeyAction::Margin, "Margin", "N"},
    {39, KeyAction::None, "Grand total, empty", ""},
};

TEST(SpokenNames, EveryControlHasItsNameAndShortcut) {
    static_assert(std::size(Controls) == ControlCount);
    CalcSettings settings;
    LoadDefaultSettings(settings, FakePlatform::StandardLocale());
    settings.BUSINESS_KEYS = true;
    ControlTable table;
    FillControlTable(table, settings);
    for (const SpokenControl& c : Controls) {
        SCOPED_TRACE(testing::Message() << "row " << c.Row);
        const ControlRecord& record = table[c.Row];
        EXPECT_EQ(ClassifyKey(settings, record), c.Action);
        EXPECT_STREQ(SpokenName(c.Row, "").Text(), c.Name);
        EXPECT_STREQ(SpokenShortcut(c.Row, record).Text(), c.Shortcut);
        EXPECT_EQ(HasSpokenValue(c.Row), c.Action == KeyAction::None);
    }
}

TEST(SpokenNames, DecimalKeyShortcutFollowsTheSeparator) {
    CalcSettings settings;
    LoadDefaultSettings(settings, FakePlatform::StandardLocale());
    ControlTable table;
    FillControlTable(table, settings);
    for (const char separator : {',', '\'', ' '}) {
        SetDecimalKey(table, separator);
        EXPECT_STREQ(SpokenName(4, "").Text(), "Decimal separator");
        EXPECT_STREQ(SpokenShortcut(4, table[4]).Text(),
                     separator == ' ' ? "Space" : std::string(1, separator).c_str());
    }
}

struct ValueCase {
    int32_t Row;
    const char* Shown;
    const char* Name;
    const char* Value;
};

TEST(SpokenNames, PanelAndIndicatorsSpeakTheirState) {
    const ValueCase cases[] = {
        {0, "0", "Display", "0"},
        {0, "1,234.5", "Display", "1,234.5"},
        {0, "ERROR", "Display", "ERROR"},
        {14, "", "Pending operator, none", "none"},
        {14, "+", "Pending operator, Plus", "Plus"},
        {14, "-", "Pending operator, Minus", "Minus"},
        {14, "*", "Pending operator, Multiply", "Multiply"},
        {14, "/", "Pending operator, Divide", "Divide"},
        {29, "", "Memory, empty", "empty"},
        {29, "M", "Memory, in use", "in use"},
        {39, "GT", "Grand total, in use", "in use"},
        {22, "SQR", "Square root", ""},
        {-1, "", "", ""},
        {ControlCount, "", "", ""},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.Row << " showing " << c.Shown);
        EXPECT_STREQ(SpokenName(c.Row, c.Shown).Text(), c.Name);
        EXPECT_STREQ(SpokenValue(c.Row, c.Shown).Text(), c.Value);
    }
}

TEST(SpokenNames, AnnouncementsSayErrorAndCountTheTotal) {
    EXPECT_STREQ(SpokenResult("15").Text(), "15");
    EXPECT_STREQ(SpokenResult("-0.5").Text(), "-0.5");
    EXPECT_STREQ(SpokenResult("ERROR").Text(), "Error");
    EXPECT_STREQ(SpokenTotal("1,234.5", 3).Text(), "Total 1,234.5, 3 numbers");
    EXPECT_STREQ(SpokenTotal("7", 1).Text(), "Total 7, 1 number");
    EXPECT_STREQ(SpokenTotal("ERROR", 2).Text(), "Total Error, 2 numbers");
}

}  // namespace
