// Multiplication and division of OperandA by OperandB, by the pencil-and-paper methods.
// Both show their result on the panel and leave the two operands as they were.
#pragma once

#include "engine/calc_context.h"

// Longest quotient text, digits and separator: one more than the panel shows, so that
// rounding to the panel's width has a digit to look at. The quotient is truncated here.
inline constexpr int32_t MaxQuotientLength = 25;

void MultiplyNumbers(CalcContext& context);
// OperandA / OperandB; "ERROR" on the panel when OperandB is zero.
void DivideNumbers(CalcContext& context);
