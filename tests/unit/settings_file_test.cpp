#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_platform.h"
#include "settings/setting_keys.h"

namespace {

CalcSettings Read(const std::string& text,
                  const SystemLocale& locale = FakePlatform::StandardLocale()) {
    CalcSettings settings;
    ReadSettings(settings, ParseProfileText(text.data(), static_cast<int32_t>(text.size())),
                 locale);
    return settings;
}

CalcSettings Defaults() {
    CalcSettings settings;
    LoadDefaultSettings(settings, FakePlatform::StandardLocale());
    return settings;
}

void ExpectSameSettings(const CalcSettings& a, const CalcSettings& b) {
    EXPECT_EQ(a.SCALE, b.SCALE);
    EXPECT_EQ(a.DECIMAL_SEPARATOR, b.DECIMAL_SEPARATOR);
    EXPECT_EQ(a.THOUSAND_SEPARATOR, b.THOUSAND_SEPARATOR);
    EXPECT_TRUE(a.FONT == b.FONT) << a.FONT.Text() << " / " << b.FONT.Text();
    EXPECT_TRUE(a.FONT_FOR_PANEL == b.FONT_FOR_PANEL);
    EXPECT_EQ(a.LEADING_ZERO, b.LEADING_ZERO);
    EXPECT_EQ(a.DIGIT_GROUPING, b.DIGIT_GROUPING);
    EXPECT_EQ(a.BACKGROUND_COLOR, b.BACKGROUND_COLOR);
    EXPECT_EQ(a.HOT_KEY_AS_CLICK, b.HOT_KEY_AS_CLICK);
    EXPECT_EQ(a.ROUND_MODE, b.ROUND_MODE);
    EXPECT_EQ(a.ROUND_TYPE, b.ROUND_TYPE);
    EXPECT_EQ(a.TOOL_TIPS, b.TOOL_TIPS);
    EXPECT_EQ(a.TAPE, b.TAPE);
    EXPECT_TRUE(a.TAPE_FILE == b.TAPE_FILE) << a.TAPE_FILE.Text();
    EXPECT_TRUE(a.TAPE_RECENT == b.TAPE_RECENT) << a.TAPE_RECENT.Text();
    EXPECT_EQ(a.ALWAYS_ON_TOP, b.ALWAYS_ON_TOP);
    EXPECT_EQ(a.ADD_MODE, b.ADD_MODE);
    EXPECT_EQ(a.WINDOW_X, b.WINDOW_X);
    EXPECT_EQ(a.WINDOW_Y, b.WINDOW_Y);
    EXPECT_TRUE(a.NUMBER_SEPARATORS == b.NUMBER_SEPARATORS)
        << "'" << a.NUMBER_SEPARATORS.Text() << "' / '" << b.NUMBER_SEPARATORS.Text() << "'";
    EXPECT_TRUE(a.DECIMAL_SEPARATORS == b.DECIMAL_SEPARATORS)
        << "'" << a.DECIMAL_SEPARATORS.Text() << "' / '" << b.DECIMAL_SEPARATORS.Text() << "'";
    EXPECT_EQ(a.WHOLE_CELLS, b.WHOLE_CELLS);
    EXPECT_EQ(a.CREDIT_DEBIT, b.CREDIT_DEBIT);
    EXPECT_TRUE(a.LANGUAGE == b.LANGUAGE) << a.LANGUAGE.Text() << " / " << b.LANGUAGE.Text();
}

TEST(ProfileText, ReaderSemantics) {
    const std::string text =
        "; a comment line\r\n"
        "stray = before any section\r\n"
        "[view]\r\n"
        "  Font   =   Courier New  \r\n"
        "QUOTED = \"  padded  \"\r\n"
        "SINGLE = 'x'\r\n"
        "MISMATCHED = \"abc'\r\n"
        "LONE = \"\r\n"
        "EMPTY =\r\n"
        "CTRL_Z = \x1A x\x1A \x1A\r\n"
        "NOEQUALS\r\n"
        "FONT = second occurrence\r\n"
        "[VIEW]\r\n"
        "LATER = only in the repeated section\r\n";
    const ProfileText p = ParseProfileText(text.data(), static_cast<int32_t>(text.size()));
    const struct {
        const char* Section;
        const char* Key;
        const char* Value;
    } cases[] = {
        {"VIEW", "FONT", "Courier New"},
        {"View", "font", "Courier New"},
        {"VIEW", "QUOTED", "  padded  "},
        {"VIEW", "SINGLE", "x"},
        {"VIEW", "MISMATCHED", "\"abc'"},
        {"VIEW", "LONE", "\""},
        {"VIEW", "EMPTY", ""},
        {"VIEW", "CTRL_Z", "x"},
        {"VIEW", "NOEQUALS", "(default)"},
        {"VIEW", "LATER", "(default)"},
        {"VIEW", "STRAY", "(default)"},
        {"COMMON", "FONT", "(default)"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(ProfileString(p, c.Section, c.Key, "(default)") == c.Value)
            << c.Section << "/" << c.Key << " gave "
            << ProfileString(p, c.Section, c.Key, "(default)").Text();
    }
}

// Where the platform's profile reader was seen to differ from ours: line ends, headers.
TEST(ProfileText, LinesAndHeadersAsThePlatformReadsThem) {
    const struct {
        const char* Rule;
        std::string Text;
        const char* Section;
        const char* Key;
        const char* Value;
    } cases[] = {
        {"a carriage return alone ends a line", "[VIEW]\rFONT = cr\rSCALE = 2\r", "VIEW", "SCALE",
         "2"},
        {"the first line before a lone CR", "[VIEW]\rFONT = cr\rSCALE = 2", "VIEW", "FONT", "cr"},
        {"mixed line ends", "[VIEW]\r\nA = 1\n\rB = 2\r\r\nC = 3", "VIEW", "B", "2"},
        {"a header without its bracket opens no section", "[VIEW\nSCALE = 2\n", "VIEW", "SCALE",
         "(default)"},
        {"so its keys stay in the section before", "[A]\n[VIEW\nSCALE = 2\n", "A", "SCALE", "2"},
        {"the name ends at the last bracket", "[VIEW]x]\nSCALE = 2\n", "VIEW]x", "SCALE", "2"},
        {"so no other section has the key", "[VIEW]x]\nSCALE = 2\n", "VIEW", "SCALE", "(default)"},
        {"text after the bracket is ignored", "[VIEW] trailing\nSCALE = 3\n", "VIEW", "SCALE", "3"},
        {"a line without an equals sign is no key", "[VIEW]\nSCALE\nSCALE = 1\n", "VIEW", "SCALE",
         "1"},
    };
    for (const auto& c : cases) {
        const ProfileText p = ParseProfileText(c.Text.data(), static_cast<int32_t>(c.Text.size()));
        EXPECT_TRUE(ProfileString(p, c.Section, c.Key, "(default)") == c.Value)
            << c.Rule << ": gave " << ProfileString(p, c.Section, c.Key, "(default)").Text();
    }
}

TEST(ProfileText, IntegersReadAsTheProfileReaderDoes) {
    const std::string text =
        "[S]\nA = 7\nB = -1\nC = x2\nD = 2x\nE =\nF = 99999999999\nG = -99999999999\nH = 0012\n";
    const ProfileText p = ParseProfileText(text.data(), static_cast<int32_t>(text.size()));
    const struct {
        const char* Key;
        int32_t Value;
    } cases[] = {{"A", 7},         {"B", -1},        {"C", 0},  {"D", 2},       {"E", 42},
                 {"F", INT32_MAX}, {"G", INT32_MIN}, {"H", 12}, {"MISSING", 42}};
    for (const auto& c : cases) EXPECT_EQ(ProfileInt(p, "S", c.Key, 42), c.Value) << c.Key;
}

TEST(ProfileText, ValuesAreCutTo259Characters) {
    const std::string text = "[VIEW]\r\nFONT = " + std::string(400, 'f') + "\r\n";
    const ProfileText p = ParseProfileText(text.data(), static_cast<int32_t>(text.size()));
    EXPECT_EQ(ProfileString(p, "VIEW", "FONT", "").Length(), 259);
}

TEST(ProfileText, SetValueOverridesWhatAReadWouldFind) {
    const std::string text = "[VIEW]\r\nSCALE = 2\r\n[VIEW]\r\nSCALE = 3\r\n";
    ProfileText p = ParseProfileText(text.data(), static_cast<int32_t>(text.size()));
    SetProfileValue(p, "VIEW", "scale", "0");
    SetProfileValue(p, "COMMON", "ROUND_MODE", " 1 ");
    EXPECT_EQ(ProfileInt(p, "VIEW", "SCALE", 9), 0);
    EXPECT_EQ(ProfileInt(p, "COMMON", "ROUND_MODE", 9), 1);
}

TEST(ReadSettings, NoFileGivesEveryDefault) {
    ExpectSameSettings(Read(""), Defaults());
}

// The numbered settings as the file stores them.
int32_t Scale(const CalcSettings& s) {
    return s.SCALE;
}
int32_t Grouping(const CalcSettings& s) {
    return static_cast<int32_t>(s.DIGIT_GROUPING);
}
int32_t Mode(const CalcSettings& s) {
    return static_cast<int32_t>(s.ROUND_MODE);
}
int32_t Type(const CalcSettings& s) {
    return static_cast<int32_t>(s.ROUND_TYPE);
}

TEST(ReadSettings, SingleValueFallBacks) {
    const struct {
        const char* Line;  // under [VIEW] unless it names its own section
        int32_t (*Field)(const CalcSettings&);
        int32_t Expected;
    } numbers[] = {
        {"[VIEW]\nSCALE = 7", Scale, 1},
        {"[VIEW]\nSCALE = -1", Scale, 1},
        {"[VIEW]\nSCALE = x", Scale, 0},
        {"[VIEW]\nSCALE = 2x", Scale, 2},
        {"[VIEW]\nSCALE =", Scale, 1},
        {"[VIEW]\nDIGIT_GROUPING = 3", Grouping, 1},
        {"[VIEW]\nDIGIT_GROUPING = 2", Grouping, 2},
        {"[COMMON]\nROUND_MODE = 4", Mode, 3},
        {"[COMMON]\nROUND_MODE = 0", Mode, 0},
        {"[COMMON]\nROUND_TYPE = 3", Type, 1},
        {"[COMMON]\nROUND_TYPE = 2", Type, 2},
        {"[VIEW]\nROUND_TYPE = 2", Type, 1},
    };
    for (const auto& c : numbers) EXPECT_EQ(c.Field(Read(c.Line)), c.Expected) << c.Line;
}

TEST(ReadSettings, Booleans) {
    EXPECT_TRUE(Read("[VIEW]\nLEADING_ZERO = no").LEADING_ZERO);
    EXPECT_FALSE(Read("[VIEW]\nLEADING_ZERO = NO").LEADING_ZERO);
    EXPECT_FALSE(Read("[VIEW]\nTOOL_TIPS = \"NO\"").TOOL_TIPS);
    EXPECT_FALSE(Read("[view]\nhot_key_as_click = NO").HOT_KEY_AS_CLICK);
    EXPECT_FALSE(Read("").TAPE);
    EXPECT_TRUE(Read("[VIEW]\nTAPE = YES").TAPE);
    EXPECT_FALSE(Read("[COMMON]\nTAPE = YES").TAPE);
    EXPECT_TRUE(Read("[VIEW]\nHOT_KEY_AS_CLICK = maybe").HOT_KEY_AS_CLICK);
    EXPECT_TRUE(Read("[TOTAL]\nWHOLE_CELLS = YES").WHOLE_CELLS);
    EXPECT_FALSE(Read("[TOTAL]\nWHOLE_CELLS = yes").WHOLE_CELLS);
    EXPECT_FALSE(Read("[VIEW]\nWHOLE_CELLS = YES").WHOLE_CELLS);
}

TEST(ReadSettings, Choices) {
    const struct {
        const char* Line;
        CreditDebit Read;
    } cases[] = {
        {"", CreditDebit::No},
        {"CREDIT_DEBIT = DR_NEGATIVE", CreditDebit::DrNegative},
        {"CREDIT_DEBIT = CR_NEGATIVE", CreditDebit::CrNegative},
        {"CREDIT_DEBIT = cr_negative", CreditDebit::No},
        {"CREDIT_DEBIT = 1", CreditDebit::No},
        {"CREDIT_DEBIT = YES", CreditDebit::No},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(std::string("[TOTAL]\n") + c.Line).CREDIT_DEBIT, c.Read) << c.Line;
    }
}

TEST(ReadSettings, Separators) {
    const struct {
        const char* Text;
        char Decimal;
        char Thousand;
    } cases[] = {
        {"[VIEW]\nTHOUSAND_SEPARATOR =", '.', ' '},
        {"[VIEW]\nDECIMAL_SEPARATOR = 5", '.', ','},
        {"[VIEW]\nDECIMAL_SEPARATOR = -", '.', ','},
        {"[VIEW]\nDECIMAL_SEPARATOR = ;;;", ';', ','},
        {"[VIEW]\nDECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR = .", ',', '.'},
        {"[VIEW]\nDECIMAL_SEPARATOR = ;\nTHOUSAND_SEPARATOR = ;", '.', ','},
        {"[VIEW]\nDECIMAL_SEPARATOR = ,", '.', ','},  // equal to the thousand separator
        {"[VIEW]\nDECIMAL_SEPARATOR = ' '", ' ', ','},
        {"[VIEW]\nDECIMAL_SEPARATOR = \x1A", ' ', ','},    // Ctrl-Z is a blank: an empty value
        {"[VIEW]\nDECIMAL_SEPARATOR = '\x1A'", '.', ','},  // UnmappedChar: paste would skip it
        {"[VIEW]\nTHOUSAND_SEPARATOR = '\x1A'", '.', ','},
    };
    for (const auto& c : cases) {
        const CalcSettings s = Read(c.Text);
        EXPECT_EQ(s.DECIMAL_SEPARATOR, c.Decimal) << c.Text;
        EXPECT_EQ(s.THOUSAND_SEPARATOR, c.Thousand) << c.Text;
    }
}

TEST(ReadSettings, EmptyLocaleGroupSymbolMakesTheSpaceTheThousandSeparator) {
    SystemLocale locale = FakePlatform::StandardLocale();
    locale.GroupSymbol = "";
    EXPECT_EQ(Read("", locale).THOUSAND_SEPARATOR, ' ');
}

TEST(ReadSettings, ColourFallsBackAsAWhole) {
    SystemLocale locale = FakePlatform::StandardLocale();
    locale.WindowColour = ColourFromRgb(10, 20, 30);
    const struct {
        const char* Text;
        uint32_t Colour;
    } cases[] = {
        {"[VIEW]\nBACKGROUND_COLOR_RED = 1\nBACKGROUND_COLOR_GREEN = 2\nBACKGROUND_COLOR_BLUE = 3",
         ColourFromRgb(1, 2, 3)},
        {"[VIEW]\nBACKGROUND_COLOR_RED = 300\nBACKGROUND_COLOR_GREEN = 2\nBACKGROUND_COLOR_BLUE = "
         "3",
         ColourFromRgb(10, 20, 30)},
        {"[VIEW]\nBACKGROUND_COLOR_BLUE = -1", ColourFromRgb(10, 20, 30)},
        {"[VIEW]\nBACKGROUND_COLOR_GREEN = 255", ColourFromRgb(10, 255, 30)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.Text, locale).BACKGROUND_COLOR, c.Colour) << c.Text;
}

TEST(ReadSettings, TotalSeparatorSets) {
    const struct {
        const char* Text;
        const char* Decimals;
        const char* Numbers;
    } cases[] = {
        {"[TOTAL]\nDECIMAL_SEPARATORS = ;:", ";:", ""},
        {"[TOTAL]\nDECIMAL_SEPARATORS = ;5", "", ""},
        {"[TOTAL]\nDECIMAL_SEPARATORS = ;\x1A:", ";:", ""},  // the Total always skipped it
        {"[TOTAL]\nNUMBER_SEPARATORS = \x1A", "", ""},
        {"[TOTAL]\nNUMBER_SEPARATORS = a-b", "", ""},
        {"[TOTAL]\nNUMBER_SEPARATORS = ; :\nSPACE_IS_NUMBER_SEPARATOR = YES", "", ";: "},
        {"[TOTAL]\nSPACE_IS_DECIMAL_SEPARATOR = YES", " ", ""},
        {"[TOTAL]\nSPACE_IS_DECIMAL_SEPARATOR = YES\nSPACE_IS_NUMBER_SEPARATOR = YES", "", " "},
        {"[TOTAL]\nDECIMAL_SEPARATORS = ;:\nNUMBER_SEPARATORS = :", "", ""},
        {"[TOTAL]\nNUMBER_SEPARATORS = .", "", ""},  // the view's decimal separator
        {"[TOTAL]\nDECIMAL_SEPARATORS = ,\nNUMBER_SEPARATORS = ;", ",", ";"},
    };
    for (const auto& c : cases) {
        const CalcSettings s = Read(c.Text);
        EXPECT_TRUE(s.DECIMAL_SEPARATORS == c.Decimals)
            << c.Text << " -> '" << s.DECIMAL_SEPARATORS.Text() << "'";
        EXPECT_TRUE(s.NUMBER_SEPARATORS == c.Numbers)
            << c.Text << " -> '" << s.NUMBER_SEPARATORS.Text() << "'";
    }
}

TEST(ReadSettings, LongFontNameIsCut) {
    const CalcSettings s = Read("[VIEW]\nFONT = " + std::string(300, 'F'));
    EXPECT_EQ(s.FONT.Length(), 259);
}

TEST(ReadSettings, FilesThatAreNoSettingsFilesGiveTheDefaults) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 7919) % 256));
    const std::string cases[] = {
        binary,
        std::string(2'000'000, 'x'),
        std::string(100'000, '\n'),
        "[VIEW\n[\n]\n=\n==\n[]\n",
        "[COMMON]\n[COMMON]\n[COMMON]\n",
        std::string("[VIEW]\0SCALE = 3\n", 17),
    };
    for (const std::string& text : cases) ExpectSameSettings(Read(text), Defaults());
}

