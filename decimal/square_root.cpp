#include "decimal/square_root.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "decimal/format_result.h"
#include "decimal/rounding.h"

namespace {

// More fraction digits than the panel ever shows, so rounding reads the first dropped digit
// of the true root, not of a shortened one.
constexpr int32_t RootFractionDigits = MaxShownLength;

// A non-negative integer as decimal digits, least significant first, no zeros on top.
using Digits = std::vector<uint8_t>;

void Trim(Digits& x) {
    while (!x.empty() && x.back() == 0) x.pop_back();
}

bool NotLess(const Digits& x, const Digits& y) {
    if (x.size() != y.size()) return x.size() > y.size();
    for (std::size_t i = x.size(); i-- > 0;) {
        if (x[i] != y[i]) return x[i] > y[i];
    }
    return true;
}

// x -= y; the caller guarantees x >= y.
void SubtractFrom(Digits& x, const Digits& y) {
    int borrow = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const int d = x[i] - borrow - (i < y.size() ? y[i] : 0);
        borrow = d < 0 ? 1 : 0;
        x[i] = static_cast<uint8_t>(d + 10 * borrow);
    }
    Trim(x);
}

// x += 2.
void AddTwo(Digits& x) {
    int carry = 2;
    for (std::size_t i = 0; carry != 0 && i < x.size(); ++i) {
        const int d = x[i] + carry;
        x[i] = static_cast<uint8_t>(d % 10);
        carry = d / 10;
    }
    if (carry != 0) x.push_back(static_cast<uint8_t>(carry));
}

// x = x * 10 + digit.
void AppendDigit(Digits& x, uint8_t digit) {
    x.insert(x.begin(), digit);
    Trim(x);
}

// 20 * root + 1: the first odd number the next digit's square steps through.
Digits FirstStep(const Digits& root) {
    Digits twice;
    int carry = 0;
    for (const uint8_t d : root) {
        const int t = 2 * d + carry;
        twice.push_back(static_cast<uint8_t>(t % 10));
        carry = t / 10;
    }
    if (carry != 0) twice.push_back(static_cast<uint8_t>(carry));
    AppendDigit(twice, 1);
    return twice;
}

// The next root digit d: the largest with (20 root + d) d <= remainder, found by taking away
// the odd numbers 20 root + 1, + 3, ... as long as they fit. The remainder keeps the rest.
uint8_t NextRootDigit(Digits& remainder, const Digits& root) {
    Digits step = FirstStep(root);
    uint8_t digit = 0;
    while (NotLess(remainder, step)) {
        SubtractFrom(remainder, step);
        AddTwo(step);
        ++digit;
    }
    return digit;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The radicand's digits scaled by 10^(2 * fractionDigits), in pairs from the top: the
// integer digits padded to an even count, the fraction cut or padded to 2 * fractionDigits.
DecString ScaledRadicand(const DecString& number, char separator, int32_t fractionDigits,
                         int32_t& integerPairs) {
    DecString integer;
    DecString fraction;
    bool inFraction = false;
    for (int32_t i = 0; i < number.Length(); ++i) {
        const char c = number.At(i);
        if (c == separator) inFraction = true;
        if (!IsDigit(c)) continue;
        if (inFraction) {
            if (fraction.Length() < 2 * fractionDigits) fraction.AppendChar(c);
        } else if (!(integer.Empty() && c == '0')) {
            integer.AppendChar(c);
        }
    }
    while (fraction.Length() < 2 * fractionDigits) fraction.AppendChar('0');
    DecString radicand = integer.Length() % 2 == 1 ? "0" : "";
    radicand.AppendString(integer);
    integerPairs = radicand.Length() / 2;
    radicand.AppendString(fraction);
    return radicand;
}

}  // namespace

DecString TruncatedSquareRoot(const DecString& number, char separator, int32_t fractionDigits) {
    int32_t integerPairs = 0;
    const DecString radicand = ScaledRadicand(number, separator, fractionDigits, integerPairs);
    DecString root = integerPairs == 0 ? "0" : "";
    Digits remainder;
    Digits rootDigits;
    for (int32_t pair = 0; 2 * pair < radicand.Length(); ++pair) {
        if (pair == integerPairs) root.AppendChar(separator);
        AppendDigit(remainder, static_cast<uint8_t>(radicand.At(2 * pair) - '0'));
        AppendDigit(remainder, static_cast<uint8_t>(radicand.At(2 * pair + 1) - '0'));
        const uint8_t digit = NextRootDigit(remainder, rootDigits);
        AppendDigit(rootDigits, digit);
        root.AppendChar(static_cast<char>('0' + digit));
    }
    return root;
}

DecString SquareRootOf(const DecString& number, const NumberFormat& format) {
    const DecString root = TruncatedSquareRoot(number, format.DecimalSeparator, RootFractionDigits);
    return FormatNumberText(root, format);
}
