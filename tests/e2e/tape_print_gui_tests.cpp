// GUI tests of printing the tape and of tapes as documents in quillon.exe: the print preview
// shows page 1 with its header and turns and zooms, the print dialog opens from Ctrl+P, and a
// tape saved as a tape file, a new tape and an opened tape each keep their lines through the
// real window and a restart.
//
//   quillon-tape-print-gui-tests QUILLON_EXE CASE
//   quillon-tape-print-gui-tests QUILLON_EXE screenshot DIRECTORY
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

constexpr int SaveNameId = 1148;  // the file name box of the file dialogs
constexpr int SaveTypeId = 1136;  // the file type list of the save dialog
constexpr int TapeTypeIndex = 2;  // "Quillon tape (*.tape)"
constexpr int ZoomButton = 3;     // the preview's "100 %" / "Zoom to fit"
constexpr int CloseButton = 5;
constexpr int AllLinesButton = 1056;  // the print dialog's range choices
constexpr int SelectionButton = 1057;
constexpr int PagesButton = 1058;  // offered as the current calculation
constexpr DWORD WindowTimeoutMs = 5000;
constexpr const char* TapeClass = "QUILLON_TAPE";
constexpr const char* PreviewClass = "QUILLON_PRINT_PREVIEW";

void SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result);
}

size_t LineCount(HWND tape) {
    HWND list = FindWindowExA(tape, nullptr, "LISTBOX", nullptr);
    return static_cast<size_t>(SendMessageA(list, LB_GETCOUNT, 0, 0));
}

// Dark pixels on the screen in the top eighth of the preview's client area below its buttons:
// the page's header.
int DarkPixelsInHeader(HWND preview) {
    RECT client = {};
    GetClientRect(preview, &client);
    POINT origin = {0, 0};
    ClientToScreen(preview, &origin);
    HDC screen = GetDC(nullptr);
    int dark = 0;
    const int top = 40;
    for (int y = top; y < top + client.bottom / 8; y += 1) {
        for (int x = 0; x < client.right; x += 1) {
            const COLORREF colour = GetPixel(screen, origin.x + x, origin.y + y);
            if (colour != CLR_INVALID && GetRValue(colour) + GetGValue(colour) < 160) ++dark;
        }
    }
    ReleaseDC(nullptr, screen);
    return dark;
}

// A "Print" dialog of the system: the print dialog itself (it has the range choices) or, on a
// system without printers, the notice it shows over itself; null when there is none.
HWND PrintWindow(bool withChoices) {
    for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", "Print"); window != nullptr;
         window = FindWindowExA(nullptr, window, "#32770", "Print")) {
        if ((GetDlgItem(window, AllLinesButton) != nullptr) == withChoices) return window;
    }
    return nullptr;
}

HWND OpenPreview(QuillonSession& s) {
    HWND tape = WaitForWindow(s, TapeClass, "Tape", WindowTimeoutMs);
    PostMessageA(tape, WM_COMMAND, IdTapePreview, 0);
    return WaitForWindow(s, PreviewClass, "Print preview - Page 1 of 1", WindowTimeoutMs);
}

void PreviewShowsPageOne() {
    CaseRun run("tape_preview", KnownFile({{"TAPE", "YES"}}));
    if (!run.Start()) return;
    QuillonSession& s = run.Session;
    TypeText(s, "12.5+7.3+4.2\r");
    HWND preview = OpenPreview(s);
    if (!Check(preview != nullptr, "the preview opens on page 1 of 1")) return;
    Settle(s);
    Check(DarkPixelsInHeader(preview) > 20, "the page shows its header");
    HWND zoom = GetDlgItem(preview, ZoomButton);
    CheckEqual(WindowText(zoom), std::string("&100 %"), "zoomed to fit at first");
    SendTo(preview, WM_COMMAND, ZoomButton, 0);
    CheckEqual(WindowText(zoom), std::string("Zoom to &fit"), "at 100 %");
    Check((GetWindowLongA(preview, GWL_STYLE) & WS_VSCROLL) != 0, "a whole page at 100 % scrolls");
    SendTo(preview, WM_COMMAND, ZoomButton, 0);
    Check((GetWindowLongA(preview, GWL_STYLE) & WS_VSCROLL) == 0, "a fitted page does not");
    SendTo(preview, WM_COMMAND, CloseButton, 0);
    Settle(s);
    CheckEqual(IsWindow(preview) != 0, false, "closed by its button");
    run.Exit();
}

void PrintDialogOpens() {
    CaseRun run("tape_print_dialog", KnownFile({{"TAPE", "YES"}}));
    if (!run.Start()) return;
    QuillonSession& s = run.Session;
    TypeText(s, "1+2\r");
    HWND tape = WaitForWindow(s, TapeClass, "Tape", WindowTimeoutMs);
    PostMessageA(tape, WM_COMMAND, IdTapePrint, 0);
    HWND dialog = nullptr;
    for (int i = 0; i < 50 && dialog == nullptr; ++i) {
        dialog = PrintWindow(true);
        if (dialog == nullptr) Sleep(100);
    }
    if (!Check(dialog != nullptr, "the print dialog opens")) return;
    Check(GetDlgItem(dialog, AllLinesButton) != nullptr, "with the choice of all lines");
    Check(GetDlgItem(dialog, SelectionButton) != nullptr, "of the selection");
    Check(GetDlgItem(dialog, PagesButton) != nullptr, "and of the current calculation");
    // Wine here has no printer: the dialog says so while it starts, then ends unshown. With a
    // printer it shows and is cancelled.
    for (int i = 0; i < 50 && IsWindow(dialog); ++i) {
        HWND notice = PrintWindow(false);
        if (notice != nullptr) PostMessageA(GetDlgItem(notice, IDOK), BM_CLICK, 0, 0);
        if (IsWindowVisible(dialog)) PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
        Sleep(100);
    }
    CheckEqual(IsWindow(dialog) != 0, false, "closed");
    TypeText(s, "+3\r");
    CheckEqual(Panel(s), std::string("6"), "the calculator goes on");
    run.Exit();
}

