// Taking new panel separators while a calculation is under way.
#pragma once

#include "calculator/calc_context.h"

// Makes `thousand` and `decimal` the panel's separators and carries every number the
// calculator holds over to them: the panel (shown again through FormatResult, "ERROR" left as
// it is), both operands, the memory, the grand total and the cost/sell/margin figures, so
// that the next operation, MR, GT and the business keys read them right.
void ApplyNewSeparators(CalcContext& context, char thousand, char decimal);