TEST(WriteSettings, ExactBytes) {
    CalcSettings s = Defaults();
    s.BACKGROUND_COLOR = ColourFromRgb(1, 2, 3);
    s.NUMBER_SEPARATORS = "; ";
    s.DECIMAL_SEPARATORS = ":";
    s.THOUSAND_SEPARATOR = ' ';
    s.TAX_RATE = "7.25";
    const std::string expected =
        "[COMMON]\r\n"
        "ADD_MODE = NO\r\n"
        "ROUND_MODE = 3\r\n"
        "ROUND_TYPE = 1\r\n"
        "TAX_RATE = 7.25\r\n"
        "\r\n"
        "[TOTAL]\r\n"
        "CREDIT_DEBIT = NO\r\n"
        "DECIMAL_SEPARATORS = :\r\n"
        "NUMBER_SEPARATORS = ;\r\n"
        "SPACE_IS_DECIMAL_SEPARATOR = NO\r\n"
        "SPACE_IS_NUMBER_SEPARATOR = YES\r\n"
        "WHOLE_CELLS = NO\r\n"
        "\r\n"
        "[VIEW]\r\n"
        "ALWAYS_ON_TOP = NO\r\n"
        "BACKGROUND_COLOR_BLUE = 3\r\n"
        "BACKGROUND_COLOR_GREEN = 2\r\n"
        "BACKGROUND_COLOR_RED = 1\r\n"
        "BUSINESS_KEYS = NO\r\n"
        "DECIMAL_SEPARATOR = .\r\n"
        "DIGIT_GROUPING = 1\r\n"
        "FONT = Segmenta\r\n"
        "FONT_FOR_PANEL = Segmenta\r\n"
        "HOT_KEY_AS_CLICK = YES\r\n"
        "LANGUAGE = AUTO\r\n"
        "LEADING_ZERO = YES\r\n"
        "SCALE = 1\r\n"
        "TAPE = NO\r\n"
        "TAPE_FILE = \r\n"
        "TAPE_RECENT = \r\n"
        "TAPE_WIDTH = 0\r\n"
        "THEME = SYSTEM\r\n"
        "THOUSAND_SEPARATOR =  \r\n"
        "TOOL_TIPS = YES\r\n"
        "WINDOW_X = \r\n"
        "WINDOW_Y = \r\n";
    const DecString written = WriteSettings(s);
    EXPECT_EQ(std::string(written.Text(), written.Length()), expected);
}

