// The tape on disk: read at start, each new line appended before the next key, rewritten
// through a temporary file after a correction, a note, a trim, a clear or a change of
// separators.
#pragma once

#include <string>

#include "platform/platform.h"
#include "tape/tape.h"
#include "tape/tape_file.h"

struct TapeStore {
    Platform* Host = nullptr;
    std::string Path;        // UTF-8; empty: the tape is kept in memory only
    size_t FileLines = 0;    // entries the file holds
    std::string FileHeader;  // the version line the file starts with; empty: none yet
    TapeNotation Read;       // the separators the file named when it was read
    TapeNotation Notation;   // the separators the tape's numbers are in now
    // This program holds the file: no other Quillon writes it while it is open here. A file
    // held by another is shown but not written.
    bool Held = false;
};

// Holds the tape file and reads it into `tape`. A file that is no tape (damaged, not text,
// 16 MiB or more) is renamed to the first free name of "NAME.bad", "NAME.2.bad",
// "NAME.3.bad", ..., so no earlier damaged file is replaced, the user is told, and a new tape
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
// written line changed, the file names other separators than `store.Notation` or holds a
// tenth more lines than the tape keeps. A failed write is told to the user once per run; the
// tape stays whole in memory and the next change tries the whole file again.
void SaveTapeChanges(TapeStore& store, Tape& tape);

// "NAME.bad" for the first damaged file, then "NAME.2.bad" and on.
std::string DamagedFileName(const std::string& path, int32_t number);
