#include "controls/window_place.h"

#include <gtest/gtest.h>

#include "settings/calc_settings.h"

namespace {

// A 600-pixel window whose caption starts 8 pixels down and is 23 high; its buttons take
// the right 110 pixels; 40 pixels of caption are enough to drag it.
constexpr TitleBarFrame Frame{600, 8, 23, 110, 40};
constexpr ScreenPoint Centred{660, 300};
const ScreenRect Primary{0, 0, 1920, 1040};  // the task bar takes the bottom 40 pixels
const ScreenRect LeftOfPrimary{-1280, 0, 0, 1024};
const ScreenRect RightAndLower{1920, 500, 3200, 1524};

struct PlaceCase {
    const char* Name;
    int32_t SavedX, SavedY;
    std::vector<ScreenRect> Monitors;
    bool Used;
};

TEST(WindowPlace, SavedCornerUsedWhileTheTitleBarCanBeDragged) {
    const PlaceCase cases[] = {
        {"on the primary monitor", 100, 100, {Primary}, true},
        {"never saved", UnsavedPlace, UnsavedPlace, {Primary}, false},
        {"only the left saved", 100, UnsavedPlace, {Primary}, false},
        {"on the monitor at the left", -1000, 200, {Primary, LeftOfPrimary}, true},
        {"that monitor is gone", -1000, 200, {Primary}, false},
        {"far off every monitor", 5000, 5000, {Primary, LeftOfPrimary}, false},
        {"40 pixels left at the right edge", 1880, 100, {Primary}, true},
        {"39 pixels left at the right edge", 1881, 100, {Primary}, false},
        {"40 pixels left at the left edge", -450, 100, {Primary}, true},
        {"39 pixels left at the left edge", -451, 100, {Primary}, false},
        {"caption half above the top", -19, -19, {Primary}, true},
        {"caption mostly above the top", -19, -20, {Primary}, false},
        {"caption half on the task bar", 100, 1020, {Primary}, true},
        {"caption mostly under the task bar", 100, 1021, {Primary}, false},
        {"buttons alone on the monitor", -480, 100, {Primary}, false},
        {"split where neither monitor holds enough", 1900, 100, {Primary, RightAndLower}, false},
        {"on the lower part of the right monitor", 2000, 600, {Primary, RightAndLower}, true},
        {"no monitor at all", 100, 100, {}, false},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const ScreenPoint corner = OpeningCorner(c.SavedX, c.SavedY, Centred, Frame, c.Monitors);
        const ScreenPoint expected = c.Used ? ScreenPoint{c.SavedX, c.SavedY} : Centred;
        EXPECT_EQ(corner.X, expected.X);
        EXPECT_EQ(corner.Y, expected.Y);
    }
}

}  // namespace
