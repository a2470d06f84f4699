// The tape file: plain text, a version line, then one entry a line, oldest first:
//
//   QUILLON TAPE 2 <tab> DECIMAL <tab> THOUSAND
//   KEY <tab> ROLE <tab> NUMBER <tab> COUNT <tab> NOTE
//
// DECIMAL and THOUSAND are the one-character decimal and thousand separators the numbers
// below were written with, so the file means the same whatever the settings of the reader.
// A version 1 file ("QUILLON TAPE 1" alone) names none: its numbers are read with the
// reader's separators, as they were written.
//
// KEY is the key's label (+ - * / = % SQR 1/X +- MS M+ M- MR MC T PASTE C TAX+ TAX- GT COST
// SELL MARGIN) or the name of a figure a business key found (NET GROSS, and TAX with its
// rate, e.g. "TAX 19%"); ROLE is start,
// entry, shown, result, keyresult or mark; NUMBER is the number as the panel showed it
// (empty on a mark); COUNT is the item or number count, 0 for none; NOTE is the note. Lines
// end in CR LF (a line feed alone is read too).
#pragma once

#include <deque>
#include <string>
#include <string_view>

#include "tape/tape.h"

inline constexpr const char* TapeVersion1Line = "QUILLON TAPE 1";
inline constexpr const char* TapeVersion2Start = "QUILLON TAPE 2";
// A tape file this large or larger is not read.
inline constexpr size_t MaxTapeFileSize = 16 * 1024 * 1024;

// The separators a tape file's numbers were written with; '\0' in both: not named (version 1).
struct TapeNotation {
    char Decimal = '\0';
    char Thousand = '\0';
    bool operator==(const TapeNotation&) const = default;
};

// The version line for numbers written with `notation`, ending in CR LF.
std::string TapeVersionLine(const TapeNotation& notation);
// One entry's line, ending in CR LF.
std::string TapeFileLine(const TapeEntry& entry);
// The version line and every entry.
std::string TapeFileText(const Tape& tape, const TapeNotation& notation);

// The entries of a tape file, at most the last MaxTapeLines of them, and the separators its
// numbers were written with; false when `bytes` is no tape file (damaged, not text, another
// version). An empty file is an empty tape.
bool ParseTapeFile(std::string_view bytes, std::deque<TapeEntry>& lines, TapeNotation& notation);
bool ParseTapeFile(std::string_view bytes, std::deque<TapeEntry>& lines);
