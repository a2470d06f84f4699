// The tape: what each key writes, corrections by replay, notes, the file and its bounds.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "calculator/paste.h"
#include "calculator/separator_change.h"
#include "keypad_driver.h"
#include "tape/tape_file.h"
#include "tape/tape_keeper.h"
#include "tape/tape_layout.h"
#include "tape/tape_replay.h"

namespace {

constexpr const char* TapePath = "Quillon.tape";
// The version line of a tape written with the standard separators.
const std::string Header = "QUILLON TAPE 2\t.\t,\r\n";

struct TapeDriver {
    KeypadDriver Calc;
    TapeKeeper Keeper;

    explicit TapeDriver(const std::string& clipboard = "", const std::string& file = "") {
        Calc.Host.Clipboard = clipboard;
        if (!file.empty()) Calc.Host.Files[TapePath] = file;
        StartTape(Keeper, Calc.Context, TapePath);
    }

    // Keys as labels; PASTE runs the paste command.
    TapeDriver& Press(const std::string& keys) {
        std::istringstream tokens(keys);
        std::string token;
        while (tokens >> token) {
            if (token == "PASTE") {
                PasteFromClipboard(Calc.Context);
            } else {
                Calc.Press(token);
            }
        }
        return *this;
    }

    // Each line as "key role number count", the file's fields without the note.
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (const TapeEntry& entry : Keeper.Lines.Lines) {
            std::string line = TapeFileLine(entry);
            line.erase(line.find_last_of('\t'));
            for (char& c : line) c = c == '\t' ? ' ' : c;
            lines.push_back(line);
        }
        return lines;
    }

    std::string File() const { return Calc.Host.Files.at(TapePath); }
};

using Lines = std::vector<std::string>;

struct RecordCase {
    const char* Keys;
    const char* Clipboard;
    Lines Expected;
};

TEST(Tape, WhatEachKeyWrites) {
    const RecordCase cases[] = {
        {"1 2 <- 3 CE 4 +- +- 00", "", {}},
        {"1 2 + 3 - 1 =", "", {"+ start 12 0", "- entry 3 0", "= entry 1 0", "= result 14 3"}},
        {"2 * 3 =", "", {"* start 2 0", "= entry 3 0", "= result 6 0"}},
        {"5 + = =",
         "",
         {"+ start 5 0", "= shown 5 0", "= result 10 2", "= shown 5 0", "= result 15 3"}},
        {"2 + 3 = * 4 =",
         "",
         {"+ start 2 0", "= entry 3 0", "= result 5 2", "* shown 5 0", "= entry 4 0",
          "= result 20 0"}},
        {"8 / 0 =", "", {"/ start 8 0", "= entry 0 0", "= result ERROR 0"}},
        {"8 / 0 = + =", "", {"/ start 8 0", "= entry 0 0", "= result ERROR 0"}},
        {"5 + + * 3 =", "", {"+ start 5 0", "* shown 5 0", "= entry 3 0", "= result 15 0"}},
        {"7 =", "", {"= start 7 0"}},
        {"1 + 2 = +-", "", {"+ start 1 0", "= entry 2 0", "= result 3 2", "+- shown -3 0"}},
        {"2 0 0 + 5 %", "", {"+ start 200 0", "% entry 5 0", "% result 210 0"}},
        {"5 0 + %", "", {"+ start 50 0", "% shown 50 0", "% result 75 0"}},
        {"% 9 SQR", "", {"SQR start 9 0", "SQR result 3 0"}},
        {"4 +- SQR", "", {"SQR start -4 0"}},
        {"8 1/X 0 1/X", "", {"1/X start 8 0", "1/X result 0.125 0"}},
        {"5 MS + 1 =", "", {"MS start 5 0", "+ shown 5 0", "= entry 1 0", "= result 6 2"}},
        {"5 M+ 2 M- MR MC MC", "", {"M+ start 5 0", "M- start 2 0", "MR start 3 0", "MC mark  0"}},
        {"C 1 + C C 2", "", {"+ start 1 0", "C mark  0"}},
        {"5 MS C MR 3 + 1 =",
         "",
         {"MS start 5 0", "C mark  0", "MR start 5 0", "+ start 53 0", "= entry 1 0",
          "= result 54 2"}},
        {"1 0 + T =", "1\n2\n3", {"+ start 10 0", "T entry 6 3", "= keyresult 16 2"}},
        {"PASTE * 2 =",
         "4.5 EUR",
         {"PASTE start 4.5 0", "* shown 4.5 0", "= entry 2 0", "= result 9 0"}},
        {"PASTE", "no number", {}},
    };
    for (const RecordCase& c : cases) {
        SCOPED_TRACE(c.Keys);
        TapeDriver tape(c.Clipboard);
        tape.Press(c.Keys);
        EXPECT_EQ(tape.Lines(), c.Expected);
    }
}

