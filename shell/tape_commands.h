// The tape window's commands: its menu, the context menu and the line dialogs.
#pragma once

#include <windows.h>

void RunTapeCommand(WORD id);
void CorrectSelectedLine();
void NoteSelectedLine();
// The tape changed outside a key: on disk and in the list (a correction has shown its new
// result on the panel itself).
void AfterChange();
void ShowContextMenu(LPARAM position);
void EnableLineCommands(HMENU menu);
