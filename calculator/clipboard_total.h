// The Total key: every number found in the clipboard text, summed with the calculator's own
// addition, so each partial sum is exact and rounded as the panel shows it.
#pragma once

#include <cstddef>
#include <string_view>

#include "calculator/calc_context.h"
#include "total/number_run.h"

// The Total key: reads the clipboard through the platform, keeps its text for the details
// (context.LastTotal) and sums its numbers.
void PressTotal(CalcContext& context);

// Scans `text` and shows the sum of its numbers on the panel. The pending calculation
// (both operands, the operator) is left as it was. Returns the position after the last
// character the Total read (the whole text, unless it stopped at an error).
size_t SumClipboardNumbers(CalcContext& context, std::string_view text);
