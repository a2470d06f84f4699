#include "calculator/functions.h"

#include "calculator/business_keys.h"
#include "decimal/add_subtract.h"
#include "decimal/multiply_divide.h"
#include "decimal/number_text.h"
#include "decimal/square_root.h"

namespace {

// The next step of a chain: the shown result before it, read back as a number, op b;
// "ERROR" stays.
DecString Then(const DecString& shown, NumberOperation operation, const DecString& b,
               const NumberFormat& format) {
    if (shown == ErrorText) return shown;
    return operation(ShownNumber(format, shown), b, format);
}

// a * b / 100, shown.
DecString PercentOf(const DecString& a, const DecString& b, const NumberFormat& format) {
    return Then(MultiplyNumbers(a, b, format), DivideNumbers, "100", format);
}

// The shown percent result of a (pending operator) b, in floating places.
DecString PercentResult(char pendingOperator, const DecString& a, const DecString& b,
                        const NumberFormat& format) {
    if (pendingOperator == '*') return PercentOf(a, b, format);
    if (pendingOperator == '/') {
        return Then(DivideNumbers(a, b, format), MultiplyNumbers, "100", format);
    }
    const DecString percent = PercentOf(a, b, format);
    if (percent == ErrorText) return percent;
    const NumberOperation operation = pendingOperator == '+' ? AddNumbers : SubtractNumbers;
    return operation(a, ShownNumber(format, percent), format);
}

bool IsPercentOperator(char c) {
    return c == '*' || c == '/' || c == '+' || c == '-';
}

}  // namespace

void ApplyPercent(CalcContext& context) {
    if (PanelShowsError(context)) {
        context.Host->Beep();
        return;
    }
    context.PendingOperator = context.OperatorIndicatorText();
    if (context.EntryState == EntryState::Cleared ||
        context.EntryState == EntryState::ResultShown || context.PendingOperator.Empty() ||
        context.OperandA.Empty() || context.OperandA == ErrorText) {
        context.Host->Beep();
        return;
    }
    context.OperandB = PanelNumber(context);
    const char pendingOperator = context.PendingOperator.First();
    if (IsPercentOperator(pendingOperator)) {
        context.SetPanelText(PercentResult(pendingOperator, context.OperandA, context.OperandB,
                                           WithFloatingPlaces(PanelFormat(context))));
        AddToGrandTotal(context);
    } else {
        context.Host->Beep();
    }
    ResetCalculation(context);
}

void ApplySquareRoot(CalcContext& context) {
    if (PanelShowsError(context)) {
        context.Host->Beep();
        return;
    }
    const NumberFormat format = PanelFormat(context);
    if (context.PanelText().First() == '-' || IsZeroNumber(format, context.PanelText())) {
        ResetCalculation(context);
        return;
    }
    context.SetPanelText(SquareRootOf(PanelNumber(context), format));
    ResetCalculation(context);
}

void ApplyReciprocal(CalcContext& context) {
    const NumberFormat format = PanelFormat(context);
    if (PanelShowsError(context) || IsZeroNumber(format, context.PanelText())) {
        context.Host->Beep();
        return;
    }
    context.SetPanelText(DivideNumbers("1", PanelNumber(context), format));
    ResetCalculation(context);
}