// Names a file in the file dialog titled `title` (as type `typeIndex`, or as it is: -1).
bool ChooseFile(QuillonSession& s, HWND tape, WORD command, const char* title,
                const std::string& path, int typeIndex) {
    PostMessageA(tape, WM_COMMAND, command, 0);
    HWND dialog = WaitForWindow(s, "#32770", title, WindowTimeoutMs);
    if (!Check(dialog != nullptr, std::string("the dialog opens: ") + title)) return false;
    if (typeIndex >= 0) {
        HWND type = GetDlgItem(dialog, SaveTypeId);
        SendTo(type, CB_SETCURSEL, typeIndex, 0);
        SendTo(dialog, WM_COMMAND, MAKEWPARAM(SaveTypeId, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(type));
    }
    SendTo(GetDlgItem(dialog, SaveNameId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    Settle(s);
    return true;
}

void TapesAsDocuments() {
    CaseRun run("tape_documents", KnownFile({{"TAPE", "YES"}}));
    if (!run.Start()) return;
    QuillonSession& s = run.Session;
    HWND tape = WaitForWindow(s, TapeClass, "Tape", WindowTimeoutMs);
    TypeText(s, "1+2\r");
    const std::string march = run.Directory + "march.tape";
    const std::string april = run.Directory + "april.tape";
    if (!ChooseFile(s, tape, IdTapeSave, "Save As", march, TapeTypeIndex)) return;
    CheckEqual(ReadFileBytes(march), ReadFileBytes(run.Directory + "Quillon.tape"),
               "saved as a tape file");
    CheckEqual(WindowText(tape), std::string("march - Tape"), "the title names the tape");
    TypeText(s, "5+5\r");
    const std::string marchLines = ReadFileBytes(march);
    CheckEqual(marchLines.size() > ReadFileBytes(run.Directory + "Quillon.tape").size(), true,
               "new lines go to the saved tape");

    if (!ChooseFile(s, tape, IdTapeNew, "New tape", april, -1)) return;
    CheckEqual(ReadFileBytes(april), std::string("QUILLON TAPE 2\t.\t,\r\n"),
               "a new tape is empty");
    CheckEqual(LineCount(tape), size_t{0}, "the window shows the new tape");
    CheckEqual(WindowText(tape), std::string("april - Tape"), "the title names the new tape");
    TypeText(s, "7+1\r");
    CheckEqual(LineCount(tape), size_t{3}, "the new tape's lines");

    if (!ChooseFile(s, tape, IdTapeOpen, "Open tape", march, -1)) return;
    CheckEqual(LineCount(tape), size_t{6}, "the opened tape's lines");
    CheckEqual(ReadFileBytes(march), marchLines, "opening writes nothing");
    const std::string settings = run.Exit();
    CheckEqual(ValueInFile(settings, "TAPE_FILE"), WindowsPath(march), "the tape in use kept");

    CaseRun again("tape_documents_again", settings);
    if (!again.Start()) return;
    HWND shown = WaitForWindow(again.Session, TapeClass, "march - Tape", WindowTimeoutMs);
    if (!Check(shown != nullptr, "the tape in use reopened at start")) return;
    CheckEqual(LineCount(shown), size_t{6}, "with its lines");
    PostMessageA(shown, WM_COMMAND, IdTapeRecentFirst + 1, 0);  // march first, then april
    Settle(again.Session);
    CheckEqual(WindowText(shown), std::string("april - Tape"), "a recent tape reopened");
    CheckEqual(LineCount(shown), size_t{3}, "with its lines too");
    again.Exit();
}

const GuiCase Cases[] = {
    {"tape_preview", PreviewShowsPageOne},
    {"tape_print_dialog", PrintDialogOpens},
    {"tape_documents", TapesAsDocuments},
};

// Shows the preview of a short tape with a note, writes its screen rectangle to
// DIRECTORY\\ready, waits for DIRECTORY\\shot.png, then ends the program.
int HoldForScreenshot(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) return 2;
    const std::string directory = WindowsPath(arguments[0]);
    CaseRun run("tape_preview_screenshot", KnownFile({{"TAPE", "YES"}}));
    if (!run.Start()) return 1;
    QuillonSession& s = run.Session;
    TypeText(s, "12.5+7.3+4.2\r*1.19\rc1234.5+65.5+=\r");
    HWND preview = OpenPreview(s);
    if (preview == nullptr) return 1;
    SetWindowPos(preview, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    Settle(s);
    RECT rect = {};
    GetWindowRect(preview, &rect);
    const std::string ready = std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
                              std::to_string(rect.right - rect.left) + " " +
                              std::to_string(rect.bottom - rect.top) + "\n";
    WaitForScreenshot(directory, ready);
    run.Exit();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const DriverSetUp setUp{"CASE|screenshot DIRECTORY", nullptr, HoldForScreenshot};
    return RunDriver(argc, argv, setUp, {Cases});
}