TEST(WriteSettings, ZeroSeparatorIsWrittenAsNothing) {
    CalcSettings s = Defaults();
    s.THOUSAND_SEPARATOR = '\0';
    const DecString written = WriteSettings(s);
    EXPECT_NE(std::string(written.Text()).find("THOUSAND_SEPARATOR = \r\n"), std::string::npos);
}

TEST(WriteSettings, RoundTripKeepsEverySetting) {
    CalcSettings changed = Defaults();
    changed.SCALE = 3;
    changed.DECIMAL_SEPARATOR = ' ';
    changed.THOUSAND_SEPARATOR = '\'';
    changed.FONT = "Courier New";
    changed.FONT_FOR_PANEL = "Lucida Console";
    changed.LEADING_ZERO = false;
    changed.DIGIT_GROUPING = DigitGrouping::ThreeThenTwos;
    changed.BACKGROUND_COLOR = ColourFromRgb(255, 0, 128);
    changed.HOT_KEY_AS_CLICK = false;
    changed.ROUND_MODE = RoundMode::Fixed3;
    changed.ROUND_TYPE = RoundType::Down;
    changed.TOOL_TIPS = false;
    changed.TAPE = true;
    changed.TAPE_FILE = "C:\\Books\\March 2026.tape";
    changed.TAPE_RECENT = "C:\\Books\\March 2026.tape|D:\\a.tape";
    changed.NUMBER_SEPARATORS = ";|";
    changed.DECIMAL_SEPARATORS = ":, ";
    changed.WHOLE_CELLS = true;
    changed.CREDIT_DEBIT = CreditDebit::CrNegative;
    changed.LANGUAGE = "pt-BR";
    changed.ALWAYS_ON_TOP = true;
    changed.ADD_MODE = true;
    changed.WINDOW_X = -1250;
    changed.WINDOW_Y = 0;
    const DecString text = WriteSettings(changed);
    ExpectSameSettings(Read(std::string(text.Text(), text.Length())), changed);

    CalcSettings numberSpace = Defaults();
    numberSpace.NUMBER_SEPARATORS = "; ";
    const DecString second = WriteSettings(numberSpace);
    ExpectSameSettings(Read(std::string(second.Text(), second.Length())), numberSpace);
}

