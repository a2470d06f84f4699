// One run of quillon.exe under test: started in a fresh working directory, worked through
// its message queue as a user works it, and ended by the user's own ways out.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

struct QuillonSession {
    std::string Directory;  // the working directory, with a trailing backslash
    PROCESS_INFORMATION Process = {};
    HWND Window = nullptr;
    HWND Sentinel = nullptr;  // the panel's tool-tip window, see Settle
};

// A Unix path from the command line as Wine's Z: drive names it; other paths unchanged.
std::string WindowsPath(const std::string& path);
// The program under test, set once from the command line.
void SetQuillonPath(const std::string& path);
const std::string& QuillonPath();

// A new working directory for one case, named after it, holding an empty Quillon.ini so that
// quillon.exe started there keeps its files there.
std::string MakeWorkDirectory(const std::string& name);
void RemoveWorkDirectory(const std::string& directory);

void WriteFileBytes(const std::string& path, const std::string& bytes);
// The file's bytes, or "<missing>" when it cannot be opened.
std::string ReadFileBytes(const std::string& path);

// Starts quillon.exe in `directory` and waits for its main window; Window stays null when
// no window of class "QUILLON" appeared.
QuillonSession StartQuillon(const std::string& directory);
// Waits for the process to end; its exit code, or -1 when it did not end in time.
int WaitForExit(QuillonSession& session);
// Ends a session that a failed check left running.
void KillQuillon(QuillonSession& session);

HWND Control(const QuillonSession& session, int row);
std::string WindowText(HWND window);
std::string Panel(const QuillonSession& session);
std::string OperatorIndicator(const QuillonSession& session);
std::string MemoryIndicator(const QuillonSession& session);

// Waits until every message posted so far has been handled, including the characters
// that the handled key messages produced.
void Settle(const QuillonSession& session);
// Posts each byte as a typed character, then settles.
void TypeText(const QuillonSession& session, const std::string& text);
// Posts a key press and release to `target` (the main window or a control), then settles.
void PressKey(const QuillonSession& session, HWND target, WORD virtualKey);
// Presses keys on the real keyboard path (held modifiers included), then types `marker`
// the same way and waits until the panel shows it: the keys before it have been handled.
bool PressChord(const QuillonSession& session, WORD modifier, WORD key, char marker);
// A menu command or a button id, as the menu or the button sends it.
void PostCommand(const QuillonSession& session, WORD id);
void ClickButton(const QuillonSession& session, int row);

// The tool-tip window whose tool is `control`, or null.
HWND TipWindowOf(const QuillonSession& session, HWND control);

// Memory inside quillon.exe, released when the block goes.
struct RemoteBlock {
    HANDLE Process;
    void* Address;
    RemoteBlock(HANDLE process, SIZE_T size);
    ~RemoteBlock();
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;
};

// A driver run unattended: no error box waits for a click, and what it prints is written at
// once, so a case that crashes still shows the checks it printed.
void PrepareUnattendedDriver();

// One case's working directory and program run, cleaned up whatever the checks found.
struct CaseRun {
    std::string Directory;
    QuillonSession Session;
    std::string SavedFile;  // the settings file as the last EndBy found it

    // Writes `settingsFile` as Quillon.ini first, when there is one.
    CaseRun(const std::string& name, const std::optional<std::string>& settingsFile);
    ~CaseRun();
    CaseRun(const CaseRun&) = delete;
    CaseRun& operator=(const CaseRun&) = delete;
    std::string IniPath() const { return Directory + "Quillon.ini"; }
    // Starts the program and checks that its window appears.
    bool Start();
    // Ends the program the given way, checks its exit code and the place it saved, and
    // returns the settings file it left with the place emptied.
    std::string EndBy(UINT message, WPARAM wParam);
    std::string Exit();
};

// Puts ANSI text on the clipboard, or empties it when `text` is null.
void SetClipboard(const char* text);

// The window in `session`'s process with the class and title, or null after the timeout.
HWND WaitForWindow(const QuillonSession& session, const char* className, const char* title,
                   DWORD timeoutMs);
