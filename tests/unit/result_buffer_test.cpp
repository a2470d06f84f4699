// The work buffer's bound: texts up to its capacity are held, longer ones mark it
// overflowed, and every operation shows "ERROR" for a result it cannot hold.
#include "decimal/result_buffer.h"

#include <gtest/gtest.h>

#include <string>

#include "decimal/add_subtract.h"
#include "decimal/format_result.h"
#include "decimal/multiply_divide.h"
#include "decimal/number_text.h"
#include "settings/calc_settings.h"

namespace {

DecString Repeated(char c, int count) {
    return DecString(std::string(count, c).c_str());
}

class ResultBufferTest : public ::testing::Test {
   protected:
    NumberFormat format;  // floating places, Mathematical, '.' and ',' in threes
};

TEST_F(ResultBufferTest, HoldsUpToItsCapacityAndMarksTheFirstByteTooMany) {
    ResultBuffer buffer;
    buffer.AppendText(Repeated('7', ResultBuffer::MaxTextLength));
    EXPECT_FALSE(buffer.Overflowed());
    EXPECT_EQ(buffer.Length(), 511);
    buffer.Append('7');
    EXPECT_TRUE(buffer.Overflowed());
    EXPECT_EQ(buffer.Length(), 511);
    buffer.Clear();
    EXPECT_FALSE(buffer.Overflowed());
    EXPECT_TRUE(buffer.Text() == "");
}

TEST_F(ResultBufferTest, ANumberThatFitsTheBufferIsShownWhateverItsLength) {
    DecString text = Repeated('0', 510);
    text.AppendChar('1');
    const DecString shown = FormatNumberText(text, format);
    EXPECT_TRUE(shown == "1") << shown.Text();
}

TEST_F(ResultBufferTest, TextsLongerThanTheBufferShowError) {
    struct Case {
        const char* Name;
        DecString Text;
    };
    DecString tiny("0.");
    tiny.AppendString(Repeated('0', 600));
    tiny.AppendChar('1');
    DecString zeros = Repeated('0', 511);
    zeros.AppendChar('5');
    const Case cases[] = {
        {"600 digits", Repeated('1', 600)}, {"tiny fraction", tiny}, {"512 characters", zeros}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const DecString shown = FormatNumberText(c.Text, format);
        EXPECT_TRUE(shown == ErrorText) << shown.Text();
    }
}

TEST_F(ResultBufferTest, OperationsOnOverlongOperandsShowErrorAndKeepTheOperands) {
    struct Case {
        const char* Name;
        NumberOperation Operation;
        DecString A;
        DecString B;
    };
    DecString small("0.");
    small.AppendString(Repeated('0', 520));
    small.AppendChar('3');
    const Case cases[] = {
        {"sum of 600 digits", AddNumbers, Repeated('9', 600), "1"},
        {"difference of 600 digits", SubtractNumbers, "1", Repeated('9', 600)},
        {"product of 300 by 300 digits", MultiplyNumbers, Repeated('9', 300), Repeated('9', 300)},
        {"product with a partial too long", MultiplyNumbers, "2", Repeated('9', 600)},
        {"quotient of 600 digits", DivideNumbers, Repeated('9', 600), "3"},
        {"quotient of a tiny divisor", DivideNumbers, "1", small},
        {"quotient of a tiny dividend", DivideNumbers, small, "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const DecString a = c.A;
        const DecString b = c.B;
        const DecString shown = c.Operation(a, b, format);
        EXPECT_TRUE(shown == ErrorText) << shown.Text();
        EXPECT_TRUE(a == c.A);
        EXPECT_TRUE(b == c.B);
    }
}

}  // namespace