// Texts that are themselves enclosed in quotation marks, or start or end with a blank, survive
// the read's trimming and removal of one pair: a set typed as ';' in the Total dialog, a face
// name in quotes.
TEST(WriteSettings, RoundTripKeepsQuotedTexts) {
    const struct {
        const char* Decimal;
        const char* Number;
        const char* Font;
    } cases[] = {
        {"';'", "|", "\"Quoted Face\""},
        {"''", "\"\"", "'x'"},
        {"'", "\"", "\"\"double\"\""},
        {"\"'\"", ";", "'"},
        {"'; ", "\"|\"", "a'b'"},
        {"'", "\"|\" ", "''"},
        // Found by the settings fuzz target: blanks kept inside quotation marks.
        {"\t;", "|", "Face "},
        {";", "|\t", "\t Face"},
        {";", "|", "\x1A"},  // Ctrl-Z is a blank to the reader
    };
    for (const auto& c : cases) {
        CalcSettings quoted = Defaults();
        quoted.DECIMAL_SEPARATORS = c.Decimal;
        quoted.NUMBER_SEPARATORS = c.Number;
        quoted.FONT = c.Font;
        quoted.FONT_FOR_PANEL = c.Font;
        const DecString text = WriteSettings(quoted);
        CalcSettings read = Read(std::string(text.Text(), text.Length()));
        SCOPED_TRACE(text.Text());
        // A space is carried by its flag and comes back at the end of its set.
        DecString decimal(c.Decimal);
        DecString number(c.Number);
        if (decimal.FindChar(' ') >= 0) {
            decimal.RemoveChar(' ');
            decimal.AppendChar(' ');
        }
        if (number.FindChar(' ') >= 0) {
            number.RemoveChar(' ');
            number.AppendChar(' ');
        }
        quoted.DECIMAL_SEPARATORS = decimal;
        quoted.NUMBER_SEPARATORS = number;
        ExpectSameSettings(read, quoted);
    }
}

