// What the tape window's files share: the window's record.
#pragma once

#include <windows.h>

#include <cstdint>

#include "tape/tape_keeper.h"

constexpr int TapeListId = 1;

// Where the columns of a line start (the number: where it ends), in pixels from the left.
struct ColumnEdges {
    int Number = 0;
    int Key = 0;
    int Rest = 0;
    int Count = 0;  // the width of the longest count
    int Note = 0;   // the width of a long note
};

// The tape window, its list and the tape it shows.
struct TapeView {
    TapeKeeper Keeper;
    HWND Window = nullptr;
    HWND List = nullptr;
    HFONT Font = nullptr;
    ColumnEdges Columns;
    WNDPROC ListProcedure = nullptr;
    uint64_t Appended = 0;  // the tape's counters as the list last showed them
    uint64_t Dropped = 0;
    uint64_t Edits = 0;
};

extern TapeView TapeShell;
