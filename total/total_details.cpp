#include "total/total_details.h"

namespace {

std::string_view KeptText(const KeptTotal& total) {
    return total.Text.Text.substr(0, total.ScannedEnd);
}

// Counts line ends from one row's start to the next: a LF right after a CR ends no line of
// its own.
struct LineCounter {
    std::string_view Text;
    size_t At = 0;
    uint32_t Line = 1;

    uint32_t LineAt(size_t position) {
        for (; At < position; ++At) {
            const char c = Text[At];
            if (c == '\r' || (c == '\n' && (At == 0 || Text[At - 1] != '\r'))) ++Line;
        }
        return Line;
    }
};

struct RowCollector {
    LineCounter Lines;
    std::vector<DetailRow> Rows;

    void Add(size_t start, size_t end, bool skipped) {
        Rows.push_back(
            DetailRow{start, static_cast<uint32_t>(end - start), Lines.LineAt(start), skipped});
    }
    bool Number(const NumberRun& run) {
        Add(run.Start, run.End, false);
        return true;
    }
    void Skipped(size_t start, size_t end) { Add(start, end, true); }
};

// The one number of a row's text, read again.
struct FirstNumber {
    NumberRun Run;
    bool Found = false;
    bool Number(const NumberRun& run) {
        Run = run;
        Found = true;
        return false;
    }
    void Skipped(size_t, size_t) {}
};

// Sign, integer digits without leading zeros (one at least), separator and fraction; a '-'
// inside the digits is dropped, as the addition drops it.
std::string PlainNumber(const NumberRun& run, char separator) {
    std::string integer;
    std::string fraction;
    bool inFraction = false;
    for (int32_t i = 0; i < run.Length; ++i) {
        const char c = run.Chars[i];
        if (c == separator) {
            inFraction = true;
        } else if (c != '-') {
            (inFraction ? fraction : integer).push_back(c);
        }
    }
    const size_t firstDigit = integer.find_first_not_of('0');
    integer = firstDigit == std::string::npos ? "0" : integer.substr(firstDigit);
    const bool zero = integer == "0" && fraction.find_first_not_of('0') == std::string::npos;
    std::string text = run.Length > 0 && run.Chars[0] == '-' && !zero ? "-" : "";
    text += integer;
    if (!fraction.empty()) text += separator + fraction;
    return text;
}

}  // namespace

TotalDetails BuildTotalDetails(const KeptTotal& total) {
    TotalDetails details{total, MakeTotalReading(total.Settings), {}};
    const std::string_view text = KeptText(total);
    RowCollector collector{LineCounter{text}, {}};
    ScanTotalText(text, details.Reading, collector);
    details.Rows = std::move(collector.Rows);
    return details;
}

std::string_view DetailText(const TotalDetails& details, const DetailRow& row) {
    return KeptText(details.Total).substr(row.Start, row.Length);
}

std::string DetailNumber(const TotalDetails& details, const DetailRow& row) {
    if (row.Skipped) return std::string();
    FirstNumber first;
    ScanTotalText(DetailText(details, row), details.Reading, first);
    if (!first.Found || first.Run.Separators > 1 || first.Run.TooLong()) return "ERROR";
    return PlainNumber(first.Run, details.Reading.Separator);
}

std::string TotalDetailsTable(const TotalDetails& details) {
    std::string table = "Line\tText\tNumber\r\n";
    for (const DetailRow& row : details.Rows) {
        table += std::to_string(row.Line);
        table += '\t';
        table += DetailText(details, row);
        table += '\t';
        table += row.Skipped ? "skipped" : DetailNumber(details, row);
        table += "\r\n";
    }
    return table;
}
