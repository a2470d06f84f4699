#include "tape/tape_file.h"

#include <charconv>
#include <iterator>

namespace {

constexpr const char* RoleNames[] = {"start", "entry", "shown", "result", "keyresult", "mark"};
constexpr size_t MaxNumberLength = 48;
constexpr size_t FieldCount = 5;

bool RoleOfName(std::string_view name, TapeRole& role) {
    for (size_t i = 0; i < std::size(RoleNames); ++i) {
        if (name == RoleNames[i]) {
            role = static_cast<TapeRole>(i);
            return true;
        }
    }
    return false;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "ERROR", or a number as a panel shows it: a leading '-', digits, and the user's two
// separators, which may be any character but a control character, a digit or '-' (a letter,
// a space, a byte above 127 such as the no-break space of many locales). The panel shows a
// lone "-" after back-space on a negative digit and a lone separator typed without a leading
// zero; both reach the tape and must read back, or the whole tape would be put aside.
bool IsShownNumber(std::string_view text) {
    if (text == "ERROR") return true;
    if (text.empty() || text.size() > MaxNumberLength) return false;
    std::string separators;
    bool digit = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) < ' ' || c == '\x7f' || (c == '-' && i > 0)) return false;
        if (IsDigit(c)) {
            digit = true;
        } else if (c != '-' && separators.find(c) == std::string::npos) {
            separators += c;
        }
    }
    return separators.size() <= 2 && (digit || text.size() <= 2);
}

bool IsNote(std::string_view text) {
    if (text.size() > MaxNoteLength) return false;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < ' ' || c == '\x7f') return false;
    }
    return true;
}

bool ParseCount(std::string_view text, int32_t& count) {
    if (text.empty() || text.size() > 9) return false;
    for (const char c : text) {
        if (!IsDigit(c)) return false;
    }
    std::from_chars(text.data(), text.data() + text.size(), count);
    return true;
}

// The mark roles go with "C", "MC" and "GT" (which also holds numbers) and nothing else,
// and only they hold no number.
bool RoleFitsKey(TapeRole role, TapeKey key) {
    if (key == TapeKey::GrandTotal) return true;
    const bool markKey = key == TapeKey::Clear || key == TapeKey::MemoryClear;
    return (role == TapeRole::Mark) == markKey;
}

// A tax line's key field carries its rate: "TAX 19%".
constexpr std::string_view TaxKeyStart = "TAX ";
constexpr size_t MaxRateLength = 12;

bool ParseKey(std::string_view field, TapeEntry& entry) {
    if (field.starts_with(TaxKeyStart) && field.ends_with('%')) {
        const std::string_view rate =
            field.substr(TaxKeyStart.size(), field.size() - TaxKeyStart.size() - 1);
        if (rate.size() > MaxRateLength || !IsShownNumber(rate) || rate.front() == '-') {
            return false;
        }
        entry.Key = TapeKey::Tax;
        entry.Rate = rate;
        return true;
    }
    return TapeKeyOfLabel(field, entry.Key) && entry.Key != TapeKey::Tax;
}

bool ParseEntry(std::string_view line, TapeEntry& entry) {
    std::string_view fields[FieldCount];
    for (size_t i = 0; i + 1 < FieldCount; ++i) {
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos) return false;
        fields[i] = line.substr(0, tab);
        line.remove_prefix(tab + 1);
    }
    fields[FieldCount - 1] = line;
    if (!ParseKey(fields[0], entry) || !RoleOfName(fields[1], entry.Role)) return false;
    if (!RoleFitsKey(entry.Role, entry.Key)) return false;
    if (HoldsNumber(entry.Role) ? !IsShownNumber(fields[2]) : !fields[2].empty()) return false;
    if (!ParseCount(fields[3], entry.Count) || !IsNote(fields[4])) return false;  // no tab in it
    entry.Number = fields[2];
    entry.Note = fields[4];
    return true;
}

// A separator a version line may name: any character the settings take as a separator (a
// letter and a byte above 127 among them), but no control character, which would break the
// line's layout, and no digit or '-'.
bool IsSeparator(char c) {
    return static_cast<unsigned char>(c) >= ' ' && c != '\x7f' && !IsDigit(c) && c != '-';
}

bool ParseVersionLine(std::string_view line, TapeNotation& notation) {
    notation = TapeNotation{};
    if (line == TapeVersion1Line) return true;
    const std::string_view start = TapeVersion2Start;
    if (line.size() != start.size() + 4 || line.substr(0, start.size()) != start) return false;
    line.remove_prefix(start.size());
    if (line[0] != '\t' || line[2] != '\t') return false;
    notation = TapeNotation{line[1], line[3]};
    return IsSeparator(notation.Decimal) && IsSeparator(notation.Thousand) &&
           notation.Decimal != notation.Thousand;
}

// The next line without its end; `rest` moves past it.
std::string_view NextLine(std::string_view& rest) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

std::string TapeVersionLine(const TapeNotation& notation) {
    if (notation == TapeNotation{}) return std::string(TapeVersion1Line) + "\r\n";
    return std::string(TapeVersion2Start) + '\t' + notation.Decimal + '\t' + notation.Thousand +
           "\r\n";
}

std::string TapeFileLine(const TapeEntry& entry) {
    std::string line = TapeKeyLabel(entry.Key);
    if (entry.Key == TapeKey::Tax) line += ' ' + entry.Rate + '%';
    line += '\t';
    line += RoleNames[static_cast<size_t>(entry.Role)];
    line += '\t' + entry.Number + '\t' + std::to_string(entry.Count) + '\t' + entry.Note + "\r\n";
    return line;
}

std::string TapeFileText(const Tape& tape, const TapeNotation& notation) {
    std::string text = TapeVersionLine(notation);
    for (const TapeEntry& entry : tape.Lines) text += TapeFileLine(entry);
    return text;
}

bool ParseTapeFile(std::string_view bytes, std::deque<TapeEntry>& lines) {
    TapeNotation notation;
    return ParseTapeFile(bytes, lines, notation);
}

bool ParseTapeFile(std::string_view bytes, std::deque<TapeEntry>& lines, TapeNotation& notation) {
    lines.clear();
    notation = TapeNotation{};
    if (bytes.empty()) return true;
    if (bytes.size() >= MaxTapeFileSize) return false;
    std::string_view rest = bytes;
    if (!ParseVersionLine(NextLine(rest), notation)) return false;
    while (!rest.empty()) {
        TapeEntry entry;
        if (!ParseEntry(NextLine(rest), entry)) return false;
        lines.push_back(std::move(entry));
        if (lines.size() > MaxTapeLines) lines.pop_front();
    }
    return true;
}
