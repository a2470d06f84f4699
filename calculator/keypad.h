// The keypad command handler: every button command (ids 10000 to 10039) comes here and is
// told apart by the kind of key in its control record.
#pragma once

#include <cstdint>

#include "calculator/calc_context.h"
#include "controls/control_table.h"

// The row's kind of key, except that a button whose hot key is the decimal separator enters
// the separator, whatever key it is otherwise (a letter or sign as separator makes its
// namesake key a second separator key).
KeyAction ClassifyKey(const CalcSettings& settings, const ControlRecord& record);

// Ids outside 10000 to 10039 are ignored, and so are the keys of hidden rows.
void HandleKeypadCommand(CalcContext& context, const ControlTable& table, int32_t id);
