#include "decimal/multiply_divide.h"

#include "decimal/digit_strings.h"
#include "decimal/format_result.h"
#include "decimal/number_text.h"
#include "decimal/result_buffer.h"

namespace {

bool IsAllZeros(const DecString& digits) {
    for (int32_t i = 0; i < digits.Length(); ++i) {
        if (digits.At(i) != '0') return false;
    }
    return true;
}

int32_t DigitValue(char c) {
    return c - '0';
}
char DigitChar(int32_t value) {
    return static_cast<char>('0' + value);
}

// "-" when exactly one operand is negative.
bool ProductIsNegative(const DecString& a, const DecString& b) {
    return (a.First() == '-') != (b.First() == '-');
}

// A magnitude reversed, with its separator taken out; `fractionDigits` receives how many
// digits stood behind the separator.
DecString ReversedDigits(const DecString& operand, char separator, int32_t& fractionDigits) {
    DecString digits = operand;
    digits.RemoveChar('-');
    digits.ReverseInPlace();
    fractionDigits = digits.FindChar(separator);
    if (fractionDigits < 0) fractionDigits = 0;
    digits.RemoveChar(separator);
    return digits;
}

// The reversed partial product of y by one digit, shifted up by `shift` places.
void WritePartialProduct(ResultBuffer& partial, const DecString& y, int32_t digit, int32_t shift) {
    partial.Clear();
    for (int32_t i = 0; i < shift; ++i) partial.Append('0');
    int32_t carry = 0;
    for (int32_t j = 0; j < y.Length(); ++j) {
        const int32_t t = DigitValue(y.At(j)) * digit + carry;
        partial.Append(DigitChar(t % 10));
        carry = t / 10;
    }
    if (carry != 0) partial.Append(DigitChar(carry));
}

// Places the separator `fractionDigits` digits up in the reversed product, adding integer
// zeros when the product has no integer digit of its own.
void PlaceSeparator(DecString& product, char separator, int32_t fractionDigits) {
    if (fractionDigits == 0) return;
    while (product.Length() <= fractionDigits) product.AppendChar('0');
    product.InsertChar(fractionDigits, separator);
}

void DropTrailingSeparator(DecString& text, char separator) {
    if (!text.Empty() && text.Last() == separator) text.Truncate(text.Length() - 1);
}

// Multiplies a number text by ten: the separator moves one place right, or a zero is
// appended when there is none. A separator that would end the text is dropped.
void ShiftByOnePlace(DecString& text, char separator) {
    const int32_t index = text.FindChar(separator);
    if (index < 0) {
        text.AppendChar('0');
        return;
    }
    const int32_t following = text.Length() - index - 1;
    text.EraseAt(index);
    if (following >= 2) text.InsertChar(index + 1, separator);
}

// Scales dividend and divisor by the same power of ten until both are digit strings.
void ScaleToIntegers(DecString& dividend, DecString& divisor, char separator) {
    while (dividend.FindChar(separator) >= 0 || divisor.FindChar(separator) >= 0) {
        ShiftByOnePlace(dividend, separator);
        ShiftByOnePlace(divisor, separator);
    }
}

void StripLeadingZeros(DecString& digits) {
    int32_t start = 0;
    while (start < digits.Length() && digits.At(start) == '0') ++start;
    if (start > 0) digits.AssignBytes(digits.Text() + start, digits.Length() - start);
}

// remainder - divisor on normal-order digit strings, remainder >= divisor; the difference
// keeps the remainder's length. False when the work buffer could not hold it.
bool SubtractFromRemainder(DecString& remainder, const DecString& divisor, char separator) {
    DecString x = remainder;
    DecString y = divisor;
    x.ReverseInPlace();
    y.ReverseInPlace();
    ResultBuffer buffer;
    SubtractDigitStrings(buffer, separator, x, y);
    remainder = buffer.Text();
    remainder.ReverseInPlace();
    return !buffer.Overflowed();
}

// Long division of two digit strings without leading zeros, dividend not empty. The
// quotient stops growing at MaxQuotientLength characters and is truncated there. False
// when a remainder outgrew the work buffer.
bool DivideDigitStrings(DecString dividend, DecString divisor, char separator,
                        DecString& quotient) {
    quotient = "";
    while (!CompareIntegerTexts(dividend, divisor)) {
        if (quotient.FindChar(separator) < 0) {
            quotient = "0";
            quotient.AppendChar(separator);
        } else {
            quotient.AppendChar('0');
        }
        dividend.AppendChar('0');
    }
    // k: the power of ten of the next quotient digit.
    int32_t k = 0;
    DecString tenfold = divisor;
    tenfold.AppendChar('0');
    while (CompareIntegerTexts(dividend, tenfold)) {
        ++k;
        divisor = tenfold;
        tenfold.AppendChar('0');
    }
    for (;;) {
        int32_t digit = 0;
        while (CompareIntegerTexts(dividend, divisor)) {
            if (!SubtractFromRemainder(dividend, divisor, separator)) return false;
            ++digit;
        }
        quotient.AppendChar(DigitChar(digit));
        dividend.AppendChar('0');
        if (k < 0 && quotient.FindChar(separator) < 0) {
            quotient.InsertChar(quotient.Length() - 1, separator);
        }
        if (IsAllZeros(dividend) || quotient.Length() >= MaxQuotientLength) break;
        --k;
    }
    for (; k > 0; --k) quotient.AppendChar('0');
    return true;
}

}  // namespace

DecString MultiplyNumbers(const DecString& a, const DecString& b, const NumberFormat& format) {
    const char separator = format.DecimalSeparator;
    int32_t fractionX = 0;
    int32_t fractionY = 0;
    const DecString x = ReversedDigits(a, separator, fractionX);
    const DecString y = ReversedDigits(b, separator, fractionY);

    ResultBuffer sum;
    ResultBuffer partial;
    for (int32_t i = 0; i < x.Length() && !sum.Overflowed(); ++i) {
        WritePartialProduct(partial, y, DigitValue(x.At(i)), i);
        const DecString runningSum = sum.Text();
        sum.Clear();
        AddDigitStrings(sum, separator, partial.Text(), runningSum);
        if (partial.Overflowed()) sum.MarkOverflowed();
    }
    if (sum.Overflowed()) return FormatResult(sum, format);
    DecString product = sum.Text();
    PlaceSeparator(product, separator, fractionX + fractionY);
    if (ProductIsNegative(a, b)) product.AppendChar('-');
    sum.Assign(product);
    return FormatResult(sum, format);
}

DecString DivideNumbers(const DecString& a, const DecString& b, const NumberFormat& format) {
    const char separator = format.DecimalSeparator;
    if (IsZeroNumber(format, b)) return ErrorText;
    DecString dividend = a;
    DecString divisor = b;
    dividend.RemoveChar('-');
    divisor.RemoveChar('-');
    DropTrailingSeparator(dividend, separator);
    DropTrailingSeparator(divisor, separator);
    ScaleToIntegers(dividend, divisor, separator);
    StripLeadingZeros(dividend);
    StripLeadingZeros(divisor);

    ResultBuffer buffer;
    DecString quotient("0");
    if (!dividend.Empty() && !DivideDigitStrings(dividend, divisor, separator, quotient)) {
        buffer.MarkOverflowed();
    }
    quotient.ReverseInPlace();
    buffer.AppendText(quotient);
    if (ProductIsNegative(a, b)) buffer.Append('-');
    return FormatResult(buffer, format);
}
