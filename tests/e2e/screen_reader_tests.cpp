// GUI tests of what a screen reader finds in quillon.exe: the controls' accessible objects,
// asked from this process as a screen reader asks them, and the events the program raises
// when its panel and indicators change.
//
//   quillon-screen-reader-tests QUILLON_EXE ACCESSIBILITY_PROBE_DLL CASE
#include <windows.h>
// oleacc.h takes its types from windows.h.
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gui_check.h"
#include "gui_driver.h"
#include "gui_ids.h"
#include "quillon_session.h"
#include "remote_reads.h"
#include "settings_text.h"

namespace {

constexpr DWORD EventWaitMs = 400;

std::string accessibilityProbePath;

std::string Narrow(BSTR text) {
    if (text == nullptr) return "<none>";
    char buffer[512] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof(buffer) - 1, nullptr, nullptr);
    SysFreeString(text);
    return buffer;
}

VARIANT Self() {
    VARIANT self = {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// What a screen reader reads of one control: its accessible object's answers.
struct Spoken {
    std::string Name = "<no object>";
    std::string Shortcut;
    std::string Value;
    long Role = 0;
};

long RoleOf(IAccessible* accessible) {
    VARIANT role = {};
    if (FAILED(accessible->get_accRole(Self(), &role)) || role.vt != VT_I4) return 0;
    return role.lVal;
}

// The role the platform's standard object of the control gives, made in this process.
long StandardRole(HWND control) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&standard)))) {
        return -1;
    }
    const long role = RoleOf(standard);
    standard->Release();
    return role;
}

Spoken SpokenOf(HWND control) {
    Spoken spoken;
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
        return spoken;
    }
    BSTR text = nullptr;
    accessible->get_accName(Self(), &text);
    spoken.Name = Narrow(text);
    text = nullptr;
    accessible->get_accKeyboardShortcut(Self(), &text);
    spoken.Shortcut = Narrow(text);
    text = nullptr;
    accessible->get_accValue(Self(), &text);
    spoken.Value = Narrow(text);
    spoken.Role = RoleOf(accessible);
    accessible->Release();
    return spoken;
}

std::string LocaleDecimal() {
    char text[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof(text));
    return std::string(text, 1);
}

// ---- Names, shortcuts and values ----------------------------------------------------

void ControlsHaveSpokenNames() {
    struct Expected {
        const char* Name;
        const char* Shortcut;  // "<none>": the standard object's answer, no shortcut
    };
    const std::string decimal = LocaleDecimal();
    const Expected expected[] = {
        {"Display", "<none>"},
        {"7", "7"},
        {"8", "8"},
        {"9", "9"},
        {"Decimal separator", decimal.c_str()},
        {"4", "4"},
        {"5", "5"},
        {"6", "6"},
        {"1", "1"},
        {"2", "2"},
        {"3", "3"},
        {"0", "0"},
        {"Back-space", "Backspace"},
        {"Plus", "+"},
        {"Pending operator, none", "<none>"},
        {"Equals", "Enter"},
        {"Minus", "-"},
        {"Multiply", "*"},
        {"Divide", "/"},
        {"Clear", "C"},
        {"Change sign", "S"},
        {"Percent", "P"},
        {"Square root", "Q"},
        {"Reciprocal", "X"},
        {"Memory clear", "L"},
        {"Memory recall", "R"},
        {"Memory add", "A"},
        {"Memory subtract", "U"},
        {"Double zero", "D"},
        {"Memory, empty", "<none>"},
        {"Clear entry", "Delete"},
        {"Total", "T"},
        {"Memory store", "M"},
    };
    CaseRun run("names", KnownFile());
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    for (int row = 0; row < static_cast<int>(std::size(expected)); ++row) {
        const Spoken spoken = SpokenOf(Control(s, row));
        const std::string what = "control " + std::to_string(row) + ": ";
        CheckEqual(spoken.Name, expected[row].Name, what + "name");
        CheckEqual(spoken.Shortcut, expected[row].Shortcut, what + "keyboard shortcut");
        CheckEqual(spoken.Role, StandardRole(Control(s, row)),
                   what + "role, from the standard object");
    }

    // The panel's value is the shown number; the indicators' values are their state.
    struct State {
        const char* Keys;
        const char* Panel;
        const char* Operator;
        const char* Memory;
    };
    const State states[] = {
        {"", "0", "none", "empty"},        {"1234.5", "1,234.5", "none", "empty"},
        {"+", "1,234.5", "Plus", "empty"}, {"6/", "1,240.5", "Divide", "empty"},
        {"0\r", "ERROR", "none", "empty"}, {"c7m", "7", "none", "in use"},
        {"*", "7", "Multiply", "in use"},  {"l", "7", "Multiply", "empty"},
    };
    for (const State& state : states) {
        TypeText(s, state.Keys);
        const std::string what = std::string("after typing \"") + state.Keys + "\": ";
        CheckEqual(SpokenOf(Control(s, PanelRow)).Value, state.Panel, what + "panel value");
        CheckEqual(SpokenOf(Control(s, OperatorIndicatorRow)).Value, state.Operator,
                   what + "operator indicator value");
        CheckEqual(SpokenOf(Control(s, MemoryIndicatorRow)).Value, state.Memory,
                   what + "memory indicator value");
        CheckEqual(SpokenOf(Control(s, OperatorIndicatorRow)).Name,
                   std::string("Pending operator, ") + state.Operator,
                   what + "operator indicator name");
    }
    run.Exit();
}

