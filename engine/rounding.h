// Rounding and decimal places on number text in normal order. Rounding acts on the
// magnitude and looks at the first dropped digit only.
#pragma once

#include <cstdint>

#include "engine/dec_string.h"
#include "settings/calc_settings.h"

// A number whose digits and decimal separator (sign and thousand separators not counted)
// reach this many characters is too long for the panel; it shows at most one fewer.
inline constexpr int32_t MaxShownLength = 25;

// Rounds the text to at most `places` fraction digits by ROUND_TYPE; a text without
// separator is left alone, and a separator left last is removed.
void RoundNumber(DecString& text, const CalcSettings& settings, int32_t places);

// Brings the text to the fraction digits of ROUND_MODE: exactly 0, 2 or 3, or in floating
// mode as many as fit the panel, trailing zeros removed. The empty text becomes "0".
void ApplyDecimalPlaces(DecString& text, const CalcSettings& settings);
