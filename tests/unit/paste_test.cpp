#include "calculator/paste.h"

#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "keypad_driver.h"

namespace {

constexpr const char* NoNumber = "There is no valid number in clipboard.";

struct PasteCase {
    const char* Rule;
    const char* Settings;
    std::string Clipboard;
    const char* Panel;
    const char* Message;
};

const PasteCase PasteCases[] = {
    {"spaces around a negative number", "", "  -42  ", "-42", ""},
    {"price with currency and thousands", "", "Price: USD 1,234.56", "1,234.56", ""},
    {"point while the separator is a comma",
     "[VIEW]\nDECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR = .", "3.75", "375", ""},
    {"grouped with space and comma",
     "[VIEW]\nDECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR =", "1 234,5", "1 234,5", ""},
    {"fixed places apply", "[COMMON]\nROUND_MODE = 1", "2.345", "2.35", ""},
    {"inner minus dropped", "", "555-1234", "5,551,234", ""},
    {"trailing separators dropped", "", "Total: 99.95.", "99.95", ""},
    {"two separators", "", "12.05.2026", "ERROR", ""},
    {"too long to show", "", std::string(30, '9'), "ERROR", ""},
    {"long fraction is rounded", "", "0." + std::string(400, '3'), "0.3333333333333333333333", ""},
    {"more than a result holds", "", "0." + std::string(600, '3'), "ERROR", ""},
    {"megabyte of digits", "", std::string(1 << 20, '8'), "ERROR", ""},
    {"number after 16 MiB of text", "", std::string(1 << 24, 'x') + "42", "42", ""},
    {"lone minus", "", "-", "0", ""},
    {"letters only", "", "abc", "0", NoNumber},
    {"empty clipboard", "", "", "0", NoNumber},
};

void PrintTo(const PasteCase& c, std::ostream* out) {
    *out << c.Rule;
}

class Paste : public testing::TestWithParam<PasteCase> {};

TEST_P(Paste, Panel) {
    const PasteCase& c = GetParam();
    KeypadDriver calc(c.Settings);
    calc.Host.Clipboard = c.Clipboard.c_str();
    PasteFromClipboard(calc.Context);
    EXPECT_EQ(calc.Panel(), c.Panel);
    if (*c.Message) {
        ASSERT_EQ(calc.Host.Messages.size(), 1u);
        EXPECT_EQ(calc.Host.Messages[0], c.Message);
        EXPECT_EQ(calc.Context.EntryState, EntryState::Cleared);
    } else {
        EXPECT_TRUE(calc.Host.Messages.empty());
        EXPECT_EQ(calc.Context.EntryState, EntryState::Entering);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Paste, testing::ValuesIn(PasteCases), CASE_NAMES(PasteCase, Rule));

TEST(PasteCollect, KeepsOnlyNumberCharacters) {
    CalcSettings s;
    s.DECIMAL_SEPARATOR = '.';
    s.THOUSAND_SEPARATOR = ',';
    const struct {
        const char* Text;
        const char* Number;
    } cases[] = {
        {"a-1b2", "-12"}, {"1-2-3", "123"}, {"--5", "-5"}, {"5..", "5"},
        {"x.y", ""},      {"1.5.", "1.5"},  {".5", ".5"},  {"1.2.3", "ERROR"},
    };
    for (const auto& c : cases) {
        const PastedNumber pasted = CollectPastedNumber(s, c.Text);
        EXPECT_TRUE(pasted.Found) << c.Text;
        EXPECT_TRUE(pasted.Text == c.Number) << c.Text << " gave " << pasted.Text.Text();
    }
    EXPECT_FALSE(CollectPastedNumber(s, "no number here").Found);
}

TEST(PasteKey, APastedNumberIsExtendedByDigits) {
    KeypadDriver calc;
    calc.Host.Clipboard = "12";
    PasteFromClipboard(calc.Context);
    calc.Press("3");
    EXPECT_EQ(calc.Panel(), "123");
}

TEST(PasteKey, ErrorIsLeftByTheNextDigit) {
    KeypadDriver calc;
    calc.Host.Clipboard = "1.2.3";
    PasteFromClipboard(calc.Context);
    calc.Press("4");
    EXPECT_EQ(calc.Panel(), "4");
}

}  // namespace
