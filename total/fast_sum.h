// The Total's quickest road: the running sum as one 128-bit count of units of 10^-Scale.
//
// Like RunningSum it is only a shortcut, taken when the panel would show the exact sum
// unchanged; it covers the usual column (a few integer and fraction digits) with a few
// integer operations per number and no digit arrays. The steps taken for every number are
// defined here, so that the Total's loop inlines them.
#pragma once

#include <cstdint>

#include "decimal/dec_string.h"
#include "decimal/number_format.h"
#include "decimal/rounding.h"
#include "total/number_run.h"

struct FastSum {
    __int128 Units = 0;
    int32_t Scale = 0;  // fraction digits
};

namespace fast_sum {

// Every value on the road stays below 10^MaxDigits, far inside the 128-bit range.
inline constexpr int32_t MaxDigits = 36;

struct PowersOfTen {
    __int128 Value[MaxDigits + 1];
    constexpr PowersOfTen() : Value() {
        Value[0] = 1;
        for (int32_t i = 1; i <= MaxDigits; ++i) Value[i] = Value[i - 1] * 10;
    }
};
inline constexpr PowersOfTen Power;

inline __int128 Magnitude(__int128 units) {
    return units < 0 ? -units : units;
}

// sum += number when their scales differ.
bool AddAligned(FastSum& sum, const FastSum& number);

}  // namespace fast_sum

// Reads number text (optional leading '-', digits, at most one separator; a later '-' is
// ignored; fraction zeros at the end are dropped). False when it has more significant
// digits than the road carries.
bool LoadFastSum(FastSum& sum, const char* text, int32_t length, char separator);

// The same from a run of the Total, without reading its characters again when its digits
// were counted as they passed; here fraction zeros at the end are kept (TrimFastSum).
inline bool LoadFastSum(FastSum& sum, const NumberRun& run, char separator) {
    if (run.Significant > 18 || run.Separators > 1) {
        return LoadFastSum(sum, run.Chars.data(), run.Length, separator);
    }
    const __int128 value = static_cast<__int128>(run.Units);
    sum.Units = run.Length > 0 && run.Chars[0] == '-' ? -value : value;
    sum.Scale = run.FractionDigits;
    return true;
}

// sum += number; false, with `sum` unchanged, when the result leaves the road.
inline bool AddToFastSum(FastSum& sum, const FastSum& number) {
    if (sum.Scale != number.Scale) return fast_sum::AddAligned(sum, number);
    const __int128 units = sum.Units + number.Units;
    if (fast_sum::Magnitude(units) >= fast_sum::Power.Value[fast_sum::MaxDigits]) return false;
    sum.Units = units;
    return true;
}

// True only when the panel would show the value exactly as it is (not zero, no rounding,
// within the panel's width); false may also mean "not sure", never a wrong true.
inline bool FastSumShowsUnchanged(const FastSum& sum, const NumberFormat& format) {
    if (sum.Units == 0) return false;
    // The fraction digits the panel shows: fixed, or at most Scale when floating.
    const int32_t places =
        format.Places == RoundMode::Floating ? sum.Scale : FixedPlaces(format.Places);
    if (sum.Scale > places) return false;
    // Room left for the integer digits (one at least, for a leading zero).
    const int32_t integerRoom = MaxShownLength - 1 - (places > 0 ? places + 1 : 0);
    if (integerRoom < 1) return false;
    const int32_t digits = integerRoom + sum.Scale;
    return digits >= fast_sum::MaxDigits ||
           fast_sum::Magnitude(sum.Units) < fast_sum::Power.Value[digits];
}

// Drops fraction zeros at the end: 1.50 becomes 1.5, Scale 1.
void TrimFastSum(FastSum& sum);

// The value as number text: sign, integer digits (at least one), separator and fraction.
DecString FastSumText(const FastSum& sum, char separator);
