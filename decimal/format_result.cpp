#include "decimal/format_result.h"

#include <utility>

#include "decimal/number_text.h"
#include "decimal/rounding.h"

namespace {

void DropSurplusLeadingZeros(DecString& text, char separator) {
    int32_t start = 0;
    while (text.Length() - start >= 2 && text.At(start) == '0' && text.At(start + 1) != separator) {
        ++start;
    }
    if (start > 0) text.AssignBytes(text.Text() + start, text.Length() - start);
}

void ApplyLeadingZero(DecString& text, const NumberFormat& format) {
    const char separator = format.DecimalSeparator;
    if (!format.LeadingZero) {
        if (text.Length() >= 2 && text.At(0) == '0' && text.At(1) == separator) text.EraseAt(0);
        return;
    }
    if (text.First() == separator) {
        DecString withZero('0');
        withZero.AppendString(text);
        text = std::move(withZero);
    }
}

}  // namespace

DecString FormatResult(const ResultBuffer& buffer, const NumberFormat& format) {
    if (buffer.Overflowed()) return ErrorText;
    DecString text = buffer.Text();
    text.ReverseInPlace();
    ApplyDecimalPlaces(text, format);
    if (text.Length() > ResultBuffer::MaxTextLength) return ErrorText;

    const bool negative = text.First() == '-';
    if (negative) text.SetAt(0, '0');
    DropSurplusLeadingZeros(text, format.DecimalSeparator);
    ApplyLeadingZero(text, format);
    if (text.Length() >= MaxShownLength) return ErrorText;
    DecString shown = GroupDigits(format, text);
    if (negative && !(shown == "0")) {
        DecString signed_('-');
        signed_.AppendString(shown);
        shown = std::move(signed_);
    }
    return shown;
}

DecString FormatNumberText(const DecString& numberText, const NumberFormat& format) {
    DecString reversed = numberText;
    reversed.ReverseInPlace();
    ResultBuffer buffer;
    buffer.AppendText(reversed);
    return FormatResult(buffer, format);
}
