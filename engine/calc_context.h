// CalcContext: the one state record of the calculator. The panel text is the accumulator:
// the engine writes every result into it and reads it back as the next operand.
#pragma once

#include <cstdint>

#include "engine/dec_string.h"
#include "engine/platform.h"
#include "settings/calc_settings.h"

enum EntryStateValue : int32_t { Cleared = 0, Entering = 1, OperatorPressed = 2, ResultShown = 3 };

// Key entry never lets the panel hold more digits and decimal separator than this.
inline constexpr int32_t MaxEntryLength = 24;

struct CalcContext {
    explicit CalcContext(Platform& platform) : Host(&platform) {}

    DecString PendingOperator;  // "+", "-", "*", "/" or empty
    DecString OperandA;
    DecString OperandB;
    int32_t EqualsIndex = 15;
    int32_t OperatorIndicatorIndex = 14;
    int32_t PanelIndex = 0;
    int32_t DecimalKeyIndex = 4;
    int32_t MemoryIndicatorIndex = 29;
    int32_t EntryState = Cleared;
    DecString MemoryValue;
    CalcSettings Settings;

    // The texts of the digital panel and the two indicators. The shell mirrors them into
    // its controls after every command and before any message box.
    DecString PanelText{"0"};
    DecString OperatorIndicatorText;
    DecString MemoryIndicatorText;

    Platform* Host;
};

inline constexpr const char* ErrorText = "ERROR";

bool PanelShowsError(const CalcContext& context);
// The panel text as a number: every thousand separator removed, sign and decimal kept;
// "ERROR" as it is.
DecString PanelNumber(const CalcContext& context);
// Empties both operands and the pending operator, and the operator indicator; the panel
// and the memory stay.
void ResetCalculation(CalcContext& context);
