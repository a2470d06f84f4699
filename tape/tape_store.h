// The tape on disk: read at start, each new line appended before the next key, rewritten
// through a temporary file after a correction, a note, a trim or a clear.
#pragma once

#include <string>

#include "platform/platform.h"
#include "tape/tape.h"

struct TapeStore {
    Platform* Host = nullptr;
    std::string Path;      // empty: the tape is kept in memory only
    size_t FileLines = 0;  // entries the file holds
    bool HasVersionLine = false;
};

// Reads the tape file into `tape`. A file that is no tape (damaged, not text, 16 MiB or
// more) is renamed to its name with ".bad" added, the user is told, and a new tape starts.
void LoadTape(TapeStore& store, Tape& tape);

// Brings the file up to date: appends the new lines, or writes the whole tape anew when a
// written line changed or the file holds a tenth more lines than the tape keeps.
void SaveTapeChanges(TapeStore& store, Tape& tape);
