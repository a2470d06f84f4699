// Where the main window opens: at the corner where it was closed, when the user can still
// reach its title bar there, or else centred.
#pragma once

#include <cstdint>
#include <vector>

struct ScreenPoint {
    int32_t X = 0, Y = 0;
};

// Right and bottom are exclusive.
struct ScreenRect {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The outer window's width and where its title bar lies, all in pixels.
struct TitleBarFrame {
    int32_t Width = 0;
    int32_t CaptionTop = 0;  // from the window's top edge to the caption
    int32_t CaptionHeight = 0;
    int32_t ButtonsWidth = 0;  // the caption buttons and the frame at the right end
    int32_t MinimumDrag = 0;   // how wide a piece of the caption the user needs to grab
};

// True when a piece of the caption at least MinimumDrag wide and half the caption high,
// free of the caption buttons, lies inside one of the monitors' work areas.
bool TitleBarReachable(ScreenPoint corner, const TitleBarFrame& frame,
                       const std::vector<ScreenRect>& workAreas);

// The saved corner when it is a saved one (both coordinates) and its title bar is
// reachable; otherwise `centred`.
ScreenPoint OpeningCorner(int32_t savedX, int32_t savedY, ScreenPoint centred,
                          const TitleBarFrame& frame, const std::vector<ScreenRect>& workAreas);