// Adds the tape up as a reader with a pencil would: each number brought in or reused is
// combined with the running value by the last operator above it (a repeated "=" repeats it),
// an operator on a shown result starts again from that result. Every "=" result must be the
// value so far, and a result with an item count must count the numbers so far.
void ExpectLinesAddUp(const std::deque<TapeEntry>& lines) {
    long double value = 0;
    int32_t items = 0;
    char operation = 0;
    auto number = [](const TapeEntry& entry) {
        std::string digits = entry.Number;
        std::erase(digits, ',');
        return std::stold(digits);
    };
    for (const TapeEntry& entry : lines) {
        const char key = TapeKeyLabel(entry.Key)[0];
        const bool isOperator = std::string_view("+-*/").find(key) != std::string_view::npos &&
                                entry.Key != TapeKey::SignChange;
        if (entry.Role == TapeRole::Result || entry.Role == TapeRole::KeyResult) {
            EXPECT_NEAR(static_cast<double>(value), static_cast<double>(number(entry)), 1e-9)
                << "result " << entry.Number;
            if (entry.Count > 0) {
                EXPECT_EQ(entry.Count, items) << "result " << entry.Number;
            }
            continue;
        }
        if (entry.Role == TapeRole::Start || (entry.Role == TapeRole::Shown && isOperator)) {
            value = number(entry);
            items = 1;
        } else {
            const long double n = number(entry);
            value = operation == '+'   ? value + n
                    : operation == '-' ? value - n
                    : operation == '*' ? value * n
                                       : value / n;
            ++items;
        }
        if (isOperator) operation = key;
    }
}

TEST(Tape, EveryNumberOfACalculationIsOnItsTape) {
    const char* cases[] = {
        "1 + 1 + 1 + =",   "5 + = = =",   "5 * =",       "3 * = =",     "1 2 + 3 - 1 =",
        "1 0 - 3 = = =",   "2 * 3 = =",   "9 0 / 3 = =", "5 + 3 + =",   "2 + 3 = * 4 =",
        "2 + 3 = + = 1 =", "5 MS + MR =", "1 0 + T = =", "5 + + * 3 =", "1 0 0 0 + = =",
    };
    for (const char* keys : cases) {
        SCOPED_TRACE(keys);
        TapeDriver tape("1\n2\n3");
        tape.Press(keys);
        ASSERT_FALSE(tape.Keeper.Lines.Lines.empty());
        EXPECT_EQ(tape.Keeper.Lines.Lines.back().Number, tape.Calc.Panel());
        ExpectLinesAddUp(tape.Keeper.Lines.Lines);
    }
}

TEST(Tape, TotalOfManyNumbersWritesOneLine) {
    std::string column;
    for (int i = 0; i < 100000; ++i) column += "1\n";
    TapeDriver tape(column);
    tape.Press("T");
    EXPECT_EQ(tape.Lines(), Lines({"T start 100,000 100000"}));
}

TEST(Tape, LineLayout) {
    TapeDriver tape;
    tape.Press("1 2 3 4 + 5 = * 2 =");
    SetTapeNote(tape.Keeper.Lines, 1, "taxi\tfare");
    const std::string pad(TapeNumberWidth - 5, ' ');
    EXPECT_EQ(TapeLineText(tape.Keeper.Lines.Lines[0]), "  " + pad + "1,234 +");
    EXPECT_EQ(TapeLineText(tape.Keeper.Lines.Lines[1]), "  " + pad + "    5 =    taxi fare");
    EXPECT_EQ(TapeLineText(tape.Keeper.Lines.Lines[2]), "= " + pad + "1,239 =    2 items");
    EXPECT_EQ(TapeLineText(tape.Keeper.Lines.Lines[3]), "^ " + pad + "1,239 *");
    EXPECT_EQ(TapeCsv(tape.Keeper.Lines, ',', ','),
              "key,number,note\r\nadd,1234,\r\nequals,5,taxi fare\r\nequals result,1239,\r\n"
              "multiply,1239,\r\nequals,2,\r\nequals result,2478,\r\n");
}