// A zero byte in the file ends the value it stands in: nothing after it can slip past the
// separator checks, which see the text only up to the zero.
TEST(ReadSettings, ZeroByteEndsAValue) {
    const std::string file(
        "[TOTAL]\nDECIMAL_SEPARATORS = ;\0"
        "5\n[VIEW]\nFONT = Face\0Tail\n",
        57);
    const CalcSettings read = Read(file);
    EXPECT_TRUE(read.DECIMAL_SEPARATORS == ";") << read.DECIMAL_SEPARATORS.Length();
    EXPECT_EQ(read.DECIMAL_SEPARATORS.Length(), 1);
    EXPECT_TRUE(read.FONT == "Face");
    EXPECT_EQ(read.FONT.Length(), 4);
    // Found by the settings fuzz target: blanks before the zero byte go as at a line end.
    const std::string blank("[VIEW]\nFONT = \"Face \0\0New\"\n", 27);
    EXPECT_TRUE(Read(blank).FONT == "\"Face") << Read(blank).FONT.Text();
}

// The corner is kept only whole and inside what window coordinates can hold.
TEST(ReadSettings, WindowPlaceIsBothCoordinatesInRange) {
    const struct {
        const char* File;
        int32_t X, Y;
    } cases[] = {
        {"", UnsavedPlace, UnsavedPlace},
        {"[VIEW]\nWINDOW_X = 120\nWINDOW_Y = -40", 120, -40},
        {"[VIEW]\nWINDOW_X = -32768\nWINDOW_Y = 32767", -32768, 32767},
        {"[VIEW]\nWINDOW_X = 120", UnsavedPlace, UnsavedPlace},
        {"[VIEW]\nWINDOW_X = 120\nWINDOW_Y =", UnsavedPlace, UnsavedPlace},
        {"[VIEW]\nWINDOW_X = 32768\nWINDOW_Y = 5", UnsavedPlace, UnsavedPlace},
        {"[VIEW]\nWINDOW_X = 5\nWINDOW_Y = -99999999999", UnsavedPlace, UnsavedPlace},
        {"[VIEW]\nWINDOW_X = left\nWINDOW_Y = 7", 0, 7},
        {"[COMMON]\nWINDOW_X = 1\nWINDOW_Y = 2", UnsavedPlace, UnsavedPlace},
    };
    for (const auto& c : cases) {
        const CalcSettings read = Read(c.File);
        EXPECT_EQ(read.WINDOW_X, c.X) << c.File;
        EXPECT_EQ(read.WINDOW_Y, c.Y) << c.File;
    }
}

