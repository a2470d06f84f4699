#include "total/whole_cells.h"

namespace {

uint8_t ClassOf(const CellRules& rules, char c) {
    return rules.Class[static_cast<unsigned char>(c)];
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The sign and currency around the digits: "-", "+" or "(" in front, "-" or ")" behind, and
// one currency sign before or after, each with or without a blank.
struct Frame {
    size_t Begin = 0;
    size_t End = 0;
    char Opener = '\0';
    bool Closed = false;
    bool TrailingMinus = false;
    bool Currency = false;

    bool Negative() const { return Opener == '-' || Opener == '(' || TrailingMinus; }
};

Frame PeelFrame(std::string_view cell, const CellRules& rules) {
    Frame frame;
    frame.End = cell.size();
    const auto currency = [&](char c) {
        return !frame.Currency && (ClassOf(rules, c) & CurrencySign);
    };
    while (frame.Begin < frame.End) {
        const char c = cell[frame.Begin];
        if (currency(c)) {
            frame.Currency = true;
            ++frame.Begin;
            if (frame.Begin < frame.End && IsCellBlank(cell[frame.Begin])) ++frame.Begin;
        } else if (frame.Opener == '\0' && (c == '-' || c == '+' || c == '(')) {
            frame.Opener = c;
            ++frame.Begin;
        } else {
            break;
        }
    }
    while (frame.End > frame.Begin) {
        const char c = cell[frame.End - 1];
        if (currency(c)) {
            frame.Currency = true;
            --frame.End;
            if (frame.End > frame.Begin && IsCellBlank(cell[frame.End - 1])) --frame.End;
        } else if (frame.Opener == '(' && !frame.Closed && c == ')') {
            frame.Closed = true;
            --frame.End;
        } else if (frame.Opener == '\0' && !frame.TrailingMinus && c == '-') {
            frame.TrailingMinus = true;
            --frame.End;
        } else {
            break;
        }
    }
    return frame;
}

// Digits split by one group mark: all groups of three after the first of one to three, or
// (Indian) groups of two after the first of one or two, and three at the end.
bool ValidGrouping(std::string_view integer, char mark) {
    int32_t first = -1;  // length of the first group, once it has ended
    int32_t length = 0;
    bool western = true;  // every group after the first so far has three digits
    bool indian = true;   // every group after the first so far has two
    for (const char c : integer) {
        if (c != mark) {
            ++length;
            continue;
        }
        if (length == 0) return false;
        if (first < 0) {
            first = length;
        } else {
            western = western && length == 3;
            indian = indian && length == 2;
        }
        length = 0;
    }
    if (first < 0) return true;
    return length == 3 && ((western && first <= 3) || (indian && first <= 2));
}

}  // namespace

bool IsCellBlank(char c) {
    return c == ' ' || c == NoBreakSpace;
}

CellRules MakeCellRules(const CalcSettings& settings) {
    CellRules rules;
    const auto mark = [&rules](char c, uint8_t flag) {
        rules.Class[static_cast<unsigned char>(c)] |= flag;
    };
    for (char c = '0'; c <= '9'; ++c) mark(c, CellDigit);
    for (const char c : {settings.THOUSAND_SEPARATOR, ' ', NoBreakSpace, '\''}) mark(c, GroupMark);
    mark(settings.DECIMAL_SEPARATOR, DecimalMark);
    for (int32_t i = 0; i < settings.DECIMAL_SEPARATORS.Length(); ++i) {
        mark(settings.DECIMAL_SEPARATORS.At(i), DecimalMark);
    }
    for (const char c : {'$', EuroSign, PoundSign, YenSign}) mark(c, CurrencySign);
    for (const char c : {' ', NoBreakSpace}) mark(c, CellBlank);
    rules.Separator = settings.DECIMAL_SEPARATOR;
    return rules;
}

bool ReadWholeCell(std::string_view cell, const CellRules& rules, NumberRun& run) {
    const Frame frame = PeelFrame(cell, rules);
    if (frame.Opener == '(' && !frame.Closed) return false;
    const std::string_view body = cell.substr(frame.Begin, frame.End - frame.Begin);

    // The last character that can be a decimal separator is the one.
    size_t point = body.size();
    for (size_t i = body.size(); i-- > 0;) {
        if (ClassOf(rules, body[i]) & DecimalMark) {
            point = i;
            break;
        }
    }
    const std::string_view integer = body.substr(0, point);
    const std::string_view fraction = point < body.size() ? body.substr(point + 1) : "";
    char groupMark = '\0';
    int32_t digits = 0;
    for (const char c : integer) {
        if (IsDigit(c)) {
            ++digits;
        } else if (!(ClassOf(rules, c) & GroupMark) || (groupMark != '\0' && c != groupMark)) {
            return false;
        } else {
            groupMark = c;
        }
    }
    for (const char c : fraction) {
        if (!IsDigit(c)) return false;
    }
    if (digits + fraction.size() == 0) return false;
    if (groupMark != '\0' && !ValidGrouping(integer, groupMark)) return false;

    if (frame.Negative()) run.Append('-');
    for (const char c : integer) {
        if (IsDigit(c)) run.AppendDigit(c);
    }
    if (point < body.size()) {
        run.Append(rules.Separator);
        run.Separators = 1;
        for (const char c : fraction) run.AppendDigit(c);
    }
    return true;
}
