// The keypad command handler: every button command (ids 10000 to 10032) comes here and is
// told apart by the fields of its control record.
#pragma once

#include <cstdint>

#include "engine/calc_context.h"
#include "engine/control_table.h"

enum class KeyAction {
    Entry,  // a digit or the decimal separator
    Operator,
    BackSpace,
    Equals,
    Clear,
    SignChange,
    SquareRoot,
    Reciprocal,
    Percent,
    DoubleZero,
    ClearEntry,
    MemoryClear,
    MemoryAdd,
    MemorySubtract,
    MemoryRecall,
    MemoryStore,
    Total,
    Paste,  // the paste command, which has no button
    None,   // the panel and the two indicators
};

KeyAction ClassifyKey(const CalcSettings& settings, const ControlRecord& record);

// Ids outside 10000 to 10032 are ignored.
void HandleKeypadCommand(CalcContext& context, const ControlTable& table, int32_t id);
