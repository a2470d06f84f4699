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
    // This program holds the file: no other Quillon writes it while it is open here. A file
    // held by another is shown but not written.
    bool Held = false;
};

// Holds the tape file and reads it into `tape`. A file that is no tape (damaged, not text,
// 16 MiB or more) is renamed to its name with ".bad" added, the user is told, and a new tape
// starts. A file another Quillon holds is read, the user is told, and it is not written.
void LoadTape(TapeStore& store, Tape& tape);

// Holds the tape file and makes it an empty tape (unless another Quillon holds it).
void StartNewTapeFile(TapeStore& store, Tape& tape);

// The tape goes on in `path`: written there whole and held, the old file let go. False, and
// the tape stays where it was, when another Quillon holds `path` or it cannot be written.
bool MoveTapeFile(TapeStore& store, Tape& tape, const std::string& path);

// Lets the file go, for another Quillon to write.
void ReleaseTapeFile(TapeStore& store);

// Brings the file up to date: appends the new lines, or writes the whole tape anew when a
// written line changed or the file holds a tenth more lines than the tape keeps.
void SaveTapeChanges(TapeStore& store, Tape& tape);
