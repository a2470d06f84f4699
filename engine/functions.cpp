#include "engine/functions.h"

#include "engine/add_subtract.h"
#include "engine/multiply_divide.h"
#include "engine/number_text.h"
#include "engine/show_result.h"

namespace {

constexpr int SquareRootSteps = 46;

using Operation = void (*)(CalcContext&);

// OperandA op OperandB, then OperandA = the result read back from the panel; false when
// the panel shows "ERROR".
bool StepInto(CalcContext& context, Operation operation, DecString& result) {
    operation(context);
    if (PanelShowsError(context)) return false;
    result = PanelNumber(context);
    return true;
}

// a * b / 100 into `percent`; false on "ERROR".
bool PercentOf(CalcContext& context, DecString& percent) {
    if (!StepInto(context, MultiplyNumbers, context.OperandA)) return false;
    context.OperandB = "100";
    return StepInto(context, DivideNumbers, percent);
}

void RunPercent(CalcContext& context, char pendingOperator) {
    DecString result;
    if (pendingOperator == '*') {
        PercentOf(context, result);
    } else if (pendingOperator == '/') {
        if (!StepInto(context, DivideNumbers, context.OperandA)) return;
        context.OperandB = "100";
        StepInto(context, MultiplyNumbers, result);
    } else if (pendingOperator == '+' || pendingOperator == '-') {
        const DecString base = context.OperandA;
        DecString percent;
        if (!PercentOf(context, percent)) return;
        context.OperandA = base;
        context.OperandB = percent;
        StepInto(context, pendingOperator == '+' ? AddNumbers : SubtractNumbers, result);
    } else {
        context.Host->Beep();
    }
}

// One Newton step x = (v / x + x) * 0.5 on the panel; false on "ERROR".
bool NewtonStep(CalcContext& context, const DecString& value, DecString& x, const DecString& half) {
    context.OperandA = value;
    context.OperandB = x;
    if (!StepInto(context, DivideNumbers, context.OperandB)) return false;
    context.OperandA = x;
    if (!StepInto(context, AddNumbers, context.OperandA)) return false;
    context.OperandB = half;
    return StepInto(context, MultiplyNumbers, x);
}

}  // namespace

void ApplyPercent(CalcContext& context) {
    if (PanelShowsError(context)) {
        context.Host->Beep();
        return;
    }
    context.PendingOperator = context.OperatorIndicatorText;
    if (context.EntryState == Cleared || context.EntryState == ResultShown ||
        context.PendingOperator.Empty() || context.OperandA.Empty() ||
        context.OperandA == ErrorText) {
        context.Host->Beep();
        return;
    }
    context.OperandB = PanelNumber(context);
    const int32_t roundMode = context.Settings.ROUND_MODE;
    context.Settings.ROUND_MODE = FloatingDecimal;
    RunPercent(context, context.PendingOperator.First());
    context.Settings.ROUND_MODE = roundMode;
    ResetCalculation(context);
}

void ApplySquareRoot(CalcContext& context) {
    if (PanelShowsError(context)) {
        context.Host->Beep();
        return;
    }
    if (context.PanelText.First() == '-' || IsZeroNumber(context.Settings, context.PanelText)) {
        ResetCalculation(context);
        return;
    }
    const DecString value = PanelNumber(context);
    DecString half("0");
    half.AppendChar(context.Settings.DECIMAL_SEPARATOR);
    half.AppendChar('5');
    const int32_t roundMode = context.Settings.ROUND_MODE;
    context.Settings.ROUND_MODE = FloatingDecimal;
    DecString x("1");
    for (int step = 0; step < SquareRootSteps; ++step) {
        if (!NewtonStep(context, value, x, half)) {
            context.Settings.ROUND_MODE = roundMode;
            return;
        }
    }
    context.Settings.ROUND_MODE = roundMode;
    ShowNumberText(context, x);
    ResetCalculation(context);
}

void ApplyReciprocal(CalcContext& context) {
    if (PanelShowsError(context) || IsZeroNumber(context.Settings, context.PanelText)) {
        context.Host->Beep();
        return;
    }
    context.OperandA = "1";
    context.OperandB = PanelNumber(context);
    DivideNumbers(context);
    ResetCalculation(context);
}
