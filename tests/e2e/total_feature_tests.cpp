// GUI tests of the Total's readings and details: the whole-cells check box, Unicode text on
// the clipboard, and the details window, on the real quillon.exe.
//
//   quillon-total-feature-tests QUILLON_EXE CASE
#include <windows.h>
// commctrl.h takes its types from windows.h.
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "clipboard_io.h"
#include "gui_check.h"
#include "gui_driver.h"
#include "gui_ids.h"
#include "quillon_session.h"
#include "settings_text.h"

namespace {

constexpr int WholeCellsBox = 1015;
constexpr int TotalSetDefault = 3;
constexpr int DetailsList = 1016;
constexpr int DetailsCopy = 1018;
constexpr DWORD WindowTimeoutMs = 5000;
constexpr const char* TotalTitle = "Customize calculation of total";
constexpr const char* DetailsTitle = "Total details";

void PutAnsiText(const std::string& text) {
    PutClipboardBlock(CF_TEXT, text.c_str(), text.size() + 1);
}

// Unicode text only; the system offers its own ANSI conversion besides.
void PutUnicodeText(const std::wstring& text) {
    PutClipboardBlock(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

HWND OpenDialog(const QuillonSession& session, WORD command, const char* title) {
    PostMessageA(session.Window, WM_COMMAND, command, 0);
    return WaitForWindow(session, "#32770", title, WindowTimeoutMs);
}

// A button press as the button reports it; posted, since it may open a modal window.
void PushButton(const QuillonSession& session, HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    Settle(session);
}

bool WaitUntilClosed(HWND window) {
    const DWORD start = GetTickCount();
    while (IsWindow(window) && GetTickCount() - start < WindowTimeoutMs) Sleep(20);
    return !IsWindow(window);
}

bool BoxChecked(HWND dialog) {
    return SendTo(GetDlgItem(dialog, WholeCellsBox), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// 1,000,000 lines like 12345.67 and their exact sum as the panel shows it.
std::string MillionLines() {
    std::string text;
    text.reserve(11'000'000);
    char line[32];
    for (int i = 0; i < 1'000'000; ++i) {
        text.append(line, std::snprintf(line, sizeof line, "%d.%02d\r\n",
                                        10000 + static_cast<int>(i * 7919LL % 90000), i % 100));
    }
    return text;
}
constexpr const char* MillionLinesSum = "54,999,595,000";

void WholeCellsBoxChoosesTheReading() {
    const std::string invoice =
        "Invoice 2026-12-01\r\n1,234.56\r\n(25.50)\r\n25.50-\r\n$ 1,000\r\n-3.50\r\n5 %";
    CaseRun run("total_whole_cells", KnownFile());
    if (!run.Start()) return;
    PutAnsiText(invoice);
    TypeText(run.Session, "t");
    CheckEqual(Panel(run.Session), "20,263,488.06", "unchecked: the Total reads every digit");

    HWND dialog = OpenDialog(run.Session, IdTotalSettings, TotalTitle);
    if (!Check(dialog != nullptr, "the dialog opens")) return;
    Check(!BoxChecked(dialog), "the box starts unchecked");
    SendTo(GetDlgItem(dialog, WholeCellsBox), BM_SETCHECK, BST_CHECKED, 0);
    PushButton(run.Session, dialog, IDOK);
    Check(WaitUntilClosed(dialog), "OK closes the dialog");
    TypeText(run.Session, "t");
    CheckEqual(Panel(run.Session), "2,180.06", "checked: whole cells only");

    dialog = OpenDialog(run.Session, IdTotalSettings, TotalTitle);
    if (!Check(dialog != nullptr, "the dialog opens again")) return;
    Check(BoxChecked(dialog), "the box shows the stored choice");
    PushButton(run.Session, dialog, TotalSetDefault);
    Check(!BoxChecked(dialog), "Set to default clears the box");
    PushButton(run.Session, dialog, IDCANCEL);
    Check(WaitUntilClosed(dialog), "Cancel closes the dialog");
    run.Exit();
    CheckEqual(ValueInFile(ReadFileBytes(run.IniPath()), "WHOLE_CELLS"), "YES",
               "the choice is saved, Cancel after Set to default kept it");
}

void UnicodeTextIsReadAsUnicode() {
    CaseRun run("total_unicode", KnownFile());
    if (!run.Start()) return;
    // Arabic-Indic digits, a minus sign and a narrow no-break space: the system's own ANSI
    // conversion turns the digits into "?", so only a Unicode read sums them.
    PutUnicodeText(L"\u0661\u0662\u0663\r\n\u2212\u0664\r\n\uFF11\u202F\uFF10");
    TypeText(run.Session, "t");
    CheckEqual(Panel(run.Session), "129", "the Total of Unicode text");
    PutUnicodeText(L"Amount: \u2212\uFF14\uFF12");
    PostCommand(run.Session, IdPaste);
    CheckEqual(Panel(run.Session), "-42", "paste of Unicode text");
    // ANSI text is read as written: the en dash of code page 1252 is no minus sign there.
    PutAnsiText(
        "\x96"
        "5\r\n10\xA0"
        "1");
    TypeText(run.Session, "t");
    CheckEqual(Panel(run.Session), "106", "ANSI text sums as before");
    run.Exit();
}

void DetailsListWhatTheTotalTook() {
    CaseRun run("total_details", KnownFile());
    if (!run.Start()) return;
    PutAnsiText("12.5\r\nInvoice 2026-12-01\r\n-3");
    TypeText(run.Session, "t");
    HWND dialog = OpenDialog(run.Session, IdTotalDetails, DetailsTitle);
    if (!Check(dialog != nullptr, "the menu item opens the details")) return;
    HWND list = GetDlgItem(dialog, DetailsList);
    CheckEqual(static_cast<int>(SendTo(list, LVM_GETITEMCOUNT, 0, 0)), 3, "three numbers listed");
    PushButton(run.Session, dialog, DetailsCopy);
    CheckEqual(ClipboardText(),
               "Line\tText\tNumber\r\n1\t12.5\t12.5\r\n2\t2026-12-01\t20261201\r\n3\t-3\t-3\r\n",
               "Copy puts the list on the clipboard");
    PushButton(run.Session, dialog, IDCANCEL);
    Check(WaitUntilClosed(dialog), "Close closes the details");

    PutAnsiText(MillionLines());
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    PostCommand(run.Session, IdTotalKey);
    const double totalMs = MillisecondsSince(start);
    CheckEqual(Panel(run.Session), MillionLinesSum, "the Total of a million lines");
    QueryPerformanceCounter(&start);
    dialog = OpenDialog(run.Session, IdTotalDetails, DetailsTitle);
    const double openMs = MillisecondsSince(start);
    if (!Check(dialog != nullptr, "the details of a million numbers open")) return;
    list = GetDlgItem(dialog, DetailsList);
    CheckEqual(static_cast<int>(SendTo(list, LVM_GETITEMCOUNT, 0, 0)), 1'000'000, "a million rows");
    SendTo(list, LVM_ENSUREVISIBLE, 999'999, FALSE);
    CheckEqual(static_cast<int>(SendTo(list, LVM_GETTOPINDEX, 0, 0)) > 990'000, true,
               "the list scrolls to its end");
    std::printf("Total of 1,000,000 clipboard lines: %.0f ms; details open in %.0f ms\n", totalMs,
                openMs);
    Check(openMs < 1000, "the details open within a second");
    PushButton(run.Session, dialog, IDCANCEL);
    WaitUntilClosed(dialog);
    run.Exit();
}

const GuiCase Cases[] = {
    {"total_whole_cells", WholeCellsBoxChoosesTheReading},
    {"total_unicode", UnicodeTextIsReadAsUnicode},
    {"total_details", DetailsListWhatTheTotalTook},
};

}  // namespace

int main(int argc, char** argv) {
    return RunDriver(argc, argv, DriverSetUp{"CASE", nullptr, nullptr}, {Cases});
}
