// GUI tests of quillon.exe: At the desk: always on top, the window place, add mode, the screen DPI.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "gui_driver.h"
#include "gui_ids.h"
#include "quillon_session.h"
#include "remote_reads.h"
#include "screen_dpi.h"
#include "settings_text.h"

namespace {

// ---- At the desk ----------------------------------------------------------------------

bool IsTopmost(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

POINT Corner(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top};
}

void StaysOnTopWhenAsked() {
    CaseRun run("on_top", KnownFile());
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    Check(!IsTopmost(s.Window), "not on top at start");
    CheckEqual(MenuItemsChecked(s, {IdAlwaysOnTop}), "0", "no mark at start");
    PostCommand(s, IdAlwaysOnTop);
    Check(IsTopmost(s.Window), "on top after the command");
    CheckEqual(MenuItemsChecked(s, {IdAlwaysOnTop}), "1", "mark after the command");
    CheckEqual(run.Exit(), KnownFile({{"ALWAYS_ON_TOP", "YES"}}), "saved on top");

    CaseRun again("on_top_again", run.SavedFile);
    if (!again.Start()) return;
    Check(IsTopmost(again.Session.Window), "on top after a restart");
    CheckEqual(MenuItemsChecked(again.Session, {IdAlwaysOnTop}), "1", "mark after a restart");
    PostCommand(again.Session, IdAlwaysOnTop);
    Check(!IsTopmost(again.Session.Window), "no longer on top after the command again");
    CheckEqual(MenuItemsChecked(again.Session, {IdAlwaysOnTop}), "0", "mark taken off");
    CheckEqual(again.Exit(), KnownFile(), "saved not on top");
}

void OpensWhereItWasClosed() {
    CaseRun run("place", KnownFile());
    if (!run.Start()) return;
    const POINT centred = Corner(run.Session.Window);
    SetWindowPos(run.Session.Window, nullptr, 140, 90, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(run.Session);
    run.Exit();
    CheckEqual(ValueInFile(run.SavedFile, "WINDOW_X"), "140", "moved left edge saved");
    CheckEqual(ValueInFile(run.SavedFile, "WINDOW_Y"), "90", "moved top edge saved");

    CaseRun again("place_again", run.SavedFile);
    if (again.Start()) {
        const POINT corner = Corner(again.Session.Window);
        CheckEqual(static_cast<int>(corner.x), 140, "reopened at the saved left edge");
        CheckEqual(static_cast<int>(corner.y), 90, "reopened at the saved top edge");
        // Closed while minimised, it keeps the corner it would be restored to.
        ShowWindowAsync(again.Session.Window, SW_MINIMIZE);
        Settle(again.Session);
        Check(IsIconic(again.Session.Window) != 0, "minimised");
        PostMessageA(again.Session.Window, WM_COMMAND, IdExit, 0);
        CheckEqual(WaitForExit(again.Session), 0, "exit code after closing minimised");
        const std::string saved = ReadFileBytes(again.IniPath());
        CheckEqual(ValueInFile(saved, "WINDOW_X"), "140", "minimised: left edge saved");
        CheckEqual(ValueInFile(saved, "WINDOW_Y"), "90", "minimised: top edge saved");
    }
    const struct {
        const char* Name;
        const char* X;
        const char* Y;
    } unusable[] = {
        {"right of every monitor", "5000", "300"},
        {"title bar above the screen", "200", "-200"},
        {"only the left edge saved", "200", ""},
    };
    for (const auto& place : unusable) {
        CaseRun off("place_off", KnownFile({{"WINDOW_X", place.X}, {"WINDOW_Y", place.Y}}));
        if (!off.Start()) continue;
        const POINT corner = Corner(off.Session.Window);
        const std::string name = std::string(place.Name) + ": ";
        CheckEqual(static_cast<int>(corner.x), static_cast<int>(centred.x), name + "centred left");
        CheckEqual(static_cast<int>(corner.y), static_cast<int>(centred.y), name + "centred top");
        off.Exit();
    }
}

HWND AddModeIndicator(const QuillonSession& s) {
    return FindWindowExA(s.Window, nullptr, "Static", "ADD");
}

void CheckAddModeShown(const QuillonSession& s, bool on, const std::string& when) {
    const HWND indicator = AddModeIndicator(s);
    Check(indicator != nullptr, when + ": the ADD indicator exists");
    CheckEqual(IsWindowVisible(indicator) != 0, on, when + ": ADD shown");
    CheckEqual(MenuItemsChecked(s, {IdAddMode}), on ? "1" : "0", when + ": menu mark");
}

void EntersAmountsInCents() {
    CaseRun run("add_mode", KnownFile({{"ROUND_MODE", "1"}}));
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    CheckAddModeShown(s, false, "at start");
    PostCommand(s, IdAddMode);
    CheckAddModeShown(s, true, "after the menu command");
    const struct {
        const char* Typed;
        const char* Panel;
    } steps[] = {
        {"1", "0.01"},       {"2", "0.12"},    {"3", "1.23"},     {"4", "12.34"},    {"\b", "1.23"},
        {"d", "123.00"},     {".", "12,300."}, {"5", "12,300.5"}, {"+", "12,300.5"}, {"7", "0.07"},
        {"\r", "12,300.57"}, {"c", "0"},       {"7", "0.07"},
    };
    for (const auto& step : steps) {
        TypeText(s, step.Typed);
        CheckEqual(Panel(s), step.Panel, std::string("panel after ") + step.Typed);
    }
    Check(PressChord(s, VK_CONTROL, 'D', '9'), "Ctrl+D: the key after it arrives");
    CheckAddModeShown(s, false, "after Ctrl+D");
    CheckEqual(Panel(s), "0.079", "ordinary entry after Ctrl+D");
    TypeText(s, "c");
    Check(PressChord(s, VK_CONTROL, 'D', '5'), "Ctrl+D again: the key after it arrives");
    CheckAddModeShown(s, true, "after Ctrl+D again");
    CheckEqual(Panel(s), "0.05", "cents again after Ctrl+D");
    Check(IsWindowEnabled(AddModeIndicator(s)) != 0, "ADD in black with two fixed places");
    PostCommand(s, IdFloating);
    Check(IsWindowEnabled(AddModeIndicator(s)) == 0, "ADD greyed with floating places");
    TypeText(s, "c12");
    CheckEqual(Panel(s), "12", "floating places: ordinary entry");
    PostCommand(s, IdFixed2);
    Check(IsWindowEnabled(AddModeIndicator(s)) != 0, "ADD in black again with two places");
    CheckEqual(run.Exit(), KnownFile({{"ROUND_MODE", "1"}, {"ADD_MODE", "YES"}}), "add mode saved");

    CaseRun again("add_mode_again", run.SavedFile);
    if (!again.Start()) return;
    CheckAddModeShown(again.Session, true, "after a restart");
    TypeText(again.Session, "25");
    CheckEqual(Panel(again.Session), "0.25", "cents after a restart");
    again.Exit();
}

// ---- The business row --------------------------------------------------------------------

void CheckBusinessRow(const QuillonSession& s, bool shown, int clientHeight,
                      const std::string& when) {
    RECT client = {};
    GetClientRect(s.Window, &client);
    CheckEqual(static_cast<int>(client.right), 585, when + ": client width");
    CheckEqual(static_cast<int>(client.bottom), clientHeight, when + ": client height");
    CheckEqual(MenuItemsChecked(s, {IdBusinessKeys}), shown ? "1" : "0", when + ": menu mark");
    for (int row = FirstBusinessRow; row <= GrandTotalIndicatorRow; ++row) {
        CheckEqual(IsWindowVisible(Control(s, row)) != 0, shown,
                   when + ": control " + std::to_string(row) + " shown");
    }
}

// The row adds 10 layout units (50 pixels at 200 %) under the keypad, and takes them away.
void BusinessRowComesAndGoes() {
    CaseRun run("business_row", KnownFile());
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    CheckBusinessRow(s, false, 355, "at start");
    TypeText(s, "2+3\rg");
    CheckEqual(Panel(s), "5", "hidden keys take no hot key");
    PostCommand(s, IdBusinessKeys);
    CheckBusinessRow(s, true, 405, "shown");
    const ClientRect tax = RectInParent(Control(s, FirstBusinessRow));
    CheckEqual(tax.Top, 340, "TAX+ top on the grid");
    CheckEqual(tax.Height, 45, "TAX+ as high as the other keys");
    const ClientRect margin = RectInParent(Control(s, FirstBusinessRow + 5));
    CheckEqual(margin.Left + margin.Width, 565, "MARGIN ends where the panel ends");
    PostCommand(s, IdBusinessKeys);
    CheckBusinessRow(s, false, 355, "hidden again");
    PostCommand(s, IdBusinessKeys);
    CheckEqual(run.Exit(), KnownFile({{"BUSINESS_KEYS", "YES"}}), "saved shown");

    CaseRun again("business_row_again", run.SavedFile);
    if (!again.Start()) return;
    CheckBusinessRow(again.Session, true, 405, "after a restart");
    again.Exit();
}

struct DpiGeometry {
    int ClientWidth = 0, ClientHeight = 0;
    ClientRect Rects[3] = {};  // the panel, "7" and the tall "="
    int DialogWidth = 0;       // the client width of Customize view
};

constexpr int MeasuredRows[3] = {PanelRow, 1, EqualsRow};

DpiGeometry Measure(const QuillonSession& s) {
    DpiGeometry geometry;
    RECT client = {};
    GetClientRect(s.Window, &client);
    geometry.ClientWidth = client.right;
    geometry.ClientHeight = client.bottom;
    for (int i = 0; i < 3; ++i) geometry.Rects[i] = RectInParent(Control(s, MeasuredRows[i]));
    PostMessageA(s.Window, WM_COMMAND, IdAppearance, 0);
    HWND dialog = WaitForWindow(s, "#32770", "Customize view", 5000);
    if (Check(dialog != nullptr, "Customize view opens")) {
        RECT dialogClient = {};
        GetClientRect(dialog, &dialogClient);
        geometry.DialogWidth = dialogClient.right;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        Settle(s);
    }
    return geometry;
}

// Every length of the 96-DPI geometry times dpi / 96, rounded half away from zero.
void CheckScaled(const DpiGeometry& got, const DpiGeometry& base, int dpi,
                 const std::string& name) {
    const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
    CheckEqual(got.ClientWidth, scaled(base.ClientWidth), name + "client width");
    CheckEqual(got.ClientHeight, scaled(base.ClientHeight), name + "client height");
    for (int i = 0; i < 3; ++i) {
        const std::string what = name + "control " + std::to_string(MeasuredRows[i]);
        const ClientRect& rect = got.Rects[i];
        const ClientRect& at96 = base.Rects[i];
        CheckEqual(rect.Left, scaled(at96.Left), what + " left");
        CheckEqual(rect.Top, scaled(at96.Top), what + " top");
        CheckEqual(rect.Width, scaled(at96.Width), what + " width");
        CheckEqual(rect.Height, scaled(at96.Height), what + " height");
    }
}

// Dialogs follow the system's dialog scaling, whose font metrics round on their own way.
void CheckDialogScaled(const DpiGeometry& got, const DpiGeometry& base, int dpi,
                       const std::string& name) {
    const int expected = MulDiv(base.DialogWidth, dpi, 96);
    Check(got.DialogWidth * 10 >= expected * 9 && got.DialogWidth * 10 <= expected * 11,
          name + "Customize view " + std::to_string(got.DialogWidth) + " wide, about " +
              std::to_string(expected));
}

// Sends the message the system sends when the window reaches a monitor of `dpi`, with the
// suggested rectangle in the program's own memory.
void SendDpiChanged(const QuillonSession& s, int dpi, const RECT& suggested) {
    RemoteBlock block(s.Process.hProcess, sizeof(RECT));
    WriteProcessMemory(s.Process.hProcess, block.Address, &suggested, sizeof(suggested), nullptr);
    SendMessageA(s.Window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(block.Address));
    Settle(s);
}

// The height of the tape's first line and the window's outer width, which follow the tape
// font at the window's DPI.
struct TapeSize {
    int LineHeight = 0;
    int Width = 0;
};

TapeSize MeasureTape(const QuillonSession& s) {
    TapeSize size;
    HWND tape = WaitForWindow(s, "QUILLON_TAPE", "Tape", 5000);
    if (!Check(tape != nullptr, "the tape window exists")) return size;
    size.LineHeight = static_cast<int>(
        SendMessageA(FindWindowExA(tape, nullptr, "LISTBOX", nullptr), LB_GETITEMHEIGHT, 0, 0));
    RECT rect = {};
    GetWindowRect(tape, &rect);
    size.Width = rect.right - rect.left;
    return size;
}

// Font metrics round their own way: within a tenth of the length times 1.5.
void CheckTapeAt144(int got, int at96, const std::string& what) {
    const int expected = MulDiv(at96, 144, 96);
    Check(got * 10 >= expected * 9 && got * 10 <= expected * 11,
          "moved to 144 DPI: tape " + what + " " + std::to_string(got) + ", about " +
              std::to_string(expected));
}

void ScalesWithTheScreenDpi() {
    ScreenDpi screen;
    screen.Set(96);
    DpiGeometry base;
    {
        CaseRun run("dpi_96", KnownFile());
        if (!run.Start()) return;
        base = Measure(run.Session);
        run.Exit();
    }
    CheckEqual(base.ClientWidth, 585, "96 DPI: client width as ever");
    Check(base.DialogWidth > 0, "96 DPI: Customize view measured");
    CheckEqual(base.Rects[1].Left, 260, "96 DPI: \"7\" where it always was");
    for (const int dpi : {144, 192}) {
        screen.Set(static_cast<DWORD>(dpi));
        CaseRun run("dpi_" + std::to_string(dpi), KnownFile());
        if (!run.Start()) continue;
        const DpiGeometry geometry = Measure(run.Session);
        CheckScaled(geometry, base, dpi, std::to_string(dpi) + " DPI: ");
        CheckDialogScaled(geometry, base, dpi, std::to_string(dpi) + " DPI: ");
        run.Exit();
    }
    screen.Set(96);
    CaseRun run("dpi_changed", KnownFile());
    if (!run.Start()) return;
    TypeText(run.Session, "12+");  // a line on the tape: its height follows the tape font
    const TapeSize tape96 = MeasureTape(run.Session);
    SendDpiChanged(run.Session, 144, {100, 80, 1000, 700});
    CheckScaled(Measure(run.Session), base, 144, "moved to 144 DPI: ");
    const TapeSize tape144 = MeasureTape(run.Session);
    CheckTapeAt144(tape144.LineHeight, tape96.LineHeight, "line height");
    CheckTapeAt144(tape144.Width, tape96.Width, "width");
    const POINT corner = Corner(run.Session.Window);
    CheckEqual(static_cast<int>(corner.x), 100, "moved to 144 DPI: suggested left");
    CheckEqual(static_cast<int>(corner.y), 80, "moved to 144 DPI: suggested top");
    SendDpiChanged(run.Session, 96, {120, 90, 700, 500});
    CheckScaled(Measure(run.Session), base, 96, "back at 96 DPI: ");
    const TapeSize tapeBack = MeasureTape(run.Session);
    CheckEqual(tapeBack.LineHeight, tape96.LineHeight, "back at 96 DPI: tape line height");
    CheckEqual(tapeBack.Width, tape96.Width, "back at 96 DPI: tape width");
    run.Exit();
}

}  // namespace

extern const GuiCase DeskCases[] = {
    {"always_on_top", StaysOnTopWhenAsked},   {"window_place", OpensWhereItWasClosed},
    {"add_mode", EntersAmountsInCents},       {"business_row", BusinessRowComesAndGoes},
    {"dpi_geometry", ScalesWithTheScreenDpi},
};
extern const size_t DeskCasesCount = std::size(DeskCases);
