#include "calculator/calc_context.h"

namespace {

void Change(DecString& text, const DecString& to, Platform& host, DisplayField field) {
    if (text == to) return;
    text = to;
    host.ShowText(field, text);
}

}  // namespace

void CalcContext::SetPanelText(const DecString& text) {
    Change(panelText_, text, *Host, DisplayField::Panel);
}

void CalcContext::SetOperatorIndicatorText(const DecString& text) {
    Change(operatorIndicatorText_, text, *Host, DisplayField::OperatorIndicator);
}

void CalcContext::SetMemoryIndicatorText(const DecString& text) {
    Change(memoryIndicatorText_, text, *Host, DisplayField::MemoryIndicator);
}

void CalcContext::SetGrandTotalIndicatorText(const DecString& text) {
    Change(grandTotalIndicatorText_, text, *Host, DisplayField::GrandTotalIndicator);
}

bool PanelShowsError(const CalcContext& context) {
    return context.PanelText() == ErrorText;
}

DecString PanelNumber(const CalcContext& context) {
    return ShownNumber(PanelFormat(context), context.PanelText());
}

NumberFormat PanelFormat(const CalcContext& context) {
    return FormatOf(context.Settings);
}

void ResetCalculation(CalcContext& context) {
    context.OperandA = "";
    context.OperandB = "";
    context.PendingOperator = "";
    context.EntryState = EntryState::Cleared;
    context.SetOperatorIndicatorText("");
}
