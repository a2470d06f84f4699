#include "decimal/number_text.h"

DecString GroupDigits(const NumberFormat& format, const DecString& text) {
    DecString grouped = text;
    grouped.RemoveChar(format.ThousandSeparator);
    if (format.Grouping == DigitGrouping::None) return grouped;

    const bool negative = grouped.First() == '-';
    if (negative) grouped.EraseAt(0);
    const int32_t step = format.Grouping == DigitGrouping::Threes ? 3 : 2;
    int32_t position = grouped.FindChar(format.DecimalSeparator);
    if (position < 0) position = grouped.Length();
    for (position -= 3; position >= 1; position -= step) {
        grouped.InsertChar(position, format.ThousandSeparator);
    }
    if (negative) {
        if (grouped.Empty()) {
            grouped.AssignChar('-');
        } else {
            grouped.InsertChar(0, '-');
        }
    }
    return grouped;
}

bool IsZeroNumber(const NumberFormat& format, const DecString& text) {
    for (int32_t i = 0; i < text.Length(); ++i) {
        const char c = text.At(i);
        if (c != '0' && c != '-' && c != format.DecimalSeparator && c != format.ThousandSeparator) {
            return false;
        }
    }
    return true;
}

DecString ShownNumber(const NumberFormat& format, const DecString& shown) {
    // "ERROR" is no number and keeps every letter, whatever the thousand separator is.
    if (shown == ErrorText) return shown;
    DecString number = shown;
    number.RemoveChar(format.ThousandSeparator);
    return number;
}