TEST(Tape, BusinessLinesReadLikeAPrintedTape) {
    TapeDriver tape;
    tape.Calc.Context.Settings.BUSINESS_KEYS = true;
    tape.Calc.Context.Settings.TAX_RATE = "7.5";
    ShowBusinessRows(tape.Calc.Table, true);
    tape.Press("1 0 TAX+ + 1 = GT GT 8 COST 1 0 SELL");
    const std::string pad(TapeNumberWidth - 5, ' ');
    const std::vector<std::string> expected = {
        "  " + pad + "   10 TAX+",
        "= " + pad + " 0.75 TAX  7.5%",
        "= " + pad + "10.75 GROSS",
        "^ " + pad + "10.75 +",
        "  " + pad + "    1 =",
        "= " + pad + "11.75 =    2 items",
        "  " + pad + "11.75 GT   1 result",
        "  " + std::string(TapeNumberWidth, ' ') + " GT   cleared",
        "  " + pad + "    8 COST",
        "  " + pad + "   10 SELL",
        "= " + pad + "   20 MARGIN  %",
    };
    ASSERT_EQ(tape.Keeper.Lines.Lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(TapeLineText(tape.Keeper.Lines.Lines[i]), expected[i]) << "line " << i;
    }
    const std::string csv = TapeCsv(tape.Keeper.Lines, ',', ',');
    EXPECT_NE(csv.find("\r\nadd tax,10,\r\ntax 7.5% result,0.75,\r\ngross result,10.75,"),
              std::string::npos)
        << csv;
}

struct CsvCase {
    char Thousand;
    char Decimal;
    char List;
    const char* Expected;
};

TEST(Tape, CsvForTheUsersSpreadsheet) {
    const CsvCase cases[] = {
        {',', '.', ',',
         "key,number,note\r\nadd,1234.5,\"a,b;c\"\r\nequals,1,\r\n"
         "equals result,1235.5,\r\n"},
        {',', '.', ';',
         "key;number;note\r\nadd;1234.5;\"a,b;c\"\r\nequals;1;\r\n"
         "equals result;1235.5;\r\n"},
        {'.', ',', ',',
         "key,number,note\r\nadd,\"1234,5\",\"a,b;c\"\r\nequals,1,\r\n"
         "equals result,\"1235,5\",\r\n"},
        {'.', ',', ';',
         "key;number;note\r\nadd;1234,5;\"a,b;c\"\r\nequals;1;\r\n"
         "equals result;1235,5;\r\n"},
        {' ', ',', ';',
         "key;number;note\r\nadd;1234,5;\"a,b;c\"\r\nequals;1;\r\n"
         "equals result;1235,5;\r\n"},
    };
    for (const CsvCase& c : cases) {
        SCOPED_TRACE(std::string("decimal ") + c.Decimal + " list " + c.List);
        TapeDriver tape;
        tape.Press("1 2 3 4 . 5 + 1 =");
        SetTapeNote(tape.Keeper.Lines, 0, "a,b;c");
        ApplyNewSeparators(tape.Calc.Context, c.Thousand, c.Decimal);
        ConvertTapeSeparators(tape.Keeper.Lines, ',', '.', PanelFormat(tape.Calc.Context));
        EXPECT_EQ(TapeCsv(tape.Keeper.Lines, c.List, c.Thousand), c.Expected);
    }
}

struct CorrectionCase {
    const char* Name;
    const char* Keys;
    const char* Clipboard;
    size_t Line;  // 0-based
    const char* Number;
    Lines Expected;  // empty: the correction is refused and nothing changes
    const char* Panel;
};

