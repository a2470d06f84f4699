#include "engine/keypad.h"

#include <gtest/gtest.h>

#include "engine/number_text.h"
#include "keypad_driver.h"

namespace {

TEST(ControlTable, RowsCarryTheirIdsLabelsAndHotKeys) {
    KeypadDriver calc;
    const ControlTable& t = calc.Table;
    for (int32_t i = 0; i < ControlCount; ++i) EXPECT_EQ(t[i].Id, FirstControlId + i);
    const struct {
        int32_t Row;
        const char* ClassName;
        const char* Label;
        const char* HotKey;
    } rows[] = {
        {0, "EDIT", "0", ""},      {4, "BUTTON", ".", "."},    {12, "BUTTON", "<-", "\b"},
        {14, "STATIC", "", ""},    {15, "BUTTON", "=", ""},    {20, "BUTTON", "+-", "sign"},
        {29, "STATIC", "", ""},    {30, "BUTTON", "CE", "\n"}, {31, "BUTTON", "T", "t"},
        {32, "BUTTON", "MS", "m"},
    };
    for (const auto& r : rows) {
        EXPECT_TRUE(t[r.Row].ClassName == r.ClassName) << r.Row;
        EXPECT_TRUE(t[r.Row].Label == r.Label) << r.Row;
        EXPECT_TRUE(t[r.Row].HotKey == r.HotKey) << r.Row;
    }
    int operators = 0;
    for (const ControlRecord& record : t) operators += record.OperatorFlag;
    EXPECT_EQ(operators, 4);
    EXPECT_EQ(t[13].OperatorFlag + t[16].OperatorFlag + t[17].OperatorFlag + t[18].OperatorFlag, 4);
}

TEST(ControlTable, GeometryFitsTheGrid) {
    KeypadDriver calc;
    int32_t right = 0, bottom = 0;
    for (const ControlRecord& record : calc.Table) {
        right = std::max(right, record.X + record.Width);
        bottom = std::max(bottom, record.Y + record.Height);
    }
    EXPECT_EQ(right, 109);
    EXPECT_EQ(bottom, 63);
    EXPECT_EQ(calc.Table[0].Width, 109);
    EXPECT_EQ(calc.Table[13].Height, 19);
}

TEST(ControlTable, DecimalKeyFollowsTheSeparator) {
    KeypadDriver calc("[VIEW]\nDECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR = .");
    EXPECT_TRUE(calc.Table[4].Label == ",");
    SetDecimalKey(calc.Table, ';');
    EXPECT_TRUE(calc.Table[4].Label == ";");
    EXPECT_TRUE(calc.Table[4].HotKey == ";");
}

TEST(ClassifyKey, EveryRowHasItsAction) {
    KeypadDriver calc;
    const KeyAction expected[ControlCount] = {
        KeyAction::None,           KeyAction::Entry,        KeyAction::Entry,
        KeyAction::Entry,          KeyAction::Entry,        KeyAction::Entry,
        KeyAction::Entry,          KeyAction::Entry,        KeyAction::Entry,
        KeyAction::Entry,          KeyAction::Entry,        KeyAction::Entry,
        KeyAction::BackSpace,      KeyAction::Operator,     KeyAction::None,
        KeyAction::Equals,         KeyAction::Operator,     KeyAction::Operator,
        KeyAction::Operator,       KeyAction::Clear,        KeyAction::SignChange,
        KeyAction::Percent,        KeyAction::SquareRoot,   KeyAction::Reciprocal,
        KeyAction::MemoryClear,    KeyAction::MemoryRecall, KeyAction::MemoryAdd,
        KeyAction::MemorySubtract, KeyAction::DoubleZero,   KeyAction::None,
        KeyAction::ClearEntry,     KeyAction::Total,        KeyAction::MemoryStore,
    };
    for (int32_t i = 0; i < ControlCount; ++i) {
        EXPECT_EQ(ClassifyKey(calc.Context.Settings, calc.Table[i]), expected[i]) << "row " << i;
    }
}

TEST(ClassifyKey, ADecimalSeparatorThatIsALetterStillEntersTheSeparator) {
    KeypadDriver calc("[VIEW]\nDECIMAL_SEPARATOR = c");
    EXPECT_EQ(ClassifyKey(calc.Context.Settings, calc.Table[4]), KeyAction::Entry);
    calc.Press("1 c 5");
    EXPECT_EQ(calc.Panel(), "1c5");
}

TEST(HandleKeypadCommand, IgnoresIdsOutsideTheKeypadAndNonButtons) {
    KeypadDriver calc;
    calc.Press("1 2");
    for (int32_t id : {9999, 10033, 10000, 10014, 10029, 0, -1}) {
        HandleKeypadCommand(calc.Context, calc.Table, id);
    }
    EXPECT_EQ(calc.Panel(), "12");
    EXPECT_EQ(calc.Host.Beeps, 0);
}

TEST(GroupDigits, Examples) {
    const struct {
        int32_t Grouping;
        const char* Text;
        const char* Grouped;
    } cases[] = {
        {1, "1234567.25", "1,234,567.25"},
        {2, "1234567.25", "12,34,567.25"},
        {1, "123", "123"},
        {1, "0.5", "0.5"},
        {1, "1000", "1,000"},
        {2, "1000", "1,000"},
        {1, "-512", "-512"},
        {1, "-1234", "-1,234"},
        {1, "1,2,3,4", "1,234"},
        {0, "1,234,567", "1234567"},
        {2, "123456789012", "1,23,45,67,89,012"},
        {1, "", ""},
        {1, "-", "-"},
        {1, ".5", ".5"},
        {1, "1234.", "1,234."},
    };
    for (const auto& c : cases) {
        NumberFormat format;
        format.DecimalSeparator = '.';
        format.ThousandSeparator = ',';
        format.Grouping = static_cast<DigitGrouping>(c.Grouping);
        EXPECT_TRUE(GroupDigits(format, c.Text) == c.Grouped)
            << c.Text << " grouped " << c.Grouping << " gave "
            << GroupDigits(format, c.Text).Text();
    }
}

TEST(IsZeroNumber, Forms) {
    NumberFormat s;
    s.DecimalSeparator = ',';
    s.ThousandSeparator = '.';
    const struct {
        const char* Text;
        bool Zero;
    } cases[] = {{"0", true},      {"", true},       {"-0,000", true}, {"0.000", true},
                 {"0,001", false}, {"ERROR", false}, {"5", false},     {"-", true}};
    for (const auto& c : cases) EXPECT_EQ(IsZeroNumber(s, c.Text), c.Zero) << c.Text;
}

}  // namespace
