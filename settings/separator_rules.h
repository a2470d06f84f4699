// The rules the two customisation dialogs apply to separators before they take them: which
// pairs are refused with which message, and how a number text moves to new separators.
#pragma once

#include "decimal/dec_string.h"

inline constexpr const char* EqualViewSeparatorsMessage =
    "Error! Decimal and thousand separators are equal!";
inline constexpr const char* InvalidViewSeparatorMessage =
    "Error! Sub symbol and digits are not valid separator!";
inline constexpr const char* InvalidDecimalSeparatorsMessage =
    "Error! Negative sign and digits are not valid separator for decimal!";
inline constexpr const char* InvalidNumberSeparatorsMessage =
    "Error! Negative sign and digits are not valid separator for numbers!";
inline constexpr const char* SharedTotalSeparatorsMessage =
    "Error! Found equal separators for decimal and numbers!";
inline constexpr const char* NumberSeparatorIsDecimalMessage =
    "Error! Found equal separators for decimal (current set Menu -> Customize -> View) and "
    "numbers!";

// Keeps the first occurrence of every character, in order: "..,," becomes ".,".
void RemoveDuplicateChars(DecString& text);

// The separator an edit field of the view dialog stands for: its first character, and a space
// for an empty field, as the settings file reads an empty value back at the next start.
char SeparatorFromField(const DecString& field);

// The first rule a thousand and decimal separator pair breaks, as its message; nullptr when the
// pair is acceptable.
const char* CheckViewSeparators(char thousand, char decimal);

// The first rule a pair of Total separator sets breaks, tested in the order the dialog reports
// them, as its message; nullptr when both sets are acceptable.
const char* CheckTotalSeparators(const DecString& decimalSet, const DecString& numberSet,
                                 char viewDecimal);

// Moves a number text to new separators: every old thousand separator goes, and the old
// decimal separator, wherever it occurs, is replaced by one new decimal separator where it
// first stood. "ERROR" is no number and stays as it is.
void ConvertSeparators(DecString& text, char oldThousand, char oldDecimal, char newDecimal);
