// Tells screen readers what the panel and the indicators show, once per command and once
// the new texts are in the controls: the value and name changes of the fields that changed,
// and a spoken notification of what they come to.
#pragma once

#include <windows.h>

#include <string>

#include "platform/platform.h"

// Remembers that the engine changed the field's text; a command may change a field more than
// once, and each field is announced once, when the command ends.
void NoteDisplayChange(DisplayField field);

// Raises the value change (and, for an indicator, name change) of every field noted since
// the last call, and where the system offers UI Automation notifications, speaks what they
// come to: the new result ("Error" for "ERROR"), a Total with its count, or else the
// indicator that changed. Runs when a command ends and before a message box.
void AnnounceDisplayChanges();

// Speaks a line just added to the tape's list; within a command, after the result it records.
void AnnounceTapeLine(HWND list, const std::string& line);  // UTF-8

// Held while a command runs; when the outermost one ends, its changes are announced. The
// panel reports its own text change as a command, which runs inside the one that set it.
class AnnouncedCommand {
   public:
    AnnouncedCommand();
    ~AnnouncedCommand();
    AnnouncedCommand(const AnnouncedCommand&) = delete;
    AnnouncedCommand& operator=(const AnnouncedCommand&) = delete;
};
