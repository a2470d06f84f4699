// The memory keys: MC, MR, MS, M+ and M-, the "M" indicator and the overflow message.
#include <gtest/gtest.h>

#include <string>

#include "calculator/memory.h"
#include "key_case.h"

namespace {

struct MemoryCase {
    const char* Name;
    const char* Settings;
    const char* Keys;
    const char* Panel;
    const char* MemoryIndicator;
    const char* MemoryValue;
    int Beeps;
};

void RunMemoryCases(const MemoryCase* begin, const MemoryCase* end) {
    for (const MemoryCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(std::string(c->Name) + ": " + c->Keys);
        KeypadDriver calc(c->Settings);
        calc.Press(c->Keys);
        EXPECT_EQ(calc.Panel(), c->Panel);
        EXPECT_EQ(calc.MemoryIndicator(), c->MemoryIndicator);
        EXPECT_EQ(std::string(calc.Context.MemoryValue.Text()), c->MemoryValue);
        EXPECT_EQ(calc.Host.Beeps, c->Beeps);
        EXPECT_TRUE(calc.Host.Messages.empty());
    }
}

TEST(MemoryKeys, WithEmptyAndFullMemory) {
    const MemoryCase cases[] = {
        {"add zero beeps", "", "0 M+", "0", "", "", 1},
        {"add zero with fraction beeps", "", "0 . 0 0 M+", "0.00", "", "", 1},
        {"subtract zero beeps", "", "0 M-", "0", "", "", 1},
        {"add to empty memory", "", "5 M+", "5", "M", "5", 0},
        {"recall after add", "", "5 M+ C MR", "5", "M", "5", 0},
        {"subtract from empty memory", "", "5 M-", "5", "M", "-5", 0},
        {"add twice", "", "3 M+ 4 M+ MR", "7", "M", "7", 0},
        {"add then subtract", "", "1 0 M+ 3 M- MR", "7", "M", "7", 0},
        {"subtract to zero keeps the memory", "", "4 M+ 4 M- MR", "0", "M", "0", 0},
        {"store zero", "", "0 MS", "0", "M", "0", 0},
        {"clear", "", "0 MS MC", "0", "", "", 0},
        {"clear twice beeps", "", "0 MS MC MC", "0", "", "", 1},
        {"clear an empty memory beeps", "", "MC", "0", "", "", 1},
        {"recall an empty memory beeps", "", "MR", "0", "", "", 1},
        {"store replaces", "", "5 M+ 8 MS MR", "8", "M", "8", 0},
        {"store without separators", FixedTwo, "1 2 3 4 . 5 MS C MR", "1234.5", "M", "1234.5", 0},
        {"add keeps the shown text", FixedTwo, "1 2 3 4 . 5 M+ C MR", "1,234.50", "M", "1,234.50",
         0},
        {"add to a grouped memory", "", "1 2 3 4 M+ 1 M+ MR", "1,235", "M", "1,235", 0},
        {"sum by the decimal places", FixedTwo, "1 / 3 = M+ MR", "0.33", "M", "0.33", 0},
        {"recalled value is an entry", "", "1 2 MS C MR 3", "123", "M", "12", 0},
        {"memory survives clear", "", "7 MS C CE MR", "7", "M", "7", 0},
        {"store leaves an entry going", "", "7 MS 8", "78", "M", "7", 0},
        {"store on the error beeps", "", "8 / 0 = MS", "ERROR", "", "", 1},
        {"add on the error beeps", "", "8 / 0 = M+", "ERROR", "", "", 1},
        {"subtract on the error beeps", "", "8 / 0 = M-", "ERROR", "", "", 1},
        {"recall on the error", "", "6 MS 8 / 0 = MR", "6", "M", "6", 0},
        {"comma as decimal separator", CommaDecimal, "1 , 5 M+ 2 M+ MR", "3,5", "M", "3,5", 0},
    };
    RunMemoryCases(std::begin(cases), std::end(cases));
}

TEST(MemoryKeys, AddEndsTheFirstOperandButKeepsThePendingOperator) {
    KeypadDriver calc;
    calc.Press("2 + 3 M+");
    EXPECT_EQ(calc.Panel(), "3");
    EXPECT_EQ(calc.OperatorIndicator(), "+");
    EXPECT_EQ(calc.Context.EntryState, EntryState::ResultShown);
    EXPECT_TRUE(calc.Context.OperandA == "");
    calc.Press("=");
    EXPECT_EQ(calc.Host.Beeps, 1);
    EXPECT_EQ(calc.Panel(), "3");
    calc.Press("4");
    EXPECT_EQ(calc.Panel(), "4");
}

TEST(MemoryKeys, RecalledValueWorksAsATypedOperand) {
    KeypadDriver calc;
    calc.Press("4 MS C 5 + MR =");
    EXPECT_EQ(calc.Panel(), "9");
}

TEST(MemoryKeys, OverflowShowsTheMessageAndKeepsTheMemory) {
    const struct {
        const char* Name;
        std::string Keys;
        const char* MemoryValue;
    } cases[] = {
        {"sum too long", std::string(TwentyFourNines) + " MS C 1 M+", "999999999999999999999999"},
        {"difference too long", std::string(TwentyFourNines) + " +- MS C 1 M-",
         "-999999999999999999999999"},
        {"first sum into an empty memory", std::string("C ") + TwentyFourNines + " M+ 1 M+",
         "999,999,999,999,999,999,999,999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        KeypadDriver calc;
        calc.Press(c.Keys);
        ASSERT_EQ(calc.Host.Messages.size(), 1u);
        EXPECT_EQ(calc.Host.Messages[0], MemoryOverflowMessage);
        EXPECT_EQ(calc.Host.PanelsUnderMessages[0], "1");
        EXPECT_EQ(calc.Panel(), "1");
        EXPECT_EQ(calc.MemoryIndicator(), "M");
        EXPECT_EQ(std::string(calc.Context.MemoryValue.Text()), c.MemoryValue);
        EXPECT_EQ(calc.Context.EntryState, EntryState::ResultShown);
        EXPECT_EQ(calc.Host.Beeps, 0);
    }
}

TEST(MemoryKeys, OverflowIntoAnEmptyMemoryLeavesZero) {
    // 24 digits fit the panel, but not with two fixed decimal places.
    KeypadDriver calc(FixedTwo);
    calc.Press(TwentyFourNines);
    calc.Press("M+");
    ASSERT_EQ(calc.Host.Messages.size(), 1u);
    EXPECT_EQ(std::string(calc.Context.MemoryValue.Text()), "0");
    EXPECT_EQ(calc.MemoryIndicator(), "M");
    EXPECT_EQ(calc.Panel(), "999,999,999,999,999,999,999,999");
    calc.Press("MR");
    EXPECT_EQ(calc.Panel(), "0");
}

TEST(MemoryKeys, EntryStateAfterEachKey) {
    const struct {
        const char* Keys;
        EntryState State;
    } cases[] = {
        {"5 M+", EntryState::ResultShown},   {"5 M-", EntryState::ResultShown},
        {"5 MS", EntryState::Entering},      {"C 5 MS MC", EntryState::Entering},
        {"5 MS C MR", EntryState::Entering}, {"C MR", EntryState::Cleared},
        {"0 M+", EntryState::Entering},      {"5 + MS", EntryState::OperatorPressed},
    };
    for (const auto& c : cases) {
        KeypadDriver calc;
        calc.Press(c.Keys);
        EXPECT_EQ(calc.Context.EntryState, c.State) << c.Keys;
    }
}

}  // namespace
