#include "tape/tape_layout.h"

#include <algorithm>

#include "language/words.h"

namespace {

constexpr const char* KeyWords[] = {
    "add",        "subtract",        "multiply",      "divide",       "equals",
    "percent",    "square root",     "reciprocal",    "sign change",  "memory store",
    "memory add", "memory subtract", "memory recall", "memory clear", "total",
    "paste",      "clear",           "add tax",       "remove tax",   "tax",
    "net",        "gross",           "grand total",   "cost",         "sell",
    "margin",
};

const char* Mark(TapeRole role) {
    if (role == TapeRole::Result || role == TapeRole::KeyResult) return "= ";
    if (role == TapeRole::Shown) return "^ ";
    return "  ";
}

std::string CountText(const TapeEntry& entry) {
    if (entry.Key == TapeKey::Tax) return "  " + entry.Rate + "%";
    if (entry.Key == TapeKey::Margin) return "  %";
    if (entry.Key == TapeKey::GrandTotal && entry.Role == TapeRole::Mark) return "  cleared";
    if (entry.Count == 0) return std::string();
    std::string text = "  " + std::to_string(entry.Count);
    if (entry.Key == TapeKey::Total) return text + (entry.Count == 1 ? " number" : " numbers");
    if (entry.Key == TapeKey::GrandTotal) return text + (entry.Count == 1 ? " result" : " results");
    return text + " items";
}

std::string CsvField(const std::string& text, char listSeparator) {
    if (text.find_first_of(std::string("\"\r\n") + listSeparator) == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

TapeLineColumns ColumnsOfLine(const TapeEntry& entry) {
    TapeLineColumns columns;
    columns.Mark = Mark(entry.Role);
    columns.Number = entry.Number;
    columns.Key = entry.Key == TapeKey::Paste ? "^V" : TapeKeyLabel(entry.Key);
    columns.Rest = CountText(entry);
    if (!entry.Note.empty()) columns.Rest += "  " + entry.Note;
    return columns;
}

std::string TapeLineText(const TapeEntry& entry) {
    const TapeLineColumns columns = ColumnsOfLine(entry);
    std::string line = columns.Mark;
    if (columns.Number.size() < TapeNumberWidth) {
        line.append(TapeNumberWidth - columns.Number.size(), ' ');
    }
    line += columns.Number + ' ' + columns.Key;
    if (!columns.Rest.empty()) line.append(3 - std::min<size_t>(columns.Key.size(), 3), ' ');
    line += columns.Rest;
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

std::string ShownRest(const TapeEntry& entry) {
    std::string rest;
    if (entry.Count > 0) {
        const std::string count = std::to_string(entry.Count);
        const bool total = entry.Key == TapeKey::Total;
        rest = "  " + (total && entry.Count == 1 ? std::string(Words("1 number"))
                       : total                   ? WordsWith("%1 numbers", {count})
                                                 : WordsWith("%1 items", {count}));
    }
    if (!entry.Note.empty()) rest += "  " + Utf8OfCodePage(entry.Note);
    return rest;
}

std::string ShownTapeLine(const TapeEntry& entry) {
    TapeEntry bare = entry;
    bare.Count = 0;
    bare.Note.clear();
    std::string line = Utf8OfCodePage(TapeLineText(bare));
    const std::string rest = ShownRest(entry);
    if (!rest.empty()) line.append(3 - std::min<size_t>(ColumnsOfLine(bare).Key.size(), 3), ' ');
    return line + rest;
}

std::string TapeText(const Tape& tape) {
    std::string text;
    for (const TapeEntry& entry : tape.Lines) text += TapeLineText(entry) + "\r\n";
    return text;
}

std::string TapeCsv(const Tape& tape, char listSeparator, char thousandSeparator) {
    const char list[] = {listSeparator, '\0'};
    std::string text = std::string("key") + list + "number" + list + "note\r\n";
    for (const TapeEntry& entry : tape.Lines) {
        std::string key = KeyWords[static_cast<size_t>(entry.Key)];
        if (entry.Key == TapeKey::Tax) key += ' ' + entry.Rate + '%';
        if (entry.Role == TapeRole::Result || entry.Role == TapeRole::KeyResult) key += " result";
        std::string number = entry.Number;
        if (number != "ERROR") std::erase(number, thousandSeparator);
        text += CsvField(key, listSeparator) + listSeparator + CsvField(number, listSeparator) +
                listSeparator + CsvField(entry.Note, listSeparator) + "\r\n";
    }
    return text;
}
