// The function keys: percent, square root and reciprocal. Each ends the pending
// calculation once it has run.
#pragma once

#include "calculator/calc_context.h"

// Percent of the pending operation, always shown with floating decimal places:
// a * b %, a / b %, a + b % of a, a - b % of a.
void ApplyPercent(CalcContext& context);
// The exact root of the shown value, rounded once to the decimal places.
void ApplySquareRoot(CalcContext& context);
void ApplyReciprocal(CalcContext& context);
