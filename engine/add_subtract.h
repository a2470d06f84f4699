// Signed addition and subtraction of OperandA and OperandB. Both show their result on the
// panel through ShowResult and leave the two operands as they were.
#pragma once

#include "engine/calc_context.h"

void AddNumbers(CalcContext& context);
// OperandA - OperandB.
void SubtractNumbers(CalcContext& context);
