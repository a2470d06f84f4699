#include "controls/window_place.h"

#include <algorithm>

#include "settings/calc_settings.h"

bool TitleBarReachable(ScreenPoint corner, const TitleBarFrame& frame,
                       const std::vector<ScreenRect>& workAreas) {
    const ScreenRect grip{corner.X, corner.Y + frame.CaptionTop,
                          corner.X + frame.Width - frame.ButtonsWidth,
                          corner.Y + frame.CaptionTop + frame.CaptionHeight};
    const int32_t minimumHeight = (frame.CaptionHeight + 1) / 2;
    for (const ScreenRect& area : workAreas) {
        const int32_t width = std::min(grip.Right, area.Right) - std::max(grip.Left, area.Left);
        const int32_t height = std::min(grip.Bottom, area.Bottom) - std::max(grip.Top, area.Top);
        if (width >= frame.MinimumDrag && height >= minimumHeight) return true;
    }
    return false;
}

ScreenPoint OpeningCorner(int32_t savedX, int32_t savedY, ScreenPoint centred,
                          const TitleBarFrame& frame, const std::vector<ScreenRect>& workAreas) {
    if (savedX == UnsavedPlace || savedY == UnsavedPlace) return centred;
    const ScreenPoint saved{savedX, savedY};
    return TitleBarReachable(saved, frame, workAreas) ? saved : centred;
}
