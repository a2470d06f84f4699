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
    context.PanelText = GroupDigits(context.Settings, text);
}

void EnterDecimalSeparator(CalcContext& context) {
    const char separator = context.Settings.DECIMAL_SEPARATOR;
    if (context.PanelText.FindChar(separator) >= 0) return;
    if (!context.Settings.LEADING_ZERO && context.PanelText == "0") context.PanelText = "";
    context.PanelText.AppendChar(separator);
}

void EnterDigit(CalcContext& context, char digit) {
    if (context.PanelText == "0") {
        context.PanelText.AssignChar(digit);
        return;
    }
    DecString text = context.PanelText;
    text.AppendChar(digit);
    ShowGrouped(context, text);
}

}  // namespace

void PressEntryKey(CalcContext& context, char key) {
    if (context.EntryState != Entering || PanelShowsError(context)) context.PanelText = "0";
    if (EntryLength(context) >= MaxEntryLength) {
        context.Host->Beep();
        return;
    }
    context.EntryState = Entering;
    if (key == context.Settings.DECIMAL_SEPARATOR) {
        EnterDecimalSeparator(context);
    } else {
        EnterDigit(context, key);
    }
}

void PressDoubleZero(CalcContext& context) {
    if (PanelShowsError(context)) {
        context.PanelText = "0";
        return;
    }
    if (EntryLength(context) >= MaxEntryLength - 1 || context.PanelText == "0") {
        context.Host->Beep();
        return;
    }
    DecString text = context.PanelText;
    text.AppendText("00");
    ShowGrouped(context, text);
    context.EntryState = Entering;
}

void PressBackSpace(CalcContext& context) {
    if (PanelShowsError(context)) {
        context.PanelText = "0";
        return;
    }
    if (context.PanelText.Empty()) return;
    DecString text = context.PanelText;
    text.Truncate(text.Length() - 1);
    if (text.Empty()) text = "0";
    ShowGrouped(context, text);
    context.EntryState = Entering;
}

void PressSignChange(CalcContext& context) {
    if (PanelShowsError(context) || IsZeroNumber(context.Settings, context.PanelText)) {
        context.Host->Beep();
        return;
    }
    if (context.PanelText.First() == '-') {
        context.PanelText.RemoveChar('-');
    } else {
        context.PanelText.InsertChar(0, '-');
    }
    if (context.EntryState == ResultShown && !context.OperandA.Empty()) {
        context.OperandA = context.PanelText;
    }
    context.OperandA.RemoveChar(context.Settings.THOUSAND_SEPARATOR);
}

void PressClearEntry(CalcContext& context) {
    context.PanelText = "0";
    context.EntryState = Entering;
}

void PressClear(CalcContext& context) {
    ResetCalculation(context);
    context.PanelText = "0";
}
