// The tape's side of the key layer: what each key press writes.
#pragma once

#include "calculator/key_press.h"
#include "settings/calc_settings.h"
#include "tape/tape.h"

// Adds the entries one key press writes, if any: a number brought in with the key that took
// it, a result, a "C" or "MC" mark. Keys that only edit the entry write nothing.
void RecordKeyPress(Tape& tape, const CalcSettings& settings, const KeyPress& key);
