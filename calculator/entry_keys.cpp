#include "calculator/entry_keys.h"

#include "decimal/number_text.h"

namespace {

// Digits and decimal separator: what the 24-character entry limit counts.
int32_t EntryLength(const CalcContext& context) {
    DecString bare = PanelNumber(context);
    bare.RemoveChar('-');
    return bare.Length();
}

void ShowGrouped(CalcContext& context, const DecString& text) {
    context.SetPanelText(GroupDigits(PanelFormat(context), text));
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits of an add-mode entry as typed: the panel's digits without leading zeros.
DecString TypedDigits(const CalcContext& context) {
    DecString digits;
    const DecString& panel = context.PanelText();
    for (int32_t i = 0; i < panel.Length(); ++i) {
        const char c = panel.At(i);
        if (IsDigit(c) && !(digits.Empty() && c == '0')) digits.AppendChar(c);
    }
    return digits;
}

bool PanelIsNegative(const CalcContext& context) {
    return context.PanelText().First() == '-';
}

// The typed digits in their smallest unit: 123 with two places is 1.23; nothing typed is
// 0.00. The zero before the separator follows LEADING_ZERO as in a result.
DecString CentsText(const CalcSettings& settings, const DecString& digits, int32_t places,
                    bool negative) {
    DecString text;
    for (int32_t length = digits.Length(); length <= places; ++length) text.AppendChar('0');
    text.AppendString(digits);
    text.InsertChar(text.Length() - places, settings.DECIMAL_SEPARATOR);
    if (!settings.LEADING_ZERO && text.First() == '0') text.EraseAt(0);
    if (negative && !digits.Empty()) text.InsertChar(0, '-');
    return text;
}

// Shows `digits` as the add-mode entry, or beeps when the text would pass the entry limit.
void ShowCents(CalcContext& context, const DecString& digits, bool negative) {
    const DecString text =
        CentsText(context.Settings, digits, AddModePlaces(context.Settings), negative);
    if (text.Length() - (negative && !digits.Empty() ? 1 : 0) > MaxEntryLength) {
        context.Host->Beep();
        return;
    }
    ShowGrouped(context, text);
    context.EntryState = EntryState::Entering;
    context.AddModeEntry = true;
}

bool TypingInCents(const CalcContext& context) {
    return context.AddModeEntry && context.EntryState == EntryState::Entering &&
           !PanelShowsError(context) && AddModePlaces(context.Settings) > 0;
}

// The separator ends cents entry: the digits typed so far become the integer part.
void LeaveCents(CalcContext& context) {
    DecString text = TypedDigits(context);
    if (text.Empty() && context.Settings.LEADING_ZERO) text = "0";
    if (PanelIsNegative(context) && !text.Empty()) text.InsertChar(0, '-');
    text.AppendChar(context.Settings.DECIMAL_SEPARATOR);
    ShowGrouped(context, text);
    context.AddModeEntry = false;
}

void EnterDecimalSeparator(CalcContext& context) {
    const char separator = context.Settings.DECIMAL_SEPARATOR;
    if (context.PanelText().FindChar(separator) >= 0) return;
    DecString text = context.PanelText();
    if (!context.Settings.LEADING_ZERO && text == "0") text = "";
    text.AppendChar(separator);
    context.SetPanelText(text);
}

void EnterDigit(CalcContext& context, char digit) {
    if (context.PanelText() == "0") {
        context.SetPanelText(DecString(digit));
        return;
    }
    DecString text = context.PanelText();
    text.AppendChar(digit);
    ShowGrouped(context, text);
}

}  // namespace

int32_t AddModePlaces(const CalcSettings& settings) {
    if (!settings.ADD_MODE) return 0;
    if (settings.ROUND_MODE == RoundMode::Fixed2) return 2;
    return settings.ROUND_MODE == RoundMode::Fixed3 ? 3 : 0;
}

void PressEntryKey(CalcContext& context, char key) {
    const bool separator = key == context.Settings.DECIMAL_SEPARATOR;
    if (TypingInCents(context)) {
        if (separator) {
            LeaveCents(context);
        } else {
            DecString digits = TypedDigits(context);
            digits.AppendChar(key);
            ShowCents(context, digits, PanelIsNegative(context));
        }
        return;
    }
    const bool newNumber = context.EntryState != EntryState::Entering || PanelShowsError(context);
    if (newNumber && !separator && AddModePlaces(context.Settings) > 0) {
        ShowCents(context, DecString(key), false);
        return;
    }
    context.AddModeEntry = false;
    if (newNumber) context.SetPanelText("0");
    if (EntryLength(context) >= MaxEntryLength) {
        context.Host->Beep();
        return;
    }
    context.EntryState = EntryState::Entering;
    if (separator) {
        EnterDecimalSeparator(context);
    } else {
        EnterDigit(context, key);
    }
}

void PressDoubleZero(CalcContext& context) {
    if (TypingInCents(context)) {
        DecString digits = TypedDigits(context);
        if (digits.Empty()) {
            context.Host->Beep();
            return;
        }
        digits.AppendText("00");
        ShowCents(context, digits, PanelIsNegative(context));
        return;
    }
    context.AddModeEntry = false;
    if (PanelShowsError(context)) {
        context.SetPanelText("0");
        return;
    }
    if (EntryLength(context) >= MaxEntryLength - 1 || context.PanelText() == "0") {
        context.Host->Beep();
        return;
    }
    DecString text = context.PanelText();
    text.AppendText("00");
    ShowGrouped(context, text);
    context.EntryState = EntryState::Entering;
}

void PressBackSpace(CalcContext& context) {
    if (TypingInCents(context)) {
        DecString digits = TypedDigits(context);
        if (!digits.Empty()) digits.Truncate(digits.Length() - 1);
        ShowCents(context, digits, PanelIsNegative(context));
        return;
    }
    context.AddModeEntry = false;
    if (PanelShowsError(context)) {
        context.SetPanelText("0");
        return;
    }
    if (context.PanelText().Empty()) return;
    DecString text = context.PanelText();
    text.Truncate(text.Length() - 1);
    if (text.Empty()) text = "0";
    ShowGrouped(context, text);
    context.EntryState = EntryState::Entering;
}

void PressSignChange(CalcContext& context) {
    if (PanelShowsError(context) || IsZeroNumber(PanelFormat(context), context.PanelText())) {
        context.Host->Beep();
        return;
    }
    DecString text = context.PanelText();
    if (text.First() == '-') {
        text.RemoveChar('-');
    } else {
        text.InsertChar(0, '-');
    }
    context.SetPanelText(text);
    if (context.EntryState == EntryState::ResultShown && !context.OperandA.Empty()) {
        context.OperandA = context.PanelText();
    }
    context.OperandA = ShownNumber(PanelFormat(context), context.OperandA);
}

void PressClearEntry(CalcContext& context) {
    context.SetPanelText("0");
    context.EntryState = EntryState::Entering;
    context.AddModeEntry = AddModePlaces(context.Settings) > 0;
}

void PressClear(CalcContext& context) {
    ResetCalculation(context);
    context.AddModeEntry = false;
    context.SetPanelText("0");
}
