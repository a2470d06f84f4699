// The separator rules of the two customisation dialogs and the carrying over of numbers
// to new separators.
#include "settings/separator_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator/separator_change.h"
#include "controls/control_table.h"
#include "keypad_driver.h"

namespace {

std::string Text(const DecString& s) {
    return std::string(s.Text(), s.Length());
}
std::string Message(const char* message) {
    return message == nullptr ? "accepted" : message;
}

TEST(SeparatorRules, RemoveDuplicateCharsKeepsFirstOccurrences) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"..,,", ".,"}, {";;  ;", "; "}, {"", ""}, {"abc", "abc"}, {"aXaXb", "aXb"}, {"   ", " "},
    };
    for (const auto& [in, out] : cases) {
        DecString text(in);
        RemoveDuplicateChars(text);
        EXPECT_EQ(Text(text), out) << '"' << in << '"';
    }
}

TEST(SeparatorRules, EmptyViewFieldIsSpace) {
    EXPECT_EQ(SeparatorFromField(DecString("")), ' ');
    EXPECT_EQ(SeparatorFromField(DecString(",")), ',');
    EXPECT_EQ(SeparatorFromField(DecString(".x")), '.');
}

struct ViewCase {
    const char* thousandField;
    const char* decimalField;
    const char* expected;
};

TEST(SeparatorRules, ViewChecksInOrder) {
    const std::vector<ViewCase> cases = {
        {"", "", EqualViewSeparatorsMessage},  // both empty: equal, not two spaces accepted
        {",", ",", EqualViewSeparatorsMessage},
        {"-", "5", InvalidViewSeparatorMessage},  // both wrong: only the second message
        {"-", ",", InvalidViewSeparatorMessage},
        {",", "7", InvalidViewSeparatorMessage},
        {"\x1A", ".", InvalidViewSeparatorMessage},
        {"-", "-", EqualViewSeparatorsMessage},
        {",", ".", nullptr},
        {".", ",", nullptr},
        {" ", ",", nullptr},
        {"", ",", nullptr},  // an empty thousand field is a space
        {"'", "", nullptr},
    };
    for (const ViewCase& c : cases) {
        const char t = SeparatorFromField(DecString(c.thousandField));
        const char d = SeparatorFromField(DecString(c.decimalField));
        EXPECT_EQ(Message(CheckViewSeparators(t, d)), Message(c.expected))
            << "thousand \"" << c.thousandField << "\" decimal \"" << c.decimalField << '"';
    }
}

struct TotalCase {
    const char* decimalSet;
    const char* numberSet;
    char viewDecimal;
    const char* expected;
};

TEST(SeparatorRules, TotalChecksInOrder) {
    const std::vector<TotalCase> cases = {
        {"", "", '.', nullptr},
        {".", "", ',', nullptr},
        {";", ";", '.', SharedTotalSeparatorsMessage},
        {"", ",", ',', NumberSeparatorIsDecimalMessage},
        {"-", "", '.', InvalidDecimalSeparatorsMessage},
        {"5", "", '.', InvalidDecimalSeparatorsMessage},
        {"", "-", '.', InvalidNumberSeparatorsMessage},
        {"a9", "-", '.', InvalidDecimalSeparatorsMessage},  // both wrong: only the decimal message
        {"x", "0", '.', InvalidNumberSeparatorsMessage},
        {"; ", " ", '.', SharedTotalSeparatorsMessage},  // a space is a character like any other
        {";", ",;", ',', SharedTotalSeparatorsMessage},  // the third rule comes before the fourth
        {".", ";; ;", ',', nullptr},
    };
    for (const TotalCase& c : cases) {
        EXPECT_EQ(Message(CheckTotalSeparators(DecString(c.decimalSet), DecString(c.numberSet),
                                               c.viewDecimal)),
                  Message(c.expected))
            << "decimal \"" << c.decimalSet << "\" number \"" << c.numberSet << "\" view "
            << c.viewDecimal;
    }
}

struct ConvertCase {
    const char* before;
    char oldThousand, oldDecimal, newDecimal;
    const char* after;
};

TEST(SeparatorRules, ConvertSeparatorsMovesNumbers) {
    const std::vector<ConvertCase> cases = {
        {"1,234.5", ',', '.', ',', "1234,5"},
        {"-1,234,567.25", ',', '.', ',', "-1234567,25"},
        {"1 234,5", ' ', ',', '.', "1234.5"},
        {"1,000", ',', '.', ',', "1000"},
        {"12.", ',', '.', ',', "12,"},
        {".5", ',', '.', ',', ",5"},
        {"1234.5", ',', '.', '.', "1234.5"},
        {"ERROR", 'R', 'E', '.', "ERROR"},
        {"", ',', '.', ',', ""},
    };
    for (const ConvertCase& c : cases) {
        DecString text(c.before);
        ConvertSeparators(text, c.oldThousand, c.oldDecimal, c.newDecimal);
        EXPECT_EQ(Text(text), c.after) << c.before;
    }
}

// Separators as the view dialog's Apply hands them over, with the decimal key following.
void Apply(KeypadDriver& calc, char thousand, char decimal) {
    ApplyNewSeparators(calc.Context, thousand, decimal);
    SetDecimalKey(calc.Table, decimal);
}

TEST(SeparatorChange, PanelTakesTheSwappedSeparators) {
    KeypadDriver calc;
    calc.Press("1 2 3 4 . 5");
    ASSERT_EQ(calc.Panel(), "1,234.5");
    Apply(calc, '.', ',');
    EXPECT_EQ(calc.Panel(), "1.234,5");
    EXPECT_EQ(calc.Context.Settings.DECIMAL_SEPARATOR, ',');
    EXPECT_EQ(calc.Context.Settings.THOUSAND_SEPARATOR, '.');
}

TEST(SeparatorChange, UnchangedSeparatorsLeaveThePanel) {
    KeypadDriver calc;
    calc.Press("1 2 3 4 5 6 7 . 2 5");
    Apply(calc, ',', '.');
    EXPECT_EQ(calc.Panel(), "1,234,567.25");
}

TEST(SeparatorChange, ErrorStaysOnThePanel) {
    KeypadDriver calc;
    calc.Press("8 / 0 =");
    ASSERT_EQ(calc.Panel(), "ERROR");
    Apply(calc, '.', ',');
    EXPECT_EQ(calc.Panel(), "ERROR");
    calc.Press("C 1 , 5");
    EXPECT_EQ(calc.Panel(), "1,5");
}

TEST(SeparatorChange, PendingOperandReadsWithNewSeparator) {
    KeypadDriver calc;
    calc.Press("1 . 5 +");
    Apply(calc, ' ', ',');
    EXPECT_EQ(Text(calc.Context.OperandA), "1,5");
    calc.Press("2 , 2 5 =");
    EXPECT_EQ(calc.Panel(), "3,75");
}

TEST(SeparatorChange, MemoryRecallsTheSameValue) {
    KeypadDriver calc("[COMMON]\nROUND_MODE = 1\n");
    calc.Press("1 2 3 4 . 5 M+");  // the memory keeps the shown text, 1,234.50
    Apply(calc, '.', ',');
    calc.Press("C MR");
    EXPECT_EQ(calc.Panel(), "1234,50");
    calc.Press("+ 1 =");
    EXPECT_EQ(calc.Panel(), "1.235,50");
}

}  // namespace
