#include "settings/calc_settings.h"

#include <cstring>

namespace {

DigitGrouping GroupingFromLocale(const DecString& grouping) {
    if (grouping == "3;2;0") return DigitGrouping::ThreeThenTwos;
    if (grouping == "3;0") return DigitGrouping::Threes;
    return DigitGrouping::None;
}

}  // namespace

void LoadDefaultSettings(CalcSettings& settings, const SystemLocale& locale) {
    settings.SCALE = 1;
    settings.DECIMAL_SEPARATOR = locale.DecimalSymbol.First();
    settings.THOUSAND_SEPARATOR = locale.GroupSymbol.First();
    settings.FONT = DefaultFontFace;
    settings.FONT_FOR_PANEL = DefaultFontFace;
    settings.LEADING_ZERO = true;
    settings.DIGIT_GROUPING = GroupingFromLocale(locale.Grouping);
    settings.BACKGROUND_COLOR = locale.WindowColour & 0xFFFFFF;
    settings.HOT_KEY_AS_CLICK = true;
    settings.ROUND_MODE = RoundMode::Floating;
    settings.ROUND_TYPE = RoundType::Mathematical;
    settings.TOOL_TIPS = true;
    settings.NUMBER_SEPARATORS = "";
    settings.DECIMAL_SEPARATORS = "";
    settings.SPACE_IS_DECIMAL_SEPARATOR = false;
    settings.SPACE_IS_NUMBER_SEPARATOR = false;
}

const char* YesNoText(bool value) {
    return value ? "YES" : "NO";
}

bool ParseYesNo(const char* text, bool fallback) {
    if (text == nullptr) return fallback;
    if (std::strcmp(text, "YES") == 0) return true;
    if (std::strcmp(text, "NO") == 0) return false;
    return fallback;
}

bool IsValidSeparatorChar(char c) {
    return !(c == '-' || (c >= '0' && c <= '9'));
}

bool IsValidSeparatorText(const char* text) {
    if (text == nullptr) return true;
    for (const char* p = text; *p != '\0'; ++p) {
        if (!IsValidSeparatorChar(*p)) return false;
    }
    return true;
}
