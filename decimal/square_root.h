// The exact square root on decimal text: digit by digit, as on paper, never through a
// binary number.
#pragma once

#include <cstdint>

#include "decimal/dec_string.h"
#include "decimal/number_format.h"

// The square root of a number text without sign, truncated after `fractionDigits` fraction
// digits: every digit it has is a digit of the true root. Characters other than digits and
// `separator` are skipped.
DecString TruncatedSquareRoot(const DecString& number, char separator, int32_t fractionDigits);

// The shown text of the square root of a number text without sign: the exact root rounded
// once, by the format's decimal places and direction, as FormatResult rounds any result.
DecString SquareRootOf(const DecString& number, const NumberFormat& format);
