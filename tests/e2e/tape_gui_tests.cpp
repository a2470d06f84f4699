// GUI tests of the tape window in quillon.exe: shown and hidden from the menu, lines as keys
// are pressed, a correction by keyboard, copy, save as text and CSV, clear after Yes only,
// and the window and its lines back after a restart.
//
//   quillon-tape-gui-tests QUILLON_EXE MENU_PROBE_DLL CASE
//   quillon-tape-gui-tests QUILLON_EXE MENU_PROBE_DLL screenshot DIRECTORY
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "clipboard_io.h"
#include "gui_check.h"
#include "gui_driver.h"
#include "gui_ids.h"
#include "quillon_session.h"
#include "remote_reads.h"
#include "settings_text.h"

namespace {

constexpr int DetailsListId = 1016;
constexpr int LineTextId = 1101;  // the edit field of the line dialog
constexpr int SaveNameId = 1148;  // the file name box of the save dialog
constexpr int SaveTypeId = 1136;  // its file type list
constexpr DWORD WindowTimeoutMs = 5000;
constexpr const char* TapeClass = "QUILLON_TAPE";

HWND TapeWindow(const QuillonSession& session) {
    return WaitForWindow(session, TapeClass, "Tape", WindowTimeoutMs);
}

HWND TapeList(HWND tape) {
    return FindWindowExA(tape, nullptr, "LISTBOX", nullptr);
}

std::vector<std::string> TapeLines(HWND list) {
    std::vector<std::string> lines;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // Asked across processes, the text comes back whole only as UTF-16.
        wchar_t wide[256] = {};
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
        char text[256] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
        lines.emplace_back(text);
    }
    return lines;
}

// The line as the tape prints it: mark, number right-aligned in 32 places, key.
std::string Line(const char* mark, const std::string& number, const std::string& rest) {
    return mark + std::string(32 - number.size(), ' ') + number + " " + rest;
}

std::string TapeChecked(const QuillonSession& session) {
    return MenuItemsChecked(session, {IdTape});
}

void SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result);
}

// Answers the message box that is open now with `button`; false when none came.
bool AnswerMessage(const QuillonSession& session, int button) {
    HWND box = WaitForWindow(session, "#32770", "Quillon", WindowTimeoutMs);
    if (box == nullptr) return false;
    PostMessageA(box, WM_COMMAND, button, 0);
    Settle(session);
    return true;
}

