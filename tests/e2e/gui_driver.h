// What every GUI driver shares: its start from the command line, the hand-over to a script
// that takes a screenshot, and reads of the windows it works.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

#include "gui_check.h"
#include "quillon_session.h"

struct ClientRect {
    int Left, Top, Width, Height;
};

ClientRect RectInParent(HWND control);
// The window's class name in capitals.
std::string ClassOf(HWND window);
HWND FocusOf(const QuillonSession& session);
bool ShowsPushed(HWND button);
// The first character of a locale item of the user's locale, or "".
std::string LocaleChar(LCTYPE item);
// The user's digit grouping as the settings file numbers it.
int LocaleGrouping();

// Writes DIRECTORY\ready with `ready` in it and waits until the script that started the
// driver has written DIRECTORY\shot.png (20 s at most).
void WaitForScreenshot(const std::string& directory, const std::string& ready);
// "left top width height" of the main window with the tape beside it on the right, for a
// screenshot of both.
std::string MainAndTapeArea(HWND main, HWND tape);

// A driver's main: no error boxes, the program under test from the first argument, then
// `helper` (a probe or a stand-in program, when the usage names one) and the case, which runs
// from `tables`. "screenshot DIRECTORY ..." goes to `screenshot` with the arguments after it.
struct DriverSetUp {
    const char* Usage;  // the arguments after the program's own path
    void (*TakeHelper)(const std::string& path);
    int (*Screenshot)(const std::vector<std::string>& arguments);
};
int RunDriver(int argc, char** argv, const DriverSetUp& setUp,
              std::initializer_list<std::span<const GuiCase>> tables);
