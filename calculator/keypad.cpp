#include "calculator/keypad.h"

#include "calculator/business_keys.h"
#include "calculator/clipboard_total.h"
#include "calculator/entry_keys.h"
#include "calculator/functions.h"
#include "calculator/key_press.h"
#include "calculator/memory.h"
#include "calculator/operators.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The keys that edit the number being typed. Any other key that changes the panel or the
// entry state ends an add-mode entry, so results, recalled values and totals are never
// shifted; one that leaves both alone (MS, a Total refused) lets typing go on.
bool EditsEntry(KeyAction action) {
    switch (action) {
        case KeyAction::Entry:
        case KeyAction::BackSpace:
        case KeyAction::SignChange:
        case KeyAction::DoubleZero:
        case KeyAction::ClearEntry:
        case KeyAction::None:
            return true;
        default:
            return false;
    }
}

}  // namespace

KeyAction ClassifyKey(const CalcSettings& settings, const ControlRecord& record) {
    if (!record.Shown) return KeyAction::None;  // a hidden business key
    const char hot = record.HotKey.First();
    if (record.Style == ControlStyle::Button && !record.HotKey.Empty() &&
        hot == settings.DECIMAL_SEPARATOR) {
        return KeyAction::Entry;
    }
    // Only a digit or the separator is entered: the separator key of a system whose decimal
    // symbol is empty enters nothing.
    if (record.Action == KeyAction::Entry && !IsDigit(hot)) return KeyAction::None;
    return record.Action;
}

namespace {

void RunKeyAction(CalcContext& context, const ControlRecord& record, KeyAction action) {
    switch (action) {
        case KeyAction::Entry:
            PressEntryKey(context, record.HotKey.First());
            break;
        case KeyAction::BackSpace:
            PressBackSpace(context);
            break;
        case KeyAction::Clear:
            PressClear(context);
            break;
        case KeyAction::SignChange:
            PressSignChange(context);
            break;
        case KeyAction::DoubleZero:
            PressDoubleZero(context);
            break;
        case KeyAction::ClearEntry:
            PressClearEntry(context);
            break;
        case KeyAction::Operator:
            PressOperator(context, record.Label);
            break;
        case KeyAction::Equals:
            PressEquals(context);
            break;
        case KeyAction::SquareRoot:
            ApplySquareRoot(context);
            break;
        case KeyAction::Reciprocal:
            ApplyReciprocal(context);
            break;
        case KeyAction::Percent:
            ApplyPercent(context);
            break;
        case KeyAction::MemoryClear:
            MemoryClear(context);
            break;
        case KeyAction::MemoryAdd:
            MemoryAdd(context);
            break;
        case KeyAction::MemorySubtract:
            MemorySubtract(context);
            break;
        case KeyAction::MemoryRecall:
            MemoryRecall(context);
            break;
        case KeyAction::MemoryStore:
            MemoryStore(context);
            break;
        case KeyAction::Total:
            PressTotal(context);
            break;
        case KeyAction::AddTax:
            PressAddTax(context);
            break;
        case KeyAction::RemoveTax:
            PressRemoveTax(context);
            break;
        case KeyAction::GrandTotal:
            PressGrandTotal(context);
            break;
        case KeyAction::Cost:
        case KeyAction::Sell:
        case KeyAction::Margin:
            PressCostSellMargin(context, action);
            break;
        case KeyAction::Paste:
        case KeyAction::None:
            break;
    }
}

void PressKey(CalcContext& context, const ControlRecord& record, KeyAction action) {
    const DecString panelBefore = context.PanelText();
    const EntryState stateBefore = context.EntryState;
    RunKeyAction(context, record, action);
    if (action != KeyAction::GrandTotal) context.Business.GrandTotalShown = false;
    if (!EditsEntry(action) &&
        (context.PanelText() != panelBefore || context.EntryState != stateBefore)) {
        context.AddModeEntry = false;
    }
}

struct KeyOfRecord {
    const ControlRecord* Record;
    KeyAction Action;
};

void PressKeyOfRecord(CalcContext& context, const void* argument) {
    const KeyOfRecord& key = *static_cast<const KeyOfRecord*>(argument);
    PressKey(context, *key.Record, key.Action);
}

}  // namespace

void HandleKeypadCommand(CalcContext& context, const ControlTable& table, int32_t id) {
    if (id < FirstControlId || id > LastControlId) return;
    const ControlRecord& record = table[id - FirstControlId];
    const KeyOfRecord key{&record, ClassifyKey(context.Settings, record)};
    // The panel's notice of its own new text and clicks on the indicators are no key: they
    // arrive while a key's texts are being shown and must leave that key's record alone.
    if (key.Action == KeyAction::None) return;
    RunRecordedKey(context, key.Action, record.Label, PressKeyOfRecord, &key);
}
