#include "decimal/dec_string.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

std::string Str(const DecString& s) {
    return std::string(s.Text(), s.Length());
}

// Every string must end in a zero byte right after its last byte.
void ExpectTerminated(const DecString& s) {
    EXPECT_EQ(s.Text()[s.Length()], '\0');
}

TEST(DecString, ConstructionForms) {
    const DecString empty;
    EXPECT_EQ(empty.Length(), 0);
    EXPECT_TRUE(empty == "");
    ExpectTerminated(empty);

    const DecString fromEmptyText("");
    EXPECT_EQ(fromEmptyText.Length(), 0);
    EXPECT_TRUE(fromEmptyText == "");

    const DecString fromNull(static_cast<const char*>(nullptr));
    EXPECT_EQ(fromNull.Length(), 0);

    EXPECT_EQ(DecString('\0').Length(), 0);
    EXPECT_EQ(Str(DecString('7')), "7");
}

TEST(DecString, CopiesAreDeepInlineAndOnTheHeap) {
    for (const std::string& text : {std::string("12.5"), std::string(300, '9')}) {
        DecString original(text.c_str());
        DecString copy = original;
        EXPECT_NE(copy.Text(), original.Text());
        original.SetAt(0, 'x');
        EXPECT_EQ(Str(copy), text);
        DecString assigned;
        assigned = copy;
        copy.AppendChar('1');
        EXPECT_EQ(Str(assigned), text);
        assigned = assigned;
        EXPECT_EQ(Str(assigned), text);
    }
}

TEST(DecString, MoveLeavesTheSourceEmpty) {
    for (const std::string& text : {std::string("5"), std::string(100, '4')}) {
        DecString source(text.c_str());
        DecString target(std::move(source));
        EXPECT_EQ(Str(target), text);
        EXPECT_EQ(source.Length(), 0);  // NOLINT: moved-from state is defined here
        ExpectTerminated(source);
        source = std::move(target);
        EXPECT_EQ(Str(source), text);
    }
}

TEST(DecString, AssignChar) {
    DecString s("123");
    s.AssignChar('4');
    EXPECT_EQ(Str(s), "4");
    s.AssignChar('\0');
    EXPECT_EQ(s.Length(), 0);
    ExpectTerminated(s);
}

TEST(DecString, AppendTextLeavesStringUnchangedForNullAndEmpty) {
    DecString s("ab");
    s.AppendText(nullptr);
    s.AppendText("");
    EXPECT_EQ(Str(s), "ab");
    s.AppendText("cd");
    EXPECT_EQ(Str(s), "abcd");
}

TEST(DecString, AppendStopsAtTheLengthCap) {
    const std::string almost(DecString::MaxStringLength - 1, 'a');
    DecString s(almost.c_str());
    ASSERT_EQ(s.Length(), DecString::MaxStringLength - 1);
    s.AppendText("bc");  // would make 16 777 217
    EXPECT_EQ(s.Length(), DecString::MaxStringLength - 1);
    s.AppendString(DecString("bc"));
    EXPECT_EQ(s.Length(), DecString::MaxStringLength - 1);
    s.AppendText("b");  // exactly 16 777 216
    EXPECT_EQ(s.Length(), DecString::MaxStringLength);
    EXPECT_EQ(s.Last(), 'b');
    ExpectTerminated(s);
    // One character and CR LF are not checked against the cap.
    s.AppendChar('c');
    s.AppendCrLf();
    EXPECT_EQ(s.Length(), DecString::MaxStringLength + 3);
}

TEST(DecString, ConstructionCutsTextAtTheCap) {
    const std::string longer(DecString::MaxStringLength + 10, 'z');
    const DecString s(longer.c_str());
    EXPECT_EQ(s.Length(), DecString::MaxStringLength);
    EXPECT_TRUE(s == longer.c_str());  // the measured length is capped too
}

TEST(DecString, AppendStringOfItself) {
    DecString small("ab");
    small.AppendString(small);
    EXPECT_EQ(Str(small), "abab");
    DecString big(std::string(40, 'x').c_str());
    big.AppendString(big);
    EXPECT_EQ(Str(big), std::string(80, 'x'));
}

TEST(DecString, AppendCharAndCrLf) {
    DecString s;
    s.AppendChar('\0');
    EXPECT_EQ(s.Length(), 0);
    s.AppendChar('x');
    s.AppendCrLf();
    EXPECT_EQ(Str(s), "x\r\n");
}

