// GUI tests of quillon.exe: each case starts the real program in its own working
// directory and works it through its message queue.
//
//   quillon-gui-tests QUILLON_EXE MENU_PROBE_DLL CASE
//   quillon-gui-tests QUILLON_EXE MENU_PROBE_DLL screenshot DIRECTORY
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "gui_check.h"
#include "quillon_session.h"
#include "remote_reads.h"
#include "settings_text.h"

namespace {

constexpr WORD IdExit = 105;
constexpr WORD IdAbout = 104;
constexpr WORD IdUserManual = 32771;
constexpr WORD IdRoundUp = 32779;
constexpr WORD IdRoundDown = 32781;
constexpr WORD IdAppearance = 32784;
constexpr WORD IdFixed0 = 32790;
constexpr WORD IdFixed2 = 32791;
constexpr WORD IdFloating = 32793;
constexpr WORD IdTotalSettings = 32794;
constexpr WORD IdCopy = 32795;
constexpr WORD IdHomePage = 32808;
constexpr WORD IdPaste = 32809;
constexpr WORD IdTape = 32820;
constexpr WORD IdAlwaysOnTop = 32822;
constexpr WORD IdAddMode = 32823;
constexpr int ControlCount = 33;
constexpr int PanelRow = 0;
constexpr int DecimalKeyRow = 4;
constexpr int OperatorIndicatorRow = 14;
constexpr int EqualsRow = 15;
constexpr int MemoryIndicatorRow = 29;
constexpr DWORD MainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

struct ClientRect {
    int Left, Top, Width, Height;
};

ClientRect RectInParent(HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    CharUpperA(name);
    return name;
}

HWND FocusOf(const QuillonSession& session) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(session.Process.dwThreadId, &info);
    return info.hwndFocus;
}

bool ShowsPushed(HWND button) {
    return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

std::string LocaleChar(LCTYPE item) {
    char text[256] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof(text));
    return std::string(text, text[0] == '\0' ? 0 : 1);
}

int LocaleGrouping() {
    char text[256] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SGROUPING, text, sizeof(text));
    if (std::strcmp(text, "3;2;0") == 0) return 2;
    return std::strcmp(text, "3;0") == 0 ? 1 : 0;
}

// ---- Start-up -------------------------------------------------------------------------

void StartsWithDefaultsAndWritesAllLines() {
    CaseRun run("defaults", std::nullopt);
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    CheckEqual(WindowText(s.Window), "Quillon", "window title");
    CheckEqual(Panel(s), "0", "panel at start");
    CheckEqual(OperatorIndicator(s), "", "operator indicator at start");
    CheckEqual(MemoryIndicator(s), "", "memory indicator at start");
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(s.Window, GWL_STYLE));
    Check((style & MainWindowStyle) == MainWindowStyle, "caption, system menu and minimise box");
    Check((style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) == 0, "no sizing border, no maximise box");
    const char* classes[ControlCount] = {};
    for (int row = 0; row < ControlCount; ++row) classes[row] = "BUTTON";
    classes[PanelRow] = "EDIT";
    classes[OperatorIndicatorRow] = classes[MemoryIndicatorRow] = "STATIC";
    for (int row = 0; row < ControlCount; ++row) {
        CheckEqual(ClassOf(Control(s, row)), classes[row],
                   "class of control " + std::to_string(row));
    }
    const DWORD panelStyle = static_cast<DWORD>(GetWindowLongPtrA(Control(s, PanelRow), GWL_STYLE));
    Check((panelStyle & (ES_READONLY | ES_RIGHT)) == (ES_READONLY | ES_RIGHT),
          "the panel is read-only and right-aligned");
    CheckEqual(WindowText(Control(s, DecimalKeyRow)), LocaleChar(LOCALE_SDECIMAL),
               "decimal key shows the user's decimal symbol");

    // Centred on the screen at its fitted size.
    RECT client = {};
    GetClientRect(s.Window, &client);
    CheckEqual(static_cast<int>(client.right), 585, "client width at 200 %");
    CheckEqual(static_cast<int>(client.bottom), 355, "client height at 200 %");
    RECT outer = {0, 0, 585, 355};
    AdjustWindowRectEx(&outer, MainWindowStyle, TRUE, 0);
    RECT placed = {};
    GetWindowRect(s.Window, &placed);
    CheckEqual(static_cast<int>(placed.left),
               static_cast<int>((GetSystemMetrics(SM_CXSCREEN) + outer.left - outer.right) / 2),
               "centred horizontally");
    CheckEqual(static_cast<int>(placed.top),
               static_cast<int>((GetSystemMetrics(SM_CYSCREEN) + outer.top - outer.bottom) / 2),
               "centred vertically");

    const std::string face = SubstituteFace("Segmenta");
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const std::string expected = KnownFile({
        {"BACKGROUND_COLOR_BLUE", std::to_string(GetBValue(window))},
        {"BACKGROUND_COLOR_GREEN", std::to_string(GetGValue(window))},
        {"BACKGROUND_COLOR_RED", std::to_string(GetRValue(window))},
        {"DECIMAL_SEPARATOR", LocaleChar(LOCALE_SDECIMAL)},
        {"DIGIT_GROUPING", std::to_string(LocaleGrouping())},
        {"FONT", face},
        {"FONT_FOR_PANEL", face},
        {"THOUSAND_SEPARATOR", LocaleChar(LOCALE_STHOUSAND)},
    });
    CheckEqual(run.Exit(), expected, "settings file created at exit");
}

