#include "engine/number_format.h"

#include "settings/calc_settings.h"

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

NumberFormat WithFloatingPlaces(NumberFormat format) {
    format.Places = RoundMode::Floating;
    return format;
}
