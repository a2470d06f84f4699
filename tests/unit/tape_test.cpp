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
        {"5 + = =", "", {"+ start 5 0", "= keyresult 10 2", "= keyresult 15 3"}},
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
        {"5 0 + %", "", {"+ start 50 0", "% keyresult 75 0"}},
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
    EXPECT_EQ(TapeCsv(tape.Keeper.Lines, ','),
              "key,number,note\r\nadd,1234,\r\nequals,5,taxi fare\r\nequals result,1239,\r\n"
              "multiply,1239,\r\nequals,2,\r\nequals result,2478,\r\n");
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
         {"+ start 1 0", "= keyresult 2 2", "= keyresult 3 3"},
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
    EXPECT_EQ(tape.File(), "QUILLON TAPE 1\r\n+\tstart\t12\t0\t\r\n");
    tape.Press("3");
    EXPECT_EQ(tape.File(), "QUILLON TAPE 1\r\n+\tstart\t12\t0\t\r\n");
    tape.Press("=");
    EXPECT_EQ(tape.File(),
              "QUILLON TAPE 1\r\n+\tstart\t12\t0\t\r\n=\tentry\t3\t0\t\r\n=\tresult\t15\t2\t\r\n");
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

TEST(TapeFile, DamagedFileIsKeptAsideAndANewTapeStarts) {
    FakePlatform host;
    host.Files[TapePath] = "not a tape";
    host.Files["Quillon.tape.bad"] = "an older damaged tape";
    CalcContext context(host);
    TapeKeeper keeper;
    StartTape(keeper, context, TapePath);
    EXPECT_TRUE(keeper.Lines.Lines.empty());
    EXPECT_EQ(host.Files.at("Quillon.tape.bad"), "not a tape");
    EXPECT_EQ(host.Files.count(TapePath), 0u);
    EXPECT_EQ(host.Messages.size(), 1u);
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
              "QUILLON TAPE 1\r\n+\tstart\t5\t0\t\r\n=\tentry\t2\t0\t\r\n=\tresult\t7\t2\tsum\r\n");
    ClearTape(tape.Keeper.Lines);
    SaveTape(tape.Keeper);
    EXPECT_EQ(tape.File(), "QUILLON TAPE 1\r\n");
}

}  // namespace