// A damaged or contradictory file still gives a complete window with the fall-backs.
void StartsFromDamagedSettings() {
    struct Damage {
        const char* Name;
        std::string File;
        SettingsValues Saved;  // changes from the known settings in the file written at exit
        int ClientWidth;
    };
    const std::string binary("\x00\xff[VIEW\x00]\r\nSCALE = \x01\x02\n\n\r[[[=\xfe", 29);
    const std::string whole = KnownFile({{"SCALE", "3"}});
    const Damage damages[] = {
        {"binary", binary, {}, 0},
        {"ranges",
         "[VIEW]\r\nSCALE = 7\r\nBACKGROUND_COLOR_RED = 300\r\nBACKGROUND_COLOR_GREEN = 0\r\n"
         "LEADING_ZERO = yes\r\nDIGIT_GROUPING = -1\r\nFONT = " +
             InstalledFace() + "\r\nFONT_FOR_PANEL = " + InstalledFace() +
             "\r\n"
             "DECIMAL_SEPARATOR = 7\r\nTHOUSAND_SEPARATOR = ,\r\n[COMMON]\r\nROUND_MODE = 9\r\n"
             "ROUND_TYPE = x\r\n",
         {{"ROUND_TYPE", "0"}},
         585},
        {"overlapping sets",
         KnownFile({{"SCALE", "0"}, {"DECIMAL_SEPARATORS", ";:"}, {"NUMBER_SEPARATORS", ":/"}}),
         {{"SCALE", "0"}},
         476},
        {"cut short", whole.substr(0, whole.size() - 10), {{"SCALE", "3"}}, 803},
    };
    for (const Damage& damage : damages) {
        CaseRun run("damaged", damage.File);
        if (!run.Start()) continue;
        const std::string name = std::string(damage.Name) + ": ";
        for (int row = 0; row < ControlCount; ++row) {
            Check(IsWindow(Control(run.Session, row)) != 0,
                  name + "control " + std::to_string(row) + " exists");
        }
        CheckEqual(Panel(run.Session), "0", name + "panel");
        if (damage.ClientWidth != 0) {
            RECT client = {};
            GetClientRect(run.Session.Window, &client);
            CheckEqual(static_cast<int>(client.right), damage.ClientWidth, name + "client width");
        }
        const std::string saved = run.Exit();
        if (damage.ClientWidth == 0) {
            CheckEqual(ValueInFile(saved, "SCALE"), "1", name + "SCALE falls back to 200 %");
            CheckEqual(ValueInFile(saved, "ROUND_MODE"), "3", name + "ROUND_MODE falls back");
            continue;
        }
        SettingsValues expected = With(KnownSettings(), damage.Saved);
        if (std::string(damage.Name) == "ranges") {
            const COLORREF window = GetSysColor(COLOR_WINDOW);
            expected =
                With(expected, {{"BACKGROUND_COLOR_BLUE", std::to_string(GetBValue(window))},
                                {"BACKGROUND_COLOR_GREEN", std::to_string(GetGValue(window))},
                                {"BACKGROUND_COLOR_RED", std::to_string(GetRValue(window))},
                                {"DECIMAL_SEPARATOR", LocaleChar(LOCALE_SDECIMAL)},
                                {"DIGIT_GROUPING", std::to_string(LocaleGrouping())}});
        }
        CheckEqual(saved, SettingsFileText(expected), name + "file written at exit");
    }
}

// ---- Layout ---------------------------------------------------------------------------

void LaysOutOnTheScaledGrid() {
    struct Expected {
        int Row;
        ClientRect Rect;
    };
    struct Scale {
        const char* Value;
        int Width, Height;
        Expected Rects[6];
    };
    const Scale scales[] = {
        {"0",
         476,
         292,
         {{0, {20, 28, 436, 28}},
          {1, {212, 116, 36, 36}},
          {15, {380, 196, 36, 76}},
          {24, {148, 68, 52, 36}},
          {14, {420, 68, 36, 36}},
          {4, {252, 236, 36, 36}}}},
        {"3",
         803,
         481,
         {{0, {20, 34, 763, 49}},
          {1, {356, 188, 63, 63}},
          {31, {720, 328, 63, 133}},
          {23, {244, 398, 91, 63}},
          {29, {650, 104, 63, 63}},
          {32, {580, 104, 63, 63}}}},
    };
    for (const Scale& scale : scales) {
        const std::string file = KnownFile({{"SCALE", scale.Value}});
        CaseRun run("layout", file);
        if (!run.Start()) continue;
        const QuillonSession& s = run.Session;
        const std::string name = std::string("SCALE ") + scale.Value + ": ";
        RECT client = {};
        GetClientRect(s.Window, &client);
        CheckEqual(static_cast<int>(client.right), scale.Width, name + "client width");
        CheckEqual(static_cast<int>(client.bottom), scale.Height, name + "client height");
        for (const Expected& expected : scale.Rects) {
            const ClientRect rect = RectInParent(Control(s, expected.Row));
            const std::string what = name + "control " + std::to_string(expected.Row);
            CheckEqual(rect.Left, expected.Rect.Left, what + " left");
            CheckEqual(rect.Top, expected.Rect.Top, what + " top");
            CheckEqual(rect.Width, expected.Rect.Width, what + " width");
            CheckEqual(rect.Height, expected.Rect.Height, what + " height");
        }
        // Every control inside the margin, no two overlapping.
        for (int a = 0; a < ControlCount; ++a) {
            const ClientRect ra = RectInParent(Control(s, a));
            Check(ra.Left >= 20 && ra.Top >= 20 && ra.Left + ra.Width <= scale.Width - 20 &&
                      ra.Top + ra.Height <= scale.Height - 20,
                  name + "control " + std::to_string(a) + " inside the margin");
            for (int b = a + 1; b < ControlCount; ++b) {
                const ClientRect rb = RectInParent(Control(s, b));
                const bool apart = ra.Left + ra.Width <= rb.Left || rb.Left + rb.Width <= ra.Left ||
                                   ra.Top + ra.Height <= rb.Top || rb.Top + rb.Height <= ra.Top;
                Check(apart, name + "controls " + std::to_string(a) + " and " + std::to_string(b) +
                                 " do not overlap");
            }
        }
        CheckEqual(ValueInFile(run.Exit(), "SCALE"), std::string(scale.Value),
                   name + "SCALE saved");
    }
}

