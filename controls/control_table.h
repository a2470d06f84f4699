// The 40 controls of the main window: one fixed table that says where each control sits,
// how it looks, what it shows, which key presses it and what kind of key it is. The
// command id of row i is FirstControlId + i. The windows made from it belong to the shell.
#pragma once

#include <array>
#include <cstdint>

#include "decimal/dec_string.h"
#include "settings/calc_settings.h"

inline constexpr int32_t FirstControlId = 10000;
inline constexpr int32_t ControlCount = 40;
inline constexpr int32_t LastControlId = FirstControlId + ControlCount - 1;

// The rows the engine and the shell name.
inline constexpr int32_t PanelRow = 0;
inline constexpr int32_t DecimalKeyRow = 4;
inline constexpr int32_t OperatorIndicatorRow = 14;
inline constexpr int32_t EqualsRow = 15;
inline constexpr int32_t PercentRow = 21;
inline constexpr int32_t MemoryIndicatorRow = 29;
// The business keys (TAX+, TAX-, GT, COST, SELL, MARGIN) and the grand-total indicator:
// the last rows, shown only while the settings ask for them.
inline constexpr int32_t FirstBusinessRow = 33;
inline constexpr int32_t GrandTotalIndicatorRow = 39;

// The three looks of a control; the shell turns each into its platform class and style.
enum class ControlStyle : int32_t {
    Panel,      // single line, bordered, read-only, right-aligned
    Button,     // plain push button
    Indicator,  // centred text, sunken edge, sends clicks
};

// What pressing a control does.
enum class KeyAction {
    Entry,  // a digit or the decimal separator
    Operator,
    BackSpace,
    Equals,
    Clear,
    SignChange,
    SquareRoot,
    Reciprocal,
    Percent,
    DoubleZero,
    ClearEntry,
    MemoryClear,
    MemoryAdd,
    MemorySubtract,
    MemoryRecall,
    MemoryStore,
    Total,
    AddTax,
    RemoveTax,
    GrandTotal,
    Cost,
    Sell,
    Margin,
    Paste,  // the paste command, which has no button
    None,   // the panel and the indicators
};

struct ControlRecord {
    int32_t X = 0, Y = 0, Width = 0, Height = 0;  // layout units
    ControlStyle Style = ControlStyle::Button;
    KeyAction Action = KeyAction::None;
    int32_t Id = 0;
    DecString Label;
    DecString HotKey;  // only its first character counts; empty for none
    DecString ToolTipText;
    bool Shown = true;  // a hidden row has no window to see, press or type to
};

using ControlTable = std::array<ControlRecord, ControlCount>;

// Fills every row; the decimal-separator key takes the settings' separator, and the business
// rows are shown as the settings say.
void FillControlTable(ControlTable& table, const CalcSettings& settings);

bool IsBusinessRow(int32_t row);
// Shows or hides the business rows.
void ShowBusinessRows(ControlTable& table, bool shown);

// Makes `separator` the caption and the hot key of the decimal-separator key.
void SetDecimalKey(ControlTable& table, char separator);

// The command id of the first button, in row order, whose caption is `label`; 0 for none.
// The decimal-separator key comes before every key but 7, 8 and 9, so a separator that is
// also another key's caption ("C", "T", "=") names the separator key.
int32_t CommandOfLabel(const ControlTable& table, const char* label);
