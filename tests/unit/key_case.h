// Key-sequence cases: keys pressed on a fresh calculator with the given settings, and
// what the panel, the indicators and the speaker show afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "keypad_driver.h"

struct KeyCase {
    const char* Name;
    const char* Settings;  // settings-file text; "" for the defaults
    const char* Keys;
    const char* Panel;
    const char* Indicator;  // the operator indicator
    int Beeps;
};

inline constexpr const char* FixedTwo = "[COMMON]\nROUND_MODE = 1";
inline constexpr const char* FixedThree = "[COMMON]\nROUND_MODE = 2";
inline constexpr const char* NoLeadingZeroView = "[VIEW]\nLEADING_ZERO = NO";
inline constexpr const char* CommaDecimal = "[VIEW]\nDECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR = .";

template <size_t N>
void RunKeyCases(const KeyCase (&cases)[N]) {
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(std::string(c.Name) + ": " + c.Keys);
        KeypadDriver calc(c.Settings);
        calc.Press(c.Keys);
        EXPECT_EQ(calc.Panel(), c.Panel);
        EXPECT_EQ(calc.OperatorIndicator(), c.Indicator);
        EXPECT_EQ(calc.Host.Beeps, c.Beeps);
        EXPECT_TRUE(calc.Host.Messages.empty());
    }
}

// The 24 nines, the largest number the panel holds.
inline constexpr const char* TwentyFourNines = "9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9";
