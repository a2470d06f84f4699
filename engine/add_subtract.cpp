#include "engine/add_subtract.h"

#include <utility>

#include "engine/digit_strings.h"
#include "engine/result_buffer.h"
#include "engine/show_result.h"

namespace {

// The operands split into signs and aligned reversed magnitudes.
struct AlignedOperands {
    bool NegativeA;
    bool NegativeB;
    DecString X;
    DecString Y;
};

AlignedOperands AlignOperands(const CalcContext& context) {
    AlignedOperands operands{context.OperandA.First() == '-', context.OperandB.First() == '-',
                             DecString(), DecString()};
    DecString a = context.OperandA;
    DecString b = context.OperandB;
    a.RemoveChar('-');
    b.RemoveChar('-');
    AlignFractions(context.Settings.DECIMAL_SEPARATOR, a, b, operands.X, operands.Y);
    return operands;
}

void AppendSign(ResultBuffer& buffer, bool negative) {
    if (negative) buffer.Append('-');
}

// |x| - |y| or |y| - |x|, whichever is not negative; `negativeWhenXLarger` is the sign of
// the result when |x| >= |y| (equal magnitudes included), and the other sign applies
// otherwise.
void SubtractMagnitudes(CalcContext& context, AlignedOperands& operands, bool negativeWhenXLarger) {
    ResultBuffer buffer;
    const char separator = context.Settings.DECIMAL_SEPARATOR;
    bool negative = negativeWhenXLarger;
    if (!CompareMagnitudes(operands.X, operands.Y)) {
        std::swap(operands.X, operands.Y);
        negative = !negativeWhenXLarger;
    }
    SubtractDigitStrings(buffer, separator, operands.X, operands.Y);
    AppendSign(buffer, negative);
    ShowResult(context, buffer);
}

void AddMagnitudes(CalcContext& context, const AlignedOperands& operands, bool negative) {
    ResultBuffer buffer;
    AddDigitStrings(buffer, context.Settings.DECIMAL_SEPARATOR, operands.X, operands.Y);
    AppendSign(buffer, negative);
    ShowResult(context, buffer);
}

}  // namespace

void AddNumbers(CalcContext& context) {
    AlignedOperands operands = AlignOperands(context);
    if (operands.NegativeA == operands.NegativeB) {
        AddMagnitudes(context, operands, operands.NegativeA);
    } else {
        SubtractMagnitudes(context, operands, operands.NegativeA);
    }
}

void SubtractNumbers(CalcContext& context) {
    AlignedOperands operands = AlignOperands(context);
    if (operands.NegativeA != operands.NegativeB) {
        AddMagnitudes(context, operands, operands.NegativeA);
    } else {
        SubtractMagnitudes(context, operands, operands.NegativeA);
    }
}
