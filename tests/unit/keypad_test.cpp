#include "calculator/keypad.h"

#include <gtest/gtest.h>

#include "decimal/number_text.h"
#include "keypad_driver.h"

namespace {

TEST(ControlTable, RowsCarryTheirIdsLabelsAndHotKeys) {
    KeypadDriver calc;
    const ControlTable& t = calc.Table;
    for (int32_t i = 0; i < ControlCount; ++i) EXPECT_EQ(t[i].Id, FirstControlId + i);
    constexpr ControlStyle Panel = ControlStyle::Panel;
    constexpr ControlStyle Button = ControlStyle::Button;
    constexpr ControlStyle Indicator = ControlStyle::Indicator;
    const struct {
        int32_t Row;
        ControlStyle Style;
        const char* Label;
        const char* HotKey;
    } rows[] = {
        {PanelRow, Panel, "0", ""},
        {DecimalKeyRow, Button, ".", "."},
        {12, Button, "<-", "\b"},
        {OperatorIndicatorRow, Indicator, "", ""},
        {EqualsRow, Button, "=", ""},
        {20, Button, "+-", "sign"},
        {MemoryIndicatorRow, Indicator, "", ""},
        {30, Button, "CE", "\n"},
        {31, Button, "T", "t"},
        {32, Button, "MS", "m"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(t[r.Row].Style, r.Style) << r.Row;
        EXPECT_TRUE(t[r.Row].Label == r.Label) << r.Row;
        EXPECT_TRUE(t[r.Row].HotKey == r.HotKey) << r.Row;
    }
    int operators = 0;
    for (const ControlRecord& record : t) operators += record.Action == KeyAction::Operator;
    EXPECT_EQ(operators, 4);
    for (int32_t row : {13, 16, 17, 18}) EXPECT_EQ(t[row].Action, KeyAction::Operator) << row;
}

// The business row adds one row of keys under the keypad, within the panel's width.
TEST(ControlTable, GeometryFitsTheGrid) {
    for (const auto& [settings, bottomExpected] :
         {std::pair{"", 63}, std::pair{"[VIEW]\nBUSINESS_KEYS = YES", 73}}) {
        KeypadDriver calc(settings);
        int32_t right = 0, bottom = 0;
        for (const ControlRecord& record : calc.Table) {
            if (!record.Shown) continue;
            right = std::max(right, record.X + record.Width);
            bottom = std::max(bottom, record.Y + record.Height);
        }
        EXPECT_EQ(right, 109) << settings;
        EXPECT_EQ(bottom, bottomExpected) << settings;
    }
    KeypadDriver calc;
    EXPECT_EQ(calc.Table[0].Width, 109);
    EXPECT_EQ(calc.Table[13].Height, 19);
}

TEST(ControlTable, DecimalKeyFollowsTheSeparator) {
    KeypadDriver calc("[VIEW]\nDECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR = .");
    EXPECT_TRUE(calc.Table[DecimalKeyRow].Label == ",");
    SetDecimalKey(calc.Table, ';');
    EXPECT_TRUE(calc.Table[DecimalKeyRow].Label == ";");
    EXPECT_TRUE(calc.Table[DecimalKeyRow].HotKey == ";");
}

TEST(ClassifyKey, EveryRowHasItsAction) {
    KeypadDriver calc;
    // The business row is hidden by default: its keys press nothing.
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
        KeyAction::None,           KeyAction::None,         KeyAction::None,
        KeyAction::None,           KeyAction::None,         KeyAction::None,
        KeyAction::None,
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

// A button whose hot key starts with the decimal separator enters the separator, whatever
// key it is otherwise; a separator key without a separator does nothing.
TEST(ClassifyKey, AnyButtonWhoseHotKeyIsTheSeparatorEntersIt) {
    const struct {
        char Separator;
        int32_t Row;
        KeyAction Action;
    } cases[] = {
        {'c', 19, KeyAction::Entry}, {'C', 19, KeyAction::Clear},  {'s', 20, KeyAction::Entry},
        {'+', 13, KeyAction::Entry}, {'/', 18, KeyAction::Entry},  {'\b', 12, KeyAction::Entry},
        {'t', 31, KeyAction::Entry}, {'=', 15, KeyAction::Equals}, {'=', 4, KeyAction::Entry},
        {'\0', 4, KeyAction::None},  {'\0', 1, KeyAction::Entry},
    };
    for (const auto& c : cases) {
        CalcSettings settings;
        LoadDefaultSettings(settings, FakePlatform::StandardLocale());
        settings.DECIMAL_SEPARATOR = c.Separator;
        ControlTable table;
        FillControlTable(table, settings);
        EXPECT_EQ(ClassifyKey(settings, table[c.Row]), c.Action)
            << "separator " << static_cast<int>(c.Separator) << " row " << c.Row;
    }
}

// Captions name buttons in row order; the panel's "0" and the indicators are no buttons.
TEST(CommandOfLabel, FindsTheFirstButtonWithTheCaption) {
    const struct {
        char Separator;
        const char* Label;
        int32_t Row;  // -1: no button
    } cases[] = {
        {'.', "=", EqualsRow}, {'=', "=", DecimalKeyRow}, {'.', "C", 19}, {'C', "C", DecimalKeyRow},
        {'c', "C", 19},        {'.', ".", DecimalKeyRow}, {'.', "0", 11}, {'.', "MS", 32},
        {'.', "", -1},         {'\0', "", DecimalKeyRow}, {'.', "c", -1}, {'.', "SQRT", -1},
    };
    for (const auto& c : cases) {
        CalcSettings settings;
        settings.DECIMAL_SEPARATOR = c.Separator;
        ControlTable table;
        FillControlTable(table, settings);
        EXPECT_EQ(CommandOfLabel(table, c.Label), c.Row < 0 ? 0 : FirstControlId + c.Row)
            << "separator " << static_cast<int>(c.Separator) << " label " << c.Label;
    }
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