void PaintsTheBackgroundColour() {
    const std::string file = KnownFile({{"BACKGROUND_COLOR_RED", "10"},
                                        {"BACKGROUND_COLOR_GREEN", "200"},
                                        {"BACKGROUND_COLOR_BLUE", "30"}});
    CaseRun run("colour", file);
    if (!run.Start()) return;
    RedrawWindow(run.Session.Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Settle(run.Session);
    POINT margin = {6, 6};
    ClientToScreen(run.Session.Window, &margin);
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, margin.x, margin.y);
    ReleaseDC(nullptr, screen);
    CheckEqual(static_cast<unsigned>(pixel), static_cast<unsigned>(RGB(10, 200, 30)),
               "the margin shows the background colour");
    CheckEqual(run.Exit(), file, "the colour is saved unchanged");
}

void ReadsBackTheFontFaces() {
    const std::string file = KnownFile({{"FONT_FOR_PANEL", "No Such Face Anywhere"}});
    CaseRun run("fonts", file);
    if (!run.Start()) return;
    const std::string saved = run.Exit();
    const std::string substitute = SubstituteFace("No Such Face Anywhere");
    Check(substitute != "No Such Face Anywhere" && !substitute.empty(),
          "the system substitutes a face");
    CheckEqual(ValueInFile(saved, "FONT_FOR_PANEL"), substitute,
               "the panel face saved is the substitute");
    CheckEqual(ValueInFile(saved, "FONT"), InstalledFace(), "an installed face is kept");
}

void ShowsToolTipTexts() {
    struct Tip {
        int Row;
        const char* Text;
    };
    const Tip tips[] = {
        {0, ""},
        {1, ""},
        {11, ""},
        {13, ""},
        {16, ""},
        {4, "Digital separator"},
        {12, "Shift-back [Backspace]"},
        {14, "Current operator"},
        {15, "[Enter]"},
        {17, "Multiply"},
        {18, "Divide"},
        {19, "Clear [C]"},
        {20, "Change sign [S]"},
        {21, "Percent [P]"},
        {22, "Square root [Q]"},
        {23, "1 Divide TO X [X]"},
        {24, "Memory clear [L]"},
        {25, "Memory recall [R]"},
        {26, "Addition to memory [A]"},
        {27, "Subtraction from memory [U]"},
        {28, "Double zeroes [D]"},
        {29, "Indicator of using memory"},
        {30, "Clear entry [Delete]"},
        {31, "Total (calculate from clipboard) [T]"},
        {32, "Memory set [M]"},
    };
    for (const char* setting : {"YES", "NO"}) {
        const std::string file = KnownFile({{"TOOL_TIPS", setting}});
        CaseRun run("tips", file);
        if (!run.Start()) continue;
        const bool shown = std::string(setting) == "YES";
        for (const Tip& tip : tips) {
            CheckEqual(ToolTipText(run.Session, Control(run.Session, tip.Row)),
                       std::string(shown ? tip.Text : ""),
                       std::string("TOOL_TIPS ") + setting + ": tip of control " +
                           std::to_string(tip.Row));
        }
    }
}

// ---- Input ----------------------------------------------------------------------------

struct Typing {
    const char* Keys;
    const char* Panel;
};

// Control characters shown by their codes, e.g. "12\\8".
std::string Printable(const char* keys) {
    std::string shown;
    for (const char* k = keys; *k != '\0'; ++k) {
        if (*k >= 32) {
            shown.push_back(*k);
            continue;
        }
        char code[8];
        std::snprintf(code, sizeof(code), "\\%d", *k);
        shown.append(code);
    }
    return shown;
}

void RunTypings(const QuillonSession& s, const Typing* typings, size_t count,
                const std::string& name) {
    for (size_t i = 0; i < count; ++i) {
        TypeText(s, "c");
        TypeText(s, typings[i].Keys);
        CheckEqual(Panel(s), typings[i].Panel, name + "typed " + Printable(typings[i].Keys));
    }
}

void TypedCharactersPressTheirButtons() {
    const Typing typings[] = {
        {"123", "123"},    {"1234567", "1,234,567"},
        {"12.5", "12.5"},  {"1,5", "1.5"},
        {"0.5.5", "0.55"}, {"007", "7"},
        {"5d", "500"},     {"5D", "500"},
        {"123\b", "12"},   {"7\b", "0"},
        {"5s", "-5"},      {"5S", "-5"},
        {"5ss", "5"},      {"5=", "5"},
        {"5%", "5"},       {"5 ", "5"},
        {"7zZ!", "7"},     {"123\n", "0"},
        {"98C", "0"},      {"4\n6", "6"},
    };
    const std::string file = KnownFile();
    CaseRun run("typing", file);
    if (!run.Start()) return;
    RunTypings(run.Session, typings, std::size(typings), "");
    CheckEqual(OperatorIndicator(run.Session), "", "no operator shown");
}

void DecimalKeysFollowTheSeparator() {
    const Typing typings[] = {
        {"1.5", "1,5"},
        {"1,5", "1,5"},
        {"1234,5", "1 234,5"},
        {".", "0,"},
    };
    const std::string file = KnownFile({{"DECIMAL_SEPARATOR", ","}, {"THOUSAND_SEPARATOR", " "}});
    CaseRun run("comma", file);
    if (!run.Start()) return;
    CheckEqual(WindowText(Control(run.Session, DecimalKeyRow)), ",", "decimal key label");
    RunTypings(run.Session, typings, std::size(typings), "separator \",\": ");
}

