// The paste command: the number in any clipboard text becomes the number being entered.
#pragma once

#include <string_view>

#include "calculator/calc_context.h"

struct PastedNumber {
    bool Found = false;  // the text held a digit, a '-' or a decimal separator
    DecString Text;      // number text, or "ERROR" when it cannot stand for one number
};

// The digits, decimal separators and leading '-' of `text`, in order. A '-' after the first
// collected character is dropped, and so are separators at the end; more than one separator
// left, or more characters than a result can hold, gives "ERROR".
PastedNumber CollectPastedNumber(const CalcSettings& settings, std::string_view text);

void PasteFromClipboard(CalcContext& context);
