#include "decimal/digit_strings.h"

#include <cstring>
#include <utility>

namespace {

int32_t DigitValue(char c) {
    return c - '0';
}
char DigitChar(int32_t value) {
    return static_cast<char>('0' + value);
}

char DigitAt(const DecString& text, int32_t i) {
    return i < text.Length() ? text.At(i) : '0';
}

// Reversed copy of a magnitude with a separator at the index that counts its fraction
// digits; the empty text stays empty and counts none.
DecString ReversedWithSeparator(char separator, const DecString& magnitude,
                                int32_t& fractionDigits) {
    DecString reversed = magnitude;
    reversed.ReverseInPlace();
    fractionDigits = 0;
    if (reversed.Empty()) return reversed;
    const int32_t index = reversed.FindChar(separator);
    if (index >= 0) {
        fractionDigits = index;
        return reversed;
    }
    DecString withSeparator(separator);
    withSeparator.AppendString(reversed);
    return withSeparator;
}

// Zeros at the least significant end of a reversed text.
void PadLowEnd(DecString& reversed, int32_t zeros) {
    if (zeros <= 0 || reversed.Empty()) return;
    DecString padded;
    for (int32_t i = 0; i < zeros; ++i) padded.AppendChar('0');
    padded.AppendString(reversed);
    reversed = std::move(padded);
}

bool HoldsNonZeroDigit(const DecString& text) {
    for (int32_t i = 0; i < text.Length(); ++i) {
        if (text.At(i) >= '1' && text.At(i) <= '9') return true;
    }
    return false;
}

// Length of a reversed text without the zeros at its most significant end. Every zero counts
// none, so the empty text (which is aligned without a separator) equals "0." and "0.00".
int32_t SignificantLength(const DecString& reversed) {
    if (!HoldsNonZeroDigit(reversed)) return 0;
    int32_t length = reversed.Length();
    while (length > 0 && reversed.At(length - 1) == '0') --length;
    return length;
}

}  // namespace

void AlignFractions(char separator, const DecString& a, const DecString& b, DecString& x,
                    DecString& y) {
    int32_t fractionX = 0;
    int32_t fractionY = 0;
    x = ReversedWithSeparator(separator, a, fractionX);
    y = ReversedWithSeparator(separator, b, fractionY);
    if (fractionX < fractionY) {
        PadLowEnd(x, fractionY - fractionX);
    } else {
        PadLowEnd(y, fractionX - fractionY);
    }
}

void AddDigitStrings(ResultBuffer& buffer, char separator, const DecString& x, const DecString& y) {
    const int32_t n = x.Length() > y.Length() ? x.Length() : y.Length();
    int32_t carry = 0;
    for (int32_t i = 0; i < n; ++i) {
        const char a = DigitAt(x, i);
        const char b = DigitAt(y, i);
        if (a == separator || b == separator) {
            buffer.Append(separator);
            continue;
        }
        const int32_t sum = DigitValue(a) + DigitValue(b) + carry;
        carry = sum >= 10 ? 1 : 0;
        buffer.Append(DigitChar(sum - 10 * carry));
    }
    if (carry != 0) buffer.Append('1');
}

void SubtractDigitStrings(ResultBuffer& buffer, char separator, const DecString& x,
                          const DecString& y) {
    int32_t borrow = 0;
    for (int32_t i = 0; i < x.Length(); ++i) {
        const char a = x.At(i);
        if (a == separator) {
            buffer.Append(separator);
            continue;
        }
        int32_t difference = DigitValue(a) - DigitValue(DigitAt(y, i)) - borrow;
        borrow = difference < 0 ? 1 : 0;
        buffer.Append(DigitChar(difference + 10 * borrow));
    }
}

bool CompareMagnitudes(const DecString& x, const DecString& y) {
    const int32_t lengthX = SignificantLength(x);
    const int32_t lengthY = SignificantLength(y);
    if (lengthX != lengthY) return lengthX > lengthY;
    for (int32_t i = lengthX - 1; i >= 0; --i) {
        if (x.At(i) != y.At(i)) return x.At(i) > y.At(i);
    }
    return true;
}

bool CompareIntegerTexts(const DecString& p, const DecString& q) {
    int32_t startP = 0;
    int32_t startQ = 0;
    while (startP < p.Length() && p.At(startP) == '0') ++startP;
    while (startQ < q.Length() && q.At(startQ) == '0') ++startQ;
    const int32_t lengthP = p.Length() - startP;
    const int32_t lengthQ = q.Length() - startQ;
    if (lengthP != lengthQ) return lengthP > lengthQ;
    const int order = std::memcmp(p.Text() + startP, q.Text() + startQ, lengthP);
    return order >= 0;
}
