// ShowResult: the single road of every computed value to the panel.
#pragma once

#include "engine/calc_context.h"
#include "engine/dec_string.h"
#include "engine/result_buffer.h"

// Takes the reversed result in the buffer, brings it to the decimal places, removes
// surplus leading zeros, applies LEADING_ZERO, groups the digits and sets the panel text.
// A result of MaxShownLength or more digits and separator, or one the buffer could
// not hold, shows "ERROR". On success the buffer holds the shown text; on "ERROR" it holds
// the unformatted normal-order text.
void ShowResult(CalcContext& context, ResultBuffer& buffer);

// Shows a number text in normal order through ShowResult; a text too long for the buffer
// shows "ERROR".
void ShowNumberText(CalcContext& context, const DecString& numberText);
