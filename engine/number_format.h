// NumberFormat: everything that decides how a value is shown, as one small value. The
// arithmetic takes it as an argument instead of reading the live settings, so an operation
// is a function of its operands and its format alone.
#pragma once

#include "engine/dec_string.h"
#include "settings/calc_settings.h"

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

// The panel's format as the settings give it.
NumberFormat FormatOf(const CalcSettings& settings);

// The same format with floating decimal places, which percent shows whatever the setting.
NumberFormat WithFloatingPlaces(NumberFormat format);
