// The tape window's list: the selected line, filling and drawing it, its columns and width.
#pragma once

#include <windows.h>

#include "shell/tape_view.h"

int SelectedLine();
const TapeEntry* SelectedEntry();
void AddLine(const TapeEntry& entry);
void FillList();
void MeasureColumns();
void DrawLine(const DRAWITEMSTRUCT& item);
// The outer width that shows a whole line with a count, without its note.
int TapeWindowWidth();