void KeysReachTheWindowWhereverTheFocusIs() {
    const std::string file = KnownFile();
    CaseRun run("keys", file);
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    const struct {
        const char* Where;
        HWND Target;
    } targets[] = {
        {"main window", s.Window},
        {"panel", Control(s, PanelRow)},
        {"button 5", Control(s, 6)},
        {"memory indicator", Control(s, MemoryIndicatorRow)},
    };
    for (const auto& target : targets) {
        TypeText(s, "c12");
        PressKey(s, target.Target, VK_DELETE);
        CheckEqual(Panel(s), "0", std::string("Delete sent to the ") + target.Where);
        PostMessageA(target.Target, WM_CHAR, '4', 1);
        Settle(s);
        CheckEqual(Panel(s), "4", std::string("a character sent to the ") + target.Where);
    }
    PressKey(s, s.Window, VK_RETURN);
    CheckEqual(FocusOf(s), Control(s, EqualsRow), "Enter presses \"=\"");
}

void HotKeyClickShowsThePress() {
    for (const char* setting : {"YES", "NO"}) {
        const std::string file = KnownFile({{"HOT_KEY_AS_CLICK", setting}});
        CaseRun run("hotkey", file);
        if (!run.Start()) continue;
        const QuillonSession& s = run.Session;
        const std::string name = std::string("HOT_KEY_AS_CLICK ") + setting + ": ";
        const bool clicks = std::string(setting) == "YES";
        HWND seven = Control(s, 1);
        HWND before = FocusOf(s);
        PostMessageA(s.Window, WM_KEYDOWN, '7', 1);
        Settle(s);
        CheckEqual(Panel(s), "7", name + "\"7\" typed");
        Check((FocusOf(s) == seven) == clicks, name + "focus on the \"7\" button");
        if (!clicks) Check(FocusOf(s) == before, name + "focus stays where it was");
        CheckEqual(ShowsPushed(seven), clicks, name + "\"7\" shows pressed while the key is down");
        PostMessageA(FocusOf(s), WM_KEYUP, '7', 1 | 3u << 30);
        Settle(s);
        Check(!ShowsPushed(seven), name + "\"7\" released with the key");
        if (!clicks) continue;
        PressKey(s, seven, VK_SPACE);
        CheckEqual(Panel(s), "77", name + "the space bar presses the focused button again");
    }
}

void ButtonClicksRunTheirCommands() {
    struct Click {
        int Row;
        const char* Panel;
    };
    const Click clicks[] = {
        {8, "1"},      {28, "100"}, {4, "100."}, {9, "100.2"}, {12, "100."},
        {20, "-100."}, {30, "0"},   {3, "9"},    {19, "0"},    {5, "4"},
    };
    const std::string file = KnownFile();
    CaseRun run("clicks", file);
    if (!run.Start()) return;
    for (const Click& click : clicks) {
        ClickButton(run.Session, click.Row);
        Settle(run.Session);
        CheckEqual(Panel(run.Session), click.Panel,
                   "after a click on control " + std::to_string(click.Row));
    }
    // The panel's change notices and clicks on the indicators arrive as their ids.
    for (WORD id : {10000, 10014, 10029}) {
        PostCommand(run.Session, id);
        CheckEqual(Panel(run.Session), "4", "command " + std::to_string(id) + " changes nothing");
    }
}

void CalculatesWithTheKeypad() {
    struct Calculation {
        const char* Keys;
        const char* Panel;
        const char* Operator;
        const char* Memory;
    };
    const Calculation calculations[] = {
        {"12+3\r", "15", "", ""},   {"12+", "12", "+", ""},  {"12+3", "3", "+", ""},
        {"12-20\r", "-8", "", ""},  {"7*6\r", "42", "", ""}, {"1/4\r", "0.25", "", ""},
        {"9q", "3", "", ""},        {"4X", "0.25", "", ""},  {"1000*1000\r", "1,000,000", "", ""},
        {"5/0\r", "ERROR", "", ""}, {"5m", "5", "", "M"},    {"r", "5", "", "M"},
        {"2a r", "7", "", "M"},     {"L", "0", "", ""},
    };
    const std::string file = KnownFile();
    CaseRun run("calculate", file);
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    for (const Calculation& c : calculations) {
        TypeText(s, "c");
        TypeText(s, c.Keys);
        const std::string name = "typed " + Printable(c.Keys) + ": ";
        CheckEqual(Panel(s), c.Panel, name + "panel");
        CheckEqual(OperatorIndicator(s), c.Operator, name + "operator indicator");
        CheckEqual(MemoryIndicator(s), c.Memory, name + "memory indicator");
    }
}

