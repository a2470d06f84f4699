// Helpers on number text as the panel shows it: digit grouping and the zero test.
#pragma once

#include "engine/dec_string.h"
#include "settings/calc_settings.h"

// The text without its old thousand separators and with THOUSAND_SEPARATOR inserted into
// the integer part by DIGIT_GROUPING; a leading '-' stays in front.
DecString GroupDigits(const CalcSettings& settings, const DecString& text);

// True when the text holds no digit other than '0' once separators and signs are set
// aside; the empty text is zero.
bool IsZeroNumber(const CalcSettings& settings, const DecString& text);
