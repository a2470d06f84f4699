// NumberFormat: everything that decides how a value is shown, as one small value. The
// arithmetic takes it as an argument instead of reading the live settings, so an operation
// is a function of its operands and its format alone.
#pragma once

#include <cstdint>

#include "decimal/dec_string.h"

// The decimal places of every result; the settings file stores the number of each value.
enum class RoundMode : int32_t { Fixed0 = 0, Fixed2 = 1, Fixed3 = 2, Floating = 3 };
// Which way a dropped digit rounds the magnitude.
enum class RoundType : int32_t { Up = 0, Mathematical = 1, Down = 2 };
// How the integer digits are grouped: 0 none, 1 groups of three, 2 three then twos.
enum class DigitGrouping : int32_t { None = 0, Threes = 1, ThreeThenTwos = 2 };

struct NumberFormat {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    DigitGrouping Grouping = DigitGrouping::Threes;
    bool LeadingZero = true;
    RoundMode Places = RoundMode::Floating;
    RoundType Rounding = RoundType::Mathematical;
};

// An operation of the arithmetic: two number texts in, the shown result (or "ERROR") out.
using NumberOperation = DecString (*)(const DecString&, const DecString&, const NumberFormat&);

// The same format with floating decimal places, which percent shows whatever the setting.
NumberFormat WithFloatingPlaces(NumberFormat format);
