#include "decimal/rounding.h"

#include <utility>

namespace {

bool RoundsUp(RoundType rounding, char firstDropped) {
    switch (rounding) {
        case RoundType::Up:
            return firstDropped != '0';
        case RoundType::Mathematical:
            return firstDropped >= '5';
        case RoundType::Down:
            return false;
    }
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

void ApplyFixedPlaces(DecString& text, const NumberFormat& format, int32_t places) {
    const int32_t separatorIndex = text.FindChar(format.DecimalSeparator);
    if (separatorIndex < 0) {
        if (places == 0) return;
        text.AppendChar(format.DecimalSeparator);
        for (int32_t i = 0; i < places; ++i) text.AppendChar('0');
        return;
    }
    const int32_t fractionDigits = text.Length() - separatorIndex - 1;
    if (fractionDigits >= places) {
        RoundNumber(text, format, places);
        return;
    }
    for (int32_t i = fractionDigits; i < places; ++i) text.AppendChar('0');
}

// Digits and separator of the text as the panel will show it: zeros before the first
// integer digit do not count, and a zero integer part counts as the one "0" that
// a leading zero puts there, or as nothing without it.
int32_t ShownLength(const DecString& text, const NumberFormat& format) {
    const int32_t start = text.First() == '-' ? 1 : 0;
    int32_t integerEnd = text.FindChar(format.DecimalSeparator);
    if (integerEnd < 0) integerEnd = text.Length();
    int32_t firstDigit = start;
    while (firstDigit < integerEnd && text.At(firstDigit) == '0') ++firstDigit;
    int32_t integerDigits = integerEnd - firstDigit;
    if (integerDigits == 0 && format.LeadingZero) integerDigits = 1;
    return integerDigits + (text.Length() - integerEnd);
}

void ApplyFloatingPlaces(DecString& text, const NumberFormat& format) {
    const char separator = format.DecimalSeparator;
    const int32_t separatorIndex = text.FindChar(separator);
    if (separatorIndex < 0) return;
    const int32_t excess = ShownLength(text, format) - (MaxShownLength - 1);
    if (excess > 0) {
        const int32_t keep = (text.Length() - separatorIndex - 1) - excess;
        if (keep >= 0) RoundNumber(text, format, keep);
    }
    if (text.FindChar(separator) < 0) return;
    int32_t length = text.Length();
    while (length > 0 && text.At(length - 1) == '0') --length;
    text.Truncate(length);
}

}  // namespace

int32_t FixedPlaces(RoundMode places) {
    switch (places) {
        case RoundMode::Fixed0:
            return 0;
        case RoundMode::Fixed2:
            return 2;
        case RoundMode::Fixed3:
            return 3;
        case RoundMode::Floating:
            break;
    }
    return 0;
}

void RoundNumber(DecString& text, const NumberFormat& format, int32_t places) {
    const char separator = format.DecimalSeparator;
    if (text.Empty() || text.FindChar(separator) < 0) return;
    const bool negative = text.First() == '-';
    DecString magnitude = text;
    magnitude.RemoveChar('-');
    const int32_t last = magnitude.FindChar(separator) + places;
    if (last + 1 >= magnitude.Length()) return;

    const bool roundUp = RoundsUp(format.Rounding, magnitude.At(last + 1));
    magnitude.Truncate(last + 1);
    if (roundUp) IncrementAt(magnitude, separator, last);
    PutSignBack(magnitude, negative);
    RemoveTrailingSeparator(magnitude, separator);
    text = std::move(magnitude);
}

void ApplyDecimalPlaces(DecString& text, const NumberFormat& format) {
    if (format.Places == RoundMode::Floating) {
        ApplyFloatingPlaces(text, format);
    } else {
        ApplyFixedPlaces(text, format, FixedPlaces(format.Places));
    }
    RemoveTrailingSeparator(text, format.DecimalSeparator);
    if (text.Empty()) text = "0";
}
