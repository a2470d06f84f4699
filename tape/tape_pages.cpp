#include "tape/tape_pages.h"

#include <algorithm>
#include <iterator>

#include "language/words.h"
#include "tape/tape_layout.h"

namespace {

// The count and the note need at least this much room right of the keys.
constexpr const char* NarrowestRest = "0000000000";

bool IsResult(TapeRole role) {
    return role == TapeRole::Result || role == TapeRole::KeyResult;
}

// Where the numbers end and where the keys and the rest start, from the widest of each.
struct Columns {
    int32_t NumberRight = 0;
    int32_t Key = 0;
    int32_t Rest = 0;
};

Columns MeasureColumns(const std::vector<TapeEntry>& lines, const PageMeasures& page) {
    int32_t mark = 0;
    int32_t number = page.TextWidth("0", false);
    int32_t key = 0;
    for (const TapeEntry& entry : lines) {
        const TapeLineColumns columns = ColumnsOfLine(entry);
        const bool strong = IsResult(entry.Role);
        mark = std::max(mark, page.TextWidth(columns.Mark, strong));
        number = std::max(number, page.TextWidth(columns.Number, strong));
        key = std::max(key, page.TextWidth(columns.Key, strong));
    }
    const int32_t space = page.TextWidth(" ", false);
    Columns edges;
    edges.NumberRight = mark + number;
    edges.Key = edges.NumberRight + space;
    edges.Rest = edges.Key + key + 2 * space;
    return edges;
}

// `text` in rows no wider than `width`, broken at spaces; a word wider than a row is broken
// where the row ends.
std::vector<std::string> WrapText(std::string_view text, int32_t width, bool strong,
                                  const PageMeasures& page) {
    auto fits = [&](const std::string& row) { return page.TextWidth(row, strong) <= width; };
    std::vector<std::string> rows;
    std::string row;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find(' ', start), text.size());
        const std::string word(text.substr(start, end - start));
        const std::string joined = row.empty() ? word : row + ' ' + word;
        start = end + 1;
        if (fits(joined)) {
            row = joined;
            continue;
        }
        if (!row.empty()) rows.push_back(row);
        row.clear();
        for (const char c : word) {
            if (!row.empty() && !fits(row + c)) {
                rows.push_back(row);
                row.clear();
            }
            row += c;
        }
    }
    if (!row.empty()) rows.push_back(row);
    return rows;
}

// The count and the note, as one text.
std::string RestOf(const TapeLineColumns& columns) {
    const size_t first = columns.Rest.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : columns.Rest.substr(first);
}

// `text` cut to at most `width`.
std::string CutToWidth(std::string text, int32_t width, bool strong, const PageMeasures& page) {
    while (!text.empty() && page.TextWidth(text, strong) > width) text.pop_back();
    return text;
}

// One tape line's texts at row `y`; returns how many rows it took, at most `rowsLeft`.
int32_t PlaceLine(const TapeEntry& entry, const Columns& edges, int32_t y, int32_t rowsLeft,
                  const PageMeasures& page, TapePage& out) {
    const TapeLineColumns columns = ColumnsOfLine(entry);
    const bool strong = IsResult(entry.Role);
    const std::string mark = columns.Mark.substr(0, columns.Mark.find(' '));
    if (!mark.empty()) out.Texts.push_back({0, y, mark, strong});
    const int32_t numberX = edges.NumberRight - page.TextWidth(columns.Number, strong);
    out.Texts.push_back({numberX, y, columns.Number, strong});
    out.Texts.push_back({edges.Key, y, columns.Key, strong});
    const std::vector<std::string> rows =
        WrapText(RestOf(columns), page.Width - edges.Rest, strong, page);
    const int32_t taken = std::min<int32_t>(static_cast<int32_t>(rows.size()), rowsLeft);
    for (int32_t i = 0; i < taken; ++i) {
        out.Texts.push_back({edges.Rest, y + i * page.LineHeight, rows[i], strong});
    }
    return std::max(taken, 1);
}

// The header's texts go first, so that a page is drawn top down.
void AddHeader(TapePage& out, const PageHeader& header, size_t number, size_t count,
               const PageMeasures& page) {
    const std::string label =
        WordsWith("Page %1 of %2", {std::to_string(number), std::to_string(count)});
    const int32_t labelWidth = page.TextWidth(label, false);
    const int32_t nameWidth = page.Width - labelWidth - 2 * page.TextWidth(" ", false);
    const PageText texts[] = {
        {0, 0, CutToWidth(header.TapeName, nameWidth, true, page), true},
        {page.Width - labelWidth, 0, label, false},
        {0, page.LineHeight, CutToWidth(header.PrintedAt, page.Width, false, page), false},
    };
    out.Texts.insert(out.Texts.begin(), std::begin(texts), std::end(texts));
}

int32_t RowsOf(const TapeEntry& entry, const Columns& edges, const PageMeasures& page) {
    const TapeLineColumns columns = ColumnsOfLine(entry);
    const size_t rows =
        WrapText(RestOf(columns), page.Width - edges.Rest, IsResult(entry.Role), page).size();
    return std::max<int32_t>(static_cast<int32_t>(rows), 1);
}

}  // namespace

std::vector<TapePage> LayOutPages(const std::vector<TapeEntry>& lines, const PageHeader& header,
                                  const PageMeasures& page) {
    if (lines.empty() || page.LineHeight <= 0) return {};
    const int32_t rowsPerPage = page.Height / page.LineHeight - HeaderRows;
    const Columns edges = MeasureColumns(lines, page);
    if (rowsPerPage < 1 || edges.Rest + page.TextWidth(NarrowestRest, true) > page.Width) return {};
    std::vector<TapePage> pages(1);
    int32_t row = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (row > 0 && row + std::min(RowsOf(lines[i], edges, page), rowsPerPage) > rowsPerPage) {
            pages.emplace_back();
            pages.back().FirstLine = i;
            row = 0;
        }
        const int32_t y = (HeaderRows + row) * page.LineHeight;
        row += PlaceLine(lines[i], edges, y, rowsPerPage - row, page, pages.back());
        ++pages.back().LineCount;
    }
    for (size_t i = 0; i < pages.size(); ++i)
        AddHeader(pages[i], header, i + 1, pages.size(), page);
    return pages;
}

std::vector<std::string> PageTextRows(const TapePage& page) {
    std::vector<std::string> rows;
    for (const PageText& text : page.Texts) {
        const size_t y = static_cast<size_t>(text.Y);
        const size_t x = static_cast<size_t>(text.X);
        if (rows.size() <= y) rows.resize(y + 1);
        std::string& row = rows[y];
        if (row.size() < x + text.Text.size()) row.resize(x + text.Text.size(), ' ');
        row.replace(x, text.Text.size(), text.Text);
    }
    for (std::string& row : rows) row.erase(row.find_last_not_of(' ') + 1);
    return rows;
}