// A message box names the product, shows its text over the state that caused it, offers
// OK alone and closes with it.
void ShowsMessagesOverTheirState() {
    struct Message {
        const char* Clipboard;  // null: an empty clipboard
        const char* Text;
        const char* PanelWhileShown;
        const char* PanelAfter;
    };
    const Message messages[] = {
        {nullptr, "Clipboard is empty!", "12", "12"},
        {"no digits here", "There are no valid numbers in clipboard.", "12", "12"},
        {"1.2.3", "Error. Too many decimal separators found in clipboard.", "ERROR", "ERROR"},
    };
    const std::string file = KnownFile();
    CaseRun run("messages", file);
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    for (const Message& message : messages) {
        const std::string name = std::string(message.Text) + ": ";
        TypeText(s, "c12");
        SetClipboard(message.Clipboard);
        PostMessageA(s.Window, WM_CHAR, 'T', 1);
        HWND box = WaitForWindow(s, "#32770", "Quillon", 5000);
        if (!Check(box != nullptr, name + "a box captioned \"Quillon\" appears")) continue;
        CheckEqual(WindowText(GetDlgItem(box, 0xFFFF)), message.Text, name + "text");
        CheckEqual(Panel(s), message.PanelWhileShown, name + "panel while the box is shown");
        int buttons = 0;
        for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (ClassOf(child) == "BUTTON" && IsWindowVisible(child)) ++buttons;
        }
        CheckEqual(buttons, 1, name + "buttons");
        CheckEqual(WindowText(GetDlgItem(box, IDOK)), "OK", name + "the button");
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        const DWORD start = GetTickCount();
        while (IsWindow(box) && GetTickCount() - start < 5000) Sleep(10);
        Check(!IsWindow(box), name + "OK closes the box");
        Settle(s);
        CheckEqual(Panel(s), message.PanelAfter, name + "panel after the box");
    }
    SetClipboard("10\r\n20.5\r\n");
    TypeText(s, "c");
    TypeText(s, "t");
    CheckEqual(Panel(s), "30.5", "the Total of a column");
}

// ---- Menus and accelerators -----------------------------------------------------------

// The radio marks of both groups, one digit per item: "0001" for Floating decimal.
std::string RoundMarks(const QuillonSession& s) {
    const std::string marks = MenuItemsChecked(s, {IdFixed0, IdFixed0 + 1, IdFixed0 + 2, IdFloating,
                                                   IdRoundUp, IdRoundUp + 1, IdRoundDown});
    return marks.substr(0, 4) + "/" + marks.substr(4);
}

void RoundMenusKeepOneMark() {
    struct Start {
        const char* Mode;
        const char* Type;
        const char* Marks;
    };
    const Start starts[] = {{"0", "2", "1000/001"}, {"1", "0", "0100/100"}};
    for (const Start& start : starts) {
        const std::string file =
            KnownFile({{"ROUND_MODE", start.Mode}, {"ROUND_TYPE", start.Type}});
        CaseRun run("marks", file);
        if (!run.Start()) continue;
        CheckEqual(RoundMarks(run.Session), start.Marks,
                   std::string("marks at start for ") + start.Mode + "/" + start.Type);
        run.Exit();
    }
    const std::string file = KnownFile();
    CaseRun run("menus", file);
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    CheckEqual(RoundMarks(s), "0001/010", "marks at start for 3/1");
    TypeText(s, "12.345");
    const struct {
        WORD Id;
        const char* Marks;
    } choices[] = {
        {IdFixed2, "0100/010"},
        {IdRoundDown, "0100/001"},
        {IdFixed0, "1000/001"},
        {IdRoundUp, "1000/100"},
    };
    for (const auto& choice : choices) {
        PostCommand(s, choice.Id);
        CheckEqual(RoundMarks(s), choice.Marks, "marks after command " + std::to_string(choice.Id));
        CheckEqual(Panel(s), "12.345", "the panel is not re-shown");
    }
    // Copying and unknown ids leave the calculator as it is (the other menu features are
    // tested with their dialogs and the clipboard in menu_feature_tests.cpp).
    for (WORD id : {IdCopy, static_cast<WORD>(40000)}) {
        PostCommand(s, id);
        CheckEqual(Panel(s), "12.345", "panel after command " + std::to_string(id));
    }
    const std::string saved = run.Exit();
    CheckEqual(ValueInFile(saved, "ROUND_MODE"), "0", "ROUND_MODE saved");
    CheckEqual(ValueInFile(saved, "ROUND_TYPE"), "0", "ROUND_TYPE saved");
}

void AcceleratorsTakeTheirKeysFirst() {
    const struct {
        WORD Key;
        char Marker;
        const char* Marks;
    } chords[] = {
        {'2', '1', "0100/010"}, {'0', '2', "1000/010"}, {'3', '3', "0010/010"},
        {'F', '4', "0001/010"}, {'3', '5', "0010/010"},
    };
    const std::string file = KnownFile({{"DIGIT_GROUPING", "0"}});
    CaseRun run("accelerators", file);
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    std::string typed;
    for (const auto& chord : chords) {
        const std::string name = std::string("Ctrl+") + static_cast<char>(chord.Key) + ": ";
        Check(PressChord(s, VK_CONTROL, chord.Key, chord.Marker),
              name + "the key after it arrives");
        typed += chord.Marker;
        CheckEqual(Panel(s), typed, name + "no character typed by the chord");
        CheckEqual(RoundMarks(s), chord.Marks, name + "radio marks");
    }
    // Ctrl+C is taken before "c" could clear, with the focus on a button too.
    ClickButton(s, 1);
    Settle(s);
    Check(PressChord(s, VK_CONTROL, 'C', '8'), "Ctrl+C: the key after it arrives");
    CheckEqual(Panel(s), typed + "78", "Ctrl+C does not clear");
    CheckEqual(ValueInFile(run.Exit(), "ROUND_MODE"), "2", "the last chord's ROUND_MODE saved");
}

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

// The screen DPI new programs of the prefix take (LogPixels), set for one case and put
// back as it was when the case ends.
struct ScreenDpi {
    HKEY Key = nullptr;
    DWORD Saved = 0;
    bool HadValue = false;