TEST(Tape, CorrectionReplaysTheCalculation) {
    const CorrectionCase cases[] = {
        {"a chain",
         "1 2 + 3 - 1 =",
         "",
         1,
         "30",
         {"+ start 12 0", "- entry 30 0", "= entry 1 0", "= result 41 3"},
         "41"},
        {"a Total inside a calculation",
         "1 0 + T =",
         "1\n2",
         1,
         "1,000",
         {"+ start 10 0", "T entry 1,000 2", "= keyresult 1,010 2"},
         "1,010"},
        {"a calculation continued from the result",
         "2 + 3 = * 4 =",
         "",
         0,
         "5",
         {"+ start 5 0", "= entry 3 0", "= result 8 2", "* shown 8 0", "= entry 4 0",
          "= result 32 0"},
         "32"},
        {"a later calculation that started anew keeps its values",
         "2 + 3 = 4 + 1 =",
         "",
         0,
         "5",
         {"+ start 5 0", "= entry 3 0", "= result 8 2", "+ start 4 0", "= entry 1 0",
          "= result 5 2"},
         "5"},
        {"a C ends what is replayed",
         "2 + 3 = C + 1 =",
         "",
         1,
         "7",
         {"+ start 2 0", "= entry 7 0", "= result 9 2", "C mark  0", "+ shown 0 0", "= entry 1 0",
          "= result 1 2"},
         "1"},
        {"an error travels down the chain",
         "8 / 2 = + 1 = SQR",
         "",
         1,
         "0",
         {"/ start 8 0", "= entry 0 0", "= result ERROR 0", "+ shown ERROR 0", "= entry 1 0",
          "= result ERROR 2", "SQR keyresult ERROR 0"},
         "ERROR"},
        {"a recalled number",
         "4 MS C MR * 3 =",
         "",
         2,
         "5",
         {"MS start 4 0", "C mark  0", "MR start 5 0", "* shown 5 0", "= entry 3 0",
          "= result 15 0"},
         "15"},
        {"repeated equals",
         "5 + = =",
         "",
         0,
         "1",
         {"+ start 1 0", "= shown 1 0", "= result 2 2", "= shown 1 0", "= result 3 3"},
         "3"},
        {"a result is not edited", "1 + 2 =", "", 2, "5", {}, "3"},
        {"a shown value is not edited", "1 + 2 = * 3 =", "", 3, "5", {}, "9"},
        {"no such line", "1 + 2 =", "", 7, "5", {}, "3"},
        {"not a number", "1 + 2 =", "", 0, "5x", {}, "3"},
        {"two decimal separators", "1 + 2 =", "", 0, "1.2.3", {}, "3"},
        {"25 digits", "1 + 2 =", "", 0, "1234567890123456789012345", {}, "3"},
    };
    for (const CorrectionCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TapeDriver tape(c.Clipboard);
        tape.Press(c.Keys);
        const Lines before = tape.Lines();
        const bool done = CorrectTapeLine(tape.Keeper.Lines, c.Line, c.Number, tape.Calc.Context);
        EXPECT_EQ(done, !c.Expected.empty());
        EXPECT_EQ(tape.Lines(), done ? c.Expected : before);
        EXPECT_EQ(tape.Calc.Panel(), c.Panel);
    }
}

