// Unicode clipboard text brought to code page 1252 before the Total and paste read it.
#include "total/code_page_text.h"

#include <gtest/gtest.h>

#include <string>

#include "keypad_driver.h"
#include "platform/platform.h"

namespace {

const struct {
    char32_t Character;
    char Mapped;
} CharacterCases[] = {
    {U'7', '7'},
    {U'\t', '\t'},
    {0x00A0, ' '},
    {0x2007, ' '},
    {0x202F, ' '},
    {0x2000, ' '},
    {0x200A, ' '},
    {0x2212, '-'},
    {0x2012, '-'},
    {0x2013, '-'},
    {0x2019, '\''},
    {0x02BC, '\''},
    {0xFF10, '0'},
    {0xFF19, '9'},
    {0x0660, '0'},
    {0x0669, '9'},
    {0x06F0, '0'},
    {0x06F9, '9'},
    {0x20AC, '\x80'},
    {0x00A3, '\xA3'},
    {0x00A5, '\xA5'},
    {0x00E9, '\xE9'},
    {0x201C, '\x93'},
    {0x2014, '\x97'},
    {0x20B9, OtherCurrencySign},  // rupee
    {0x20BD, OtherCurrencySign},  // rouble
    {0x20A9, OtherCurrencySign},  // won
    {0x0142, 'l'},                // the zloty's "z\u0142"
    {0x0141, 'L'},
    // What the code page cannot hold never becomes a digit, a separator or a '-'.
    {0x2011, UnmappedChar},  // non-breaking hyphen
    {0x066B, UnmappedChar},  // Arabic decimal separator
    {0x0966, UnmappedChar},  // Devanagari zero
    {0x00B7 + 0x2100, UnmappedChar},
    {0x0081, UnmappedChar},
    {0x1F600, UnmappedChar},
};

TEST(CodePageText, CharacterTable) {
    for (const auto& c : CharacterCases) {
        EXPECT_EQ(CodePageChar(c.Character), c.Mapped)
            << std::hex << static_cast<uint32_t>(c.Character);
    }
}

TEST(CodePageText, NoUnknownCharacterBecomesANumberCharacter) {
    for (char32_t c = 0x80; c < 0x30000; ++c) {
        const char mapped = CodePageChar(c);
        if ((mapped >= '0' && mapped <= '9') || mapped == '-' || mapped == '.' || mapped == ',') {
            const bool listed = (c >= 0xFF10 && c <= 0xFF19) || (c >= 0x0660 && c <= 0x0669) ||
                                (c >= 0x06F0 && c <= 0x06F9) || c == 0x2212 || c == 0x2012 ||
                                c == 0x2013;
            EXPECT_TRUE(listed) << std::hex << static_cast<uint32_t>(c);
        }
    }
}

TEST(CodePageText, Utf16AndUtf8) {
    const std::u16string utf16 = u"\u2212\u0661\u066C\u0662\uFF13 \U0001F600x\xD800y";
    EXPECT_EQ(MapUtf16ToCodePage(utf16),
              "-1\x1A"
              "23 \x1Ax\x1Ay");
    const struct {
        const char* Utf8;
        const char* Mapped;
    } cases[] = {
        {"\xE2\x88\x92"
         "5",
         "-5"},
        {"\xC2\xA0"
         "1\xE2\x80\xAF"
         "234",
         " 1 234"},
        {"\xE2\x82\xAC"
         "12",
         "\x80"
         "12"},
        {"\xF0\x9F\x98\x80"
         "1",
         "\x1A"
         "1"},
        {"\xC0\xB1"
         "2",
         "\x1A\x1A"
         "2"},  // an over-long form of "1"
        {"\xED\xA0\x80"
         "3",
         "\x1A\x1A\x1A"
         "3"},                     // a surrogate
        {"\xE2\x88", "\x1A\x1A"},  // cut short
        {"\xFF"
         "4",
         "\x1A"
         "4"},
    };
    for (const auto& c : cases) {
        std::string text = c.Utf8;
        MapUtf8ToCodePageInPlace(text);
        EXPECT_EQ(text, c.Mapped) << c.Utf8;
    }
}

// The mapped text through the Total: digits of other scripts sum, and an unmapped character
// stays skipped even where the user made an unusual choice of separators.
TEST(CodePageText, MappedTextSums) {
    KeypadDriver calc("[TOTAL]\nNUMBER_SEPARATORS = \x1A\n");
    calc.Host.Clipboard = MapUtf16ToCodePage(u"\u0661\u0662\u066B\u0665\n\u2212\u0663\u2011\u0664");
    calc.Press("T");
    EXPECT_EQ(calc.Panel(), "91");  // 125 - 34: the unmapped characters join digits
}

}  // namespace
