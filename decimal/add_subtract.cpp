#include "decimal/add_subtract.h"

#include <utility>

#include "decimal/digit_strings.h"
#include "decimal/format_result.h"
#include "decimal/result_buffer.h"

namespace {

// The operands split into signs and aligned reversed magnitudes.
struct AlignedOperands {
    bool NegativeA;
    bool NegativeB;
    DecString X;
    DecString Y;
};

AlignedOperands AlignOperands(const DecString& a, const DecString& b, char separator) {
    AlignedOperands operands{a.First() == '-', b.First() == '-', DecString(), DecString()};
    DecString magnitudeA = a;
    DecString magnitudeB = b;
    magnitudeA.RemoveChar('-');
    magnitudeB.RemoveChar('-');
    AlignFractions(separator, magnitudeA, magnitudeB, operands.X, operands.Y);
    return operands;
}

void AppendSign(ResultBuffer& buffer, bool negative) {
    if (negative) buffer.Append('-');
}

// |x| - |y| or |y| - |x|, whichever is not negative; `negativeWhenXLarger` is the sign of
// the result when |x| >= |y| (equal magnitudes included), and the other sign applies
// otherwise.
DecString SubtractMagnitudes(AlignedOperands& operands, bool negativeWhenXLarger,
                             const NumberFormat& format) {
    ResultBuffer buffer;
    const char separator = format.DecimalSeparator;
    bool negative = negativeWhenXLarger;
    if (!CompareMagnitudes(operands.X, operands.Y)) {
        std::swap(operands.X, operands.Y);
        negative = !negativeWhenXLarger;
    }
    SubtractDigitStrings(buffer, separator, operands.X, operands.Y);
    AppendSign(buffer, negative);
    return FormatResult(buffer, format);
}

DecString AddMagnitudes(const AlignedOperands& operands, bool negative,
                        const NumberFormat& format) {
    ResultBuffer buffer;
    AddDigitStrings(buffer, format.DecimalSeparator, operands.X, operands.Y);
    AppendSign(buffer, negative);
    return FormatResult(buffer, format);
}

}  // namespace

DecString AddNumbers(const DecString& a, const DecString& b, const NumberFormat& format) {
    AlignedOperands operands = AlignOperands(a, b, format.DecimalSeparator);
    if (operands.NegativeA == operands.NegativeB) {
        return AddMagnitudes(operands, operands.NegativeA, format);
    }
    return SubtractMagnitudes(operands, operands.NegativeA, format);
}

DecString SubtractNumbers(const DecString& a, const DecString& b, const NumberFormat& format) {
    AlignedOperands operands = AlignOperands(a, b, format.DecimalSeparator);
    if (operands.NegativeA != operands.NegativeB) {
        return AddMagnitudes(operands, operands.NegativeA, format);
    }
    return SubtractMagnitudes(operands, operands.NegativeA, format);
}
