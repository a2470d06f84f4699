// What the tape window's files share: the window's record and the procedures that draw its
// list and run its commands.
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

// The list (tape_list.cpp): the selected line, filling and drawing, the columns and width.
int SelectedLine();
const TapeEntry* SelectedEntry();
void AddLine(const TapeEntry& entry);
void FillList();
void MeasureColumns();
void DrawLine(const DRAWITEMSTRUCT& item);
// The outer width that shows a whole line with a count, without its note.
int TapeWindowWidth();

// The commands (tape_commands.cpp): the menu, the context menu and the line dialogs.
void RunTapeCommand(WORD id);
void CorrectSelectedLine();
void NoteSelectedLine();
// The tape changed outside a key: on disk and in the list (a correction has shown its new
// result on the panel itself).
void AfterChange();
void ShowContextMenu(LPARAM position);
void EnableLineCommands(HMENU menu);
