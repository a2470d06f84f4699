// The forms the panel and the two indicators may take, checked without the engine's own
// helpers: a number as shown or being typed (grouped or not, at most 24 digits and
// separator), a lone "-", or "ERROR"; the operator indicator empty or one operator; the
// memory indicator empty or "M".
#pragma once

#include <string>

#include "settings/calc_settings.h"

namespace panel_forms {

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits grouped by DIGIT_GROUPING, written here without the engine's helper.
inline std::string Grouped(const std::string& digits, const CalcSettings& settings) {
    if (settings.DIGIT_GROUPING == DigitGrouping::None) return digits;
    std::string grouped;
    int inGroup = 0;
    int groupSize = 3;
    for (size_t i = digits.size(); i-- > 0;) {
        if (inGroup == groupSize) {
            grouped.insert(grouped.begin(), settings.THOUSAND_SEPARATOR);
            inGroup = 0;
            if (settings.DIGIT_GROUPING == DigitGrouping::ThreeThenTwos) groupSize = 2;
        }
        grouped.insert(grouped.begin(), digits[i]);
        ++inGroup;
    }
    return grouped;
}

// Empty when the panel text is one of its forms, otherwise what is wrong with it.
inline std::string PanelFault(const std::string& panel, const CalcSettings& settings) {
    if (panel == "ERROR" || panel == "-") return "";
    const std::string body = panel.starts_with('-') ? panel.substr(1) : panel;
    if (body.empty()) return "empty";
    const size_t separator = body.find(settings.DECIMAL_SEPARATOR);
    const std::string integer = body.substr(0, separator);
    const std::string fraction = separator == std::string::npos ? "" : body.substr(separator + 1);
    std::string digits;
    for (char c : integer) {
        if (IsDigit(c)) {
            digits += c;
        } else if (c != settings.THOUSAND_SEPARATOR) {
            return "stray character in the integer part";
        }
    }
    for (char c : fraction) {
        if (!IsDigit(c)) return "stray character in the fraction";
    }
    if (integer != digits && integer != Grouped(digits, settings)) return "wrong grouping";
    const size_t width = digits.size() + (separator == std::string::npos ? 0 : 1 + fraction.size());
    if (width > 24) return "wider than the panel";
    return "";
}

inline std::string IndicatorFault(const std::string& operatorText, const std::string& memoryText) {
    if (!(operatorText.empty() || operatorText == "+" || operatorText == "-" ||
          operatorText == "*" || operatorText == "/")) {
        return "operator indicator " + operatorText;
    }
    if (!(memoryText.empty() || memoryText == "M")) return "memory indicator " + memoryText;
    return "";
}

}  // namespace panel_forms
