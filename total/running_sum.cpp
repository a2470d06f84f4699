#include "total/running_sum.h"

#include <algorithm>

#include "decimal/rounding.h"

namespace {

void Trim(RunningSum& sum) {
    while (sum.High >= sum.Low && sum.Digit[sum.High] == 0) --sum.High;
    while (sum.Low <= sum.High && sum.Digit[sum.Low] == 0) ++sum.Low;
    if (sum.High < sum.Low) {
        sum.Low = RunningSum::PointIndex;
        sum.High = RunningSum::PointIndex - 1;
    }
}

// 1 when |a| > |b|, -1 when smaller, 0 when equal.
int CompareMagnitude(const RunningSum& a, const RunningSum& b, int32_t low, int32_t high) {
    for (int32_t i = high; i >= low; --i) {
        if (a.Digit[i] != b.Digit[i]) return a.Digit[i] > b.Digit[i] ? 1 : -1;
    }
    return 0;
}

// |into| = |larger| - |smaller| over [low, high]; |larger| >= |smaller|.
void SubtractMagnitude(RunningSum& into, const RunningSum& larger, const RunningSum& smaller,
                       int32_t low, int32_t high) {
    int borrow = 0;
    for (int32_t i = low; i <= high; ++i) {
        int d = larger.Digit[i] - smaller.Digit[i] - borrow;
        borrow = d < 0;
        into.Digit[i] = static_cast<uint8_t>(d + (borrow ? 10 : 0));
    }
}

}  // namespace

bool LoadRunningSum(RunningSum& sum, const char* text, int32_t length, char separator) {
    sum = RunningSum();
    sum.Negative = length > 0 && text[0] == '-';
    int32_t point = length;
    for (int32_t i = 0; i < length; ++i) {
        if (text[i] == separator) {
            point = i;
            break;
        }
    }
    // Digits left of the point count up from 10^0, those right of it down from 10^-1.
    int32_t low = RunningSum::Digits, high = -1;
    const auto put = [&](int32_t power, char c) {
        if (c == '0') return true;
        if (power >= RunningSum::Reach - 1 || power < -RunningSum::Reach) return false;
        const int32_t index = RunningSum::PointIndex + power;
        sum.Digit[index] = static_cast<uint8_t>(c - '0');
        low = std::min(low, index);
        high = std::max(high, index);
        return true;
    };
    int32_t power = 0;
    for (int32_t i = point - 1; i >= 0; --i) {
        if (text[i] < '0' || text[i] > '9') continue;
        if (!put(power++, text[i])) return false;
    }
    power = -1;
    for (int32_t i = point + 1; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9') continue;
        if (!put(power--, text[i])) return false;
    }
    if (high < 0) {
        sum.Negative = false;
        return true;
    }
    sum.Low = low;
    sum.High = high;
    return true;
}

void AddToRunningSum(RunningSum& sum, const RunningSum& number) {
    if (number.IsZero()) return;
    if (sum.IsZero()) {
        sum = number;
        return;
    }
    const int32_t low = std::min(sum.Low, number.Low);
    const int32_t high = std::max(sum.High, number.High);
    if (sum.Negative == number.Negative) {
        int carry = 0;
        for (int32_t i = low; i <= high; ++i) {
            const int d = sum.Digit[i] + number.Digit[i] + carry;
            carry = d >= 10;
            sum.Digit[i] = static_cast<uint8_t>(d - (carry ? 10 : 0));
        }
        sum.Digit[high + 1] = static_cast<uint8_t>(carry);
        sum.Low = low;
        sum.High = high + 1;
    } else if (CompareMagnitude(sum, number, low, high) >= 0) {
        SubtractMagnitude(sum, sum, number, low, high);
        sum.Low = low;
        sum.High = high;
    } else {
        SubtractMagnitude(sum, number, sum, low, high);
        sum.Negative = number.Negative;
        sum.Low = low;
        sum.High = high;
    }
    Trim(sum);
}

bool ShowsUnchanged(const RunningSum& sum, const NumberFormat& format) {
    if (sum.IsZero()) return false;
    const int32_t integerDigits = std::max(sum.High - RunningSum::PointIndex + 1, 0);
    const int32_t fractionDigits = std::max(RunningSum::PointIndex - sum.Low, 0);
    const int32_t integerChars = integerDigits > 0 ? integerDigits : (format.LeadingZero ? 1 : 0);
    const int32_t places =
        format.Places == RoundMode::Floating ? fractionDigits : FixedPlaces(format.Places);
    if (fractionDigits > places) return false;
    return integerChars + (places > 0 ? places + 1 : 0) < MaxShownLength;
}

DecString RunningSumText(const RunningSum& sum, char separator) {
    char text[RunningSum::Digits + 3];
    int32_t length = 0;
    if (sum.Negative && !sum.IsZero()) text[length++] = '-';
    const int32_t top = std::max(sum.High, RunningSum::PointIndex);
    for (int32_t i = top; i >= RunningSum::PointIndex; --i) {
        text[length++] = static_cast<char>('0' + sum.Digit[i]);
    }
    if (sum.Low < RunningSum::PointIndex) {
        text[length++] = separator;
        for (int32_t i = RunningSum::PointIndex - 1; i >= sum.Low; --i) {
            text[length++] = static_cast<char>('0' + sum.Digit[i]);
        }
    }
    DecString number;
    number.AssignBytes(text, length);
    return number;
}
