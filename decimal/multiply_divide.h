// Multiplication and division of two number texts, by the pencil-and-paper methods, each
// result brought to the shown text of the format (or "ERROR") by FormatResult.
#pragma once

#include <cstdint>

#include "decimal/dec_string.h"
#include "decimal/number_format.h"

// Longest quotient text, digits and separator: one more than the panel shows, so that
// rounding to the panel's width has a digit to look at. The quotient is truncated here.
inline constexpr int32_t MaxQuotientLength = 25;

DecString MultiplyNumbers(const DecString& a, const DecString& b, const NumberFormat& format);
// a / b; "ERROR" when b is zero.
DecString DivideNumbers(const DecString& a, const DecString& b, const NumberFormat& format);
