// Percent, square root and reciprocal.
#include <gtest/gtest.h>

#include <string>

#include "key_case.h"

namespace {

TEST(FunctionKeys, PercentInItsFourForms) {
    const KeyCase cases[] = {
        {"percent added", "", "2 0 0 + 5 %", "210", "", 0},
        {"percent taken off", "", "2 0 0 - 5 %", "190", "", 0},
        {"percent of", "", "2 0 0 * 5 %", "10", "", 0},
        {"ratio in percent", "", "2 0 0 / 5 %", "4,000", "", 0},
        {"second operand is the first", "", "5 0 + %", "75", "", 0},
        {"floating places whatever the setting", FixedTwo, "2 0 0 + 5 %", "210", "", 0},
        {"floating fraction under fixed places", FixedTwo, "1 + 3 3 . 3 3 3 %", "1.33333", "", 0},
        {"fractional percent", "", "8 0 * 2 . 5 %", "2", "", 0},
        {"negative percent", "", "2 0 0 + 5 +- %", "190", "", 0},
        {"a digit then starts over", "", "2 0 0 + 5 % 7", "7", "", 0},
        {"the decimal places come back", FixedTwo, "2 0 0 + 5 % + 1 =", "211.00", "", 0},
        {"the calculation is finished", "", "2 0 0 + 5 % =", "210", "", 1},
        {"product too long", "", "9 9 9 9 9 9 9 9 9 9 9 9 9 * 9 9 9 9 9 9 9 9 9 9 9 9 9 %", "ERROR",
         "", 0},
        {"division by zero", "", "5 / 0 %", "ERROR", "", 0},
    };
    RunKeyCases(cases);
}

TEST(FunctionKeys, PercentOutsideAPendingOperationBeeps) {
    const KeyCase cases[] = {
        {"nothing pending", "", "5 %", "5", "", 1},
        {"after equals", "", "5 + 3 = %", "8", "", 1},
        {"after repeated equals", "", "5 + = %", "10", "+", 1},
        {"cleared", "", "5 + 3 C %", "0", "", 1},
        {"on the error", "", "8 / 0 * %", "ERROR", "/", 2},
        // Found by the keypad fuzz target: an "ERROR" first operand is no number to take
        // a percentage of, as it is none for "=".
        {"error as the first operand", "", "8 / 0 * 7 0 %", "70", "/", 2},
        {"error as the first operand of +", "", "8 / 0 + 7 0 %", "70", "/", 2},
    };
    RunKeyCases(cases);
}

TEST(FunctionKeys, SquareRoot) {
    const KeyCase cases[] = {
        {"exact root", "", "9 SQR", "3", "", 0},
        {"by the decimal places", FixedTwo, "9 SQR", "3.00", "", 0},
        {"irrational root to the panel width", "", "2 SQR", "1.4142135623730950488017", "", 0},
        {"irrational root fixed", FixedThree, "2 SQR", "1.414", "", 0},
        {"large exact root", "", "1 0 0 0 0 0 0 SQR", "1,000", "", 0},
        {"fractional root", "", ". 0 4 SQR", "0.2", "", 0},
        {"small root", "", ". 0 0 0 0 0 1 SQR", "0.001", "", 0},
        {"comma as decimal separator", CommaDecimal, "2 , 2 5 SQR", "1,5", "", 0},
        {"zero is left alone", "", "0 SQR", "0", "", 0},
        {"negative is left alone", "", "4 +- SQR", "-4", "", 0},
        {"and the pending operation is gone", "", "5 + 4 +- SQR", "-4", "", 0},
        {"so equals beeps", "", "5 + 4 +- SQR =", "-4", "", 1},
        {"a completed root ends the calculation", "", "5 + 1 6 SQR =", "4", "", 1},
        {"on the error", "", "8 / 0 = SQR", "ERROR", "", 1},
        // The root of the largest value, 999999999999.9999999999995..., rounded once.
        {"the largest value rounds up", "", "9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 SQR",
         "1,000,000,000,000", "", 0},
        {"the largest value rounded down", "[COMMON]\nROUND_TYPE = 2",
         "9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 SQR", "999,999,999,999.99999999999", "",
         0},
        {"a 24-digit square", "", "2 6 0 6 1 1 4 1 2 1 9 7 4 2 7 7 0 8 6 7 7 2 6 4 SQR",
         "510,501,138,292", "", 0},
    };
    RunKeyCases(cases);
}

// Roots of values without an exact one show the exact root, rounded once to the panel.
TEST(FunctionKeys, SquareRootIsTheExactRootRounded) {
    const struct {
        const char* Keys;
        const char* Settings;
        const char* ExactlyRounded;  // the exact root rounded to the shown places
    } cases[] = {
        {"0 . 5 SQR", "", "0.7071067811865475244008"},
        {". 5 SQR", NoLeadingZeroView, ".70710678118654752440084"},
        {"1 2 3 . 4 5 6 SQR", "", "11.111075555498666484621"},
        {"1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 SQR", "", "111,111,110,611.11110993611"},
        {"3 SQR", "", "1.7320508075688772935274"},
        // 7.07106781186547524400844...: Mathematical drops the 4, Up rounds the last digit up.
        {"5 0 SQR", "", "7.0710678118654752440084"},
        {"5 0 SQR", "[COMMON]\nROUND_TYPE = 0", "7.0710678118654752440085"},
        {"2 SQR", "[COMMON]\nROUND_MODE = 1\nROUND_TYPE = 0", "1.42"},
        {"2 SQR", "[COMMON]\nROUND_MODE = 0\nROUND_TYPE = 1", "1"},
    };
    for (const auto& c : cases) {
        KeypadDriver calc(c.Settings);
        calc.Press(c.Keys);
        EXPECT_EQ(calc.Panel(), c.ExactlyRounded) << c.Keys << " " << c.Settings;
    }
}

TEST(FunctionKeys, SquareRootStates) {
    const struct {
        const char* Keys;
        EntryState State;
        const char* Indicator;
    } cases[] = {
        {"9 SQR", EntryState::Cleared, ""},
        {"5 + 4 +- SQR", EntryState::Cleared, ""},
        {"5 + 0 SQR", EntryState::Cleared, ""},
        {"5 + 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 SQR", EntryState::Cleared, ""},
    };
    for (const auto& c : cases) {
        KeypadDriver calc;
        calc.Press(c.Keys);
        EXPECT_EQ(calc.Context.EntryState, c.State) << c.Keys;
        EXPECT_EQ(calc.OperatorIndicator(), c.Indicator) << c.Keys;
        EXPECT_EQ(calc.Context.Settings.ROUND_MODE, RoundMode::Floating) << c.Keys;
    }
}

TEST(FunctionKeys, SquareRootRestoresTheDecimalPlaces) {
    for (const char* keys : {"2 SQR", TwentyFourNines}) {
        KeypadDriver calc(FixedThree);
        calc.Press(keys);
        calc.Press("SQR");
        EXPECT_EQ(calc.Context.Settings.ROUND_MODE, RoundMode::Fixed3) << keys;
    }
}

TEST(FunctionKeys, Reciprocal) {
    const KeyCase cases[] = {
        {"exact", "", "8 1/X", "0.125", "", 0},
        {"to the panel width", "", "3 1/X", "0.3333333333333333333333", "", 0},
        {"by the decimal places", FixedTwo, "3 1/X", "0.33", "", 0},
        {"negative", "", "4 +- 1/X", "-0.25", "", 0},
        {"of a fraction", "", ". 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1/X",
         "10,000,000,000,000,000,000,000", "", 0},
        {"zero beeps", "", "0 1/X", "0", "", 1},
        {"zero with a fraction beeps", "", "0 . 0 0 1/X", "0.00", "", 1},
        {"a refused reciprocal keeps the pending operation", "", "5 + 0 1/X =", "5", "", 1},
        {"a reciprocal ends the pending operation", "", "5 + 4 1/X", "0.25", "", 0},
        {"so equals beeps", "", "5 + 4 1/X =", "0.25", "", 1},
        {"on the error", "", "8 / 0 = 1/X", "ERROR", "", 1},
    };
    RunKeyCases(cases);
}

}  // namespace