    ScreenDpi() {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &Key, nullptr);
        DWORD size = sizeof(Saved);
        HadValue = RegQueryValueExA(Key, "LogPixels", nullptr, nullptr,
                                    reinterpret_cast<BYTE*>(&Saved), &size) == ERROR_SUCCESS;
    }
    ~ScreenDpi() {
        if (HadValue) {
            Set(Saved);
        } else {
            RegDeleteValueA(Key, "LogPixels");
        }
        RegCloseKey(Key);
    }
    ScreenDpi(const ScreenDpi&) = delete;
    ScreenDpi& operator=(const ScreenDpi&) = delete;
    void Set(DWORD dpi) const {
        RegSetValueExA(Key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                       sizeof(dpi));
    }
};

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

// The tape window's line height and outer width, which follow its font at the window's DPI.
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

// ---- Ending ---------------------------------------------------------------------------

void ExitAndCloseBoxSaveAlike() {
    const std::string file =
        KnownFile({{"SCALE", "2"}, {"LEADING_ZERO", "NO"}, {"TOOL_TIPS", "NO"}});
    const std::string expected = KnownFile({{"SCALE", "2"},
                                            {"LEADING_ZERO", "NO"},
                                            {"TOOL_TIPS", "NO"},
                                            {"ROUND_MODE", "1"},
                                            {"ROUND_TYPE", "2"}});
    const struct {
        const char* Way;
        UINT Message;
        WPARAM Parameter;
    } ways[] = {
        {"E&xit", WM_COMMAND, IdExit},
        {"close box", WM_SYSCOMMAND, SC_CLOSE},
    };
    for (const auto& way : ways) {
        CaseRun run("ending", file);
        if (!run.Start()) continue;
        PostCommand(run.Session, IdFixed2);
        PostCommand(run.Session, IdRoundDown);
        CheckEqual(run.EndBy(way.Message, way.Parameter), expected,
                   std::string("settings file after ") + way.Way);
        CheckEqual(ReadFileBytes(run.Directory + "Quillon.ini.new"), "<missing>",
                   std::string("no temporary file left after ") + way.Way);
    }
}

// The previous settings survive a write that cannot be completed.
void FailedWriteKeepsThePreviousFile() {
    const std::string file = KnownFile({{"SCALE", "0"}});
    CaseRun run("keepold", file);
    CreateDirectoryA((run.Directory + "Quillon.ini.new").c_str(), nullptr);
    if (!run.Start()) return;
    PostCommand(run.Session, IdFixed0);
    CheckEqual(run.Exit(), file, "the old settings file is unchanged");
}

// ---- Working directory ----------------------------------------------------------------

// The settings file is the one of the working directory, not of the program's directory.
void UsesTheWorkingDirectory() {
    const std::string file = KnownFile({{"SCALE", "0"}});
    CaseRun run("directory", file);
    if (!run.Start()) return;
    RECT client = {};
    GetClientRect(run.Session.Window, &client);
    CheckEqual(static_cast<int>(client.right), 476, "the working directory's file is read");
    PostCommand(run.Session, IdRoundDown);
    CheckEqual(ValueInFile(run.Exit(), "ROUND_TYPE"), "2",
               "the working directory's file is written");
    const std::string& program = QuillonPath();
    const std::string programDirectory = program.substr(0, program.find_last_of('\\') + 1);
    CheckEqual(ReadFileBytes(programDirectory + "Quillon.ini"), "<missing>",
               "nothing is written beside the program");
}

// ---- Resources ------------------------------------------------------------------------

