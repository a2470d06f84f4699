// The keys that build and edit the number on the panel.
#pragma once

#include "calculator/calc_context.h"

// The places a number typed in add mode is shifted by: 2 or 3 with add mode on and that
// many fixed decimal places, else 0 (add mode changes nothing).
int32_t AddModePlaces(const CalcSettings& settings);

// A digit '0'..'9' or the decimal separator character. In add mode a number typed without
// the separator is entered in its smallest unit (1 2 3 shows 1.23); the separator turns it
// back into ordinary entry.
void PressEntryKey(CalcContext& context, char key);
// In add mode "00" adds two digits and back-space takes the last typed one off.
void PressDoubleZero(CalcContext& context);
void PressBackSpace(CalcContext& context);
void PressSignChange(CalcContext& context);
void PressClearEntry(CalcContext& context);
void PressClear(CalcContext& context);
