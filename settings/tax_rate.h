// The tax rate of the tax keys: a percentage from 0 to 100 with at most four decimals, kept
// as decimal text with '.' as its separator ("19", "7.25"), never as a binary fraction.
#pragma once

#include <cstdint>
#include <string_view>

#include "decimal/dec_string.h"

inline constexpr int32_t MaxTaxRateDecimals = 4;

// The rate `text` writes (digits with at most one '.' or `separator`, at most four decimals,
// from 0 to 100) in its kept form: no surplus leading zeros, no trailing fraction zeros, no
// separator last. False, and `rate` untouched, when `text` is no such rate.
bool ReadTaxRate(std::string_view text, char separator, DecString& rate);

// The kept rate with `separator` in place of '.', as the dialog and the tape show it.
DecString ShownTaxRate(const DecString& rate, char separator);