// The texts, menu, accelerators, icon, version and manifest inside quillon.exe.
void CarriesItsResources() {
    HMODULE exe = LoadLibraryExA(QuillonPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!Check(exe != nullptr, "quillon.exe loads as a data file")) return;
    const struct {
        UINT Id;
        const char* Text;
    } strings[] = {{103, "Quillon"}, {104, "1.02"}, {109, "QUILLON"}};
    for (const auto& entry : strings) {
        char text[100] = {};
        LoadStringA(exe, entry.Id, text, sizeof(text));
        CheckEqual(std::string(text), entry.Text, "string " + std::to_string(entry.Id));
    }
    for (UINT id : {105u, 106u}) {
        char text[512] = {};
        Check(LoadStringA(exe, id, text, sizeof(text)) > 0,
              "string " + std::to_string(id) + " has a text");
    }
    const struct {
        UINT Id;
        const char* Text;
    } items[] = {
        {IdCopy, "Copy to clipboard \tCTRL+C or CTRL+Ins"},
        {IdPaste, "Paste from clipboard\tCTRL+V or SHIFT+Ins"},
        {IdTape, "&Tape\tCTRL+T"},
        {IdExit, "E&xit"},
        {IdAppearance, "Appearance...\tCTRL+A"},
        {IdTotalSettings, "Calculation of total..."},
        {IdFixed0, "Fixed decimal 0\tCTRL+0"},
        {IdFixed2, "Fixed decimal 2\tCTRL+2"},
        {IdFixed0 + 2, "Fixed decimal 3\tCTRL+3"},
        {IdFloating, "Floating decimal\tCTRL+F"},
        {IdRoundUp, "Up"},
        {IdRoundUp + 1, "Mathematical"},
        {IdRoundDown, "Down"},
        {IdAbout, "&About ..."},
        {IdHomePage, "Home page"},
        {IdUserManual, "User manual...\tF1"},
        {IdAlwaysOnTop, "Always on &top"},
        {IdAddMode, "&Add mode\tCTRL+D"},
    };
    HMENU menu = LoadMenuA(exe, MAKEINTRESOURCEA(109));
    if (Check(menu != nullptr, "menu 109")) {
        const char* bar[] = {"&Result", "Customize", "&Help"};
        CheckEqual(GetMenuItemCount(menu), 3, "menus on the bar");
        for (int i = 0; i < 3; ++i) {
            char text[128] = {};
            GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION);
            CheckEqual(std::string(text), bar[i], "menu " + std::to_string(i));
        }
        for (const auto& item : items) {
            char text[128] = {};
            GetMenuStringA(menu, item.Id, text, sizeof(text), MF_BYCOMMAND);
            CheckEqual(std::string(text), item.Text, "menu item " + std::to_string(item.Id));
        }
        Check((GetMenuState(menu, IdFloating, MF_BYCOMMAND) & MF_CHECKED) != 0,
              "Floating decimal carries the mark in the resource");
        DestroyMenu(menu);
    }
    const ACCEL expected[] = {
        {FVIRTKEY | FCONTROL | FNOINVERT, 'A', IdAppearance},
        {FVIRTKEY | FCONTROL | FNOINVERT, '0', IdFixed0},
        {FVIRTKEY | FCONTROL | FNOINVERT, '2', IdFixed2},
        {FVIRTKEY | FCONTROL | FNOINVERT, '3', IdFixed0 + 2},
        {FVIRTKEY | FCONTROL | FNOINVERT, 'F', IdFloating},
        {FVIRTKEY | FNOINVERT, VK_F1, IdUserManual},
        {FVIRTKEY | FCONTROL | FNOINVERT, 'C', IdCopy},
        {FVIRTKEY | FCONTROL | FNOINVERT, VK_INSERT, IdCopy},
        {FALT | FNOINVERT, '/', IdAbout},
        {FALT | FNOINVERT, '?', IdAbout},
        {FVIRTKEY | FCONTROL | FNOINVERT, 'V', IdPaste},
        {FVIRTKEY | FSHIFT | FNOINVERT, VK_INSERT, IdPaste},
        {FVIRTKEY | FCONTROL | FNOINVERT, 'T', IdTape},
        {FVIRTKEY | FCONTROL | FNOINVERT, 'D', IdAddMode},
    };
    HACCEL table = LoadAcceleratorsA(exe, MAKEINTRESOURCEA(109));
    ACCEL entries[32] = {};
    const int count = table != nullptr ? CopyAcceleratorTableA(table, entries, 32) : 0;
    if (CheckEqual(count, static_cast<int>(std::size(expected)), "accelerator entries")) {
        for (int i = 0; i < count; ++i) {
            const std::string name = "accelerator " + std::to_string(i);
            CheckEqual(static_cast<int>(entries[i].fVirt & ~0x80),
                       static_cast<int>(expected[i].fVirt), name + " flags");
            CheckEqual(static_cast<int>(entries[i].key), static_cast<int>(expected[i].key),
                       name + " key");
            CheckEqual(static_cast<int>(entries[i].cmd), static_cast<int>(expected[i].cmd),
                       name + " command");
        }
    }
    Check(FindResourceA(exe, MAKEINTRESOURCEA(145), MAKEINTRESOURCEA(14)) != nullptr,
          "group icon 145");
    Check(FindResourceA(exe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16)) != nullptr,
          "version resource");
    HRSRC manifest = FindResourceA(exe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    if (Check(manifest != nullptr, "manifest resource")) {
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(exe, manifest)));
        const std::string text(bytes, SizeofResource(exe, manifest));
        Check(text.find("Microsoft.Windows.Common-Controls") != std::string::npos &&
                  text.find("version=\"6.0.0.0\"") != std::string::npos,
              "the manifest asks for common controls 6");
        const char* entries[] = {
            "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
            "PerMonitorV2, PerMonitor</dpiAwareness>",
            "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">"
            "true/pm</dpiAware>",
            "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",
        };
        for (const char* entry : entries) {
            Check(text.find(entry) != std::string::npos,
                  std::string("the manifest holds ") + entry);
        }
    }
    FreeLibrary(exe);
}

// ---- Start-up and exit under file faults -----------------------------------------------

int ClientWidth(const QuillonSession& session) {
    RECT client = {};
    GetClientRect(session.Window, &client);
    return static_cast<int>(client.right);
}

// What a run under a fault showed: the client width (the scale it read) and the file it left.
struct FaultRun {
    int Width = 0;
    std::string Saved;
};

// The program starts, calculates, is set to fixed 0 places (so that a file written at exit
// differs from the one it read) and ends with its exit code 0.
bool StartsWorksAndEnds(CaseRun& run, const std::string& name, FaultRun& result) {
    if (!Check(run.Start(), name + ": starts")) return false;
    result.Width = ClientWidth(run.Session);
    TypeText(run.Session, "12+3\r");
    CheckEqual(Panel(run.Session), "15", name + ": calculates");
    PostCommand(run.Session, IdFixed0);
    result.Saved = run.Exit();
    return true;
}

// A settings file the program may not replace stays as it was.
void KeepsAReadOnlyFile() {
    const std::string file = KnownFile({{"SCALE", "0"}});
    CaseRun run("readonly", file);
    SetFileAttributesA(run.IniPath().c_str(), FILE_ATTRIBUTE_READONLY);
    FaultRun result;
    if (!StartsWorksAndEnds(run, "read-only file", result)) return;
    CheckEqual(result.Width, 476, "read-only file: the file is read");
    CheckEqual(result.Saved, file, "read-only file: unchanged");
    CheckEqual(ReadFileBytes(run.Directory + "Quillon.ini.new"), "<missing>",
               "read-only file: no temporary file left");
}

