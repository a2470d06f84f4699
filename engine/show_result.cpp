#include "engine/show_result.h"

#include <utility>

#include "engine/number_text.h"
#include "engine/rounding.h"

namespace {

void DropSurplusLeadingZeros(DecString& text, char separator) {
    int32_t start = 0;
    while (text.Length() - start >= 2 && text.At(start) == '0' && text.At(start + 1) != separator) {
        ++start;
    }
    if (start > 0) text.AssignBytes(text.Text() + start, text.Length() - start);
}

void ApplyLeadingZero(DecString& text, const CalcSettings& settings) {
    const char separator = settings.DECIMAL_SEPARATOR;
    if (!settings.LEADING_ZERO) {
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

void ShowResult(CalcContext& context, ResultBuffer& buffer) {
    if (buffer.Overflowed()) {
        context.PanelText = ErrorText;
        return;
    }
    const CalcSettings& settings = context.Settings;
    DecString text = buffer.Text();
    text.ReverseInPlace();
    ApplyDecimalPlaces(text, settings);
    buffer.Assign(text);
    if (buffer.Overflowed()) {
        context.PanelText = ErrorText;
        return;
    }

    const bool negative = text.First() == '-';
    if (negative) text.SetAt(0, '0');
    DropSurplusLeadingZeros(text, settings.DECIMAL_SEPARATOR);
    ApplyLeadingZero(text, settings);
    if (text.Length() >= MaxShownLength) {
        context.PanelText = ErrorText;
        return;
    }
    DecString shown = GroupDigits(settings, text);
    if (negative && !(shown == "0")) {
        DecString signed_('-');
        signed_.AppendString(shown);
        shown = std::move(signed_);
    }
    buffer.Assign(shown);
    context.PanelText = shown;
}

void ShowNumberText(CalcContext& context, const DecString& numberText) {
    DecString reversed = numberText;
    reversed.ReverseInPlace();
    ResultBuffer buffer;
    buffer.AppendText(reversed);
    ShowResult(context, buffer);
}