// The business keys write their figures as a printed tape lists them, and a correction of
// the amount they took works them out again at the rate of the line.
TEST(Tape, BusinessKeysWriteTheirFiguresAndReplay) {
    const struct {
        const char* Keys;
        Lines Written;
        size_t Line;
        const char* Number;
        Lines Corrected;
        const char* Panel;
    } cases[] = {
        {"1 0 0 TAX+",
         {"TAX+ start 100.00 0", "TAX 19% result 19.00 0", "GROSS result 119.00 0"},
         0,
         "200",
         {"TAX+ start 200.00 0", "TAX 19% result 38.00 0", "GROSS result 238.00 0"},
         "238.00"},
        {"1 1 9 TAX- + 1 =",
         {"TAX- start 119.00 0", "TAX 19% result 19.00 0", "NET result 100.00 0",
          "+ shown 100.00 0", "= entry 1 0", "= result 101.00 2"},
         0,
         "238",
         {"TAX- start 238.00 0", "TAX 19% result 38.00 0", "NET result 200.00 0",
          "+ shown 200.00 0", "= entry 1 0", "= result 201.00 2"},
         "201.00"},
        {"5 MS C 1 0 0 TAX+ + MR =",
         {"MS start 5 0", "C mark  0", "TAX+ start 100.00 0", "TAX 19% result 19.00 0",
          "GROSS result 119.00 0", "+ shown 119.00 0", "MR entry 5 0", "= keyresult 124.00 2"},
         2,
         "200",
         {"MS start 5 0", "C mark  0", "TAX+ start 200.00 0", "TAX 19% result 38.00 0",
          "GROSS result 238.00 0", "+ shown 238.00 0", "MR entry 5 0", "= keyresult 243.00 2"},
         "243.00"},
        {"8 0 COST 1 0 0 SELL",
         {"COST start 80.00 0", "SELL entry 100.00 0", "MARGIN result 20.00 0"},
         1,
         "160",
         {"COST start 80.00 0", "SELL entry 160.00 0", "MARGIN result 50.00 0"},
         "50.00"},
        {"2 + 3 = GT GT",
         {"+ start 2 0", "= entry 3 0", "= result 5.00 2", "GT start 5.00 1", "GT mark  0"},
         0,
         "4",
         {"+ start 4 0", "= entry 3 0", "= result 7.00 2", "GT start 7.00 1", "GT mark  0"},
         "7.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Keys);
        TapeDriver tape;
        CalcSettings& settings = tape.Calc.Context.Settings;
        settings.BUSINESS_KEYS = true;
        settings.TAX_RATE = "19";
        settings.ROUND_MODE = RoundMode::Fixed2;
        ShowBusinessRows(tape.Calc.Table, true);
        tape.Press(c.Keys);
        EXPECT_EQ(tape.Lines(), c.Written);
        settings.TAX_RATE = "7";  // the lines keep the rate they were worked out at
        ASSERT_TRUE(CorrectTapeLine(tape.Keeper.Lines, c.Line, c.Number, tape.Calc.Context));
        EXPECT_EQ(tape.Lines(), c.Corrected);
        EXPECT_EQ(tape.Calc.Panel(), c.Panel);
        std::deque<TapeEntry> read;
        ASSERT_TRUE(
            ParseTapeFile(TapeFileText(tape.Keeper.Lines, tape.Keeper.Store.Notation), read));
        EXPECT_TRUE(read == tape.Keeper.Lines.Lines);
    }
}

TEST(Tape, CorrectionWhileTypingKeepsTheEntry) {
    TapeDriver tape;
    tape.Press("2 + 4");
    ASSERT_TRUE(CorrectTapeLine(tape.Keeper.Lines, 0, "10", tape.Calc.Context));
    EXPECT_EQ(tape.Calc.Panel(), "4");
    tape.Press("=");
    EXPECT_EQ(tape.Calc.Panel(), "14");
}

// "-" left by back-space and a lone separator are zero on the panel, and replay as zero.
TEST(Tape, CorrectionReplaysAnEntryWithoutDigits) {
    for (const char* keys : {"5 + 7 +- <- =", "5 + . ="}) {
        TapeDriver tape;
        tape.Press(keys);
        ASSERT_TRUE(CorrectTapeLine(tape.Keeper.Lines, 0, "6", tape.Calc.Context)) << keys;
        EXPECT_EQ(tape.Lines().back(), "= result 6 2") << keys;
        EXPECT_EQ(tape.Calc.Panel(), "6") << keys;
    }
}

TEST(Tape, CorrectionFollowsTheSettings) {
    TapeDriver tape;
    tape.Calc.Context.Settings.ROUND_MODE = RoundMode::Fixed2;
    tape.Press("1 / 3 = * 3 =");
    ASSERT_TRUE(CorrectTapeLine(tape.Keeper.Lines, 1, "6", tape.Calc.Context));
    EXPECT_EQ(tape.Lines()[2], "= result 0.17 0");
    EXPECT_EQ(tape.Calc.Panel(), "0.51");
}

TEST(Tape, NewSeparatorsCarryTheNumbersOver) {
    TapeDriver tape;
    tape.Press("1 2 3 4 . 5 + 1 =");
    ApplyNewSeparators(tape.Calc.Context, '.', ',');
    ConvertTapeSeparators(tape.Keeper.Lines, ',', '.', PanelFormat(tape.Calc.Context));
    EXPECT_EQ(tape.Lines(), Lines({"+ start 1.234,5 0", "= entry 1 0", "= result 1.235,5 2"}));
    ASSERT_TRUE(CorrectTapeLine(tape.Keeper.Lines, 1, "0,5", tape.Calc.Context));
    EXPECT_EQ(tape.Calc.Panel(), "1.235");
}

TEST(Tape, TypedNumberInTheUsersFormat) {
    const CalcSettings settings = KeypadDriver().Context.Settings;
    const std::pair<const char*, const char*> accepted[] = {
        {"1234567", "1,234,567"}, {"1,234.5", "1,234.5"}, {"-0.5", "-0.5"}, {".5", "0.5"}};
    for (const auto& [typed, shown] : accepted) {
        std::string text;
        EXPECT_TRUE(TypedNumber(settings, typed, text)) << typed;
        EXPECT_EQ(text, shown);
    }
    for (const char* typed : {"", "-", ".", "1-2", "1.5,0", "1 2", "abc", "1.2.3"}) {
        std::string text;
        EXPECT_FALSE(TypedNumber(settings, typed, text)) << typed;
    }
}

TEST(Tape, NotesAreCleanedAndBounded) {
    TapeDriver tape;
    tape.Press("1 + 2 =");
    ASSERT_TRUE(SetTapeNote(tape.Keeper.Lines, 0, "invoice\r\n41"));
    EXPECT_EQ(tape.Keeper.Lines.Lines[0].Note, "invoice  41");
    ASSERT_TRUE(SetTapeNote(tape.Keeper.Lines, 2, std::string(70, 'x')));
    EXPECT_EQ(tape.Keeper.Lines.Lines[2].Note, std::string(MaxNoteLength, 'x'));
    EXPECT_FALSE(SetTapeNote(tape.Keeper.Lines, 3, "none"));
}

TEST(TapeFile, EachLineIsOnDiskBeforeTheNextKey) {
    TapeDriver tape;
    tape.Press("1 2 +");
    EXPECT_EQ(tape.File(), Header + "+\tstart\t12\t0\t\r\n");
    tape.Press("3");
    EXPECT_EQ(tape.File(), Header + "+\tstart\t12\t0\t\r\n");
    tape.Press("=");
    EXPECT_EQ(tape.File(),
              Header + "+\tstart\t12\t0\t\r\n=\tentry\t3\t0\t\r\n=\tresult\t15\t2\t\r\n");
    EXPECT_EQ(tape.Calc.Host.Replacements, 0);
}

TEST(TapeFile, RoundTripThroughTheFile) {
    TapeDriver tape("7\n8");
    tape.Press("1 2 + 3 - 1 = +- * 2 = C 5 +- SQR 8 1/X 5 MS M+ M- MR MC T PASTE + 2 % 8 / 0 =");
    SetTapeNote(tape.Keeper.Lines, 3, "taxi, \"late\"");
    SaveTape(tape.Keeper);
    TapeDriver again("", tape.File());
    EXPECT_EQ(again.Keeper.Lines.Lines, tape.Keeper.Lines.Lines);
    std::set<TapeKey> keys;
    for (const TapeEntry& entry : again.Keeper.Lines.Lines) keys.insert(entry.Key);
    EXPECT_EQ(keys.size(), 17u);  // every kind of line
    EXPECT_TRUE(again.Calc.Host.Messages.empty());
    again.Press("4 =");  // appended after the lines read, not written anew
    EXPECT_EQ(again.File(), tape.File() + "=\tstart\t4\t0\t\r\n");
}

TEST(TapeFile, ReadsWhatOtherProgramsWrite) {
    std::deque<TapeEntry> lines;
    EXPECT_TRUE(ParseTapeFile("", lines));
    EXPECT_TRUE(ParseTapeFile("QUILLON TAPE 1", lines));
    ASSERT_TRUE(
        ParseTapeFile("QUILLON TAPE 1\n+\tstart\t1 234,5\t0\tnote\nC\tmark\t\t0\t\n", lines));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Number, "1 234,5");
    EXPECT_EQ(lines[0].Note, "note");
}

