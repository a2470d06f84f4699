#include "total/fast_sum.h"

using fast_sum::Magnitude;
using fast_sum::MaxDigits;
using fast_sum::Power;

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Up to 18 significant digits as counted on 64 bits; fraction zeros at the end dropped.
void LoadUnits(FastSum& sum, uint64_t units, int32_t scale, bool negative) {
    while (scale > 0 && units % 10 == 0) {
        units /= 10;
        --scale;
    }
    const __int128 value = static_cast<__int128>(units);
    sum.Units = negative ? -value : value;
    sum.Scale = scale;
}

// The usual number in one pass on 64 bits.
bool LoadShortNumber(FastSum& sum, const char* text, int32_t length, char separator) {
    uint64_t units = 0;
    int32_t digits = 0;  // significant ones
    int32_t scale = -1;  // fraction digits, once the separator came
    for (int32_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            units = units * 10 + static_cast<uint64_t>(c - '0');
            digits += units != 0;
            scale += scale >= 0;
        } else if (c == separator && scale < 0) {
            scale = 0;
        }
    }
    if (digits > 18) return false;
    LoadUnits(sum, units, scale < 0 ? 0 : scale, length > 0 && text[0] == '-');
    return true;
}

}  // namespace

bool LoadFastSum(FastSum& sum, const char* text, int32_t length, char separator) {
    if (LoadShortNumber(sum, text, length, separator)) return true;
    int32_t point = length;
    for (int32_t i = 0; i < length; ++i) {
        if (text[i] == separator) {
            point = i;
            break;
        }
    }
    int32_t last = point;  // the last fraction digit that is not zero
    for (int32_t i = point + 1; i < length; ++i) {
        if (IsDigit(text[i]) && text[i] != '0') last = i;
    }
    __int128 units = 0;
    int32_t scale = 0;
    for (int32_t i = 0; i <= last && i < length; ++i) {
        if (!IsDigit(text[i])) continue;
        if (i > point) ++scale;
        if (units >= Power.Value[MaxDigits - 1]) return false;
        units = units * 10 + (text[i] - '0');
    }
    if (scale > MaxDigits) return false;
    sum.Units = length > 0 && text[0] == '-' ? -units : units;
    sum.Scale = scale;
    return true;
}

bool fast_sum::AddAligned(FastSum& sum, const FastSum& number) {
    FastSum a = sum;
    FastSum b = number;
    FastSum& coarse = a.Scale < b.Scale ? a : b;  // the one with fewer fraction digits
    const int32_t raise = (a.Scale < b.Scale ? b.Scale : a.Scale) - coarse.Scale;
    if (raise >= MaxDigits || Magnitude(coarse.Units) >= Power.Value[MaxDigits - raise]) {
        return false;
    }
    coarse.Units *= Power.Value[raise];
    coarse.Scale += raise;
    const __int128 units = a.Units + b.Units;
    if (Magnitude(units) >= Power.Value[MaxDigits]) return false;
    sum.Units = units;
    sum.Scale = a.Scale;
    return true;
}

void TrimFastSum(FastSum& sum) {
    while (sum.Scale > 0 && sum.Units % 10 == 0) {
        sum.Units /= 10;
        --sum.Scale;
    }
}

DecString FastSumText(const FastSum& sum, char separator) {
    char digits[MaxDigits + 2];
    int32_t count = 0;
    __int128 units = Magnitude(sum.Units);
    while (units > 0 || count <= sum.Scale) {
        digits[count++] = static_cast<char>('0' + static_cast<int>(units % 10));
        units /= 10;
    }
    DecString text;
    if (sum.Units < 0) text.AppendChar('-');
    for (int32_t i = count - 1; i >= 0; --i) {
        text.AppendChar(digits[i]);
        if (i == sum.Scale && i > 0) text.AppendChar(separator);
    }
    return text;
}
