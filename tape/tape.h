// The tape: every number that entered a calculation and every result, one entry a line,
// oldest first, as a printing calculator keeps them on its paper roll.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

// The key an entry was written for. Its text is the button's label ("PASTE" for the paste
// command), so a correction can press the same key again.
enum class TapeKey {
    Add,
    Subtract,
    Multiply,
    Divide,
    Equals,
    Percent,
    SquareRoot,
    Reciprocal,
    SignChange,
    MemoryStore,
    MemoryAdd,
    MemorySubtract,
    MemoryRecall,
    MemoryClear,
    Total,
    Paste,
    Clear,
    AddTax,      // the net TAX+ took
    RemoveTax,   // the gross TAX- took
    Tax,         // the tax of a TAX+ or TAX-, with its rate
    Net,         // the net TAX- found
    Gross,       // the gross TAX+ found
    GrandTotal,  // the grand total GT showed, with its count; a mark where GT cleared it
    Cost,
    Sell,
    Margin,
};

// What the number of an entry is.
enum class TapeRole {
    Start,      // brought in (typed, pasted, recalled, a Total) and begins a calculation
    Entry,      // brought in within a calculation
    Shown,      // the key worked on the value already shown (a sign change: its new value)
    Result,     // computed by the key of the entry above, which brought in its operand
    KeyResult,  // computed by its own key, which brought in no number
    Mark,       // no number: "C", "MC" and the GT that cleared the grand total
};

inline constexpr int32_t MaxNoteLength = 60;
inline constexpr size_t MaxTapeLines = 10000;

struct TapeEntry {
    TapeKey Key = TapeKey::Clear;
    TapeRole Role = TapeRole::Mark;
    std::string Number;  // as the panel showed it, or "ERROR"; empty for a mark
    int32_t Count = 0;   // items of an add/subtract run on its result, numbers of a Total,
                         // results in a grand total
    std::string Note;
    std::string Rate;  // a tax line's rate in percent, as the settings keep it

    bool operator==(const TapeEntry&) const = default;
};

// What the recorder remembers of the calculation in progress.
struct TapeRun {
    bool EntryOnTape = false;  // the number being entered is on the tape already
    int32_t Items = 0;         // numbers the calculation took so far
    bool OnlyAddSubtract = true;
};

struct Tape {
    std::deque<TapeEntry> Lines;
    TapeRun Run;
    size_t Unwritten = 0;  // lines at the end of `Lines` not yet in the file
    bool Rewrite = false;  // a line already in the file changed or went
    // Counted since the start, so that a view can follow: lines added at the end, lines
    // dropped at the top, and changes anywhere else (a correction, a note, a clear).
    uint64_t Appended = 0;
    uint64_t Dropped = 0;
    uint64_t Edits = 0;
};

const char* TapeKeyLabel(TapeKey key);
// False when `label` names no key of the tape.
bool TapeKeyOfLabel(std::string_view label, TapeKey& key);
bool HoldsNumber(TapeRole role);
// Typed, pasted, recalled or summed by the user: the numbers a correction may change.
bool IsBroughtIn(TapeRole role);

// Adds an entry at the end and drops the oldest beyond MaxTapeLines.
void AppendTapeEntry(Tape& tape, TapeEntry entry);
// A note as kept: control characters become spaces, at most MaxNoteLength characters.
std::string CleanNote(std::string_view note);
