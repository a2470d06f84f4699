#include "engine/rounding.h"

#include <utility>

namespace {

bool RoundsUp(int32_t roundType, char firstDropped) {
    if (roundType == RoundUp) return firstDropped != '0';
    if (roundType == RoundMathematical) return firstDropped >= '5';
    return false;
}

// Adds one unit at index `last` of the magnitude, stepping over the separator; a carry
// out of the first digit becomes a new leading '1'.
void IncrementAt(DecString& magnitude, char separator, int32_t last) {
    for (int32_t q = last; q >= 0; --q) {
        const char c = magnitude.At(q);
        if (c == separator) continue;
        if (c != '9') {
            magnitude.SetAt(q, static_cast<char>(c + 1));
            return;
        }
        magnitude.SetAt(q, '0');
    }
    DecString carried('1');
    carried.AppendString(magnitude);
    magnitude = std::move(carried);
}

void PutSignBack(DecString& magnitude, bool negative) {
    if (!negative) return;
    DecString signed_('-');
    signed_.AppendString(magnitude);
    magnitude = std::move(signed_);
}

void RemoveTrailingSeparator(DecString& text, char separator) {
    if (!text.Empty() && text.Last() == separator) text.Truncate(text.Length() - 1);
}

int32_t FixedPlaces(int32_t roundMode) {
    if (roundMode == FixedDecimal0) return 0;
    return roundMode == FixedDecimal2 ? 2 : 3;
}

void ApplyFixedPlaces(DecString& text, const CalcSettings& settings, int32_t places) {
    const int32_t separatorIndex = text.FindChar(settings.DECIMAL_SEPARATOR);
    if (separatorIndex < 0) {
        if (places == 0) return;
        text.AppendChar(settings.DECIMAL_SEPARATOR);
        for (int32_t i = 0; i < places; ++i) text.AppendChar('0');
        return;
    }
    const int32_t fractionDigits = text.Length() - separatorIndex - 1;
    if (fractionDigits >= places) {
        RoundNumber(text, settings, places);
        return;
    }
    for (int32_t i = fractionDigits; i < places; ++i) text.AppendChar('0');
}

// Digits and separator of the text as the panel will show it: zeros before the first
// integer digit do not count, and a zero integer part counts as the one "0" that
// LEADING_ZERO puts there, or as nothing without it.
int32_t ShownLength(const DecString& text, const CalcSettings& settings) {
    const int32_t start = text.First() == '-' ? 1 : 0;
    int32_t integerEnd = text.FindChar(settings.DECIMAL_SEPARATOR);
    if (integerEnd < 0) integerEnd = text.Length();
    int32_t firstDigit = start;
    while (firstDigit < integerEnd && text.At(firstDigit) == '0') ++firstDigit;
    int32_t integerDigits = integerEnd - firstDigit;
    if (integerDigits == 0 && settings.LEADING_ZERO) integerDigits = 1;
    return integerDigits + (text.Length() - integerEnd);
}

void ApplyFloatingPlaces(DecString& text, const CalcSettings& settings) {
    const char separator = settings.DECIMAL_SEPARATOR;
    const int32_t separatorIndex = text.FindChar(separator);
    if (separatorIndex < 0) return;
    const int32_t excess = ShownLength(text, settings) - (MaxShownLength - 1);
    if (excess > 0) {
        const int32_t keep = (text.Length() - separatorIndex - 1) - excess;
        if (keep >= 0) RoundNumber(text, settings, keep);
    }
    if (text.FindChar(separator) < 0) return;
    int32_t length = text.Length();
    while (length > 0 && text.At(length - 1) == '0') --length;
    text.Truncate(length);
}

}  // namespace

void RoundNumber(DecString& text, const CalcSettings& settings, int32_t places) {
    const char separator = settings.DECIMAL_SEPARATOR;
    if (text.Empty() || text.FindChar(separator) < 0) return;
    const bool negative = text.First() == '-';
    DecString magnitude = text;
    magnitude.RemoveChar('-');
    const int32_t last = magnitude.FindChar(separator) + places;
    if (last + 1 >= magnitude.Length()) return;

    const bool roundUp = RoundsUp(settings.ROUND_TYPE, magnitude.At(last + 1));
    magnitude.Truncate(last + 1);
    if (roundUp) IncrementAt(magnitude, separator, last);
    PutSignBack(magnitude, negative);
    RemoveTrailingSeparator(magnitude, separator);
    text = std::move(magnitude);
}

void ApplyDecimalPlaces(DecString& text, const CalcSettings& settings) {
    if (settings.ROUND_MODE == FloatingDecimal) {
        ApplyFloatingPlaces(text, settings);
    } else {
        ApplyFixedPlaces(text, settings, FixedPlaces(settings.ROUND_MODE));
    }
    RemoveTrailingSeparator(text, settings.DECIMAL_SEPARATOR);
    if (text.Empty()) text = "0";
}
