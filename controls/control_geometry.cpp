#include "controls/control_geometry.h"

#include <algorithm>

int32_t ScaleFactor(const CalcSettings& settings) {
    return settings.SCALE + 4;
}

int32_t ScaleForDpi(int32_t pixels, int32_t dpi) {
    const int64_t scaled = static_cast<int64_t>(pixels) * dpi;
    const int64_t half = BaseDpi / 2;
    return static_cast<int32_t>(scaled >= 0 ? (scaled + half) / BaseDpi
                                            : -((-scaled + half) / BaseDpi));
}

PixelRect LayoutRect(const LayoutBox& box, int32_t scaleFactor, int32_t dpi) {
    return PixelRect{ScaleForDpi(box.X * scaleFactor + WindowMargin, dpi),
                     ScaleForDpi(box.Y * scaleFactor + WindowMargin, dpi),
                     ScaleForDpi(box.Width * scaleFactor, dpi),
                     ScaleForDpi(box.Height * scaleFactor, dpi)};
}

PixelRect ControlRect(const ControlRecord& record, int32_t scaleFactor, int32_t dpi) {
    return LayoutRect(LayoutBox{record.X, record.Y, record.Width, record.Height}, scaleFactor, dpi);
}

PixelSize ClientSize(const ControlTable& table, int32_t scaleFactor, int32_t dpi) {
    int32_t right = 0;
    int32_t bottom = 0;
    for (const ControlRecord& record : table) {
        if (!record.Shown) continue;
        right = std::max(right, record.X + record.Width);
        bottom = std::max(bottom, record.Y + record.Height);
    }
    return PixelSize{ScaleForDpi(right * scaleFactor + 2 * WindowMargin, dpi),
                     ScaleForDpi(bottom * scaleFactor + 2 * WindowMargin, dpi)};
}

int32_t FontHeight(int32_t scaleFactor, int32_t dpi) {
    return ScaleForDpi(6 * scaleFactor, dpi);
}
