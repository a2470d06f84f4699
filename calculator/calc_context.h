// CalcContext: the one state record of the calculator. The panel text is the accumulator:
// every result is set on it, and the next operand is read back from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "decimal/dec_string.h"
#include "decimal/number_format.h"
#include "decimal/number_text.h"
#include "platform/platform.h"
#include "settings/calc_settings.h"
#include "total/kept_total.h"

enum class EntryState : int32_t { Cleared, Entering, OperatorPressed, ResultShown };

// Key entry never lets the panel hold more digits and decimal separator than this.
inline constexpr int32_t MaxEntryLength = 24;

struct KeyPress;
// Told about every key after it ran (calculator/key_press.h); empty when nothing records.
using KeyRecorder = std::function<void(const KeyPress&)>;

struct CalcContext {
    explicit CalcContext(Platform& platform) : Host(&platform) {}

    DecString PendingOperator;  // "+", "-", "*", "/" or empty
    DecString OperandA;
    DecString OperandB;
    ::EntryState EntryState = ::EntryState::Cleared;
    // The number being typed is entered in its smallest unit (add mode): the panel shows
    // the typed digits shifted by the fixed decimal places.
    bool AddModeEntry = false;
    DecString MemoryValue;
    CalcSettings Settings;

    KeptTotal LastTotal;

    Platform* Host;
    KeyRecorder Recorder;
    int32_t TotalNumbers = 0;  // how many numbers the last Total summed

    // The texts of the digital panel and the two indicators. Each setter tells the host
    // when the text changes, so the window never shows a stale value.
    const DecString& PanelText() const { return panelText_; }
    const DecString& OperatorIndicatorText() const { return operatorIndicatorText_; }
    const DecString& MemoryIndicatorText() const { return memoryIndicatorText_; }
    void SetPanelText(const DecString& text);
    void SetOperatorIndicatorText(const DecString& text);
    void SetMemoryIndicatorText(const DecString& text);

   private:
    DecString panelText_{"0"};
    DecString operatorIndicatorText_;
    DecString memoryIndicatorText_;
};

bool PanelShowsError(const CalcContext& context);
// The panel text as a number: every thousand separator removed, sign and decimal kept;
// "ERROR" as it is.
DecString PanelNumber(const CalcContext& context);
// The number format of the live settings.
NumberFormat PanelFormat(const CalcContext& context);
// Empties both operands and the pending operator, and the operator indicator; the panel
// and the memory stay.
void ResetCalculation(CalcContext& context);
