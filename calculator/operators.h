// The operator keys and "=": strictly left to right, one pending operator at a time. The
// pending operator is the text of the operator indicator; every step reads its operand
// back from the panel.
#pragma once

#include "calculator/calc_context.h"
#include "decimal/dec_string.h"

// label: "+", "-", "*" or "/".
void PressOperator(CalcContext& context, const DecString& label);
// Runs OperandA (pending operator) OperandB; the panel shows the result and OperandA
// becomes it. Beeps, and answers false, when there is nothing to compute.
bool EvaluatePending(CalcContext& context);
// A computed result joins the grand total.
void PressEquals(CalcContext& context);
