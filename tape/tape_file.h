// The tape file: plain text, a version line, then one entry a line, oldest first:
//
//   QUILLON TAPE 1
//   KEY <tab> ROLE <tab> NUMBER <tab> COUNT <tab> NOTE
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

inline constexpr const char* TapeVersionLine = "QUILLON TAPE 1";
// A tape file this large or larger is not read.
inline constexpr size_t MaxTapeFileSize = 16 * 1024 * 1024;

// One entry's line, ending in CR LF.
std::string TapeFileLine(const TapeEntry& entry);
// The version line and every entry.
std::string TapeFileText(const Tape& tape);

// The entries of a tape file, at most the last MaxTapeLines of them; false when `bytes` is
// no tape file (damaged, not text, another version). An empty file is an empty tape.
bool ParseTapeFile(std::string_view bytes, std::deque<TapeEntry>& lines);
