// What the tape window's files share: the window's record.
#pragma once

#include <windows.h>

#include <cstdint>

#include "tape/tape_columns.h"
#include "tape/tape_keeper.h"

constexpr int TapeListId = 1;

// The tape window, its list and the tape it shows.
struct TapeView {
    TapeKeeper Keeper;
    HWND Window = nullptr;
    HWND List = nullptr;
    HFONT Font = nullptr;      // the tape font: monospaced, about printed-tape size
    HFONT BoldFont = nullptr;  // the same, bold: results
    TapeColumns Columns;       // measured in the tape font
    WNDPROC ListProcedure = nullptr;
    uint64_t Appended = 0;  // the tape's counters as the list last showed them
    uint64_t Dropped = 0;
    uint64_t Edits = 0;
};

extern TapeView TapeShell;
