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

// The figures a business key showed, as a printed tape lists them (calculator/business_keys.h).
struct BusinessFigures {
    DecString Taken;         // the shown number the key took, brought to the decimal places
    DecString Tax;           // TAX+ and TAX-: the tax
    DecString Result;        // TAX+ the gross, TAX- the net, GT the grand total; a completed
                             // cost/sell/margin set its computed figure ("ERROR" when it has none)
    DecString Rate;          // the tax rate the tax keys used, as kept in the settings
    int32_t Count = 0;       // GT: how many results the grand total holds
    int32_t Found = -1;      // cost/sell/margin: which figure Result is (0, 1, 2), -1 for none
    bool Continues = false;  // cost/sell/margin: the key added to a set begun before it
    bool Cleared = false;    // GT: the second press in a row cleared the grand total
};

// What the business keys keep between presses. In memory only, like the memory register.
struct BusinessState {
    DecString GrandTotal;  // a number; empty while it holds nothing
    int32_t GrandTotalCount = 0;
    bool GrandTotalShown = false;  // the last key was GT: the next GT clears
    DecString Known[3];            // cost, sell, margin of the set in progress; empty: unknown
    bool SetComplete = false;      // the next cost, sell or margin key starts a new set
};

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
    BusinessState Business;
    BusinessFigures Figures;  // of the last business key; emptied before each recorded key

    // The texts of the digital panel and the indicators. Each setter tells the host
    // when the text changes, so the window never shows a stale value.
    const DecString& PanelText() const { return panelText_; }
    const DecString& OperatorIndicatorText() const { return operatorIndicatorText_; }
    const DecString& MemoryIndicatorText() const { return memoryIndicatorText_; }
    const DecString& GrandTotalIndicatorText() const { return grandTotalIndicatorText_; }
    void SetPanelText(const DecString& text);
    void SetOperatorIndicatorText(const DecString& text);
    void SetMemoryIndicatorText(const DecString& text);
    void SetGrandTotalIndicatorText(const DecString& text);

   private:
    DecString panelText_{"0"};
    DecString operatorIndicatorText_;
    DecString memoryIndicatorText_;
    DecString grandTotalIndicatorText_;
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
