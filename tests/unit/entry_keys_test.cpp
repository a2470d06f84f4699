#include "calculator/entry_keys.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "calculator/paste.h"
#include "case_name.h"
#include "keypad_driver.h"

namespace {

constexpr const char* NoLeadingZero = "[VIEW]\nLEADING_ZERO = NO";

struct EntryCase {
    const char* Name;
    const char* Settings;
    const char* Keys;
    const char* Panel;
    int Beeps;
};

// Keys typed from a fresh calculator; the panel after the last key.
const EntryCase EntryCases[] = {
    {"zero stays zero", "", "0 0 0", "0", 0},
    {"digit replaces zero", "", "0 5", "5", 0},
    {"groups of three", "", "1 2 3 4", "1,234", 0},
    {"groups of three then two", "[VIEW]\nDIGIT_GROUPING = 2", "1 2 3 4 5 6 7", "12,34,567", 0},
    {"no grouping", "[VIEW]\nDIGIT_GROUPING = 0", "1 2 3 4 5", "12345", 0},
    {"decimal key with leading zero", "", ". 5", "0.5", 0},
    {"decimal key without leading zero", NoLeadingZero, ".", ".", 0},
    {"fraction without leading zero", NoLeadingZero, ". 5", ".5", 0},
    {"second separator ignored silently", "", "1 . 2 . 3", "1.23", 0},
    {"separator after digits", "", "1 2 .", "12.", 0},
    {"fraction not grouped", "", "1 2 3 4 . 5 6 7 8", "1,234.5678", 0},
    {"comma as decimal separator", "[VIEW]\nDECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR = .",
     "1 2 3 4 , 5", "1.234,5", 0},
    {"space as thousand separator", "[VIEW]\nTHOUSAND_SEPARATOR =", "1 2 3 4", "1 234", 0},
    {"24 digits accepted", "", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 4",
     "123,456,789,012,345,678,901,234", 0},
    {"25th digit beeps", "", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5",
     "123,456,789,012,345,678,901,234", 1},
    {"23 digits and separator accepted, next beeps", "",
     "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 . 4", "12,345,678,901,234,567,890,123.", 1},
    {"sign not counted by the limit", "", "1 +- 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 4",
     "-123,456,789,012,345,678,901,234", 0},
    {"double zero", "", "5 00", "500", 0},
    {"double zero on zero beeps", "", "00", "0", 1},
    {"double zero on 22 characters", "", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 00",
     "123,456,789,012,345,678,901,200", 0},
    {"double zero on 23 characters beeps", "", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 00",
     "12,345,678,901,234,567,890,123", 1},
    {"back-space to zero", "", "7 <-", "0", 0},
    {"back-space on a negative digit leaves the sign", "", "7 +- <-", "-", 0},
    {"back-space regroups", "", "1 2 3 4 <-", "123", 0},
    {"back-space through the separator", "", "1 . 5 <- <-", "1", 0},
    {"sign change", "", "5 +-", "-5", 0},
    {"sign change back", "", "5 +- +-", "5", 0},
    {"sign change on zero beeps", "", "+-", "0", 1},
    {"sign change on zero with fraction beeps", "", "0 . 0 0 +-", "0.00", 1},
    {"sign then more digits", "", "1 2 +- 3", "-123", 0},
    {"negative number regrouped", "", "1 2 +- 3 4", "-1,234", 0},
    {"clear entry", "", "1 2 CE", "0", 0},
    {"clear", "", "1 2 C", "0", 0},
};

void PrintTo(const EntryCase& c, std::ostream* out) {
    *out << c.Name;
}

class EntryKeys : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryKeys, PanelAfterKeys) {
    const EntryCase& c = GetParam();
    KeypadDriver calc(c.Settings);
    calc.Press(c.Keys);
    EXPECT_EQ(calc.Panel(), c.Panel);
    EXPECT_EQ(calc.Host.Beeps, c.Beeps);
}

INSTANTIATE_TEST_SUITE_P(Table, EntryKeys, testing::ValuesIn(EntryCases),
                         CASE_NAMES(EntryCase, Name));

TEST(EntryState, DigitsAndEditingKeysEnterANumber) {
    const struct {
        const char* Keys;
        EntryState State;
    } cases[] = {
        {"", EntryState::Cleared},      {"5", EntryState::Entering},
        {"5 C", EntryState::Cleared},   {"C CE", EntryState::Entering},
        {"5 <-", EntryState::Entering}, {"5 00", EntryState::Entering},
        {"C +-", EntryState::Cleared},  {"C 00", EntryState::Cleared},
    };
    for (const auto& c : cases) {
        KeypadDriver calc;
        calc.Press(c.Keys);
        EXPECT_EQ(calc.Context.EntryState, c.State) << c.Keys;
    }
}

