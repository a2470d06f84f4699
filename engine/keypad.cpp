#include "engine/keypad.h"

#include "engine/entry_keys.h"
#include "engine/functions.h"
#include "engine/key_press.h"
#include "engine/memory.h"
#include "engine/operators.h"
#include "total/clipboard_total.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

KeyAction ClassifyKey(const CalcSettings& settings, const ControlRecord& record) {
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

void PressKey(CalcContext& context, const ControlRecord& record, KeyAction action) {
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
        case KeyAction::Paste:
        case KeyAction::None:
            break;
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
    RunRecordedKey(context, key.Action, record.Label, PressKeyOfRecord, &key);
}
