// The work buffer's bound: texts up to its capacity are held, longer ones mark it
// overflowed, and every operation shows "ERROR" for a result it cannot hold.
#include "engine/result_buffer.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/add_subtract.h"
#include "engine/calc_context.h"
#include "engine/multiply_divide.h"
#include "engine/show_result.h"
#include "fake_platform.h"

namespace {

DecString Repeated(char c, int count) {
    return DecString(std::string(count, c).c_str());
}

class ResultBufferTest : public ::testing::Test {
   protected:
    ResultBufferTest() : context(platform) {
        LoadDefaultSettings(context.Settings, FakePlatform::StandardLocale());
    }
    FakePlatform platform;
    CalcContext context;
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
    ShowNumberText(context, text);
    EXPECT_TRUE(context.PanelText == "1") << context.PanelText.Text();
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
        context.PanelText = "0";
        ShowNumberText(context, c.Text);
        EXPECT_TRUE(context.PanelText == ErrorText) << context.PanelText.Text();
    }
}

TEST_F(ResultBufferTest, OperationsOnOverlongOperandsShowErrorAndKeepTheOperands) {
    struct Case {
        const char* Name;
        void (*Operation)(CalcContext&);
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
        context.PanelText = "0";
        context.OperandA = c.A;
        context.OperandB = c.B;
        c.Operation(context);
        EXPECT_TRUE(context.PanelText == ErrorText) << context.PanelText.Text();
        EXPECT_TRUE(context.OperandA == c.A);
        EXPECT_TRUE(context.OperandB == c.B);
    }
}

}  // namespace