TEST(EntryState, ADigitStartsANewNumberOutsideEntering) {
    for (const EntryState state :
         {EntryState::Cleared, EntryState::OperatorPressed, EntryState::ResultShown}) {
        KeypadDriver calc;
        calc.Context.SetPanelText("1,234");
        calc.Context.EntryState = state;
        calc.Press("5");
        EXPECT_EQ(calc.Panel(), "5") << static_cast<int>(state);
        calc.Context.EntryState = state;
        calc.Press(".");
        EXPECT_EQ(calc.Panel(), "0.") << static_cast<int>(state);
    }
}

TEST(ErrorPanel, KeysThatLeaveOrKeepTheError) {
    const struct {
        const char* Key;
        const char* Panel;
        int Beeps;
    } cases[] = {
        {"7", "7", 0},  {".", "0.", 0}, {"00", "0", 0},     {"<-", "0", 0},
        {"CE", "0", 0}, {"C", "0", 0},  {"+-", "ERROR", 1},
    };
    for (const auto& c : cases) {
        KeypadDriver calc;
        calc.Context.SetPanelText("ERROR");
        calc.Context.EntryState = EntryState::Entering;
        calc.Press(c.Key);
        EXPECT_EQ(calc.Panel(), c.Panel) << c.Key;
        EXPECT_EQ(calc.Host.Beeps, c.Beeps) << c.Key;
    }
}

TEST(ErrorPanel, DoubleZeroAndBackSpaceOnErrorKeepTheState) {
    for (const char* key : {"00", "<-"}) {
        KeypadDriver calc;
        calc.Context.SetPanelText("ERROR");
        calc.Context.EntryState = EntryState::ResultShown;
        calc.Press(key);
        EXPECT_EQ(calc.Context.EntryState, EntryState::ResultShown) << key;
    }
}

TEST(SignChange, OnAShownResultUpdatesTheFirstOperand) {
    KeypadDriver calc;
    calc.Context.SetPanelText("1,234");
    calc.Context.OperandA = "1234";
    calc.Context.EntryState = EntryState::ResultShown;
    calc.Press("+-");
    EXPECT_EQ(calc.Panel(), "-1,234");
    EXPECT_TRUE(calc.Context.OperandA == "-1234") << calc.Context.OperandA.Text();
    EXPECT_EQ(calc.Context.EntryState, EntryState::ResultShown);
}

TEST(SignChange, WhileEnteringLeavesTheFirstOperand) {
    KeypadDriver calc;
    calc.Context.OperandA = "8";
    calc.Press("5 +-");
    EXPECT_TRUE(calc.Context.OperandA == "8");
}

TEST(BackSpace, EditsAShownResult) {
    KeypadDriver calc;
    calc.Context.SetPanelText("1,234.5");
    calc.Context.EntryState = EntryState::ResultShown;
    calc.Press("<-");
    EXPECT_EQ(calc.Panel(), "1,234.");
    EXPECT_EQ(calc.Context.EntryState, EntryState::Entering);
    calc.Press("7");
    EXPECT_EQ(calc.Panel(), "1,234.7");
}

TEST(Clear, KeepsTheMemoryAndEmptiesThePendingCalculation) {
    KeypadDriver calc;
    calc.Context.OperandA = "12";
    calc.Context.OperandB = "3";
    calc.Context.PendingOperator = "+";
    calc.Context.SetOperatorIndicatorText("+");
    calc.Context.MemoryValue = "5";
    calc.Context.SetMemoryIndicatorText("M");
    calc.Press("C");
    EXPECT_TRUE(calc.Context.OperandA == "");
    EXPECT_TRUE(calc.Context.OperandB == "");
    EXPECT_TRUE(calc.Context.PendingOperator == "");
    EXPECT_EQ(calc.OperatorIndicator(), "");
    EXPECT_TRUE(calc.Context.MemoryValue == "5");
    EXPECT_EQ(calc.MemoryIndicator(), "M");
}

TEST(ClearEntry, KeepsThePendingCalculation) {
    KeypadDriver calc;
    calc.Context.OperandA = "12";
    calc.Context.PendingOperator = "+";
    calc.Context.SetOperatorIndicatorText("+");
    calc.Press("3 4 CE");
    EXPECT_EQ(calc.Panel(), "0");
    EXPECT_TRUE(calc.Context.OperandA == "12");
    EXPECT_EQ(calc.OperatorIndicator(), "+");
}

}  // namespace

