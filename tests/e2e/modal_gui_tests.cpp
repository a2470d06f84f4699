// GUI tests of quillon.exe under each kind of dialog and message box: the main window and the
// tape window are disabled while it is open, closing the main window (WM_CLOSE, the close box's
// SC_CLOSE) or the tape window is refused and leaves the dialog working, the end of the
// session saves the settings, and once the dialog is answered the program ends cleanly with
// the settings and the tape on disk.
//
//   quillon-modal-gui-tests QUILLON_EXE CASE
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gui_check.h"
#include "gui_driver.h"
#include "gui_ids.h"
#include "quillon_session.h"
#include "settings_text.h"

namespace {

constexpr DWORD WindowTimeoutMs = 5000;
constexpr int SelectPanelFontId = 8;  // "Select" of the panel font in "Customize view"
constexpr int SaveNameId = 1148;      // the file name box of the save dialog
constexpr const char* DialogClass = "#32770";

// The dialogs open, innermost last; each is answered with its button, innermost first.
struct OpenDialogs {
    std::vector<HWND> Windows;
    std::vector<WPARAM> Answers;
};

void SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result);
}

HWND TapeWindow(const QuillonSession& session) {
    return WaitForWindow(session, "QUILLON_TAPE", "Tape", WindowTimeoutMs);
}

// Opens a dialog by posting `id` to `target`, waits for it, adds it with its answer.
bool Open(const QuillonSession& session, OpenDialogs& open, HWND target, WORD id, const char* title,
          WPARAM answer) {
    PostMessageA(target, WM_COMMAND, id, 0);
    HWND dialog = WaitForWindow(session, DialogClass, title, WindowTimeoutMs);
    if (!Check(dialog != nullptr, std::string("\"") + title + "\" opens")) return false;
    open.Windows.push_back(dialog);
    open.Answers.push_back(answer);
    return true;
}

struct OwnedSearch {
    HWND Owner;
    HWND Found;
};

BOOL CALLBACK MatchOwned(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<OwnedSearch*>(parameter);
    if (GetWindow(window, GW_OWNER) != search->Owner || !IsWindowVisible(window)) return TRUE;
    search->Found = window;
    return FALSE;
}

// The visible window `owner` owns, such as the prompt of a common dialog; null after a wait.
HWND OwnedWindow(HWND owner) {
    for (DWORD waited = 0; waited < WindowTimeoutMs; waited += 50) {
        OwnedSearch search = {owner, nullptr};
        EnumWindows(MatchOwned, reinterpret_cast<LPARAM>(&search));
        if (search.Found != nullptr) return search.Found;
        Sleep(50);
    }
    return nullptr;
}

bool OpenCustomizeView(const QuillonSession& s, HWND, OpenDialogs& open) {
    return Open(s, open, s.Window, IdAppearance, "Customize view", IDCANCEL);
}

bool OpenFontChooser(const QuillonSession& s, HWND tape, OpenDialogs& open) {
    return OpenCustomizeView(s, tape, open) &&
           Open(s, open, open.Windows.back(), SelectPanelFontId, "Font chooser", IDCANCEL);
}

bool OpenTotalSeparators(const QuillonSession& s, HWND, OpenDialogs& open) {
    return Open(s, open, s.Window, IdTotalSettings, "Customize calculation of total", IDCANCEL);
}

bool OpenAbout(const QuillonSession& s, HWND, OpenDialogs& open) {
    return Open(s, open, s.Window, IdAbout, "About", IDCANCEL);
}

bool OpenTotalDetails(const QuillonSession& s, HWND, OpenDialogs& open) {
    return Open(s, open, s.Window, IdTotalDetails, "Total details", IDCANCEL);
}

// A message box of the key layer: the Total of an empty clipboard.
bool OpenMessageBox(const QuillonSession& s, HWND, OpenDialogs& open) {
    SetClipboard(nullptr);
    return Open(s, open, s.Window, IdTotalKey, "Quillon", IDOK);
}

bool OpenTapeLine(const QuillonSession& s, HWND tape, OpenDialogs& open) {
    SendTo(FindWindowExA(tape, nullptr, "LISTBOX", nullptr), LB_SETCURSEL, 0, 0);
    return Open(s, open, tape, IdTapeNote, "Tape", IDCANCEL);
}

bool OpenSaveAs(const QuillonSession& s, HWND tape, OpenDialogs& open) {
    return Open(s, open, tape, IdTapeSave, "Save As", IDCANCEL);
}

