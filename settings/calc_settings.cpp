#include "settings/calc_settings.h"

#include <cstring>

#include "settings/setting_keys.h"

namespace {

DigitGrouping GroupingFromLocale(const DecString& grouping) {
    if (grouping == "3;2;0") return DigitGrouping::ThreeThenTwos;
    if (grouping == "3;0") return DigitGrouping::Threes;
    return DigitGrouping::None;
}

}  // namespace

void LoadDefaultSettings(CalcSettings& settings, const SystemLocale& locale) {
    for (const SettingKey& key : SettingKeys()) {
        if (key.Default != nullptr) TakeSettingText(key, settings, key.Default);
    }
    settings.DECIMAL_SEPARATOR = locale.DecimalSymbol.First();
    settings.THOUSAND_SEPARATOR = locale.GroupSymbol.First();
    settings.DIGIT_GROUPING = GroupingFromLocale(locale.Grouping);
    settings.BACKGROUND_COLOR = locale.WindowColour & 0xFFFFFF;
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
    return !(c == '-' || (c >= '0' && c <= '9') || c == UnmappedChar);
}

bool IsValidSeparatorText(const char* text) {
    if (text == nullptr) return true;
    for (const char* p = text; *p != '\0'; ++p) {
        if (!IsValidSeparatorChar(*p)) return false;
    }
    return true;
}

NumberFormat FormatOf(const CalcSettings& settings) {
    NumberFormat format;
    format.DecimalSeparator = settings.DECIMAL_SEPARATOR;
    format.ThousandSeparator = settings.THOUSAND_SEPARATOR;
    format.Grouping = settings.DIGIT_GROUPING;
    format.LeadingZero = settings.LEADING_ZERO;
    format.Places = settings.ROUND_MODE;
    format.Rounding = settings.ROUND_TYPE;
    return format;
}
