// Settings chosen by fuzz bytes and passed through the settings reader, so that a target
// works only with records the reader can produce.
#pragma once

#include <string>

#include "fuzz_input.h"
#include "platform/platform.h"
#include "settings/calc_settings.h"
#include "settings/profile_text.h"
#include "settings/settings_file.h"

inline SystemLocale FuzzLocale() {
    SystemLocale locale;
    locale.DecimalSymbol = ".";
    locale.GroupSymbol = ",";
    locale.Grouping = "3;0";
    return locale;
}

// A separator character: any byte but the line end and the zero byte.
inline std::string FuzzSeparatorChar(FuzzInput& input) {
    const char c = static_cast<char>(input.Next());
    if (c == '\n' || c == '\0') return "";
    return std::string(1, c);
}

// A value line in quotation marks, so that a read keeps even a byte it trims as a blank.
inline std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

// A short separator set: up to four bytes, line ends and zero bytes left out.
inline std::string FuzzSeparatorSet(FuzzInput& input) {
    std::string set;
    const int32_t count = input.Below(5);
    for (int32_t i = 0; i < count; ++i) set += FuzzSeparatorChar(input);
    return Quoted(set);
}

inline CalcSettings FuzzSettings(FuzzInput& input) {
    ProfileText file;
    const std::string roundMode = std::to_string(input.Below(4));
    const std::string roundType = std::to_string(input.Below(3));
    const std::string grouping = std::to_string(input.Below(3));
    SetProfileValue(file, "COMMON", "ROUND_MODE", roundMode.c_str());
    SetProfileValue(file, "COMMON", "ROUND_TYPE", roundType.c_str());
    SetProfileValue(file, "VIEW", "DIGIT_GROUPING", grouping.c_str());
    SetProfileValue(file, "VIEW", "LEADING_ZERO", YesNoText(input.Flag()));
    SetProfileValue(file, "VIEW", "DECIMAL_SEPARATOR", Quoted(FuzzSeparatorChar(input)).c_str());
    SetProfileValue(file, "VIEW", "THOUSAND_SEPARATOR", Quoted(FuzzSeparatorChar(input)).c_str());
    SetProfileValue(file, "TOTAL", "DECIMAL_SEPARATORS", FuzzSeparatorSet(input).c_str());
    SetProfileValue(file, "TOTAL", "NUMBER_SEPARATORS", FuzzSeparatorSet(input).c_str());
    SetProfileValue(file, "TOTAL", "SPACE_IS_DECIMAL_SEPARATOR", YesNoText(input.Flag()));
    SetProfileValue(file, "TOTAL", "SPACE_IS_NUMBER_SEPARATOR", YesNoText(input.Flag()));
    CalcSettings settings;
    ReadSettings(settings, file, FuzzLocale());
    return settings;
}
