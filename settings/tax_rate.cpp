#include "settings/tax_rate.h"

#include <string>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits before and after the separator; false on any other character or a second one.
bool SplitRate(std::string_view text, char separator, std::string& whole, std::string& fraction) {
    bool point = false;
    for (const char c : text) {
        if (c == '.' || c == separator) {
            if (point) return false;
            point = true;
        } else if (!IsDigit(c)) {
            return false;
        } else {
            (point ? fraction : whole) += c;
        }
    }
    return !whole.empty() || !fraction.empty();
}

}  // namespace

bool ReadTaxRate(std::string_view text, char separator, DecString& rate) {
    std::string whole;
    std::string fraction;
    if (!SplitRate(text, separator, whole, fraction)) return false;
    whole.erase(0, whole.find_first_not_of('0'));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (fraction.size() > static_cast<size_t>(MaxTaxRateDecimals)) return false;
    if (whole.size() > 3 || (whole.size() == 3 && (whole != "100" || !fraction.empty()))) {
        return false;
    }
    std::string kept = whole.empty() ? "0" : whole;
    if (!fraction.empty()) kept += '.' + fraction;
    rate = kept.c_str();
    return true;
}

DecString ShownTaxRate(const DecString& rate, char separator) {
    DecString shown = rate;
    const int32_t point = shown.FindChar('.');
    if (point >= 0) shown.SetAt(point, separator);
    return shown;
}
