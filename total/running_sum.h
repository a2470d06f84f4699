// The Total's running sum kept as digits in a fixed window around the decimal point, so a
// column of a million numbers is added without a round trip through the panel per line.
//
// It is only a shortcut: a step is taken here only when the panel would show the exact sum
// unchanged (no rounding, no "ERROR", not zero), which is the common case of a column of
// prices. Every other step goes through the calculator's own addition and the panel.
#pragma once

#include <cstdint>

#include "decimal/dec_string.h"
#include "decimal/number_format.h"

struct RunningSum {
    // Digit i stands for 10 to the power (i - PointIndex).
    static constexpr int32_t Digits = 64;
    static constexpr int32_t PointIndex = 32;
    // Numbers with a significant digit outside 10^-26 .. 10^25 are left to the slow road.
    static constexpr int32_t Reach = 26;

    uint8_t Digit[Digits] = {};
    bool Negative = false;
    int32_t Low = PointIndex;       // lowest index that may hold a non-zero digit
    int32_t High = PointIndex - 1;  // highest; High < Low for zero

    bool IsZero() const { return High < Low; }
};

// Reads number text (optional leading '-', digits, at most one separator; a later '-' is
// ignored). False when a significant digit lies out of reach.
bool LoadRunningSum(RunningSum& sum, const char* text, int32_t length, char separator);

// sum += number.
void AddToRunningSum(RunningSum& sum, const RunningSum& number);

// True when the panel would show the value exactly as it is: not zero, and within the
// panel's width for the decimal places of the format.
bool ShowsUnchanged(const RunningSum& sum, const NumberFormat& format);

// The value as number text: sign, integer digits (at least one), separator and fraction.
DecString RunningSumText(const RunningSum& sum, char separator);