// ---- Events ---------------------------------------------------------------------------

struct SeenEvent {
    DWORD Event;
    int Row;
    std::string Text;  // read inside the hook: the panel's value, an indicator's name
};

std::vector<SeenEvent> seenEvents;

void CALLBACK SeeEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                       DWORD) {
    if (object != OBJID_CLIENT || child != CHILDID_SELF) return;
    const int row = GetDlgCtrlID(window) - FirstControlId;
    // Listed on arrival: reading the object pumps messages, and the next event may come in
    // while it does.
    const size_t seen = seenEvents.size();
    seenEvents.push_back({event, row, ""});
    const Spoken spoken = SpokenOf(window);
    seenEvents[seen].Text = row == PanelRow ? spoken.Value : spoken.Name;
}

// Out-of-context events arrive as messages of this thread.
void PumpEvents(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// What the events of one key said, one "row:text" per event of the kind, in order.
std::string Said(const std::vector<SeenEvent>& events, DWORD kind) {
    std::string said;
    for (const SeenEvent& e : events) {
        if (e.Event != kind) continue;
        if (!said.empty()) said += " / ";
        said += std::to_string(e.Row) + ":" + e.Text;
    }
    return said;
}

// A Total's sum is announced like any result; a refused one while its message is still
// shown, with "ERROR" already readable.
void TotalsAnnounceTheirSum(const QuillonSession& s) {
    TypeText(s, "c");
    PumpEvents(EventWaitMs);
    seenEvents.clear();
    SetClipboard("10\r\n20.5\r\n1");
    TypeText(s, "t");
    PumpEvents(EventWaitMs);
    CheckEqual(Said(seenEvents, EVENT_OBJECT_VALUECHANGE), "0:31.5", "a Total of three numbers");

    seenEvents.clear();
    SetClipboard("1\n1.2.3");
    PostMessageA(s.Window, WM_CHAR, 't', 1);
    HWND box = WaitForWindow(s, "#32770", "Quillon", 5000);
    if (!Check(box != nullptr, "a refused Total shows its message")) return;
    PumpEvents(EventWaitMs);
    CheckEqual(Said(seenEvents, EVENT_OBJECT_VALUECHANGE), "0:ERROR",
               "the refused Total, heard while its message is shown");
    Check(IsWindow(box), "the message is still shown");
    seenEvents.clear();
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    const DWORD start = GetTickCount();
    while (IsWindow(box) && GetTickCount() - start < 5000) Sleep(10);
    Settle(s);
    PumpEvents(EventWaitMs);
    CheckEqual(Said(seenEvents, EVENT_OBJECT_VALUECHANGE), "",
               "closing the message raises nothing more");
}

struct KeyEvents {
    const char* Key;
    const char* ValueChanges;  // "row:text" per value-change event, "" for none
    const char* NameChanges;   // the indicators' name changes
};

// One key at a time: each key that changes the panel raises one value change, and the
// value read inside the hook is already the new one (12 + 3 Enter comes with 15).
void ChangesRaiseOneEventEach() {
    const KeyEvents keys[] = {
        {"1", "0:1", ""},
        {"2", "0:12", ""},
        {"+", "14:Pending operator, Plus", "14:Pending operator, Plus"},
        {"3", "0:3", ""},
        {"\r", "0:15 / 14:Pending operator, none", "14:Pending operator, none"},
        {"c", "0:0", ""},
        {"c", "", ""},
        {"9", "0:9", ""},
        {"q", "0:3", ""},
        {"=", "", ""},
        {"m", "29:Memory, in use", "29:Memory, in use"},
        {"l", "29:Memory, empty", "29:Memory, empty"},
        {"/", "14:Pending operator, Divide", "14:Pending operator, Divide"},
        {"0", "0:0", ""},
        {"\r", "0:ERROR / 14:Pending operator, none", "14:Pending operator, none"},
    };
    CaseRun run("events", KnownFile());
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                                         SeeEvent, s.Process.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
    if (!Check(hook != nullptr, "the hook is set")) return;
    for (const KeyEvents& key : keys) {
        seenEvents.clear();
        TypeText(s, key.Key);
        PumpEvents(EventWaitMs);
        const std::string what = "key \"" + std::string(key.Key) + "\": ";
        CheckEqual(Said(seenEvents, EVENT_OBJECT_VALUECHANGE), key.ValueChanges,
                   what + "value changes seen by a hook in this process");
        CheckEqual(Said(seenEvents, EVENT_OBJECT_NAMECHANGE), key.NameChanges,
                   what + "name changes seen by a hook in this process");
    }
    TotalsAnnounceTheirSum(s);
    UnhookWinEvent(hook);
    run.Exit();
}

// ---- High contrast ------------------------------------------------------------------------

COLORREF PixelAt(HWND window, POINT point) {
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

struct Look {
    unsigned Margin;  // the window's background beside the controls
    unsigned Panel;   // the panel's background left of its number
};

Look LookOf(const QuillonSession& s) {
    RedrawWindow(s.Window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle(s);
    HWND panel = Control(s, PanelRow);
    RECT inside = {};
    GetClientRect(panel, &inside);
    return {PixelAt(s.Window, {6, 6}), PixelAt(panel, {4, inside.bottom / 2})};
}

// Wine has no high-contrast mode: a probe inside the program answers for the system (see
// accessibility_probe.cpp), and the program is told of the change as Windows tells it.
void HighContrastTakesTheSystemColours() {
    const std::string file = KnownFile({{"BACKGROUND_COLOR_RED", "10"},
                                        {"BACKGROUND_COLOR_GREEN", "200"},
                                        {"BACKGROUND_COLOR_BLUE", "30"}});
    CaseRun run("contrast", file);
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    if (!Check(LoadIntoQuillon(s, accessibilityProbePath), "the probe is loaded")) return;
    const unsigned setting = RGB(10, 200, 30);
    const unsigned window = GetSysColor(COLOR_WINDOW);
    const unsigned face = GetSysColor(COLOR_BTNFACE);
    Check(window != face && window != setting, "the colours tell the looks apart");

    const Look before = LookOf(s);
    CheckEqual(before.Margin, setting, "off: the margin shows the background colour");
    CheckEqual(before.Panel, face, "off: the panel in the platform's default colour");

    WriteFileBytes(s.Directory + "high-contrast-on", "");
    SendMessageA(s.Window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    const Look on = LookOf(s);
    CheckEqual(on.Margin, window, "on: the margin shows the system's window colour");
    CheckEqual(on.Panel, window, "on: the panel shows the system's window colour");

    DeleteFileA((s.Directory + "high-contrast-on").c_str());
    SendMessageA(s.Window, WM_SYSCOLORCHANGE, 0, 0);
    const Look off = LookOf(s);
    CheckEqual(off.Margin, setting, "off again: the background colour is back");
    CheckEqual(off.Panel, face, "off again: the panel's default colour is back");
    CheckEqual(run.Exit(), file, "the background colour setting is kept");
}

// ---- UI Automation notifications ---------------------------------------------------------

// Wine's uiautomationcore.dll has no UiaRaiseNotificationEvent, so the program, which looks
// it up at run time, raises none there. The probe hands it one that records each call.
void ResultsAreNotified() {
    CaseRun run("notifications", KnownFile());
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    if (!Check(LoadIntoQuillon(s, accessibilityProbePath), "the probe is loaded")) return;
    TypeText(s, "12+3\r");
    TypeText(s, "5/0\r");
    TypeText(s, "c");
    TypeText(s, "c");
    SetClipboard("10\r\n20.5\r\n1");
    TypeText(s, "t");
    TypeText(s, "m");
    SetClipboard("7 EUR");
    TypeText(s, "t");
    const std::string heard = ReadFileBytes(s.Directory + "uia-notifications.txt");
    // Kind "action completed" (2), processing "most recent" (1), provider of the panel.
    CheckEqual(heard,
               "provider 2 1 Result|1\n"
               "provider 2 1 Result|12\n"
               "provider 2 1 Indicator|Pending operator, Plus\n"
               "provider 2 1 Result|3\n"
               "provider 2 1 Result|15\n"
               "provider 2 1 Result|5\n"
               "provider 2 1 Indicator|Pending operator, Divide\n"
               "provider 2 1 Result|0\n"
               "provider 2 1 Result|Error\n"
               "provider 2 1 Result|0\n"
               "provider 2 1 Total|Total 31.5, 3 numbers\n"
               "provider 2 1 Indicator|Memory, in use\n"
               "provider 2 1 Total|Total 7, 1 number\n",
               "notifications, one per command that changed what is shown");
    // With the tape shown, its new lines are heard after the panel, queued (processing "all").
    PostMessageA(s.Window, WM_COMMAND, 32820, 0);  // Tape
    Settle(s);
    TypeText(s, "c4*");
    const std::string tapeLine = "  " + std::string(31, ' ') + "4 *";
    CheckEqual(ReadFileBytes(s.Directory + "uia-notifications.txt").substr(heard.size()),
               "provider 2 1 Result|0\n"
               "provider 2 2 Tape|" +
                   std::string(35, ' ') + "C\n" +
                   "provider 2 1 Result|4\n"
                   "provider 2 1 Indicator|Pending operator, Multiply\n"
                   "provider 2 2 Tape|" +
                   tapeLine + "\n",
               "the shown tape's new line");
    run.Exit();
}

// Over the dark theme too: high contrast wins, and the dark theme comes back after it.
void HighContrastWinsOverDark() {
    CaseRun run("contrast_dark", KnownFile({{"THEME", "DARK"}}));
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    if (!Check(LoadIntoQuillon(s, accessibilityProbePath), "the probe is loaded")) return;
    const unsigned darkWindow = RGB(0x20, 0x20, 0x20);
    const unsigned darkPanel = RGB(0x10, 0x10, 0x10);
    const unsigned window = GetSysColor(COLOR_WINDOW);
    const Look before = LookOf(s);
    CheckEqual(before.Margin, darkWindow, "dark: the margin in the dark window colour");
    CheckEqual(before.Panel, darkPanel, "dark: the panel in the dark panel colour");
    WriteFileBytes(s.Directory + "high-contrast-on", "");
    SendMessageA(s.Window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    const Look on = LookOf(s);
    CheckEqual(on.Margin, window, "on: the margin shows the system's window colour");
    CheckEqual(on.Panel, window, "on: the panel shows the system's window colour");
    DeleteFileA((s.Directory + "high-contrast-on").c_str());
    SendMessageA(s.Window, WM_SYSCOLORCHANGE, 0, 0);
    const Look off = LookOf(s);
    CheckEqual(off.Margin, darkWindow, "off again: the dark window colour is back");
    CheckEqual(off.Panel, darkPanel, "off again: the dark panel is back");
    run.Exit();
}

const GuiCase Cases[] = {
    {"uia_notifications", ResultsAreNotified},
    {"high_contrast", HighContrastTakesTheSystemColours},
    {"high_contrast_over_dark", HighContrastWinsOverDark},
    {"accessible_names", ControlsHaveSpokenNames},
    {"value_events", ChangesRaiseOneEventEach},
};

// The probe is loaded into the program; the driver's own thread asks for accessible objects.
void TakeAccessibilityProbe(const std::string& path) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    accessibilityProbePath = WindowsPath(path);
}

}  // namespace

int main(int argc, char** argv) {
    const DriverSetUp setUp{"ACCESSIBILITY_PROBE_DLL CASE", TakeAccessibilityProbe, nullptr};
    return RunDriver(argc, argv, setUp, {Cases});
}
