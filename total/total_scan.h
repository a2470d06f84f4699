// How the Total reads a text, number by number, in either of its two readings:
// - character by character (the default): digits, '-' and decimal separators build a number,
//   line ends, tabs and NUMBER_SEPARATORS end it, every other character is skipped;
// - by whole cells (WHOLE_CELLS): see total/whole_cells.h.
// The sum and the details both walk the text through ScanTotalText, so the details list
// exactly what the sum took.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/calc_settings.h"
#include "total/number_run.h"
#include "total/whole_cells.h"

enum CharRole : uint8_t {
    Skipped = 0,
    NumberChar = 1,        // a digit or '-'
    DecimalSeparator = 2,  // the view's separator or one of DECIMAL_SEPARATORS
    NumberEnd = 4,         // line feed, carriage return, tab or one of NUMBER_SEPARATORS
};

struct TotalReading {
    std::array<uint8_t, 256> Roles{};
    CellRules Cells;
    char Separator = '.';
    bool WholeCells = false;
    bool PlainDigits = true;  // every digit only builds numbers (the settings keep it so)
};

TotalReading MakeTotalReading(const CalcSettings& settings);

inline uint8_t RoleOf(const TotalReading& reading, char c) {
    return reading.Roles[static_cast<unsigned char>(c)];
}

inline bool IsPlainDigit(const TotalReading& reading, char c) {
    return reading.PlainDigits && static_cast<unsigned char>(c - '0') < 10;
}

// Hands every number of `text` to visitor.Number(const NumberRun&), in order, until that
// returns false; with whole cells, every non-empty cell that is no number goes to
// visitor.Skipped(start, end). Returns the position after the last character read.
template <typename Visitor>
size_t ScanTotalText(std::string_view text, const TotalReading& reading, Visitor& visitor);

// Character by character. The run's counters live in locals while the characters pass (so
// they stay in registers) and go into the run when a number is complete.
template <typename Visitor>
size_t ScanCharacters(std::string_view text, const TotalReading& reading, Visitor& visitor) {
    NumberRun run;
    int32_t length = 0;
    size_t start = 0;
    size_t end = 0;
    uint64_t units = 0;
    int32_t significant = 0;
    int32_t fractionDigits = 0;
    int32_t separators = 0;
    const auto append = [&run, &length](char c) {
        if (length < MaxTotalNumberLength) run.Chars[length++] = c;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const uint8_t role = RoleOf(reading, c);
        if (IsPlainDigit(reading, c)) {
            // A run of digits in one inner loop: most of a column is digits.
            if (length == 0) start = i;
            const bool fraction = separators > 0;
            size_t next = i;
            do {
                const char digit = text[next];
                append(digit);
                units = units * 10 + static_cast<uint64_t>(digit - '0');
                significant += units != 0;
                fractionDigits += fraction;
                ++next;
            } while (next < text.size() && IsPlainDigit(reading, text[next]));
            end = next;
            i = next - 1;
        } else if (role & (NumberChar | DecimalSeparator)) {
            if (length == 0) start = i;
            end = i + 1;
            if (role & NumberChar) {
                append(c);
                if (c != '-') {
                    units = units * 10 + static_cast<uint64_t>(c - '0');
                    significant += units != 0;
                    fractionDigits += separators > 0;
                }
            }
            if (role & DecimalSeparator) {
                append(reading.Separator);
                ++separators;
            }
        }
        if ((i + 1 == text.size() || (role & NumberEnd)) && length > 0) {
            run.Length = length;
            run.Start = start;
            run.End = end;
            run.Units = units;
            run.Significant = significant;
            run.FractionDigits = fractionDigits;
            run.Separators = separators;
            if (!visitor.Number(run)) return i + 1;
            length = 0;
            units = 0;
            significant = 0;
            fractionDigits = 0;
            separators = 0;
        }
    }
    return text.size();
}

// Whole cells. The usual cell (an optional '-', digits, at most one decimal separator that
// cannot be a group mark) is read as the cell is cut; any other goes to ReadWholeCell.
template <typename Visitor>
size_t ScanCells(std::string_view text, const TotalReading& reading, Visitor& visitor) {
    NumberRun run;
    size_t cellStart = 0;
    bool plain = true;
    // The plain cell's run, in locals while the characters pass (as in ScanCharacters).
    int32_t length = 0;
    uint64_t units = 0;
    int32_t significant = 0;
    int32_t fractionDigits = 0;
    int32_t separators = 0;
    bool digits = false;
    const auto append = [&run, &length](char c) {
        if (length < MaxTotalNumberLength) run.Chars[length++] = c;
    };
    for (size_t i = 0;; ++i) {
        if (plain && i < text.size() && IsPlainDigit(reading, text[i])) {
            const bool fraction = separators > 0;
            do {
                append(text[i]);
                units = units * 10 + static_cast<uint64_t>(text[i] - '0');
                significant += units != 0;
                fractionDigits += fraction;
                ++i;
            } while (i < text.size() && IsPlainDigit(reading, text[i]));
            digits = true;
            --i;
            continue;
        }
        const bool cellEnds = i == text.size() || (RoleOf(reading, text[i]) & NumberEnd);
        if (!cellEnds) {
            if (!plain) continue;
            const char c = text[i];
            const uint8_t cellClass = reading.Cells.Class[static_cast<unsigned char>(c)];
            if (c == '-' && i == cellStart) {
                append(c);
            } else if (cellClass == DecimalMark && separators == 0) {
                append(reading.Separator);
                separators = 1;
            } else {
                plain = false;  // a digit that is more than a digit, or any other character
            }
            continue;
        }
        size_t start = cellStart;
        size_t end = i;
        bool number = plain && digits;
        if (number) {
            run.Length = length;
            run.Units = units;
            run.Significant = significant;
            run.FractionDigits = fractionDigits;
            run.Separators = separators;
        } else {
            while (start < end && IsCellBlank(text[start])) ++start;
            while (end > start && IsCellBlank(text[end - 1])) --end;
            run.Clear();
            number =
                start < end && ReadWholeCell(text.substr(start, end - start), reading.Cells, run);
            if (start < end && !number) visitor.Skipped(start, end);
        }
        if (number) {
            run.Start = start;
            run.End = end;
            if (!visitor.Number(run)) return i < text.size() ? i + 1 : i;
        }
        if (i == text.size()) return i;
        cellStart = i + 1;
        plain = true;
        length = 0;
        units = 0;
        significant = 0;
        fractionDigits = 0;
        separators = 0;
        digits = false;
    }
}

template <typename Visitor>
size_t ScanTotalText(std::string_view text, const TotalReading& reading, Visitor& visitor) {
    return reading.WholeCells ? ScanCells(text, reading, visitor)
                              : ScanCharacters(text, reading, visitor);
}
