#include "calculator/operators.h"

#include "calculator/business_keys.h"
#include "decimal/add_subtract.h"
#include "decimal/multiply_divide.h"

namespace {

// The operation of an operator label's first character, or nullptr for none.
NumberOperation OperationOf(char label) {
    switch (label) {
        case '*':
            return MultiplyNumbers;
        case '+':
            return AddNumbers;
        case '-':
            return SubtractNumbers;
        case '/':
            return DivideNumbers;
        default:
            return nullptr;
    }
}

}  // namespace

void PressOperator(CalcContext& context, const DecString& label) {
    if (PanelShowsError(context)) {
        context.Host->Beep();
        return;
    }
    if (context.EntryState == EntryState::OperatorPressed) {
        if (context.PendingOperator == label) {
            context.Host->Beep();
            return;
        }
        context.SetOperatorIndicatorText(label);
        context.PendingOperator = label;
        return;
    }
    if (context.EntryState != EntryState::ResultShown && !context.OperandA.Empty()) {
        EvaluatePending(context);
    }
    context.EntryState = EntryState::OperatorPressed;
    if (PanelShowsError(context)) {
        context.Host->Beep();
        return;
    }
    context.SetOperatorIndicatorText(label);
    context.PendingOperator = label;
    context.OperandA = PanelNumber(context);
    context.OperandB = "";
}

bool EvaluatePending(CalcContext& context) {
    context.PendingOperator = context.OperatorIndicatorText();
    if (context.EntryState == EntryState::Entering) {
        context.OperandB = PanelNumber(context);
    } else if (context.OperandB.Empty()) {
        context.OperandB = context.OperandA;
    }
    if (context.PendingOperator.Empty() || context.OperandA.Empty() || context.OperandB.Empty() ||
        context.OperandA == ErrorText || context.OperandB == ErrorText) {
        context.Host->Beep();
        return false;
    }
    const NumberOperation operation = OperationOf(context.PendingOperator.First());
    if (operation) {
        context.SetPanelText(operation(context.OperandA, context.OperandB, PanelFormat(context)));
    } else {
        context.Host->Beep();
    }
    context.OperandA = PanelNumber(context);
    return operation != nullptr;
}

void PressEquals(CalcContext& context) {
    if (EvaluatePending(context)) AddToGrandTotal(context);
    if (context.EntryState == EntryState::Entering) {
        context.OperandA = "";
        context.SetOperatorIndicatorText("");
    }
    context.EntryState = EntryState::ResultShown;
}
