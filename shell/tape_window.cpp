#include "shell/tape_window.h"

#include <algorithm>
#include <string>

#include "controls/control_geometry.h"
#include "language/words.h"
#include "resources/resource_ids.h"
#include "shell/announce.h"
#include "shell/app_theme.h"
#include "shell/dpi_support.h"
#include "shell/files_folder.h"
#include "shell/main_controls.h"
#include "shell/modal_scope.h"
#include "shell/shell_state.h"
#include "shell/tape_commands.h"
#include "shell/tape_documents.h"
#include "shell/tape_list.h"
#include "shell/tape_print.h"
#include "shell/tape_view.h"
#include "shell/themed_drawing.h"
#include "shell/ui_language.h"
#include "tape/tape_columns.h"
#include "tape/tape_layout.h"
#include "tape/tape_replay.h"

namespace {

// A Unicode window: its title, in the chosen language and with the tape's file name, keeps
// every character whatever the code page.
constexpr const wchar_t* TapeClassName = L"QUILLON_TAPE";
// A compact face with digits of one width, as printing calculators print; where it is
// missing the system gives another fixed-pitch face.
constexpr const char* TapeFontFace = "Consolas";

// The lines are measured anew only when the width changes: their notes wrap to it.
void ResizeList(int width, int height) {
    RECT list = {};
    GetClientRect(TapeShell.List, &list);
    MoveWindow(TapeShell.List, 0, 0, width, height, TRUE);
    RECT resized = {};
    GetClientRect(TapeShell.List, &resized);
    if (resized.right != list.right) MeasureLines();
}

// After the user moved or sized the window: a new width is kept, at 96 DPI, and the window
// goes back beside the main window.
void KeepUsersWidth() {
    RECT tape = {};
    GetWindowRect(TapeShell.Window, &tape);
    const int width = tape.right - tape.left;
    if (width != TapeWindowWidth()) {
        Shell.Context.Settings.TAPE_WIDTH = MulDiv(width, BaseDpi, static_cast<int>(Shell.Dpi));
    }
    FollowMainWindow();
}

// Enter and F2 correct, Ctrl+N notes, Ctrl+P prints; other typed characters go on to the
// calculator.
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
    if (message == WM_KEYDOWN && wParam == 'P' && control) {
        PrintTape(TapeShell.Window);
        return 0;
    }
    if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS;
    if (message == WM_CHAR) {
        if (wParam != '\r' && !control) SendMessageA(Shell.MainWindow, WM_CHAR, wParam, lParam);
        return 0;
    }
    return CallWindowProcA(TapeShell.ListProcedure, list, message, wParam, lParam);
}

LRESULT CALLBACK TapeWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            ResizeList(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_GETMINMAXINFO:
            if (TapeShell.List != nullptr) {
                reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize.x = NarrowTapeWidth();
            }
            return 0;
        case WM_EXITSIZEMOVE:
            KeepUsersWidth();
            return 0;
        case WM_MEASUREITEM:
            MeasureLine(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CTLCOLORLISTBOX:
            return reinterpret_cast<LRESULT>(SchemeBrush(WindowLineLook().Face));
        case WM_CLOSE:
            if (RefuseCloseUnderDialog(window)) return 0;
            ShowTapeWindow(false);
            return 0;
        case WM_SETFOCUS:
            SetFocus(TapeShell.List);
            return 0;
        case WM_CONTEXTMENU:
            ShowContextMenu(lParam);
            return 0;
        case WM_INITMENUPOPUP:
            EnableLineCommands(reinterpret_cast<HMENU>(wParam));
            ShowRecentTapes(reinterpret_cast<HMENU>(wParam));
            return 0;
        case WM_DRAWITEM:
            DrawLine(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == TapeListId && HIWORD(wParam) == LBN_DBLCLK) {
                CorrectSelectedLine();
            } else if (lParam == 0) {
                RunTapeCommand(LOWORD(wParam));
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HFONT MakeTapeFont(int weight) {
    const int32_t height =
        TapeFontHeight(ScaleFactor(Shell.Context.Settings), static_cast<int32_t>(Shell.Dpi));
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       FIXED_PITCH | FF_MODERN, TapeFontFace);
}

void DefineTapeClass() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = TapeWindowProcedure;
    windowClass.hInstance = Shell.Instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = TapeClassName;
    RegisterClassExW(&windowClass);
}

// A reader of the shown tape hears its new lines, as it hears the panel.
void AnnounceNewLines(uint64_t count) {
    if (!IsWindowVisible(TapeShell.Window)) return;
    const Tape& tape = TapeShell.Keeper.Lines;
    for (size_t i = tape.Lines.size() - count; i < tape.Lines.size(); ++i) {
        AnnounceTapeLine(TapeShell.List, ShownTapeLine(tape.Lines[i]));
    }
}

std::string TapeFileName() {
    return std::string(Shell.ProductName) + ".tape";
}

}  // namespace

void TranslateTapeWindow() {
    if (TapeShell.Window == nullptr) return;
    ShowTapeTitle();
    SetWindowTextW(TapeShell.List, WideWords(Words("Tape")).c_str());  // its accessible name
    TranslateMenu(GetMenu(TapeShell.Window), IDM_TAPE_MENU);
    DrawMenuBar(TapeShell.Window);
    MeasureColumns();  // the counts' words take another width
    InvalidateRect(TapeShell.List, nullptr, TRUE);
}

