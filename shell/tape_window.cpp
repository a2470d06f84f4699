#include "shell/tape_window.h"

#include <commdlg.h>

#include <algorithm>
#include <string>

#include "controls/control_geometry.h"
#include "dialogs/total_details_dialog.h"
#include "resources/dialog_ids.h"
#include "resources/resource_ids.h"
#include "shell/announce.h"
#include "shell/clipboard_copy.h"
#include "shell/dpi_support.h"
#include "shell/main_controls.h"
#include "shell/shell_state.h"
#include "tape/tape_keeper.h"
#include "tape/tape_layout.h"
#include "tape/tape_replay.h"

namespace {

constexpr const char* TapeClassName = "QUILLON_TAPE";
constexpr int ListId = 1;
// Samples that measure the columns in the tape's font: notes scroll sideways.
constexpr const char* MarkSample = "= ";
constexpr const char* NumberSample = "-000,000,000,000,000,000,000,000 ";
constexpr const char* KeySample = "SQR";
constexpr const char* CountSample = "  000,000 numbers";
constexpr int NoteCharacters = MaxNoteLength + 2;
constexpr int LinePadding = 2;
constexpr int PathBufferSize = MAX_PATH;
constexpr int TextBufferSize = 128;

// Where the columns of a line start (the number: where it ends), in pixels from the left.
struct ColumnEdges {
    int Number = 0;
    int Key = 0;
    int Rest = 0;
    int Count = 0;  // the width of the longest count
    int Note = 0;   // the width of a long note
};

struct TapeView {
    TapeKeeper Keeper;
    HWND Window = nullptr;
    HWND List = nullptr;
    HFONT Font = nullptr;
    ColumnEdges Columns;
    WNDPROC ListProcedure = nullptr;
    uint64_t Appended = 0;  // the tape's counters as the list last showed them
    uint64_t Dropped = 0;
    uint64_t Edits = 0;
};

TapeView View;

// What the line dialog asks and returns.
struct LineRequest {
    const char* Prompt;
    std::string Text;
    int Limit;
    bool Number;  // the text must be a number in the user's format
};

int SelectedLine() {
    return static_cast<int>(SendMessageA(View.List, LB_GETCURSEL, 0, 0));
}

const TapeEntry* SelectedEntry() {
    const int line = SelectedLine();
    if (line < 0 || static_cast<size_t>(line) >= View.Keeper.Lines.Lines.size()) return nullptr;
    return &View.Keeper.Lines.Lines[line];
}

void AddLine(const TapeEntry& entry) {
    SendMessageA(View.List, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(TapeLineText(entry).c_str()));
}

void FillList() {
    SendMessageA(View.List, WM_SETREDRAW, FALSE, 0);
    const int selected = SelectedLine();
    SendMessageA(View.List, LB_RESETCONTENT, 0, 0);
    for (const TapeEntry& entry : View.Keeper.Lines.Lines) AddLine(entry);
    SendMessageA(View.List, LB_SETCURSEL, selected, 0);
    SendMessageA(View.List, WM_SETREDRAW, TRUE, 0);
}

int TextWidth(HDC dc, const std::string& text) {
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The padding around a line at the window's DPI.
int Padding() {
    return ScaleForDpi(LinePadding, static_cast<int32_t>(Shell.Dpi));
}

// The columns measured in the font, so that numbers line up at their right edge in any font.
void MeasureColumns() {
    HDC dc = GetDC(View.List);
    HGDIOBJ previous = SelectObject(dc, View.Font);
    ColumnEdges& columns = View.Columns;
    columns.Number = Padding() + TextWidth(dc, MarkSample) + TextWidth(dc, NumberSample);
    columns.Key = columns.Number + TextWidth(dc, " ");
    columns.Rest = columns.Key + TextWidth(dc, KeySample);
    columns.Count = TextWidth(dc, CountSample);
    columns.Note = TextWidth(dc, std::string(NoteCharacters, 'n'));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(View.List, dc);
    SendMessageA(View.List, LB_SETITEMHEIGHT, 0, metrics.tmHeight + Padding());
    SendMessageA(View.List, LB_SETHORIZONTALEXTENT, columns.Rest + columns.Count + columns.Note, 0);
}

void DrawColumn(HDC dc, const std::string& text, int left, int right, const RECT& line,
                UINT align) {
    RECT box = {left, line.top, right, line.bottom};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// A line of the tape in its columns: the mark at the left, the number ending at its edge.
void DrawLine(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID < View.Keeper.Lines.Lines.size()) {
        const TapeLineColumns line = ColumnsOfLine(View.Keeper.Lines.Lines[item.itemID]);
        const int left = item.rcItem.left;
        const ColumnEdges& edges = View.Columns;
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        DrawColumn(item.hDC, line.Mark, left + Padding(), left + edges.Number, item.rcItem,
                   DT_LEFT);
        DrawColumn(item.hDC, line.Number, left, left + edges.Number, item.rcItem, DT_RIGHT);
        DrawColumn(item.hDC, line.Key, left + edges.Key, left + edges.Rest, item.rcItem, DT_LEFT);
        DrawColumn(item.hDC, line.Rest, left + edges.Rest, item.rcItem.right, item.rcItem, DT_LEFT);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

INT_PTR CALLBACK LineDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* request = reinterpret_cast<LineRequest*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (message == WM_INITDIALOG) {
        request = reinterpret_cast<LineRequest*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        SetDlgItemTextA(dialog, IDC_TAPE_PROMPT, request->Prompt);
        SetDlgItemTextA(dialog, IDC_TAPE_TEXT, request->Text.c_str());
        SendDlgItemMessageA(dialog, IDC_TAPE_TEXT, EM_LIMITTEXT, request->Limit, 0);
        SendDlgItemMessageA(dialog, IDC_TAPE_TEXT, EM_SETSEL, 0, -1);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    if (LOWORD(wParam) != IDOK) return FALSE;
    char text[TextBufferSize] = {};
    GetDlgItemTextA(dialog, IDC_TAPE_TEXT, text, TextBufferSize);
    std::string shown;
    if (request->Number && !TypedNumber(Shell.Context.Settings, text, shown)) {
        MessageBoxA(dialog, "Error! Type a number of at most 24 digits.", Shell.ProductName, MB_OK);
        SetFocus(GetDlgItem(dialog, IDC_TAPE_TEXT));
        return TRUE;
    }
    request->Text = text;
    EndDialog(dialog, IDOK);
    return TRUE;
}

bool AskForLine(LineRequest& request) {
    return DialogBoxParamA(Shell.Instance, MAKEINTRESOURCEA(IDD_TAPE_LINE), View.Window,
                           LineDialogProcedure, reinterpret_cast<LPARAM>(&request)) == IDOK;
}

// The tape changed outside a key: on disk and in the list (a correction has shown its new
// result on the panel itself).
void AfterChange() {
    SaveTape(View.Keeper);
    RefreshTapeWindow();
}

void CorrectSelectedLine() {
    const TapeEntry* entry = SelectedEntry();
    if (entry == nullptr || !IsBroughtIn(entry->Role)) {
        MessageBeep(0);  // results are computed, not typed
        return;
    }
    LineRequest request{"Correct the number:", entry->Number, MaxEntryLength * 2, true};
    if (!AskForLine(request)) return;
    CorrectTapeLine(View.Keeper.Lines, SelectedLine(), request.Text, Shell.Context);
    AfterChange();
}

void NoteSelectedLine() {
    const TapeEntry* entry = SelectedEntry();
    if (entry == nullptr) {
        MessageBeep(0);
        return;
    }
    LineRequest request{"Note for this line:", entry->Note, MaxNoteLength, false};
    if (!AskForLine(request)) return;
    SetTapeNote(View.Keeper.Lines, SelectedLine(), request.Text);
    AfterChange();
}

bool EndsWith(const std::string& text, const char* end) {
    const std::string tail(end);
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

void SaveTapeAs() {
    char path[PathBufferSize] = "Tape.txt";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = View.Window;
    dialog.lpstrFilter = "Text (*.txt)\0*.txt\0CSV, comma-separated (*.csv)\0*.csv\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = PathBufferSize;
    dialog.lpstrDefExt = "txt";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetSaveFileNameA(&dialog)) return;
    const std::string name = path;
    const bool csv = dialog.nFilterIndex == 2 || EndsWith(name, ".csv");
    const Tape& tape = View.Keeper.Lines;
    const std::string text =
        csv ? TapeCsv(tape, Shell.Context.Settings.THOUSAND_SEPARATOR) : TapeText(tape);
    if (!Shell.Platform.ReplaceWholeFile(path, text)) {
        const std::string message = "The tape could not be saved to " + name + ".";
        MessageBoxA(View.Window, message.c_str(), Shell.ProductName, MB_OK);
    }
}

void ClearWholeTape() {
    if (MessageBoxA(View.Window, "Clear the whole tape?", Shell.ProductName,
                    MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    ClearTape(View.Keeper.Lines);
    AfterChange();
}

// The line of the last Total on the tape, whose details are the ones kept; -1 when none.
int LastTotalLine() {
    const std::deque<TapeEntry>& lines = View.Keeper.Lines.Lines;
    for (size_t i = lines.size(); i > 0; --i) {
        if (lines[i - 1].Key == TapeKey::Total) return static_cast<int>(i - 1);
    }
    return -1;
}

bool OnLastTotal() {
    return SelectedEntry() != nullptr && SelectedLine() == LastTotalLine();
}

// Only the last Total's details are kept: its line opens them, any other line is refused.
void ShowTotalDetails() {
    if (!OnLastTotal()) {
        MessageBeep(0);
        return;
    }
    TotalDetailsDialog(View.Window);
}

void RunTapeCommand(WORD id) {
    switch (id) {
        case IDM_TAPE_EDIT:
            CorrectSelectedLine();
            break;
        case IDM_TAPE_NOTE:
            NoteSelectedLine();
            break;
        case IDM_TAPE_COPY:
            CopyTextToClipboard(View.Window, TapeText(View.Keeper.Lines));
            break;
        case IDM_TAPE_SAVE:
            SaveTapeAs();
            break;
        case IDM_TAPE_CLEAR:
            ClearWholeTape();
            break;
        case IDM_TOTAL_DETAILS:
            ShowTotalDetails();
            break;
        default:
            break;
    }
}

// The line under the mouse is selected before its context menu opens.
void ShowContextMenu(LPARAM position) {
    POINT point = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    if (point.x != -1 || point.y != -1) {
        POINT client = point;
        ScreenToClient(View.List, &client);
        const LRESULT item =
            SendMessageA(View.List, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
        if (HIWORD(item) == 0) SendMessageA(View.List, LB_SETCURSEL, LOWORD(item), 0);
    } else {
        RECT rect = {};
        GetWindowRect(View.List, &rect);
        point = {rect.left, rect.top};
    }
    HMENU menu = LoadMenuA(Shell.Instance, MAKEINTRESOURCEA(IDM_TAPE_MENU));
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON, point.x, point.y, 0, View.Window, nullptr);
    DestroyMenu(menu);
}

void EnableLineCommands(HMENU menu) {
    const TapeEntry* entry = SelectedEntry();
    const bool lastTotal = OnLastTotal();
    EnableMenuItem(menu, IDM_TOTAL_DETAILS, MF_BYCOMMAND | (lastTotal ? MF_ENABLED : MF_GRAYED));
    const bool editable = entry != nullptr && IsBroughtIn(entry->Role);
    EnableMenuItem(menu, IDM_TAPE_EDIT, MF_BYCOMMAND | (editable ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu, IDM_TAPE_NOTE, MF_BYCOMMAND | (entry ? MF_ENABLED : MF_GRAYED));
}

// Enter and F2 correct, Ctrl+N notes; other typed characters go on to the calculator.
LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (message == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_F2)) {
        CorrectSelectedLine();
        return 0;
    }
    if (message == WM_KEYDOWN && wParam == 'N' && control) {
        NoteSelectedLine();
        return 0;
    }
    if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS;
    if (message == WM_CHAR) {
        if (wParam != '\r' && !control) SendMessageA(Shell.MainWindow, WM_CHAR, wParam, lParam);
        return 0;
    }
    return CallWindowProcA(View.ListProcedure, list, message, wParam, lParam);
}

LRESULT CALLBACK TapeWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            MoveWindow(View.List, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_CLOSE:
            ShowTapeWindow(false);
            return 0;
        case WM_SETFOCUS:
            SetFocus(View.List);
            return 0;
        case WM_CONTEXTMENU:
            ShowContextMenu(lParam);
            return 0;
        case WM_INITMENUPOPUP:
            EnableLineCommands(reinterpret_cast<HMENU>(wParam));
            return 0;
        case WM_DRAWITEM:
            DrawLine(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == ListId && HIWORD(wParam) == LBN_DBLCLK) {
                CorrectSelectedLine();
            } else if (lParam == 0) {
                RunTapeCommand(LOWORD(wParam));
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void DefineTapeClass() {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = TapeWindowProcedure;
    windowClass.hInstance = Shell.Instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = TapeClassName;
    RegisterClassExA(&windowClass);
}

// The outer width that shows a whole line with a count, without its note.
int TapeWindowWidth() {
    const UINT dpi = Shell.Dpi;
    RECT outer = {
        0, 0, View.Columns.Rest + View.Columns.Count + SystemMetricForDpi(SM_CXVSCROLL, dpi), 0};
    AdjustRectForDpi(outer, static_cast<DWORD>(GetWindowLongA(View.Window, GWL_STYLE)), dpi);
    return outer.right - outer.left + 2 * SystemMetricForDpi(SM_CXEDGE, dpi);
}

// A reader of the shown tape hears its new lines, as it hears the panel.
void AnnounceNewLines(uint64_t count) {
    if (!IsWindowVisible(View.Window)) return;
    const Tape& tape = View.Keeper.Lines;
    for (size_t i = tape.Lines.size() - count; i < tape.Lines.size(); ++i) {
        AnnounceTapeLine(View.List, TapeLineText(tape.Lines[i]));
    }
}

std::string TapeFileName() {
    return std::string(Shell.ProductName) + ".tape";
}

}  // namespace

void CreateTapeWindow(HWND mainWindow) {
    DefineTapeClass();
    View.Window = CreateWindowExA(
        WS_EX_TOOLWINDOW, TapeClassName, "Tape", WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, mainWindow,
        LoadMenuA(Shell.Instance, MAKEINTRESOURCEA(IDM_TAPE_MENU)), Shell.Instance, nullptr);
    View.List = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "Tape",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY |
                                    LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                                0, 0, 0, 0, View.Window,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(ListId)),
                                Shell.Instance, nullptr);
    View.ListProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(View.List, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProcedure)));
    StartTape(View.Keeper, Shell.Context, TapeFileName());
    ApplyTapeFont();
    FillList();
    View.Appended = View.Keeper.Lines.Appended;
    View.Dropped = View.Keeper.Lines.Dropped;
    View.Edits = View.Keeper.Lines.Edits;
    RECT main = {};
    GetWindowRect(mainWindow, &main);
    MoveWindow(View.Window, main.right, main.top, TapeWindowWidth(), main.bottom - main.top, FALSE);
    FollowMainWindow();
}

void ShowTapeWindow(bool show) {
    Shell.Context.Settings.TAPE = show;
    CheckMenuItem(GetMenu(Shell.MainWindow), IDM_TAPE,
                  MF_BYCOMMAND | (show ? MF_CHECKED : MF_UNCHECKED));
    if (show) FollowMainWindow();
    ShowWindow(View.Window, show ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (show) SendMessageA(View.List, LB_SETTOPINDEX, View.Keeper.Lines.Lines.size(), 0);
}

void ToggleTapeWindow() {
    ShowTapeWindow(!IsWindowVisible(View.Window));
}

void FollowMainWindow() {
    if (View.Window == nullptr) return;
    HWND mainWindow = GetWindow(View.Window, GW_OWNER);
    RECT main = {};
    RECT tape = {};
    GetWindowRect(mainWindow, &main);
    GetWindowRect(View.Window, &tape);
    const int width = tape.right - tape.left;
    // On the right of the main window, or on its left where the screen ends first.
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromWindow(mainWindow, MONITOR_DEFAULTTONEAREST), &monitor);
    const bool fitsRight = main.right + width <= monitor.rcWork.right;
    const int left =
        fitsRight || main.left - width < monitor.rcWork.left ? main.right : main.left - width;
    SetWindowPos(View.Window, nullptr, left, main.top, width, tape.bottom - tape.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void RefreshTapeWindow() {
    const Tape& tape = View.Keeper.Lines;
    const uint64_t appended = tape.Appended - View.Appended;
    const uint64_t dropped = tape.Dropped - View.Dropped;
    if (tape.Edits != View.Edits || appended > tape.Lines.size()) {
        FillList();
    } else {
        for (uint64_t i = 0; i < dropped; ++i) SendMessageA(View.List, LB_DELETESTRING, 0, 0);
        for (size_t i = tape.Lines.size() - appended; i < tape.Lines.size(); ++i) {
            AddLine(tape.Lines[i]);
        }
    }
    if (appended > 0) SendMessageA(View.List, LB_SETTOPINDEX, tape.Lines.size() - 1, 0);
    AnnounceNewLines(std::min<uint64_t>(appended, tape.Lines.size()));
    View.Appended = tape.Appended;
    View.Dropped = tape.Dropped;
    View.Edits = tape.Edits;
}

void ApplyTapeFont() {
    if (View.List == nullptr) return;
    const CalcSettings& settings = Shell.Context.Settings;
    HFONT font = CreateFontA(FontHeight(ScaleFactor(settings), static_cast<int32_t>(Shell.Dpi)), 0,
                             0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, settings.FONT.Text());
    SendMessageA(View.List, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (View.Font != nullptr) DeleteObject(View.Font);
    View.Font = font;
    MeasureColumns();
    RECT tape = {};
    GetWindowRect(View.Window, &tape);
    SetWindowPos(View.Window, nullptr, 0, 0, TapeWindowWidth(), tape.bottom - tape.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ConvertTapeToNewSeparators(char oldThousand, char oldDecimal) {
    ConvertTapeSeparators(View.Keeper.Lines, oldThousand, oldDecimal, PanelFormat(Shell.Context));
    AfterChange();
}
