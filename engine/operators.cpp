#include "engine/operators.h"

#include "engine/add_subtract.h"
#include "engine/multiply_divide.h"

void PressOperator(CalcContext& context, const DecString& label) {
    if (PanelShowsError(context)) {
        context.Host->Beep();
        return;
    }
    if (context.EntryState == OperatorPressed) {
        if (context.PendingOperator == label) {
            context.Host->Beep();
            return;
        }
        context.OperatorIndicatorText = label;
        context.PendingOperator = label;
        return;
    }
    if (context.EntryState != ResultShown && !context.OperandA.Empty()) EvaluatePending(context);
    context.EntryState = OperatorPressed;
    if (PanelShowsError(context)) {
        context.Host->Beep();
        return;
    }
    context.OperatorIndicatorText = label;
    context.PendingOperator = label;
    context.OperandA = PanelNumber(context);
    context.OperandB = "";
}

void EvaluatePending(CalcContext& context) {
    context.PendingOperator = context.OperatorIndicatorText;
    if (context.EntryState == Entering) {
        context.OperandB = PanelNumber(context);
    } else if (context.OperandB.Empty()) {
        context.OperandB = context.OperandA;
    }
    if (context.PendingOperator.Empty() || context.OperandA.Empty() || context.OperandB.Empty() ||
        context.OperandA == ErrorText || context.OperandB == ErrorText) {
        context.Host->Beep();
        return;
    }
    switch (context.PendingOperator.First()) {
        case '*':
            MultiplyNumbers(context);
            break;
        case '+':
            AddNumbers(context);
            break;
        case '-':
            SubtractNumbers(context);
            break;
        case '/':
            DivideNumbers(context);
            break;
        default:
            context.Host->Beep();
            break;
    }
    context.OperandA = PanelNumber(context);
}

void PressEquals(CalcContext& context) {
    EvaluatePending(context);
    if (context.EntryState == Entering) {
        context.OperandA = "";
        context.OperatorIndicatorText = "";
    }
    context.EntryState = ResultShown;
}