TEST(ReadSettings, DeskSwitchesAreYesOrNo) {
    EXPECT_TRUE(Read("[VIEW]\nALWAYS_ON_TOP = YES").ALWAYS_ON_TOP);
    EXPECT_FALSE(Read("[VIEW]\nALWAYS_ON_TOP = yes").ALWAYS_ON_TOP);
    EXPECT_TRUE(Read("[COMMON]\nADD_MODE = YES").ADD_MODE);
    EXPECT_FALSE(Read("[VIEW]\nADD_MODE = YES").ADD_MODE);
    EXPECT_FALSE(Read("[COMMON]\nADD_MODE = 1").ADD_MODE);
}

TEST(SettingsKeys, EveryKeyHasItsSection) {
    EXPECT_STREQ(FindSettingKey("ROUND_MODE")->Section, "COMMON");
    EXPECT_STREQ(FindSettingKey("SPACE_IS_NUMBER_SEPARATOR")->Section, "TOTAL");
    EXPECT_STREQ(FindSettingKey("TOOL_TIPS")->Section, "VIEW");
    EXPECT_STREQ(FindSettingKey("ADD_MODE")->Section, "COMMON");
    EXPECT_STREQ(FindSettingKey("ALWAYS_ON_TOP")->Section, "VIEW");
    EXPECT_STREQ(FindSettingKey("WINDOW_Y")->Section, "VIEW");
    EXPECT_EQ(FindSettingKey("round_mode"), nullptr);
    EXPECT_EQ(FindSettingKey("BOGUS"), nullptr);
}

}  // namespace
