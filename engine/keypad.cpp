#include "engine/keypad.h"

#include "engine/entry_keys.h"
#include "engine/functions.h"
#include "engine/key_press.h"
#include "engine/memory.h"
#include "engine/operators.h"
#include "total/clipboard_total.h"

namespace {

struct LabelAction {
    const char* Label;
    KeyAction Action;
};

// Tested in this order after the fields that identify the other keys.
constexpr LabelAction LabelledKeys[] = {
    {"SQR", KeyAction::SquareRoot},  {"1/X", KeyAction::Reciprocal},
    {"%", KeyAction::Percent},       {"00", KeyAction::DoubleZero},
    {"CE", KeyAction::ClearEntry},   {"MC", KeyAction::MemoryClear},
    {"M+", KeyAction::MemoryAdd},    {"M-", KeyAction::MemorySubtract},
    {"MR", KeyAction::MemoryRecall}, {"MS", KeyAction::MemoryStore},
    {"T", KeyAction::Total},
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

KeyAction ClassifyKey(const CalcSettings& settings, const ControlRecord& record) {
    const char hot = record.HotKey.First();
    if (record.ClassName == "BUTTON" && !record.HotKey.Empty() &&
        (IsDigit(hot) || hot == settings.DECIMAL_SEPARATOR)) {
        return KeyAction::Entry;
    }
    if (record.OperatorFlag != 0) return KeyAction::Operator;
    if (hot == '\b' && !record.HotKey.Empty()) return KeyAction::BackSpace;
    if (record.Label == "=") return KeyAction::Equals;
    if (record.HotKey == "c") return KeyAction::Clear;
    if (record.HotKey == "sign") return KeyAction::SignChange;
    for (const LabelAction& key : LabelledKeys) {
        if (record.Label == key.Label) return key.Action;
    }
    return KeyAction::None;
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