// A directory marked read-only: whether the system lets the file be replaced or not, the
// file afterwards is either the old one or the whole new one, never a part of either.
void KeepsTheFileInAReadOnlyDirectory() {
    const std::string file = KnownFile({{"SCALE", "0"}});
    CaseRun run("readonlydir", file);
    const std::string directory = run.Directory.substr(0, run.Directory.size() - 1);
    SetFileAttributesA(directory.c_str(), FILE_ATTRIBUTE_READONLY);
    FaultRun result;
    const bool ran = StartsWorksAndEnds(run, "read-only directory", result);
    SetFileAttributesA(directory.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!ran) return;
    CheckEqual(result.Width, 476, "read-only directory: the file is read");
    const std::string& saved = result.Saved;
    Check(saved == file || saved == KnownFile({{"SCALE", "0"}, {"ROUND_MODE", "0"}}),
          "read-only directory: the old file or the whole new one");
}

// A directory where the file should be: the defaults, and the directory is left alone.
void LeavesADirectoryNamedLikeTheFile() {
    CaseRun run("inidirectory", std::nullopt);
    CreateDirectoryA(run.IniPath().c_str(), nullptr);
    FaultRun result;
    if (!StartsWorksAndEnds(run, "directory as file", result)) return;
    CheckEqual(result.Width, 585, "directory as file: default scale");
    const DWORD attributes = GetFileAttributesA(run.IniPath().c_str());
    Check(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
          "directory as file: still a directory");
    CheckEqual(ReadFileBytes(run.Directory + "Quillon.ini.new"), "<missing>",
               "directory as file: no temporary file left");
}

// Settings followed by megabytes of comment lines are read; a file too large to be a
// settings file gives the defaults. Either way the program ends by writing the whole file.
void ReadsOrSkipsAHugeFile() {
    const std::string settings = KnownFile({{"SCALE", "0"}});
    const std::string line = "; " + std::string(62, 'x') + "\r\n";
    const struct {
        const char* Name;
        int Lines;
        int Width;
        const char* Scale;
    } sizes[] = {
        {"12 MiB file", 12 * 16384, 476, "0"},
        {"40 MiB file", 40 * 16384, 585, "1"},
    };
    for (const auto& size : sizes) {
        std::string huge = settings;
        huge.reserve(settings.size() + line.size() * static_cast<size_t>(size.Lines));
        for (int i = 0; i < size.Lines; ++i) huge += line;
        CaseRun run("hugefile", huge);
        huge.clear();
        const std::string name = size.Name;
        FaultRun result;
        if (!StartsWorksAndEnds(run, name, result)) continue;
        CheckEqual(result.Width, size.Width, name + ": client width");
        CheckEqual(ValueInFile(result.Saved, "SCALE"), size.Scale, name + ": SCALE saved");
        CheckEqual(ValueInFile(result.Saved, "ROUND_MODE"), "0", name + ": ROUND_MODE saved");
        CheckEqual(result.Saved.size() < 4096 &&
                       result.Saved.ends_with("TOOL_TIPS = YES\r\nWINDOW_X = \r\nWINDOW_Y = \r\n"),
                   true, name + ": the whole settings file written");
    }
}

const GuiCase Cases[] = {
    {"resources", CarriesItsResources},
    {"start_defaults", StartsWithDefaultsAndWritesAllLines},
    {"start_damaged_settings", StartsFromDamagedSettings},
    {"layout_scales", LaysOutOnTheScaledGrid},
    {"background_colour", PaintsTheBackgroundColour},
    {"font_faces", ReadsBackTheFontFaces},
    {"tool_tips", ShowsToolTipTexts},
    {"typed_characters", TypedCharactersPressTheirButtons},
    {"decimal_keys", DecimalKeysFollowTheSeparator},
    {"keys_anywhere", KeysReachTheWindowWhereverTheFocusIs},
    {"hot_key_click", HotKeyClickShowsThePress},
    {"button_clicks", ButtonClicksRunTheirCommands},
    {"calculations", CalculatesWithTheKeypad},
    {"message_boxes", ShowsMessagesOverTheirState},
    {"round_menus", RoundMenusKeepOneMark},
    {"accelerators", AcceleratorsTakeTheirKeysFirst},
    {"always_on_top", StaysOnTopWhenAsked},
    {"window_place", OpensWhereItWasClosed},
    {"add_mode", EntersAmountsInCents},
    {"dpi_geometry", ScalesWithTheScreenDpi},
    {"exit_and_close_box", ExitAndCloseBoxSaveAlike},
    {"failed_write_keeps_file", FailedWriteKeepsThePreviousFile},
    {"working_directory", UsesTheWorkingDirectory},
    {"fault_read_only_file", KeepsAReadOnlyFile},
    {"fault_read_only_directory", KeepsTheFileInAReadOnlyDirectory},
    {"fault_file_is_directory", LeavesADirectoryNamedLikeTheFile},
    {"fault_huge_file", ReadsOrSkipsAHugeFile},
};

// Shows a window with a number on it, waits for DIRECTORY\shot.png to appear (the script
// that started the driver takes it), then ends the program.
int HoldForScreenshot(const std::string& directory) {
    const std::string file = KnownFile();
    CaseRun run("screenshot", file);
    if (!run.Start()) return 1;
    TypeText(run.Session, "1234567.89");
    WriteFileBytes(directory + "\\ready", "");
    const DWORD start = GetTickCount();
    while (ReadFileBytes(directory + "\\shot.png") == "<missing>" &&
           GetTickCount() - start < 20000) {
        Sleep(50);
    }
    run.Exit();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    PrepareUnattendedDriver();
    if (argc < 4) {
        std::printf("usage: %s QUILLON_EXE MENU_PROBE_DLL CASE|screenshot DIRECTORY\n", argv[0]);
        return 2;
    }
    SetQuillonPath(argv[1]);
    SetMenuProbePath(WindowsPath(argv[2]));
    const std::string name = argv[3];
    if (name == "screenshot" && argc == 5) return HoldForScreenshot(WindowsPath(argv[4]));
    return RunNamedCase(Cases, name);
}
