// The keys that build and edit the number on the panel.
#pragma once

#include "engine/calc_context.h"

// A digit '0'..'9' or the decimal separator character.
void PressEntryKey(CalcContext& context, char key);
void PressDoubleZero(CalcContext& context);
void PressBackSpace(CalcContext& context);
void PressSignChange(CalcContext& context);
void PressClearEntry(CalcContext& context);
void PressClear(CalcContext& context);