TEST(DecString, AppendIntegerCoversEveryThirtyTwoBitValue) {
    const struct {
        int32_t Value;
        const char* Text;
    } cases[] = {
        {0, "0"},
        {-5, "-5"},
        {7, "7"},
        {1000, "1000"},
        {INT_MAX, "2147483647"},
        {INT_MIN, "-2147483648"},
        {-999999999, "-999999999"},
    };
    for (const auto& c : cases) {
        DecString s("n=");
        s.AppendInteger(c.Value);
        EXPECT_EQ(Str(s), std::string("n=") + c.Text) << c.Value;
    }
}

TEST(DecString, FindChar) {
    const DecString s("1,234.5");
    EXPECT_EQ(s.FindChar(','), 1);
    EXPECT_EQ(s.FindChar('.'), 5);
    EXPECT_EQ(s.FindChar(',', 2), -1);
    EXPECT_EQ(s.FindChar('5', 6), 6);
    EXPECT_EQ(s.FindChar('1', s.Length()), -1);
    EXPECT_EQ(s.FindChar('1', 1000), -1);
    EXPECT_EQ(DecString().FindChar('1'), -1);
}

TEST(DecString, RemoveChar) {
    const struct {
        const char* Before;
        char Removed;
        const char* After;
    } cases[] = {
        {"-0-", '-', "0"}, {"1,234,567", ',', "1234567"}, {"---", '-', ""}, {"12.5", '-', "12.5"},
        {"", '-', ""},
    };
    for (const auto& c : cases) {
        DecString s(c.Before);
        s.RemoveChar(c.Removed);
        EXPECT_EQ(Str(s), c.After) << c.Before;
        ExpectTerminated(s);
    }
}

TEST(DecString, RemoveCharWithoutOccurrenceKeepsTheBuffer) {
    for (const std::string& text : {std::string("12.5"), std::string(90, '3')}) {
        DecString s(text.c_str());
        const char* before = s.Text();
        s.RemoveChar('-');
        EXPECT_EQ(s.Text(), before);
    }
}

TEST(DecString, RemoveCharShrinksFromHeapToInline) {
    std::string text(60, '1');
    for (int i = 0; i < 30; ++i) text[i * 2] = ',';
    DecString s(text.c_str());
    s.RemoveChar(',');
    EXPECT_EQ(Str(s), std::string(30, '1'));
    ExpectTerminated(s);
}

TEST(DecString, InsertChar) {
    const struct {
        const char* Before;
        int32_t Position;
        const char* After;
    } cases[] = {
        {"1234", 1, "1,234"}, {"5", 0, ",5"}, {"12", 2, "12"},
        {"12", -1, "12"},     {"", 0, ""},    {"12", 99, "12"},
    };
    for (const auto& c : cases) {
        DecString s(c.Before);
        s.InsertChar(c.Position, ',');
        EXPECT_EQ(Str(s), c.After) << c.Before << " at " << c.Position;
    }
}

TEST(DecString, InsertCharGrowsPastTheInlineBuffer) {
    std::string text(47, '9');
    DecString s(text.c_str());
    s.InsertChar(10, '.');
    text.insert(10, ".");
    EXPECT_EQ(Str(s), text);
    ExpectTerminated(s);
}

TEST(DecString, ReverseInPlace) {
    const struct {
        const char* Before;
        const char* After;
    } cases[] = {{"12.5", "5.21"}, {"7", "7"}, {"", ""}, {"-25", "52-"}};
    for (const auto& c : cases) {
        DecString s(c.Before);
        s.ReverseInPlace();
        EXPECT_EQ(Str(s), c.After);
        ExpectTerminated(s);
    }
}

TEST(DecString, EraseAndTruncate) {
    DecString s("-1234");
    s.EraseAt(0);
    EXPECT_EQ(Str(s), "1234");
    s.EraseAt(4);
    EXPECT_EQ(Str(s), "1234");
    s.Truncate(2);
    EXPECT_EQ(Str(s), "12");
    s.Truncate(5);
    EXPECT_EQ(Str(s), "12");
    s.Truncate(0);
    EXPECT_EQ(s.Length(), 0);
    ExpectTerminated(s);
}

TEST(DecString, ContainsAnyOf) {
    EXPECT_TRUE(DecString("1,5").ContainsAnyOf(",."));
    EXPECT_FALSE(DecString("15").ContainsAnyOf(",."));
    EXPECT_FALSE(DecString("15").ContainsAnyOf(""));
    EXPECT_FALSE(DecString().ContainsAnyOf(",."));
}

TEST(DecString, Equality) {
    EXPECT_TRUE(DecString("abc") == "abc");
    EXPECT_FALSE(DecString("abc") == "abcd");
    EXPECT_FALSE(DecString("abc") == "ab");
    EXPECT_TRUE(DecString("abc") == DecString("abc"));
    EXPECT_FALSE(DecString("abc") == DecString("abd"));
    EXPECT_TRUE(DecString() == DecString(""));
}

}  // namespace
