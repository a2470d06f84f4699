// FormatResult: the single road of every computed value to the text the panel shows.
#pragma once

#include "decimal/dec_string.h"
#include "decimal/number_format.h"
#include "decimal/result_buffer.h"

// The shown text of the reversed result in the buffer: brought to the format's decimal
// places, surplus leading zeros removed, the leading zero applied, digits grouped. A result
// of MaxShownLength or more digits and separator, or one the buffer could not hold, is
// "ERROR".
DecString FormatResult(const ResultBuffer& buffer, const NumberFormat& format);

// The shown text of a number text in normal order; a text too long for the work buffer is
// "ERROR".
DecString FormatNumberText(const DecString& numberText, const NumberFormat& format);
