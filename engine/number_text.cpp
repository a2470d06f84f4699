#include "engine/number_text.h"

DecString GroupDigits(const CalcSettings& settings, const DecString& text) {
    DecString grouped = text;
    grouped.RemoveChar(settings.THOUSAND_SEPARATOR);
    if (settings.DIGIT_GROUPING == 0) return grouped;

    const bool negative = grouped.First() == '-';
    if (negative) grouped.EraseAt(0);
    const int32_t step = settings.DIGIT_GROUPING == 1 ? 3 : 2;
    int32_t position = grouped.FindChar(settings.DECIMAL_SEPARATOR);
    if (position < 0) position = grouped.Length();
    for (position -= 3; position >= 1; position -= step) {
        grouped.InsertChar(position, settings.THOUSAND_SEPARATOR);
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

bool IsZeroNumber(const CalcSettings& settings, const DecString& text) {
    for (int32_t i = 0; i < text.Length(); ++i) {
        const char c = text.At(i);
        if (c != '0' && c != '-' && c != settings.DECIMAL_SEPARATOR &&
            c != settings.THOUSAND_SEPARATOR) {
            return false;
        }
    }
    return true;
}