void CreateTapeWindow(HWND mainWindow) {
    DefineTapeClass();
    TapeShell.Window = CreateWindowExW(
        WS_EX_TOOLWINDOW, TapeClassName, L"Tape", WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, mainWindow,
        LoadMenuA(Shell.Instance, MAKEINTRESOURCEA(IDM_TAPE_MENU)), Shell.Instance, nullptr);
    TapeShell.List = CreateWindowExA(
        WS_EX_CLIENTEDGE, "LISTBOX", "Tape",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
            LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
        0, 0, 0, 0, TapeShell.Window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(TapeListId)),
        Shell.Instance, nullptr);
    TapeShell.ListProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(TapeShell.List, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProcedure)));
    StartTape(TapeShell.Keeper, Shell.Context, TapeAtStart(FilesPath(TapeFileName())));
    ShowTapeTitle();
    ApplyTapeFont();
    FillList();
    TapeShell.Appended = TapeShell.Keeper.Lines.Appended;
    TapeShell.Dropped = TapeShell.Keeper.Lines.Dropped;
    TapeShell.Edits = TapeShell.Keeper.Lines.Edits;
    RECT main = {};
    GetWindowRect(mainWindow, &main);
    MoveWindow(TapeShell.Window, main.right, main.top, TapeWindowWidth(), main.bottom - main.top,
               FALSE);
    TranslateTapeWindow();
    FollowMainWindow();
}

void ThemeTapeWindow() {
    if (TapeShell.Window == nullptr) return;
    ThemeTitleBar(TapeShell.Window);
    SetControlLook(TapeShell.List, DarkShown() ? ControlLook::Dark : ControlLook::Usual);
    RedrawWindow(TapeShell.Window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void ShowTapeWindow(bool show) {
    Shell.Context.Settings.TAPE = show;
    CheckMenuItem(GetMenu(Shell.MainWindow), IDM_TAPE,
                  MF_BYCOMMAND | (show ? MF_CHECKED : MF_UNCHECKED));
    if (show) FollowMainWindow();
    ShowWindow(TapeShell.Window, show ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (show) SendMessageA(TapeShell.List, LB_SETTOPINDEX, TapeShell.Keeper.Lines.Lines.size(), 0);
}

void ToggleTapeWindow() {
    ShowTapeWindow(!IsWindowVisible(TapeShell.Window));
}

void FollowMainWindow() {
    if (TapeShell.Window == nullptr) return;
    HWND mainWindow = GetWindow(TapeShell.Window, GW_OWNER);
    RECT main = {};
    RECT tape = {};
    GetWindowRect(mainWindow, &main);
    GetWindowRect(TapeShell.Window, &tape);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromWindow(mainWindow, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int width = tape.right - tape.left;
    const int height = tape.bottom - tape.top;
    const ScreenPoint corner = TapeCorner({main.left, main.top, main.right, main.bottom}, width,
                                          height, {work.left, work.top, work.right, work.bottom});
    SetWindowPos(TapeShell.Window, nullptr, corner.X, corner.Y, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void RefreshTapeWindow() {
    const Tape& tape = TapeShell.Keeper.Lines;
    const uint64_t appended = tape.Appended - TapeShell.Appended;
    const uint64_t dropped = tape.Dropped - TapeShell.Dropped;
    if (tape.Edits != TapeShell.Edits || appended > tape.Lines.size()) {
        FillList();
    } else {
        for (uint64_t i = 0; i < dropped; ++i) SendMessageA(TapeShell.List, LB_DELETESTRING, 0, 0);
        for (size_t i = tape.Lines.size() - appended; i < tape.Lines.size(); ++i) {
            AddLine(tape.Lines[i]);
        }
    }
    if (appended > 0) SendMessageA(TapeShell.List, LB_SETTOPINDEX, tape.Lines.size() - 1, 0);
    AnnounceNewLines(std::min<uint64_t>(appended, tape.Lines.size()));
    TapeShell.Appended = tape.Appended;
    TapeShell.Dropped = tape.Dropped;
    TapeShell.Edits = tape.Edits;
}

void ApplyTapeFont() {
    if (TapeShell.List == nullptr) return;
    HFONT font = MakeTapeFont(FW_NORMAL);
    HFONT boldFont = MakeTapeFont(FW_BOLD);
    SendMessageA(TapeShell.List, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (TapeShell.Font != nullptr) DeleteObject(TapeShell.Font);
    if (TapeShell.BoldFont != nullptr) DeleteObject(TapeShell.BoldFont);
    TapeShell.Font = font;
    TapeShell.BoldFont = boldFont;
    MeasureColumns();
    RECT tape = {};
    GetWindowRect(TapeShell.Window, &tape);
    SetWindowPos(TapeShell.Window, nullptr, 0, 0, TapeWindowWidth(), tape.bottom - tape.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    MeasureLines();
    FollowMainWindow();
}

void ConvertTapeToNewSeparators(char oldThousand, char oldDecimal) {
    ConvertTapeSeparators(TapeShell.Keeper.Lines, oldThousand, oldDecimal,
                          PanelFormat(Shell.Context));
    AfterChange();
}
