// The tape as people read it: right-aligned lines as on a printed roll, and CSV.
#pragma once

#include <string>

#include "tape/tape.h"

// Width of the number column: 24 digits, their thousand separators and a sign.
inline constexpr size_t TapeNumberWidth = 32;

// The columns of a line: the mark, the number (right-aligned), the key and the rest (the
// count and the note, each after two spaces).
struct TapeLineColumns {
    std::string Mark;
    std::string Number;
    std::string Key;
    std::string Rest;
};

TapeLineColumns ColumnsOfLine(const TapeEntry& entry);

// One line: a mark ("= " on results, "^ " on a value taken from the line above, blank on a
// number brought in), the number right-aligned, the key, then the count and the note.
std::string TapeLineText(const TapeEntry& entry);

// The rest column as the tape window shows it (UTF-8): the count in the chosen language
// ("2 items" or its translation) and the note brought over from the code page.
std::string ShownRest(const TapeEntry& entry);
// TapeLineText with that rest, as a screen reader hears the line (UTF-8).
std::string ShownTapeLine(const TapeEntry& entry);

// Every line in that layout, each ending in CR LF.
std::string TapeText(const Tape& tape);

// A header row and one row per line: key, number, note, separated by the system's list
// separator, so that a spreadsheet of the user's locale splits them. Numbers keep the view's
// decimal separator and lose their thousand separators, so that it reads them as numbers; a
// field holding the list separator, a quote or a line end is quoted. A result's key reads
// e.g. "equals result".
std::string TapeCsv(const Tape& tape, char listSeparator, char thousandSeparator);
