// The running program's tape: the lines, their file, and the hook that records each key.
#pragma once

#include <string>

#include "calculator/calc_context.h"
#include "tape/tape.h"
#include "tape/tape_store.h"

struct TapeKeeper {
    Tape Lines;
    TapeStore Store;
    const CalcSettings* Settings = nullptr;  // whose separators the file's numbers are in
};

// Reads the tape file at `path` (empty: the tape is kept in memory only) through the
// context's platform, and records every later key of `context` into it, each new line on
// disk before the key returns. Numbers the file wrote with other separators are shown in
// the context's.
void StartTape(TapeKeeper& keeper, CalcContext& context, const std::string& path);

// How a tape is switched to.
enum class TapeSwitch {
    Open,  // the tape the file holds, continued
    New,   // an empty tape; the file is emptied
};

// Another tape for the lines to come: the current one is written and its file let go, the
// calculation in progress ends (as at "C", but neither tape gets a "C"), and the tape at
// `path` is held and read, or started anew.
void SwitchTape(TapeKeeper& keeper, CalcContext& context, const std::string& path, TapeSwitch how);

// Writes what changed since the last key (a correction, a note, a clear).
void SaveTape(TapeKeeper& keeper);
