// Helpers on number text as the panel shows it: digit grouping, the zero test and the way
// back from a shown text to a number.
#pragma once

#include "decimal/dec_string.h"
#include "decimal/number_format.h"

// The shown text of a value that cannot be shown, and the calculator's error state.
inline constexpr const char* ErrorText = "ERROR";

// The text without its old thousand separators and with the thousand separator inserted
// into the integer part by the grouping; a leading '-' stays in front.
DecString GroupDigits(const NumberFormat& format, const DecString& text);

// True when the text holds no digit other than '0' once separators and signs are set
// aside; the empty text is zero.
bool IsZeroNumber(const NumberFormat& format, const DecString& text);

// A shown text as a number: every thousand separator removed, sign and decimal separator
// kept; "ERROR" as it is.
DecString ShownNumber(const NumberFormat& format, const DecString& shown);
