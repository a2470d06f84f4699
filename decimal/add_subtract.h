// Signed addition and subtraction of two number texts, each result brought to the shown
// text of the format (or "ERROR") by FormatResult.
#pragma once

#include "decimal/dec_string.h"
#include "decimal/number_format.h"

DecString AddNumbers(const DecString& a, const DecString& b, const NumberFormat& format);
// a - b.
DecString SubtractNumbers(const DecString& a, const DecString& b, const NumberFormat& format);
