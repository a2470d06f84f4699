#include "engine/control_geometry.h"

#include <algorithm>

int32_t ScaleFactor(const CalcSettings& settings) {
    return settings.SCALE + 4;
}

PixelRect ControlRect(const ControlRecord& record, int32_t scaleFactor) {
    return PixelRect{record.X * scaleFactor + WindowMargin, record.Y * scaleFactor + WindowMargin,
                     record.Width * scaleFactor, record.Height * scaleFactor};
}

PixelSize ClientSize(const ControlTable& table, int32_t scaleFactor) {
    int32_t right = 0;
    int32_t bottom = 0;
    for (const ControlRecord& record : table) {
        right = std::max(right, record.X + record.Width);
        bottom = std::max(bottom, record.Y + record.Height);
    }
    return PixelSize{right * scaleFactor + 2 * WindowMargin,
                     bottom * scaleFactor + 2 * WindowMargin};
}

int32_t FontHeight(int32_t scaleFactor) {
    return 6 * scaleFactor;
}
