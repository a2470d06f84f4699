#include "calculator/memory.h"

#include "decimal/add_subtract.h"
#include "decimal/number_text.h"
#include "language/words.h"

namespace {

constexpr const char* MemoryMark = "M";

// The memory's sum or difference with the shown value, finished by the display rules; on a
// result too long to show the memory keeps its value and a message says so. The panel keeps
// showing the value throughout.
void CombineWithMemory(CalcContext& context, NumberOperation operation) {
    const NumberFormat format = PanelFormat(context);
    if (PanelShowsError(context) || IsZeroNumber(format, context.PanelText())) {
        context.Host->Beep();
        return;
    }
    if (context.MemoryValue.Empty()) context.MemoryValue = "0";
    context.OperandA = ShownNumber(format, context.MemoryValue);
    context.OperandB = PanelNumber(context);
    const DecString result = operation(context.OperandA, context.OperandB, format);
    if (result == ErrorText) {
        context.Host->ShowMessage(Words(MemoryOverflowMessage));
    } else {
        context.MemoryValue = result;
    }
    context.SetMemoryIndicatorText(MemoryMark);
    context.OperandA = "";
    context.EntryState = EntryState::ResultShown;
}

}  // namespace

void MemoryClear(CalcContext& context) {
    if (context.MemoryIndicatorText().Empty()) {
        context.Host->Beep();
        return;
    }
    context.MemoryValue = "";
    context.SetMemoryIndicatorText("");
}

void MemoryRecall(CalcContext& context) {
    if (context.MemoryValue.Empty()) {
        context.Host->Beep();
        return;
    }
    context.SetPanelText(context.MemoryValue);
    context.EntryState = EntryState::Entering;
}

void MemoryStore(CalcContext& context) {
    if (PanelShowsError(context)) {
        context.Host->Beep();
        return;
    }
    context.MemoryValue = PanelNumber(context);
    context.SetMemoryIndicatorText(MemoryMark);
}

void MemoryAdd(CalcContext& context) {
    CombineWithMemory(context, AddNumbers);
}

void MemorySubtract(CalcContext& context) {
    CombineWithMemory(context, SubtractNumbers);
}