// Whatever the panel shows reaches the tape, and the next start reads it back: no panel, however
// odd, may put the whole tape aside.
TEST(TapeFile, EveryPanelFormReadsBack) {
    const struct {
        const char* Rule;
        char Decimal, Thousand;
        bool LeadingZero;
        const char* Keys;
    } cases[] = {
        {"a lone sign after back-space", '.', ',', true, "7 +- <- ="},
        {"a lone separator without a leading zero", '.', ',', false, ". ="},
        {"a no-break space as thousand separator", '.', '\xA0', true, "1 2 3 4 + 1 ="},
        {"letters as separators", 'R', 'O', true, "1 2 3 4 + 1 / 8 ="},
    };
    for (const auto& c : cases) {
        TapeDriver tape;
        tape.Calc.Context.Settings.DECIMAL_SEPARATOR = c.Decimal;
        tape.Calc.Context.Settings.THOUSAND_SEPARATOR = c.Thousand;
        tape.Calc.Context.Settings.LEADING_ZERO = c.LeadingZero;
        tape.Press(c.Keys);
        std::deque<TapeEntry> lines;
        EXPECT_TRUE(ParseTapeFile(tape.File(), lines)) << c.Rule << ": " << tape.File();
        EXPECT_EQ(lines, tape.Keeper.Lines.Lines) << c.Rule;
    }
}

