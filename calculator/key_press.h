// What one key did to the calculation, told to a recorder (the tape) after the key ran.
// The key layer fills it; the recorder decides what is worth keeping.
#pragma once

#include <cstdint>

#include "calculator/calc_context.h"
#include "calculator/keypad.h"

// The part of the calculation a key can change, taken before and after it.
struct CalcSnapshot {
    DecString PanelText;
    ::EntryState EntryState = ::EntryState::Cleared;
    DecString OperatorIndicatorText;
    DecString OperandA;
    DecString OperandB;  // the second operand of the last operation, repeated by "="
};

struct KeyPress {
    KeyAction Action = KeyAction::None;
    DecString Label;  // the button's label, e.g. "+" or "SQR"; "PASTE" for the paste command
    CalcSnapshot Before;
    CalcSnapshot After;
    bool Refused = false;      // the key beeped
    int32_t TotalNumbers = 0;  // how many numbers a Total summed
    BusinessFigures Figures;   // what a business key showed
};

CalcSnapshot TakeSnapshot(const CalcContext& context);

// Runs `press` on the context; when a recorder listens, it is told what the key did.
void RunRecordedKey(CalcContext& context, KeyAction action, const DecString& label,
                    void (*press)(CalcContext& context, const void* argument),
                    const void* argument);
