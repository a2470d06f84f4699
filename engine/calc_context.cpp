#include "engine/calc_context.h"

bool PanelShowsError(const CalcContext& context) {
    return context.PanelText == ErrorText;
}

DecString PanelNumber(const CalcContext& context) {
    // "ERROR" is no number and keeps every letter, whatever the thousand separator is.
    if (PanelShowsError(context)) return context.PanelText;
    DecString number = context.PanelText;
    number.RemoveChar(context.Settings.THOUSAND_SEPARATOR);
    return number;
}

void ResetCalculation(CalcContext& context) {
    context.OperandA = "";
    context.OperandB = "";
    context.PendingOperator = "";
    context.EntryState = Cleared;
    context.OperatorIndicatorText = "";
}
