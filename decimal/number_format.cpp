#include "decimal/number_format.h"

NumberFormat WithFloatingPlaces(NumberFormat format) {
    format.Places = RoundMode::Floating;
    return format;
}
