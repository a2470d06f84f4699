// The 33 controls of the main window: one fixed table that says where each control sits,
// what it shows, which key presses it and what the keypad handler makes of it. The
// command id of row i is FirstControlId + i.
#pragma once

#include <array>
#include <cstdint>

#include "engine/dec_string.h"
#include "settings/calc_settings.h"

inline constexpr int32_t FirstControlId = 10000;
inline constexpr int32_t ControlCount = 33;
inline constexpr int32_t LastControlId = FirstControlId + ControlCount - 1;

// The three looks of a control; the shell turns each into its platform style bits.
enum class ControlStyle : int32_t {
    Panel,      // single line, bordered, read-only, right-aligned
    Button,     // plain push button
    Indicator,  // centred text, sunken edge, sends clicks
};

struct ControlRecord {
    void* Window = nullptr;     // platform window handle, once the shell made the control
    void* TipWindow = nullptr;  // its tool-tip window
    int32_t X = 0, Y = 0, Width = 0, Height = 0;  // layout units
    DecString ClassName;                          // "EDIT", "BUTTON" or "STATIC"
    ControlStyle Style = ControlStyle::Button;
    int32_t Id = 0;
    DecString Label;
    DecString HotKey;  // only its first character counts; empty for none
    int32_t OperatorFlag = 0;
    DecString ToolTipText;
    void* PreviousProcedure = nullptr;  // the control's own window procedure
};

using ControlTable = std::array<ControlRecord, ControlCount>;

// Fills every row; the decimal-separator key (row 4) takes the settings' separator.
void FillControlTable(ControlTable& table, const CalcSettings& settings);

// Makes `separator` the caption and the hot key of the decimal-separator key.
void SetDecimalKey(ControlTable& table, char separator);
