// The Total's reading by whole cells: the text is cut into cells, and a cell counts only when
// all of it reads as one number ("1,234.56", "(25.50)", "25.50-", "$ 1,000", "12,34,567",
// "CHF 1'234.50", "1 234,56 z\u0142", "EUR12"; "1,234.56 CR" where CREDIT_DEBIT says so).
// Any other cell (a word, a date, a time, "5 %", "1,23,4") is skipped, not guessed at.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "settings/calc_settings.h"
#include "total/number_run.h"

// Code page 1252 bytes the cells know besides ASCII.
inline constexpr char NoBreakSpace = '\xA0';
inline constexpr char EuroSign = '\x80';
inline constexpr char PoundSign = '\xA3';
inline constexpr char YenSign = '\xA5';

enum CellCharClass : uint8_t {
    CellDigit = 1,
    GroupMark = 2,    // the view's thousand separator, a blank, a no-break space, an apostrophe
    DecimalMark = 4,  // the view's decimal separator or one of DECIMAL_SEPARATORS
    CurrencySign = 8,
    CellBlank = 16,  // a blank or a no-break space
};

struct CellRules {
    std::array<uint8_t, 256> Class{};
    CreditDebit CreditMarks = CreditDebit::No;
    char Separator = '.';  // the view's decimal separator, written into every number read
};

CellRules MakeCellRules(const CalcSettings& settings);

// Reads a cell whose blanks at both ends are already dropped. When the whole cell is one
// number, appends its number text to the empty `run` ('-' when negative, the digits without
// group marks, the view's separator and the fraction) and returns true.
bool ReadWholeCell(std::string_view cell, const CellRules& rules, NumberRun& run);

bool IsCellBlank(char c);
