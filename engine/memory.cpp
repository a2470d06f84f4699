#include "engine/memory.h"

#include "engine/add_subtract.h"
#include "engine/number_text.h"

namespace {

constexpr const char* MemoryMark = "M";

// The memory's sum or difference with the shown value, finished by the display rules; on a
// result too long to show the memory keeps its value and a message says so.
void CombineWithMemory(CalcContext& context, void (*operation)(CalcContext&)) {
    if (PanelShowsError(context) || IsZeroNumber(context.Settings, context.PanelText)) {
        context.Host->Beep();
        return;
    }
    const DecString shown = context.PanelText;
    if (context.MemoryValue.Empty()) context.MemoryValue = "0";
    context.OperandA = context.MemoryValue;
    context.OperandA.RemoveChar(context.Settings.THOUSAND_SEPARATOR);
    context.OperandB = PanelNumber(context);
    operation(context);
    if (PanelShowsError(context)) {
        context.Host->ShowMessage(MemoryOverflowMessage);
    } else {
        context.MemoryValue = context.PanelText;
    }
    context.PanelText = shown;
    context.MemoryIndicatorText = MemoryMark;
    context.OperandA = "";
    context.EntryState = ResultShown;
}

}  // namespace

void MemoryClear(CalcContext& context) {
    if (context.MemoryIndicatorText.Empty()) {
        context.Host->Beep();
        return;
    }
    context.MemoryValue = "";
    context.MemoryIndicatorText = "";
}

void MemoryRecall(CalcContext& context) {
    if (context.MemoryValue.Empty()) {
        context.Host->Beep();
        return;
    }
    context.PanelText = context.MemoryValue;
    context.EntryState = Entering;
}

void MemoryStore(CalcContext& context) {
    if (PanelShowsError(context)) {
        context.Host->Beep();
        return;
    }
    context.MemoryValue = PanelNumber(context);
    context.MemoryIndicatorText = MemoryMark;
}

void MemoryAdd(CalcContext& context) {
    CombineWithMemory(context, AddNumbers);
}

void MemorySubtract(CalcContext& context) {
    CombineWithMemory(context, SubtractNumbers);
}