namespace {

constexpr const char* AddTwo = "[COMMON]\nADD_MODE = YES\nROUND_MODE = 1";
constexpr const char* AddThree = "[COMMON]\nADD_MODE = YES\nROUND_MODE = 2";

struct AddModeCase {
    const char* Settings;
    const char* Keys;
    const char* Panels;  // the panel after each key, separated by '|'
    int Beeps;
};

// Add mode: amounts typed in their smallest unit; the panel after every key.
const AddModeCase AddModeCases[] = {
    {AddTwo, "1 2 3 4", "0.01|0.12|1.23|12.34", 0},
    {AddThree, "1 2 3 4", "0.001|0.012|0.123|1.234", 0},
    {AddTwo, "1 00", "0.01|1.00", 0},
    {AddTwo, "1 2 3 4 <- <- <- <- <-", "0.01|0.12|1.23|12.34|1.23|0.12|0.01|0.00|0.00", 0},
    {AddTwo, "1 . 5", "0.01|1.|1.5", 0},
    {AddTwo, ". 5", "0.|0.5", 0},
    {AddTwo, "0 0 7", "0.00|0.00|0.07", 0},
    {AddTwo, "00", "0", 1},
    {AddTwo, "1 2 3 4 5 6", "0.01|0.12|1.23|12.34|123.45|1,234.56", 0},
    {AddTwo, "1 2 +- 3 <-", "0.01|0.12|-0.12|-1.23|-0.12", 0},
    {AddTwo, "1 2 + 3 4 =", "0.01|0.12|0.12|0.03|0.34|0.46", 0},
    {AddTwo, "1 2 3 = 4", "0.01|0.12|1.23|1.23|0.04", 1},
    {AddTwo, "1 2 3 = <- 4", "0.01|0.12|1.23|1.23|1.2|1.24", 1},
    {AddTwo, "5 MS 6 MR 7", "0.05|0.05|0.56|0.05|0.057", 0},
    {AddTwo, "1 2 CE 3", "0.01|0.12|0|0.03", 0},
    {AddTwo, "1 C 2", "0.01|0|0.02", 0},
    {"[COMMON]\nADD_MODE = YES\nROUND_MODE = 3", "1 2 3", "1|12|123", 0},
    {"[COMMON]\nADD_MODE = YES\nROUND_MODE = 0", "1 2 3", "1|12|123", 0},
    {"[COMMON]\nADD_MODE = NO\nROUND_MODE = 1", "1 2 3", "1|12|123", 0},
    {"[COMMON]\nADD_MODE = YES\nROUND_MODE = 1\n[VIEW]\nLEADING_ZERO = NO", "1 2 3 <- <- <- .",
     ".01|.12|1.23|.12|.01|.00|.", 0},
    {"[COMMON]\nADD_MODE = YES\nROUND_MODE = 1\n[VIEW]\nDECIMAL_SEPARATOR = ,\n"
     "THOUSAND_SEPARATOR = .",
     "1 2 3 4 5 6 ,", "0,01|0,12|1,23|12,34|123,45|1.234,56|123.456,", 0},
    // 21 integer digits, the separator and two places are the 24 characters.
    {AddTwo, "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 4",
     "0.01|0.12|1.23|12.34|123.45|1,234.56|12,345.67|123,456.78|1,234,567.89|12,345,678.90|"
     "123,456,789.01|1,234,567,890.12|12,345,678,901.23|123,456,789,012.34|"
     "1,234,567,890,123.45|12,345,678,901,234.56|123,456,789,012,345.67|"
     "1,234,567,890,123,456.78|12,345,678,901,234,567.89|123,456,789,012,345,678.90|"
     "1,234,567,890,123,456,789.01|12,345,678,901,234,567,890.12|"
     "123,456,789,012,345,678,901.23|123,456,789,012,345,678,901.23",
     1},
};

std::string PanelsAfterEachKey(KeypadDriver& calc, const std::string& keys) {
    std::istringstream tokens(keys);
    std::string token;
    std::string panels;
    while (tokens >> token) {
        calc.Press(token);
        if (!panels.empty()) panels += '|';
        panels += calc.Panel();
    }
    return panels;
}

TEST(AddMode, PanelAfterEachKey) {
    for (const AddModeCase& c : AddModeCases) {
        SCOPED_TRACE(std::string(c.Settings) + ": " + c.Keys);
        KeypadDriver calc(c.Settings);
        EXPECT_EQ(PanelsAfterEachKey(calc, c.Keys), c.Panels);
        EXPECT_EQ(calc.Host.Beeps, c.Beeps);
    }
}

TEST(AddMode, PastedNumbersAndTotalsAreNeverShifted) {
    KeypadDriver calc(AddTwo);
    calc.Press("1 2");
    calc.Host.Clipboard = "7";
    PasteFromClipboard(calc.Context);
    calc.Press("5");
    EXPECT_EQ(calc.Panel(), "7.005");
    calc.Host.Clipboard = "1.5\n2";
    calc.Press("T 4");
    EXPECT_EQ(calc.Panel(), "3.504");
}

}  // namespace
