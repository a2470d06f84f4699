// Tapes as documents: a new tape in a file the user names, a saved tape opened and continued,
// the tape saved as a tape file to go on in, the four tapes used last, the window's title.
#pragma once

#include <windows.h>

#include <string>

void NewTapeFile();
void OpenTapeFile();
// `index` 0 is the tape used last.
void OpenRecentTape(int index);
// Writes the whole tape to `path` and records the lines to come there; tells the user when
// the file cannot be written or another Quillon holds it.
void SaveTapeToFile(const std::string& path);
// The tapes used last, numbered, before "Print tape..." on `menu`.
void ShowRecentTapes(HMENU menu);
// "Tape", or the tape's name and "Tape" for a tape the user named.
void ShowTapeTitle();
// The tape in use at the last start, or `defaultPath` when none was named.
std::string TapeAtStart(const std::string& defaultPath);
