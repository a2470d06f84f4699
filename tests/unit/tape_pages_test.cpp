// The tape on pages: rows per page, wrapped notes, breaks, headers and the printable area,
// for two paper sizes at two printer resolutions.
#include "tape/tape_pages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct PaperCase {
    const char* Name;
    double WidthInches;
    double HeightInches;
    int32_t Dpi;
    int32_t RowsPerPage;  // tape lines a page holds below its header
    int32_t NoteRows;     // rows of the note on the third line
};

constexpr double MarginInches = 0.5;
constexpr double PointsPerInch = 72;
constexpr double FontPoints = 10;
const char* Note = "taxi to the airport and back";

// A fixed-pitch font of 10 points: characters 0.6 em wide, bold ones a tenth wider.
PageMeasures MeasuresOf(const PaperCase& paper) {
    const double em = paper.Dpi * FontPoints / PointsPerInch;
    PageMeasures page;
    page.Width = static_cast<int32_t>((paper.WidthInches - 2 * MarginInches) * paper.Dpi);
    page.Height = static_cast<int32_t>((paper.HeightInches - 2 * MarginInches) * paper.Dpi);
    page.LineHeight = static_cast<int32_t>(std::lround(em * 1.2));
    page.TextWidth = [em](std::string_view text, bool strong) {
        return static_cast<int32_t>(std::lround(text.size() * em * (strong ? 0.66 : 0.6)));
    };
    return page;
}

// One calculation of `count` numbers added up, the third with a note, and its result.
std::vector<TapeEntry> LongCalculation(int32_t count) {
    std::vector<TapeEntry> lines;
    for (int32_t i = 0; i < count; ++i) {
        lines.push_back({TapeKey::Add, i == 0 ? TapeRole::Start : TapeRole::Entry, "1,234.56", 0,
                         i == 2 ? Note : "", ""});
    }
    lines.push_back({TapeKey::Equals, TapeRole::Result, "123,456", count, "", ""});
    return lines;
}

TEST(TapePages, PaperSizesAndResolutions) {
    const PaperCase cases[] = {
        {"A4 at 300 dpi", 8.27, 11.69, 300, 61, 1},
        {"A4 at 600 dpi", 8.27, 11.69, 600, 61, 1},
        {"A6 at 300 dpi", 4.13, 5.83, 300, 25, 2},
        {"A6 at 600 dpi", 4.13, 5.83, 600, 25, 2},
    };
    const std::vector<TapeEntry> lines = LongCalculation(100);
    for (const PaperCase& paper : cases) {
        SCOPED_TRACE(paper.Name);
        const PageMeasures page = MeasuresOf(paper);
        const std::vector<TapePage> pages =
            LayOutPages(lines, {"Invoices March", "31/03/2026 17:05"}, page);
        const size_t rowsOnPages = lines.size() + paper.NoteRows - 1;
        const size_t expected = (rowsOnPages + paper.RowsPerPage - 1) / paper.RowsPerPage;
        ASSERT_EQ(pages.size(), expected);
        size_t next = 0;
        for (size_t p = 0; p < pages.size(); ++p) {
            const TapePage& one = pages[p];
            EXPECT_EQ(one.FirstLine, next);
            next += one.LineCount;
            const int32_t noteRows = p == 0 ? paper.NoteRows - 1 : 0;
            if (p + 1 < pages.size()) {
                EXPECT_EQ(one.LineCount + noteRows, paper.RowsPerPage);
            }
            const std::string label =
                "Page " + std::to_string(p + 1) + " of " + std::to_string(pages.size());
            ASSERT_GE(one.Texts.size(), 3u);
            EXPECT_EQ(one.Texts[0].Text, "Invoices March");
            EXPECT_EQ(one.Texts[1].Text, label);
            EXPECT_EQ(one.Texts[1].X + page.TextWidth(label, false), page.Width);
            EXPECT_EQ(one.Texts[2].Text, "31/03/2026 17:05");
            EXPECT_EQ(one.Texts[2].Y, page.LineHeight);
            for (const PageText& text : one.Texts) {
                EXPECT_GE(text.X, 0) << text.Text;
                EXPECT_LE(text.X + page.TextWidth(text.Text, text.Strong), page.Width) << text.Text;
                EXPECT_LE(text.Y + page.LineHeight, page.Height) << text.Text;
            }
        }
        EXPECT_EQ(next, lines.size());
        // The calculation goes on across the break: the next page starts inside it.
        EXPECT_EQ(pages[1].Texts[3].Text, "1,234.56");
        std::string note;
        int32_t noteRows = 0;
        for (const PageText& text : pages[0].Texts) {
            if (text.Text.find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos ||
                text.Y < HeaderRows * page.LineHeight) {
                continue;
            }
            note += (note.empty() ? "" : " ") + text.Text;
            ++noteRows;
        }
        EXPECT_EQ(note, Note);
        EXPECT_EQ(noteRows, paper.NoteRows);
    }
}

TEST(TapePages, NumbersEndInOneColumnAndResultsStandOut) {
    PageMeasures page{
        80, 60, 1, [](std::string_view text, bool) { return static_cast<int32_t>(text.size()); }};
    const std::vector<TapeEntry> lines = {
        {TapeKey::Add, TapeRole::Start, "12", 0, "", ""},
        {TapeKey::Equals, TapeRole::Entry, "1,003.5", 0, "", ""},
        {TapeKey::Equals, TapeRole::Result, "1,015.5", 2, "sum", ""},
    };
    const std::vector<TapePage> pages = LayOutPages(lines, {"Quillon.tape", "now"}, page);
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<std::string> rows = PageTextRows(pages[0]);
    const std::vector<std::string> expected = {
        "Quillon.tape                                                         Page 1 of 1",
        "now",
        "",
        "       12 +",
        "  1,003.5 =",
        "= 1,015.5 =  2 items  sum",
    };
    EXPECT_EQ(rows, expected);
    EXPECT_TRUE(pages[0].Texts.back().Strong);
    EXPECT_FALSE(pages[0].Texts[3].Strong);
}

TEST(TapePages, NoPagesWhereNothingFits) {
    auto chars = [](std::string_view text, bool) { return static_cast<int32_t>(text.size()); };
    const std::vector<TapeEntry> lines = {{TapeKey::Add, TapeRole::Start, "12", 0, "", ""}};
    EXPECT_TRUE(LayOutPages({}, {}, {80, 60, 1, chars}).empty());
    EXPECT_TRUE(LayOutPages(lines, {}, {80, HeaderRows, 1, chars}).empty());
    EXPECT_TRUE(LayOutPages(lines, {}, {12, 60, 1, chars}).empty());
    EXPECT_EQ(LayOutPages(lines, {}, {80, HeaderRows + 1, 1, chars}).size(), 1u);
}

}  // namespace
