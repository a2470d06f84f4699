// Which button a typed character presses.
#pragma once

#include <cstdint>

#include "controls/control_table.h"
#include "settings/calc_settings.h"

inline constexpr unsigned char EnterChar = 13;
inline constexpr unsigned char ClearEntryChar = 10;  // what the Delete key types

// The character as the hot keys are stored: capital letters lowered, "." and "," turned
// into the decimal separator.
unsigned char NormaliseHotKeyChar(const CalcSettings& settings, unsigned char c);

// The row of the first button whose hot key starts with the normalised character; else "="
// and "%" press the equals and percent keys (so a decimal separator that is one of them
// keeps its meaning); else -1. The panel, the indicators and hidden buttons never match.
int32_t HotKeyButton(const ControlTable& table, const CalcSettings& settings, unsigned char c);