void ShowsBesideAndFollows() {
    CaseRun run("tape_window", KnownFile());
    if (!run.Start()) return;
    QuillonSession& s = run.Session;
    HWND tape = TapeWindow(s);
    if (!Check(tape != nullptr, "the tape window exists")) return;
    CheckEqual(IsWindowVisible(tape) != 0, false, "hidden at the first start");
    CheckEqual(TapeChecked(s), std::string("0"), "menu item not checked");
    PostCommand(s, IdTape);
    CheckEqual(IsWindowVisible(tape) != 0, true, "shown by the menu command");
    CheckEqual(TapeChecked(s), std::string("1"), "menu item checked");
    RECT main = {};
    RECT side = {};
    GetWindowRect(s.Window, &main);
    GetWindowRect(tape, &side);
    CheckEqual(side.left == main.right || side.right == main.left, true, "beside the main window");
    CheckEqual(side.top, main.top, "top aligned");
    SetWindowPos(s.Window, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Settle(s);
    GetWindowRect(s.Window, &main);
    GetWindowRect(tape, &side);
    CheckEqual(side.left, main.right, "follows the main window");

    TypeText(s, "12+3\r");
    HWND list = TapeList(tape);
    const std::vector<std::string> expected = {Line("  ", "12", "+"), Line("  ", "3", "="),
                                               Line("= ", "15", "=    2 items")};
    CheckEqual(TapeLines(list) == expected, true, "lines appear as keys are pressed");
    CheckEqual(ReadFileBytes(run.Directory + "Quillon.tape"),
               std::string("QUILLON TAPE 2\t.\t,\r\n+\tstart\t12\t0\t\r\n=\tentry\t3\t0\t\r\n"
                           "=\tresult\t15\t2\t\r\n"),
               "the tape file while running");
    const std::string settings = run.Exit();
    Check(settings.find("TAPE = YES\r\n") != std::string::npos, "TAPE = YES kept");

    CaseRun again("tape_window_again", settings);
    WriteFileBytes(again.Directory + "Quillon.tape", ReadFileBytes(run.Directory + "Quillon.tape"));
    if (!again.Start()) return;
    HWND shown = TapeWindow(again.Session);
    CheckEqual(shown != nullptr && IsWindowVisible(shown) != 0, true, "shown again after restart");
    CheckEqual(TapeLines(TapeList(shown)) == expected, true, "lines read back after restart");
    PostCommand(again.Session, IdTape);
    CheckEqual(IsWindowVisible(shown) != 0, false, "hidden by the menu command");
    Check(again.Exit().find("TAPE = NO\r\n") != std::string::npos, "TAPE = NO kept");
}

void CorrectsByKeyboard() {
    CaseRun run("tape_correction", KnownFile({{"TAPE", "YES"}}));
    if (!run.Start()) return;
    QuillonSession& s = run.Session;
    TypeText(s, "12+3-1\r*2\r");
    CheckEqual(Panel(s), std::string("28"), "panel before the correction");
    HWND list = TapeList(TapeWindow(s));
    SendTo(list, LB_SETCURSEL, 3, 0);
    PressKey(s, list, VK_RETURN);  // on a result line: refused
    CheckEqual(WaitForWindow(s, "#32770", "Tape", 500) == nullptr, true, "a result is not edited");
    SendTo(list, LB_SETCURSEL, 1, 0);
    PostMessageA(list, WM_KEYDOWN, VK_F2, 0);
    HWND dialog = WaitForWindow(s, "#32770", "Tape", WindowTimeoutMs);
    if (!Check(dialog != nullptr, "F2 opens the correction")) return;
    CheckEqual(WindowText(GetDlgItem(dialog, LineTextId)), std::string("3"), "the line's number");
    SendTo(GetDlgItem(dialog, LineTextId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("30"));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    Settle(s);
    CheckEqual(Panel(s), std::string("82"), "the panel shows the new result");
    const std::vector<std::string> lines = TapeLines(list);
    CheckEqual(lines.size(), size_t{7}, "seven lines");
    if (lines.size() == 7) {
        CheckEqual(lines[1], Line("  ", "30", "-"), "the corrected line");
        CheckEqual(lines[3], Line("= ", "41", "=    3 items"), "its result");
        CheckEqual(lines[6], Line("= ", "82", "="), "the continued calculation");
    }
    run.Exit();
    Check(ReadFileBytes(run.Directory + "Quillon.tape").find("=\tresult\t82\t0\t") !=
              std::string::npos,
          "the corrected tape on disk");
}

void CopiesAndClearsAfterYes() {
    CaseRun run("tape_copy_clear", KnownFile({{"TAPE", "YES"}}));
    if (!run.Start()) return;
    QuillonSession& s = run.Session;
    HWND tape = TapeWindow(s);
    TypeText(s, "7*6\r");
    PostMessageA(tape, WM_COMMAND, IdTapeCopy, 0);
    Settle(s);
    CheckEqual(ClipboardText(),
               Line("  ", "7", "*") + "\r\n" + Line("  ", "6", "=") + "\r\n" +
                   Line("= ", "42", "=") + "\r\n",
               "copied in the window's layout");
    PostMessageA(tape, WM_COMMAND, IdTapeClear, 0);
    Check(AnswerMessage(s, IDNO), "clearing asks");
    CheckEqual(TapeLines(TapeList(tape)).size(), size_t{3}, "No keeps the tape");
    PostMessageA(tape, WM_COMMAND, IdTapeClear, 0);
    Check(AnswerMessage(s, IDYES), "clearing asks again");
    CheckEqual(TapeLines(TapeList(tape)).size(), size_t{0}, "Yes clears the tape");
    CheckEqual(ReadFileBytes(run.Directory + "Quillon.tape"),
               std::string("QUILLON TAPE 2\t.\t,\r\n"), "the cleared file");
    run.Exit();
}

// "Total details..." on the tape opens the last Total's details from its line only.
void OpensTotalDetailsFromItsLine() {
    CaseRun run("tape_total_details", KnownFile({{"TAPE", "YES"}}));
    if (!run.Start()) return;
    QuillonSession& s = run.Session;
    HWND tape = TapeWindow(s);
    OpenClipboard(nullptr);
    EmptyClipboard();
    const char text[] = "5\r\n7";
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(text));
    CopyMemory(GlobalLock(block), text, sizeof(text));
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    TypeText(s, "2*3\rt");
    HWND list = TapeList(tape);
    const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    SendTo(list, LB_SETCURSEL, count - 2, 0);
    PostMessageA(tape, WM_COMMAND, IdTotalDetails, 0);
    CheckEqual(WaitForWindow(s, "#32770", "Total details", 500) == nullptr, true,
               "another line opens no details");
    SendTo(list, LB_SETCURSEL, count - 1, 0);
    PostMessageA(tape, WM_COMMAND, IdTotalDetails, 0);
    HWND dialog = WaitForWindow(s, "#32770", "Total details", WindowTimeoutMs);
    if (!Check(dialog != nullptr, "the Total's line opens its details")) return;
    CheckEqual(
        static_cast<int>(SendMessageA(GetDlgItem(dialog, DetailsListId), LVM_GETITEMCOUNT, 0, 0)),
        2, "the two numbers the Total took");
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    Settle(s);
    run.Exit();
}

// Saves through the system's dialog, as type `typeIndex` (0 text, 1 CSV).
void SaveAs(const QuillonSession& session, HWND tape, const std::string& path, int typeIndex) {
    PostMessageA(tape, WM_COMMAND, IdTapeSave, 0);
    HWND dialog = WaitForWindow(session, "#32770", "Save As", WindowTimeoutMs);
    if (!Check(dialog != nullptr, "the save dialog opens")) return;
    HWND type = GetDlgItem(dialog, SaveTypeId);
    SendTo(type, CB_SETCURSEL, typeIndex, 0);
    SendTo(dialog, WM_COMMAND, MAKEWPARAM(SaveTypeId, CBN_SELCHANGE),
           reinterpret_cast<LPARAM>(type));
    SendTo(GetDlgItem(dialog, SaveNameId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    Settle(session);
}

void SavesTextAndCsv() {
    CaseRun run("tape_save", KnownFile({{"TAPE", "YES"}}));
    if (!run.Start()) return;
    QuillonSession& s = run.Session;
    HWND tape = TapeWindow(s);
    TypeText(s, "1234+5\r");
    SaveAs(s, tape, run.Directory + "saved.txt", 0);
    CheckEqual(ReadFileBytes(run.Directory + "saved.txt"),
               Line("  ", "1,234", "+") + "\r\n" + Line("  ", "5", "=") + "\r\n" +
                   Line("= ", "1,239", "=    2 items") + "\r\n",
               "saved as text");
    SaveAs(s, tape, run.Directory + "saved.csv", 1);
    CheckEqual(ReadFileBytes(run.Directory + "saved.csv"),
               std::string("key,number,note\r\nadd,1234,\r\nequals,5,\r\nequals result,1239,\r\n"),
               "saved as CSV");
    run.Exit();
}

const GuiCase Cases[] = {
    {"tape_window", ShowsBesideAndFollows},
    {"tape_correction", CorrectsByKeyboard},
    {"tape_copy_clear", CopiesAndClearsAfterYes},
    {"tape_save", SavesTextAndCsv},
    {"tape_total_details", OpensTotalDetailsFromItsLine},
};

// Shows the tape beside the keypad after a few calculations, writes the screen rectangle of
// both windows ("x y width height") to DIRECTORY\\ready, waits for DIRECTORY\\shot.png (the
// script that started the driver takes it), then ends the program.
int HoldForScreenshot(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) return 2;
    const std::string directory = WindowsPath(arguments[0]);
    CaseRun run("tape_screenshot", KnownFile({{"TAPE", "YES"}}));
    if (!run.Start()) return 1;
    QuillonSession& s = run.Session;
    SetWindowPos(s.Window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    TypeText(s, "12.5+7.3+4.2\r*1.19\rc1234.5+65.5\r");
    HWND tape = TapeWindow(s);
    SendTo(TapeList(tape), LB_SETCURSEL, 0, 0);
    PostMessageA(tape, WM_COMMAND, IdTapeNote, 0);
    HWND dialog = WaitForWindow(s, "#32770", "Tape", WindowTimeoutMs);
    if (dialog == nullptr) return 1;
    SendTo(GetDlgItem(dialog, LineTextId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("taxi"));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    Settle(s);
    WaitForScreenshot(directory, MainAndTapeArea(s.Window, tape));
    run.Exit();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const DriverSetUp setUp{"MENU_PROBE_DLL CASE|screenshot DIRECTORY", SetMenuProbePath,
                            HoldForScreenshot};
    return RunDriver(argc, argv, setUp, {Cases});
}
