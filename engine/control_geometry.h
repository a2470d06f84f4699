// Where the controls of the main window sit in pixels: the layout units of the control
// table times the scale factor, inside a 20-pixel margin.
#pragma once

#include <cstdint>

#include "engine/control_table.h"
#include "settings/calc_settings.h"

inline constexpr int32_t WindowMargin = 20;

struct PixelRect {
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
};

struct PixelSize {
    int32_t Width = 0, Height = 0;
};

// Pixels per layout unit: SCALE 0..3 gives 4..7 (not 4, 8, 12, 16).
int32_t ScaleFactor(const CalcSettings& settings);

// The control's rectangle in the client area of the main window.
PixelRect ControlRect(const ControlRecord& record, int32_t scaleFactor);

// The client area that holds every control of the table with the margin on all sides.
PixelSize ClientSize(const ControlTable& table, int32_t scaleFactor);

// Cell height of both fonts.
int32_t FontHeight(int32_t scaleFactor);