TEST(TapeFile, DamagedFilesAreRefused) {
    const char* damaged[] = {
        "QUILLON TAPE 2\r\n",
        "QUILLON TAPE 2\t.\t.\r\n",
        "QUILLON TAPE 2\t\x01\t,\r\n",
        "QUILLON TAPE 2\t.\t,\t\r\n",
        "QUILLON TAPE 3\t.\t,\r\n",
        "quillon tape 1\r\n",
        "\xff\xfeQ\0U",
        "QUILLON TAPE 1\r\n\r\n+\tstart\t1\t0\t\r\n",
        "QUILLON TAPE 1\r\n+\tstart\t1\t0\r\n",
        "QUILLON TAPE 1\r\n+\tstart\t1\t0\tnote\textra\r\n",
        "QUILLON TAPE 1\r\nX\tstart\t1\t0\t\r\n",
        "QUILLON TAPE 1\r\n+\tbegin\t1\t0\t\r\n",
        "QUILLON TAPE 1\r\n+\tstart\tabc\t0\t\r\n",
        "QUILLON TAPE 1\r\n+\tstart\t1-2\t0\t\r\n",
        "QUILLON TAPE 1\r\n+\tstart\t1.2,3;4\t0\t\r\n",  // a third separator
        "QUILLON TAPE 1\r\n+\tstart\t\t0\t\r\n",
        "QUILLON TAPE 1\r\n+\tmark\t\t0\t\r\n",
        "QUILLON TAPE 1\r\nC\tmark\t1\t0\t\r\n",
        "QUILLON TAPE 1\r\nC\tstart\t1\t0\t\r\n",
        "QUILLON TAPE 1\r\n+\tstart\t1\t-1\t\r\n",
        "QUILLON TAPE 1\r\n+\tstart\t1\t1234567890\t\r\n",
        "QUILLON TAPE 1\r\n+\tstart\t1\t0\tbell\a\r\n",
    };
    for (const char* bytes : damaged) {
        std::deque<TapeEntry> lines;
        EXPECT_FALSE(ParseTapeFile(bytes, lines)) << bytes;
    }
    std::deque<TapeEntry> lines;
    const std::string longNote = "QUILLON TAPE 1\r\n+\tstart\t1\t0\t" + std::string(61, 'n');
    EXPECT_FALSE(ParseTapeFile(longNote, lines));
}

TEST(TapeFile, EachDamagedFileIsKeptAsideUnderANameOfItsOwn) {
    FakePlatform host;
    CalcContext context(host);
    host.Files["Quillon.tape.2.bad"] = "kept from long ago";
    const std::pair<const char*, const char*> turns[] = {
        {"first damaged", "Quillon.tape.bad"},
        {"second damaged", "Quillon.tape.3.bad"},
        {"third damaged", "Quillon.tape.4.bad"},
    };
    for (const auto& [bytes, aside] : turns) {
        host.Files[TapePath] = bytes;
        TapeKeeper keeper;
        StartTape(keeper, context, TapePath);
        EXPECT_TRUE(keeper.Lines.Lines.empty());
        EXPECT_EQ(host.Files.count(TapePath), 0u);
        EXPECT_NE(host.Messages.back().find(aside), std::string::npos) << host.Messages.back();
    }
    EXPECT_EQ(host.Files.at("Quillon.tape.bad"), "first damaged");
    EXPECT_EQ(host.Files.at("Quillon.tape.2.bad"), "kept from long ago");
    EXPECT_EQ(host.Files.at("Quillon.tape.3.bad"), "second damaged");
    EXPECT_EQ(host.Files.at("Quillon.tape.4.bad"), "third damaged");
}

TEST(TapeFile, TooLargeFileIsKeptAside) {
    FakePlatform host;
    host.Files[TapePath] = "QUILLON TAPE 1\r\n" + std::string(MaxTapeFileSize, '\n');
    CalcContext context(host);
    TapeKeeper keeper;
    StartTape(keeper, context, TapePath);
    EXPECT_EQ(host.Files.at("Quillon.tape.bad").size(), MaxTapeFileSize + 16);
    EXPECT_EQ(host.Messages.size(), 1u);
}

