#include "calculator/clipboard_total.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "calculator/paste.h"
#include "case_name.h"
#include "keypad_driver.h"

namespace {

constexpr const char* TooManySeparators = "Error. Too many decimal separators found in clipboard.";
constexpr const char* NoNumbers = "There are no valid numbers in clipboard.";
constexpr const char* CommaDecimal = "[VIEW]\nDECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR = .\n";

struct TotalCase {
    const char* Rule;
    const char* Settings;
    std::string Clipboard;
    const char* Panel;
    int Beeps;
    const char* Message;  // "" for none
};

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

const TotalCase TotalCases[] = {
    // Line ends and the end of the text finish a number.
    {"CR LF", "", "12\r\n30.5\r\n7", "49.5", 0, ""},
    {"LF and a final line end", "", "12\n30.5\n7\n", "49.5", 0, ""},
    {"CR alone", "", "12\r30.5\r7", "49.5", 0, ""},
    {"tabs between cells", "", "1\t2\t3", "6", 0, ""},
    {"one line", "", "42", "42", 0, ""},
    {"one line with its line end", "", "42\r\n", "42", 0, ""},
    {"last character skipped still ends the number", "", "7\n12 EUR", "19", 0, ""},
    // Everything else is skipped and digits join across it.
    {"thousand separator skipped", "", "1,234.56\r\n10", "1,244.56", 0, ""},
    {"letters join digits", "", "a1b2", "12", 0, ""},
    {"spaces join digits", "", "1 2 3", "123", 0, ""},
    {"binary bytes skipped", "", "1\x7f\x80\xff\x01\n2", "3", 0, ""},
    {"currency and percent", "", "$ 19.99\n% 0.01", "20", 0, ""},
    // The two user sets.
    {"space as number separator", "[TOTAL]\nSPACE_IS_NUMBER_SEPARATOR = YES", "1 2 3", "6", 0, ""},
    {"semicolon as number separator", "[TOTAL]\nNUMBER_SEPARATORS = ;", "1;2;3", "6", 0, ""},
    {"point as extra decimal separator",
     "[VIEW]\nDECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR = .\n"
     "[TOTAL]\nDECIMAL_SEPARATORS = .",
     "1.5\n2,5", "4", 0, ""},
    {"space as decimal separator", "[TOTAL]\nSPACE_IS_DECIMAL_SEPARATOR = YES", "1 5\n2", "3.5", 0,
     ""},
    {"comma view separator without extras", CommaDecimal, "1,5\n2,25", "3,75", 0, ""},
    // Signs.
    {"negative line", "", "-5\n3", "-2", 0, ""},
    {"sign inside a run is dropped", "", "1\n555-1234", "5,551,235", 0, ""},
    {"single number with an inner sign", "", "555-1234", "5,551,234", 0, ""},
    {"single negative number with inner signs", "", "-1-2", "-12", 0, ""},
    {"trailing sign", "", "10-\n5", "15", 0, ""},
    // Runs of a lone separator or sign are zero.
    {"lone separator", "", ".\n5", "5", 0, ""},
    {"lone sign", "", "-\n5", "5", 0, ""},
    {"lone sign alone", "", "-", "0", 0, ""},
    {"separator first", CommaDecimal, ",5\n-,5\n1", "1", 0, ""},
    {"zeros", "", "0\n0\n5", "5", 0, ""},
    // Every partial sum is rounded as shown.
    {"fixed 0 rounds each partial sum", "[COMMON]\nROUND_MODE = 0", "0.4\n0.4\n0.4", "1", 0, ""},
    {"fixed 2 shows the places", "[COMMON]\nROUND_MODE = 1", "1\n2", "3.00", 0, ""},
    {"fixed 2 single number", "[COMMON]\nROUND_MODE = 1", "2.345", "2.35", 0, ""},
    // Refusals.
    {"two separators in one number", "", "1\n1.2.3\n4", "ERROR", 0, TooManySeparators},
    {"two separators after mapping",
     "[VIEW]\nDECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR = .\n"
     "[TOTAL]\nDECIMAL_SEPARATORS = .",
     "1.234,5", "ERROR", 0, TooManySeparators},
    {"sum too long to show", "", "999999999999999999999999\n1", "ERROR", 1, ""},
    {"no digits", "", "abc", "0", 0, NoNumbers},
    {"only line ends", "", "\r\n\r\n\t", "0", 0, NoNumbers},
    // Long runs: a few hundred characters that fit are added; longer ones are refused.
    {"long fraction that fits", "", "0." + std::string(236, '0') + "1\n1", "1", 0, ""},
    {"run too long to add", "", std::string(300, '7') + "\n1", "ERROR", 1, ""},
    {"run at the bound", "", std::string(250, '1'), "ERROR", 1, ""},
    {"megabyte of digits", "", std::string(1 << 20, '5'), "ERROR", 1, ""},
    {"many lines", "", Repeat("1.25\r\n", 100000), "125,000", 0, ""},
    {"numbers past 16 MiB of text", "", std::string(1 << 24, 'x') + "\n5\n7", "12", 0, ""},
};

void PrintTo(const TotalCase& c, std::ostream* out) {
    *out << c.Rule;
}

class Total : public testing::TestWithParam<TotalCase> {};

TEST_P(Total, PanelAfterTheKey) {
    const TotalCase& c = GetParam();
    KeypadDriver calc(c.Settings);
    calc.Host.Clipboard = c.Clipboard.c_str();
    calc.Press("T");
    EXPECT_EQ(calc.Panel(), c.Panel);
    EXPECT_EQ(calc.Host.Beeps, c.Beeps);
    if (*c.Message) {
        ASSERT_EQ(calc.Host.Messages.size(), 1u);
        EXPECT_EQ(calc.Host.Messages[0], c.Message);
        EXPECT_EQ(calc.Host.PanelsUnderMessages[0], c.Panel);  // shown over its cause
    } else {
        EXPECT_TRUE(calc.Host.Messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Total, testing::ValuesIn(TotalCases), CASE_NAMES(TotalCase, Rule));

TEST(TotalKey, EmptyClipboardChangesNothing) {
    KeypadDriver calc;
    calc.Press("4");
    calc.Context.EntryState = EntryState::ResultShown;
    calc.Press("T");
    ASSERT_EQ(calc.Host.Messages.size(), 1u);
    EXPECT_EQ(calc.Host.Messages[0], "Clipboard is empty!");
    EXPECT_EQ(calc.Panel(), "4");
    EXPECT_EQ(calc.Context.EntryState, EntryState::ResultShown);
}

// Another program holding the clipboard is no empty clipboard: Total and Paste say so.
TEST(TotalKey, BusyClipboardIsNotCalledEmpty) {
    for (const char* key : {"T", "PASTE"}) {
        KeypadDriver calc;
        calc.Host.Busy = true;
        calc.Press("4");
        if (std::string_view(key) == "PASTE") {
            PasteFromClipboard(calc.Context);
        } else {
            calc.Press(key);
        }
        ASSERT_EQ(calc.Host.Messages.size(), 1u) << key;
        EXPECT_EQ(calc.Host.Messages[0], ClipboardBusyMessage) << key;
        EXPECT_EQ(calc.Panel(), "4");
    }
}

// Found by the Total fuzz target: an empty text read one byte before its start.
TEST(TotalScan, EmptyTextHoldsNoNumbers) {
    KeypadDriver calc;
    calc.Press("4");
    SumClipboardNumbers(calc.Context, std::string_view());
    ASSERT_EQ(calc.Host.Messages.size(), 1u);
    EXPECT_EQ(calc.Host.Messages[0], NoNumbers);
    EXPECT_EQ(calc.Panel(), "4");
}

TEST(TotalKey, StateAfterwards) {
    const struct {
        const char* Clipboard;
        EntryState State;
    } cases[] = {
        {"1\n2", EntryState::Entering},
        {"5", EntryState::Entering},
        {"abc", EntryState::Entering},
        {"1.2.3", EntryState::ResultShown},
        {"999999999999999999999999\n1", EntryState::ResultShown},
    };
    for (const auto& c : cases) {
        KeypadDriver calc;
        calc.Context.EntryState = EntryState::ResultShown;
        calc.Host.Clipboard = c.Clipboard;
        calc.Press("T");
        EXPECT_EQ(calc.Context.EntryState, c.State) << c.Clipboard;
    }
}

TEST(TotalKey, LeavesThePendingCalculationAndTheMemoryAlone) {
    for (const char* clipboard : {"1\n2", "7", "1.2.3", "abc", "999999999999999999999999\n1"}) {
        KeypadDriver calc;
        calc.Context.OperandA = "5";
        calc.Context.OperandB = "-2.5";
        calc.Context.PendingOperator = "+";
        calc.Context.SetOperatorIndicatorText("+");
        calc.Context.MemoryValue = "9";
        calc.Context.SetMemoryIndicatorText("M");
        calc.Host.Clipboard = clipboard;
        calc.Press("T");
        EXPECT_TRUE(calc.Context.OperandA == "5") << clipboard;
        EXPECT_TRUE(calc.Context.OperandB == "-2.5") << clipboard;
        EXPECT_TRUE(calc.Context.PendingOperator == "+") << clipboard;
        EXPECT_EQ(calc.OperatorIndicator(), "+") << clipboard;
        EXPECT_TRUE(calc.Context.MemoryValue == "9") << clipboard;
    }
}

TEST(TotalKey, TheTotalIsEditedLikeATypedNumber) {
    KeypadDriver calc;
    calc.Host.Clipboard = "1\n2";
    calc.Press("T 4");
    EXPECT_EQ(calc.Panel(), "34");
}

}  // namespace

namespace {

TEST(TotalKey, TheTotalIsTheSecondOperandOfAPendingCalculation) {
    const struct {
        const char* Keys;
        const char* Clipboard;
        const char* Panel;
    } cases[] = {
        {"5 + T =", "1\n2", "8"},
        {"5 + T =", "7", "12"},
        {"1 0 * T =", "0.5\n0.25", "7.5"},
        {"2 + 3 * T =", "1\n1", "10"},
    };
    for (const auto& c : cases) {
        KeypadDriver calc;
        calc.Host.Clipboard = c.Clipboard;
        calc.Press(c.Keys);
        EXPECT_EQ(calc.Panel(), c.Panel) << c.Keys;
    }
}

}  // namespace

TEST(TotalKey, CountsTheNumbersItSummed) {
    const std::pair<const char*, int32_t> cases[] = {
        {"12\r\n30.5\r\n7", 3}, {"42", 1}, {"-\n5", 2},       {"abc", 0},
        {"1\n1.2.3\n4", 0},     {"", 0},   {"1\t2\t3\t4", 4}, {"999999999999999999999999\n1", 0},
    };
    for (const auto& [clipboard, numbers] : cases) {
        SCOPED_TRACE(clipboard);
        KeypadDriver calc("");
        calc.Host.Clipboard = clipboard;
        calc.Press("T");
        EXPECT_EQ(calc.Context.TotalNumbers, numbers);
    }
}
