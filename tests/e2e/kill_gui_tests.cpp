// quillon.exe killed at seeded random moments while it appends to the tape and while it writes
// the settings file at its close: after each kill the tape file holds every line it held once
// the keys before had been handled, in whole lines, the settings file is the old one or the new
// one, nothing is put aside as ".bad", and the next start reads both without a message.
//
//   quillon-kill-gui-tests QUILLON_EXE kill_while_writing
#include <windows.h>

#include <cstdio>
#include <random>
#include <string>

#include "gui_check.h"
#include "gui_driver.h"
#include "gui_ids.h"
#include "quillon_session.h"
#include "settings_text.h"

namespace {

constexpr int Kills = 25;

std::string RandomKeys(std::mt19937& random) {
    static const char keys[] = "0123456789.+-*/";
    std::string text;
    const int count = 2 + static_cast<int>(random() % 10);
    for (int i = 0; i < count; ++i) text += keys[random() % (sizeof(keys) - 1)];
    return text + "\r";
}

int LineCount(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

bool EndsWholeLines(const std::string& text) {
    return text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
}

HWND TapeList(const QuillonSession& session) {
    HWND tape = WaitForWindow(session, "QUILLON_TAPE", "Tape", 5000);
    return tape != nullptr ? FindWindowExA(tape, nullptr, "LISTBOX", nullptr) : nullptr;
}

void KillWhileWriting() {
    CaseRun run("kill_while_writing", KnownFile({{"TAPE", "YES"}}));
    if (!run.Start()) return;
    std::mt19937 random(22);
    const std::string tapePath = run.Directory + "Quillon.tape";
    for (int kill = 1; kill <= Kills; ++kill) {
        const std::string at = "kill " + std::to_string(kill) + ": ";
        QuillonSession& s = run.Session;
        TypeText(s, RandomKeys(random));
        PostCommand(s, IdAddMode);  // the settings the close is to write differ from the file's
        const std::string tapeBefore = ReadFileBytes(tapePath);
        const std::string settingsBefore = ReadFileBytes(run.IniPath());
        // Keys still in the queue, then the close that writes the settings, killed meanwhile.
        for (char c : RandomKeys(random)) PostMessageA(s.Window, WM_CHAR, static_cast<BYTE>(c), 1);
        if (random() % 2 == 0) PostMessageA(s.Window, WM_CLOSE, 0, 0);
        Sleep(random() % 40);
        TerminateProcess(s.Process.hProcess, 9);
        WaitForExit(s);

        const std::string tape = ReadFileBytes(tapePath);
        Check(tape.compare(0, tapeBefore.size(), tapeBefore) == 0, at + "the tape kept its lines");
        Check(EndsWholeLines(tape), at + "the tape ends in a whole line");
        const std::string settings = ReadFileBytes(run.IniPath());
        Check(settings == settingsBefore ||
                  (LineCount(settings) == LineCount(settingsBefore) &&
                   ValueInFile(settings, "ADD_MODE") != ValueInFile(settingsBefore, "ADD_MODE")),
              at + "the settings file is the old or the new one");
        Check(ReadFileBytes(tapePath + ".bad") == "<missing>", at + "no tape put aside");
        if (!Check(run.Start(), at + "the program starts again")) return;
        Check(WaitForWindow(run.Session, "#32770", nullptr, 300) == nullptr, at + "no message");
        CheckEqual(static_cast<int>(SendMessageA(TapeList(run.Session), LB_GETCOUNT, 0, 0)),
                   LineCount(tape) - 1, at + "every line on the tape read back");
    }
    run.Exit();
}

const GuiCase Cases[] = {{"kill_while_writing", KillWhileWriting}};

}  // namespace

int main(int argc, char** argv) {
    return RunDriver(argc, argv, DriverSetUp{"CASE", nullptr, nullptr}, {Cases});
}
