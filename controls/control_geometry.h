// Where the controls of the main window sit in pixels: the layout units of the control
// table times the scale factor, inside a 20-pixel margin, all of it multiplied by the
// window's DPI / 96 and rounded to whole pixels. At 96 DPI the DPI changes nothing.
#pragma once

#include <cstdint>

#include "controls/control_table.h"
#include "settings/calc_settings.h"

inline constexpr int32_t WindowMargin = 20;
inline constexpr int32_t BaseDpi = 96;

struct PixelRect {
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
};

struct PixelSize {
    int32_t Width = 0, Height = 0;
};

// A place on the layout grid, in layout units.
struct LayoutBox {
    int32_t X = 0, Y = 0, Width = 0, Height = 0;
};

// The add-mode indicator sits in the empty column left of "MC", level with it.
inline constexpr LayoutBox AddModeIndicatorBox{0, 12, 13, 9};

// Pixels per layout unit: SCALE 0..3 gives 4..7 (not 4, 8, 12, 16).
int32_t ScaleFactor(const CalcSettings& settings);

// A length of `pixels` at 96 DPI on a screen of `dpi`, rounded half away from zero.
int32_t ScaleForDpi(int32_t pixels, int32_t dpi);

// The box's rectangle in the client area of the main window.
PixelRect LayoutRect(const LayoutBox& box, int32_t scaleFactor, int32_t dpi = BaseDpi);
// The control's rectangle in the client area of the main window.
PixelRect ControlRect(const ControlRecord& record, int32_t scaleFactor, int32_t dpi = BaseDpi);

// The client area that holds every shown control of the table with the margin on all sides.
PixelSize ClientSize(const ControlTable& table, int32_t scaleFactor, int32_t dpi = BaseDpi);

// Cell height of both fonts.
int32_t FontHeight(int32_t scaleFactor, int32_t dpi = BaseDpi);
