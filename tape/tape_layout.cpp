#include "tape/tape_layout.h"

namespace {

constexpr const char* KeyWords[] = {
    "add",           "subtract",     "multiply",    "divide",       "equals",     "percent",
    "square root",   "reciprocal",   "sign change", "memory store", "memory add", "memory subtract",
    "memory recall", "memory clear", "total",       "paste",        "clear",
};

const char* Mark(TapeRole role) {
    if (role == TapeRole::Result || role == TapeRole::KeyResult) return "= ";
    if (role == TapeRole::Shown) return "^ ";
    return "  ";
}

// The key as the tape prints it; the paste command has no button, so its shortcut stands in.
std::string KeyColumn(TapeKey key) {
    std::string text = key == TapeKey::Paste ? "^V" : TapeKeyLabel(key);
    text.resize(3, ' ');
    return text;
}

std::string CountText(const TapeEntry& entry) {
    if (entry.Count == 0) return std::string();
    std::string text = "  " + std::to_string(entry.Count);
    if (entry.Key == TapeKey::Total) return text + (entry.Count == 1 ? " number" : " numbers");
    return text + " items";
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::string TapeLineText(const TapeEntry& entry) {
    std::string line = Mark(entry.Role);
    if (entry.Number.size() < TapeNumberWidth)
        line.append(TapeNumberWidth - entry.Number.size(), ' ');
    line += entry.Number;
    line += ' ';
    line += KeyColumn(entry.Key);
    line += CountText(entry);
    if (!entry.Note.empty()) line += "  " + entry.Note;
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

std::string TapeText(const Tape& tape) {
    std::string text;
    for (const TapeEntry& entry : tape.Lines) text += TapeLineText(entry) + "\r\n";
    return text;
}

std::string TapeCsv(const Tape& tape, char thousandSeparator) {
    std::string text = "key,number,note\r\n";
    for (const TapeEntry& entry : tape.Lines) {
        std::string key = KeyWords[static_cast<size_t>(entry.Key)];
        if (entry.Role == TapeRole::Result || entry.Role == TapeRole::KeyResult) key += " result";
        std::string number = entry.Number;
        if (number != "ERROR") std::erase(number, thousandSeparator);
        text += CsvField(key) + ',' + CsvField(number) + ',' + CsvField(entry.Note) + "\r\n";
    }
    return text;
}