// "Save tape as..." on a file that exists: the dialog's own prompt, answered No.
bool OpenFileExists(const QuillonSession& s, HWND tape, OpenDialogs& open) {
    const std::string path = s.Directory + "saved.txt";
    WriteFileBytes(path, "kept\r\n");
    if (!OpenSaveAs(s, tape, open)) return false;
    HWND save = open.Windows.back();
    SendTo(GetDlgItem(save, SaveNameId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(save, WM_COMMAND, IDOK, 0);
    HWND prompt = OwnedWindow(save);
    if (!Check(prompt != nullptr, "the \"already exists\" prompt opens")) return false;
    open.Windows.push_back(prompt);
    open.Answers.push_back(IDNO);
    return true;
}

bool OpenClearTape(const QuillonSession& s, HWND tape, OpenDialogs& open) {
    return Open(s, open, tape, IdTapeClear, "Quillon", IDNO);
}

bool Alive(const QuillonSession& session) {
    return WaitForSingleObject(session.Process.hProcess, 0) == WAIT_TIMEOUT;
}

// Every way a user closes the main window or the tape, each refused while `dialog` is open.
void TryToClose(const QuillonSession& s, HWND tape, HWND dialog) {
    PostMessageA(s.Window, WM_CLOSE, 0, 0);
    PostMessageA(s.Window, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageA(tape, WM_CLOSE, 0, 0);
    Settle(s);
    Sleep(200);  // a crash would end the process meanwhile
    if (!Check(Alive(s), "the program runs on after the closes")) return;
    CheckEqual(IsWindow(dialog) != 0 && IsWindowVisible(dialog) != 0, true, "the dialog stays");
    CheckEqual(IsWindowVisible(s.Window) != 0, true, "the main window stays");
    CheckEqual(IsWindowVisible(tape) != 0, true, "the tape window stays");
}

const std::string TapeFile =
    "QUILLON TAPE 2\t.\t,\r\n+\tstart\t12\t0\t\r\n=\tentry\t3\t0\t\r\n=\tresult\t15\t2\t\r\n";

void CloseUnder(const char* name, bool (*open)(const QuillonSession&, HWND, OpenDialogs&)) {
    CaseRun run(std::string("modal_") + name, KnownFile({{"TAPE", "YES"}}));
    if (!run.Start()) return;
    QuillonSession& s = run.Session;
    HWND tape = TapeWindow(s);
    if (!Check(tape != nullptr, "the tape window exists")) return;
    TypeText(s, "12+3\r");
    PostCommand(s, IdAddMode);  // a setting changed since the start, saved only at the end
    OpenDialogs dialogs;
    if (!open(s, tape, dialogs)) return;
    CheckEqual(IsWindowEnabled(s.Window) != 0, false, "the main window is disabled");
    CheckEqual(IsWindowEnabled(tape) != 0, false, "the tape window is disabled");
    TryToClose(s, tape, dialogs.Windows.back());
    if (!Alive(s)) return;

    SendTo(s.Window, WM_QUERYENDSESSION, 0, 0);
    SendTo(s.Window, WM_ENDSESSION, TRUE, 0);
    CheckEqual(ValueInFile(ReadFileBytes(run.IniPath()), "ADD_MODE"), std::string("YES"),
               "the end of the session saves the settings");
    CheckEqual(ReadFileBytes(run.Directory + "Quillon.tape"), TapeFile, "the tape is on disk");

    for (size_t i = dialogs.Windows.size(); i > 0; --i) {
        PostMessageA(dialogs.Windows[i - 1], WM_COMMAND, dialogs.Answers[i - 1], 0);
        Settle(s);
    }
    CheckEqual(IsWindowEnabled(s.Window) != 0, true, "the main window is enabled again");
    CheckEqual(IsWindowEnabled(tape) != 0, true, "the tape window is enabled again");
    const std::string settings = run.EndBy(WM_SYSCOMMAND, SC_CLOSE);
    CheckEqual(ValueInFile(settings, "ADD_MODE"), std::string("YES"), "settings saved at exit");
    CheckEqual(ReadFileBytes(run.Directory + "Quillon.tape"), TapeFile, "the tape kept whole");
}

#define MODAL_CASE(name, opener)                          \
    {                                                     \
        "modal_" #name, [] { CloseUnder(#name, opener); } \
    }

const GuiCase Cases[] = {
    MODAL_CASE(customize_view, OpenCustomizeView),
    MODAL_CASE(font_chooser, OpenFontChooser),
    MODAL_CASE(total_separators, OpenTotalSeparators),
    MODAL_CASE(about, OpenAbout),
    MODAL_CASE(total_details, OpenTotalDetails),
    MODAL_CASE(message_box, OpenMessageBox),
    MODAL_CASE(tape_line, OpenTapeLine),
    MODAL_CASE(save_as, OpenSaveAs),
    MODAL_CASE(file_exists, OpenFileExists),
    MODAL_CASE(clear_tape, OpenClearTape),
};

}  // namespace

int main(int argc, char** argv) {
    const DriverSetUp setUp{"CASE", nullptr, nullptr};
    return RunDriver(argc, argv, setUp, {Cases});
}
