#include "engine/entry_keys.h"

#include "engine/number_text.h"

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

void PressEntryKey(CalcContext& context, char key) {
    if (context.EntryState != EntryState::Entering || PanelShowsError(context)) {
        context.SetPanelText("0");
    }
    if (EntryLength(context) >= MaxEntryLength) {
        context.Host->Beep();
        return;
    }
    context.EntryState = EntryState::Entering;
    if (key == context.Settings.DECIMAL_SEPARATOR) {
        EnterDecimalSeparator(context);
    } else {
        EnterDigit(context, key);
    }
}

void PressDoubleZero(CalcContext& context) {
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
    context.OperandA.RemoveChar(context.Settings.THOUSAND_SEPARATOR);
}

void PressClearEntry(CalcContext& context) {
    context.SetPanelText("0");
    context.EntryState = EntryState::Entering;
}

void PressClear(CalcContext& context) {
    ResetCalculation(context);
    context.SetPanelText("0");
}
