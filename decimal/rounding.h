// Rounding and decimal places on number text in normal order. Rounding acts on the
// magnitude and looks at the first dropped digit only.
#pragma once

#include <cstdint>

#include "decimal/dec_string.h"
#include "decimal/number_format.h"

// A number whose digits and decimal separator (sign and thousand separators not counted)
// reach this many characters is too long for the panel; it shows at most one fewer.
inline constexpr int32_t MaxShownLength = 25;

// The fraction digits of a fixed mode: 0, 2 or 3; floating mode has none of its own.
int32_t FixedPlaces(RoundMode places);

// Rounds the text to at most `places` fraction digits in the format's direction; a text
// without separator is left alone, and a separator left last is removed.
void RoundNumber(DecString& text, const NumberFormat& format, int32_t places);

// Brings the text to the format's fraction digits: exactly 0, 2 or 3, or in floating mode
// as many as fit the panel, trailing zeros removed. The empty text becomes "0".
void ApplyDecimalPlaces(DecString& text, const NumberFormat& format);