TEST(TapeFile, TheLastTenThousandLinesAreKept) {
    TapeDriver tape;
    for (size_t i = 0; i < MaxTapeLines / 2 + 600; ++i) tape.Press("C 1 +");  // two lines each
    const Tape& lines = tape.Keeper.Lines;
    ASSERT_EQ(lines.Lines.size(), MaxTapeLines);
    EXPECT_EQ(tape.Calc.Host.Replacements, 1);  // trimmed once at 11,000, not at every key
    std::deque<TapeEntry> read;
    ASSERT_TRUE(ParseTapeFile(tape.File(), read));
    EXPECT_EQ(read, lines.Lines);

    TapeDriver again("", tape.File() + "=\tstart\t4\t0\t\r\n");
    EXPECT_EQ(again.Keeper.Lines.Lines.size(), MaxTapeLines);
    EXPECT_EQ(again.Keeper.Lines.Lines.back().Number, "4");
}

TEST(TapeFile, CorrectionNoteAndClearRewriteTheFile) {
    TapeDriver tape;
    tape.Press("1 + 2 =");
    CorrectTapeLine(tape.Keeper.Lines, 0, "5", tape.Calc.Context);
    SetTapeNote(tape.Keeper.Lines, 2, "sum");
    SaveTape(tape.Keeper);
    EXPECT_EQ(tape.File(),
              Header + "+\tstart\t5\t0\t\r\n=\tentry\t2\t0\t\r\n=\tresult\t7\t2\tsum\r\n");
    ClearTape(tape.Keeper.Lines);
    SaveTape(tape.Keeper);
    EXPECT_EQ(tape.File(), Header);
}

// A tape written with "," as decimal separator means the same to a reader whose settings
// are lost: the values stay, shown in the reader's separators, and a correction computes
// with them.
TEST(TapeFile, NumbersKeepTheirValuesWhateverTheReadersSeparators) {
    TapeDriver writer;
    ApplyNewSeparators(writer.Calc.Context, '.', ',');
    FillControlTable(writer.Calc.Table, writer.Calc.Context.Settings);
    writer.Press("2 0 0 0 , 5 + 3 =");
    ASSERT_EQ(writer.File(),
              "QUILLON TAPE 2\t,\t.\r\n+\tstart\t2.000,5\t0\t\r\n"
              "=\tentry\t3\t0\t\r\n=\tresult\t2.003,5\t2\t\r\n");
    TapeDriver reader("", writer.File());  // the standard "." and ","
    EXPECT_EQ(reader.Lines(), Lines({"+ start 2,000.5 0", "= entry 3 0", "= result 2,003.5 2"}));
    ASSERT_TRUE(CorrectTapeLine(reader.Keeper.Lines, 1, "4", reader.Calc.Context));
    EXPECT_EQ(reader.Calc.Panel(), "2,004.5");
    SaveTape(reader.Keeper);
    EXPECT_EQ(reader.File().substr(0, Header.size()), Header);  // rewritten in its notation
    EXPECT_EQ(TapeDriver("", reader.File()).Lines(), reader.Lines());
}

TEST(TapeFile, VersionOneIsReadWithTheReadersSeparatorsAndWrittenAsVersionTwo) {
    TapeDriver tape("", "QUILLON TAPE 1\r\n+\tstart\t1,234.5\t0\t\r\n");
    EXPECT_EQ(tape.Lines(), Lines({"+ start 1,234.5 0"}));
    tape.Press("1 =");
    EXPECT_EQ(tape.File(), Header + "+\tstart\t1,234.5\t0\t\r\n=\tstart\t1\t0\t\r\n");
}

// A host whose disk refuses every write.
class ReadOnlyPlatform : public FakePlatform {
   public:
    bool AppendToFile(const char*, std::string_view) override { return false; }
    bool ReplaceWholeFile(const char*, std::string_view) override { return false; }
    std::string LastFileError() override { return "Access is denied."; }
};

TEST(TapeFile, AFailedWriteIsToldOnceAndTheTapeStaysInMemory) {
    ReadOnlyPlatform host;
    CalcContext context(host);
    TapeKeeper keeper;
    StartTape(keeper, context, "C:\\Program Files\\Quillon\\Quillon.tape");
    KeypadDriver keys;  // the table only: the keys go to `context`
    for (const char* key : {"1", "+", "2", "=", "3", "+"}) {
        HandleKeypadCommand(context, keys.Table, CommandOfLabel(keys.Table, key));
    }
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0],
              WriteFailureMessage("C:\\Program Files\\Quillon\\Quillon.tape", "Access is denied."));
    EXPECT_TRUE(host.WriteFailed());
    EXPECT_EQ(keeper.Lines.Lines.size(), 4u);
    EXPECT_TRUE(keeper.Lines.Rewrite);
}

}  // namespace
