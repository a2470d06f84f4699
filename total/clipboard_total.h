// The Total key: every number found in the clipboard text, summed with the calculator's own
// addition, so each partial sum is exact and rounded as the panel shows it.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/calc_context.h"

// Longest number the Total adds, counting the "0" it puts in front. Two such numbers, one all
// integer digits and one all fraction digits, still sum to fewer than the 511 characters an
// addition's result may hold.
inline constexpr int32_t MaxTotalNumberLength = 250;

// The Total key: reads the clipboard through the platform and sums its numbers.
void PressTotal(CalcContext& context);

// Scans `text` and shows the sum of its numbers on the panel. The pending calculation
// (both operands, the operator) is left as it was.
void SumClipboardNumbers(CalcContext& context, std::string_view text);
