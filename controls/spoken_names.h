// What a screen reader says for the controls of the main window: a name a person
// understands instead of the key's caption, the key that presses it, and the state of the
// panel and the indicators in words.
#pragma once

#include <cstdint>

#include "controls/control_table.h"

// The control's accessible name. The indicators' names carry their state ("Memory, in
// use"), since screen readers read a text field by its name; `shownText` is the control's
// current text and matters only for them.
DecString SpokenName(int32_t row, const DecString& shownText);

// The accessible value: the panel's shown number, an indicator's state in words ("Plus",
// "none"; "in use", "empty"); empty for the keys, which have none.
DecString SpokenValue(int32_t row, const DecString& shownText);
bool HasSpokenValue(int32_t row);

// The key that presses the control, as a keyboard shortcut is written: "Q", "7",
// "Backspace", "Delete", "Enter"; empty for the panel and the indicators.
DecString SpokenShortcut(int32_t row, const ControlRecord& record);

// What is announced when the panel shows `panelText`: the text, or "Error" for "ERROR".
DecString SpokenResult(const DecString& panelText);

// What a Total announces: its sum and how many numbers it found.
DecString SpokenTotal(const DecString& panelText, int32_t numbers);
