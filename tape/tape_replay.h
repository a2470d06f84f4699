// Corrections: a number brought into a calculation is changed, and the calculation is
// computed again from its first line with the same keys through the same engine.
#pragma once

#include <string>
#include <string_view>

#include "calculator/calc_context.h"
#include "tape/tape.h"

// The first line of the calculation that line `index` belongs to: a number brought in with
// nothing pending, the line after a "C", or the top of the tape.
size_t CalculationStart(const Tape& tape, size_t index);

// The number as the panel shows it when typed: `text` in the user's format (thousand
// separators optional, at most 24 digits); false when `text` is no such number.
bool TypedNumber(const CalcSettings& settings, std::string_view text, std::string& shown);

// Line `index` gets `number` (typed in the user's format); its calculation, and every later
// one that went on from its result without a "C" between, is computed again and its lines
// get their new values. When that reaches the end of the tape, `live` takes the new state
// of the calculation (its panel too, unless the user is typing a number no line holds).
// False, and nothing changed, when the line holds no number the user brought in or
// `number` is no number.
bool CorrectTapeLine(Tape& tape, size_t index, std::string_view number, CalcContext& live);

// False when there is no such line.
bool SetTapeNote(Tape& tape, size_t index, std::string_view note);

void ClearTape(Tape& tape);

// Carries every number on the tape over to new separators, as the panel is, so that the tape
// shows the user's format and a correction reads every line right.
void ConvertTapeSeparators(Tape& tape, char oldThousand, char oldDecimal,
                           const NumberFormat& format);
