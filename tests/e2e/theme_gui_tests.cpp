// GUI cases of the theme and the tape's look: the app mode followed live, the menu's choice
// over it, a narrow tape that opens whole on the screen, lists at a high DPI, "=" typed.
//   quillon-theme-gui-tests QUILLON_EXE MENU_PROBE_DLL CASE
//   quillon-theme-gui-tests QUILLON_EXE MENU_PROBE_DLL screenshot DIRECTORY LIGHT|DARK
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <string>
#include <vector>

#include "gui_check.h"
#include "gui_driver.h"
#include "gui_ids.h"
#include "quillon_session.h"
#include "remote_reads.h"
#include "screen_dpi.h"
#include "settings_text.h"

namespace {

constexpr DWORD WindowTimeoutMs = 5000;
constexpr int DetailsListId = 1016;
constexpr int AboutPictureId = 1015;
constexpr int LineTextId = 1101;  // the edit field of the tape's line dialog
constexpr int MemoryClearRow = 24;
constexpr const char* PersonalizeKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

// Windows' app mode in the prefix (AppsUseLightTheme), set for one case and put back as it
// was when the case ends.
struct AppMode {
    HKEY Key = nullptr;
    DWORD Saved = 0;
    bool HadValue = false;

    AppMode() {
        RegCreateKeyExA(HKEY_CURRENT_USER, PersonalizeKey, 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &Key, nullptr);
        DWORD size = sizeof(Saved);
        HadValue = RegQueryValueExA(Key, "AppsUseLightTheme", nullptr, nullptr,
                                    reinterpret_cast<BYTE*>(&Saved), &size) == ERROR_SUCCESS;
    }
    ~AppMode() {
        if (HadValue) {
            SetLight(Saved);
        } else {
            RegDeleteValueA(Key, "AppsUseLightTheme");
        }
        RegCloseKey(Key);
    }
    AppMode(const AppMode&) = delete;
    AppMode& operator=(const AppMode&) = delete;
    void SetLight(DWORD light) const {
        RegSetValueExA(Key, "AppsUseLightTheme", 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&light), sizeof(light));
    }
};

// What Windows sends every window when the user switches the app mode.
void BroadcastAppModeChange(const QuillonSession& s) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                        reinterpret_cast<LPARAM>("ImmersiveColorSet"), SMTO_ABORTIFHUNG, 2000,
                        &result);
    Settle(s);
}

COLORREF PixelAt(HWND window, POINT point) {
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

bool IsDark(COLORREF colour) {
    return GetRValue(colour) < 0x50 && GetGValue(colour) < 0x50 && GetBValue(colour) < 0x50;
}

bool IsLight(COLORREF colour) {
    return GetRValue(colour) > 0xC0 && GetGValue(colour) > 0xC0 && GetBValue(colour) > 0xC0;
}

// The window's background, the panel left of its number and the face of the "MC" key,
// sampled from the screen as the user sees them.
struct Look {
    COLORREF Margin, Panel, Key;
};

Look LookOf(const QuillonSession& s) {
    RedrawWindow(s.Window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle(s);
    HWND panel = Control(s, PanelRow);
    RECT inside = {};
    GetClientRect(panel, &inside);
    return {PixelAt(s.Window, {6, 6}), PixelAt(panel, {4, inside.bottom / 2}),
            PixelAt(Control(s, MemoryClearRow), {5, 5})};
}

std::string Hex(COLORREF colour) {
    char text[16] = {};
    wsprintfA(text, "%06X", static_cast<unsigned>(colour));
    return text;
}

// The tape's list below its lines, where only its face shows.
COLORREF TapeFace(const QuillonSession& s) {
    HWND tape = FindWindowA("QUILLON_TAPE", nullptr);
    HWND list = FindWindowExA(tape, nullptr, "LISTBOX", nullptr);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Settle(s);
    RECT inside = {};
    GetClientRect(list, &inside);
    return PixelAt(list, {inside.right / 2, inside.bottom - 4});
}

void CheckLook(const QuillonSession& s, bool dark, const std::string& when) {
    const Look look = LookOf(s);
    const auto check = [&](COLORREF colour, const char* what) {
        Check(dark ? IsDark(colour) : IsLight(colour),
              when + ": " + what + (dark ? " dark" : " light") + " (" + Hex(colour) + ")");
    };
    check(look.Margin, "background");
    check(look.Panel, "panel");
    check(look.Key, "key face");
    check(TapeFace(s), "tape");
    HWND tip = TipWindowOf(s, Control(s, MemoryClearRow));
    check(static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPBKCOLOR, 0, 0)), "tool tip");
}

std::string ThemeMarks(const QuillonSession& s) {
    return MenuItemsChecked(s, {IdThemeSystem, IdThemeLight, IdThemeDark});
}

void FollowsWindowsAppMode() {
    AppMode mode;
    mode.SetLight(0);
    const std::string file = KnownFile({{"TAPE", "YES"}});
    CaseRun run("theme_follows", file);
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    CheckLook(s, true, "app mode dark at start");
    CheckEqual(ThemeMarks(s), std::string("100"), "\"Like Windows\" marked");
    mode.SetLight(1);
    BroadcastAppModeChange(s);
    CheckLook(s, false, "switched to light while running");
    CheckEqual(LookOf(s).Margin, RGB(255, 255, 255), "the user's background colour is back");
    mode.SetLight(0);
    BroadcastAppModeChange(s);
    CheckLook(s, true, "switched to dark again");
    CheckEqual(run.Exit(), file, "the theme and background colour settings are kept");
}

void MenuChoiceOverridesWindows() {
    AppMode mode;
    mode.SetLight(0);
    CaseRun run("theme_menu", KnownFile({{"TAPE", "YES"}}));
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    PostCommand(s, IdThemeLight);
    CheckLook(s, false, "\"Light\" over a dark app mode");
    CheckEqual(ThemeMarks(s), std::string("010"), "\"Light\" marked");
    mode.SetLight(1);
    PostCommand(s, IdThemeDark);
    CheckLook(s, true, "\"Dark\" over a light app mode");
    BroadcastAppModeChange(s);
    CheckLook(s, true, "\"Dark\" stays when Windows switches");
    CheckEqual(ThemeMarks(s), std::string("001"), "\"Dark\" marked");
    PostCommand(s, IdThemeSystem);
    CheckLook(s, false, "\"Like Windows\" follows the light app mode");
    PostCommand(s, IdThemeDark);
    CheckEqual(ValueInFile(run.Exit(), "THEME"), std::string("DARK"), "THEME = DARK saved");
}

HWND TapeWindow(const QuillonSession& s) {
    return WaitForWindow(s, "QUILLON_TAPE", "Tape", WindowTimeoutMs);
}

HWND TapeList(HWND tape) {
    return FindWindowExA(tape, nullptr, "LISTBOX", nullptr);
}

int WidthOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

int ItemHeight(HWND list, int index) {
    return static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, index, 0));
}

// Sets the note of the tape's line through its dialog.
void NoteLine(const QuillonSession& s, HWND tape, int line, const char* note) {
    SendMessageA(TapeList(tape), LB_SETCURSEL, line, 0);
    PostMessageA(tape, WM_COMMAND, IdTapeNote, 0);
    HWND dialog = WaitForWindow(s, "#32770", "Tape", WindowTimeoutMs);
    if (!Check(dialog != nullptr, "the note dialog opens")) return;
    SendMessageA(GetDlgItem(dialog, LineTextId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(note));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    Settle(s);
}

// The widest line a 24-digit number makes, with its mark and a key, in the tape's bold font
// as the program asks for it at 200 % and 96 DPI.
int WidestLineWidth() {
    constexpr const char* widest = "= -123,456,789,012,345,678,901,234 SQR";
    HDC dc = GetDC(nullptr);
    HFONT font =
        CreateFontA(14, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, FIXED_PITCH | FF_MODERN, "Consolas");
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32A(dc, widest, lstrlenA(widest), &size);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

void TapeLooksLikePaper() {
    CaseRun run("tape_paper", KnownFile({{"TAPE", "YES"}}));
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    HWND tape = TapeWindow(s);
    if (!Check(tape != nullptr, "the tape window is shown")) return;
    HWND list = TapeList(tape);
    Check(WidthOf(tape) < WidthOf(s.Window), "narrower than the calculator (" +
                                                 std::to_string(WidthOf(tape)) + " < " +
                                                 std::to_string(WidthOf(s.Window)) + ")");
    TypeText(s, "123456789012345678901234+1\r");
    Check((GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL) == 0, "no horizontal scroll bar");
    SCROLLBARINFO bar = {};
    bar.cbSize = sizeof(bar);
    if (GetScrollBarInfo(list, OBJID_HSCROLL, &bar)) {
        Check((bar.rgstate[0] & STATE_SYSTEM_INVISIBLE) != 0, "the horizontal bar is not shown");
    }
    RECT inside = {};
    GetClientRect(list, &inside);
    Check(WidestLineWidth() <= inside.right,
          "the widest line (" + std::to_string(WidestLineWidth()) + " pixels) fits the list (" +
              std::to_string(inside.right) + ")");
    CheckEqual(static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)), 3, "three lines");
    const int plain = ItemHeight(list, 1);
    NoteLine(s, tape, 1, "a note much longer than the narrow tape is wide, in full");
    Check(ItemHeight(list, 1) >= 2 * plain, "the note goes on lines of its own beneath (" +
                                                std::to_string(ItemHeight(list, 1)) + " against " +
                                                std::to_string(plain) + ")");
    // The user widens the window: the width is kept.
    SetWindowPos(tape, nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageA(tape, WM_EXITSIZEMOVE, 0, 0);
    Settle(s);
    CheckEqual(WidthOf(tape), 600, "widened by the user");
    const std::string saved = run.Exit();
    CheckEqual(ValueInFile(saved, "TAPE_WIDTH"), std::string("600"), "TAPE_WIDTH kept");
    CaseRun again("tape_paper_again", saved);
    if (!again.Start()) return;
    HWND shown = TapeWindow(again.Session);
    CheckEqual(shown != nullptr ? WidthOf(shown) : 0, 600, "opens at the kept width");
    again.Exit();
}

void TapeOpensWholeOnTheScreen() {
    ScreenDpi screen;
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    for (const int dpi : {96, 192}) {
        const std::string at = std::to_string(dpi) + " DPI: ";
        screen.Set(static_cast<DWORD>(dpi));
        CaseRun run("tape_whole_" + std::to_string(dpi), KnownFile({{"TAPE", "YES"}}));
        if (!run.Start()) continue;
        HWND tape = TapeWindow(run.Session);
        if (!Check(tape != nullptr, at + "the tape is shown")) continue;
        RECT main = {};
        RECT side = {};
        GetWindowRect(run.Session.Window, &main);
        GetWindowRect(tape, &side);
        const std::string where = std::to_string(side.left) + ".." + std::to_string(side.right) +
                                  " on " + std::to_string(work.left) + ".." +
                                  std::to_string(work.right);
        Check(side.left >= work.left && side.right <= work.right && side.top >= work.top &&
                  side.bottom <= work.bottom,
              at + "the tape lies whole on the work area, " + where);
        Check(side.right - side.left < main.right - main.left, at + "narrower than the calculator");
        CheckEqual(side.top, main.top, at + "at the calculator's top");
        run.Exit();
    }
}

void DetailsColumnsFollowTheDpi() {
    ScreenDpi screen;
    const int widths96[] = {60, 260, 140};
    screen.Set(192);
    CaseRun run("details_192", KnownFile());
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    SetClipboard("1234567890123456789012\r\n5\r\n");
    TypeText(s, "t");
    PostMessageA(s.Window, WM_COMMAND, IdTotalDetails, 0);
    HWND dialog = WaitForWindow(s, "#32770", "Total details", WindowTimeoutMs);
    if (!Check(dialog != nullptr, "Total details opens")) return;
    HWND list = GetDlgItem(dialog, DetailsListId);
    for (int column = 0; column < 3; ++column) {
        CheckEqual(static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0)),
                   2 * widths96[column], "column " + std::to_string(column) + " at 192 DPI");
    }
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    Settle(s);
    run.Exit();
}

void AboutPictureFollowsTheDpi() {
    ScreenDpi screen;
    screen.Set(192);
    CaseRun run("about_192", KnownFile());
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    PostMessageA(s.Window, WM_COMMAND, IdAbout, 0);
    HWND dialog = WaitForWindow(s, "#32770", "About", WindowTimeoutMs);
    if (!Check(dialog != nullptr, "About opens")) return;
    RECT picture = {};
    GetClientRect(GetDlgItem(dialog, AboutPictureId), &picture);
    CheckEqual(static_cast<int>(picture.right), 2 * 203, "picture width at 192 DPI");
    CheckEqual(static_cast<int>(picture.bottom), 2 * 61, "picture height at 192 DPI");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    Settle(s);
    run.Exit();
}

void TypedSymbolsPressTheirKeys() {
    CaseRun run("typed_symbols", KnownFile({{"HOT_KEY_AS_CLICK", "NO"}}));
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    TypeText(s, "2+3=");
    CheckEqual(Panel(s), std::string("5"), "\"2+3=\" typed");
    TypeText(s, "c200+10p");
    const std::string withP = Panel(s);
    TypeText(s, "c200+10%");
    CheckEqual(Panel(s), withP, "\"%\" typed as \"p\"");
    run.Exit();
}

const GuiCase Cases[] = {
    {"theme_follows_windows", FollowsWindowsAppMode},
    {"theme_menu_overrides", MenuChoiceOverridesWindows},
    {"tape_paper", TapeLooksLikePaper},
    {"tape_whole_on_screen", TapeOpensWholeOnTheScreen},
    {"details_columns_dpi", DetailsColumnsFollowTheDpi},
    {"about_picture_dpi", AboutPictureFollowsTheDpi},
    {"typed_symbols", TypedSymbolsPressTheirKeys},
};

// The calculator in the given theme with a tape of sums, a negative result and a note,
// held for a picture of both windows.
int HoldForScreenshot(const std::vector<std::string>& arguments) {
    if (arguments.size() != 2) return 2;
    const std::string directory = WindowsPath(arguments[0]);
    CaseRun run("theme_screenshot", KnownFile({{"TAPE", "YES"}, {"THEME", arguments[1]}}));
    if (!run.Start()) return 1;
    const QuillonSession& s = run.Session;
    SetWindowPos(s.Window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    TypeText(s, "12.5+7.3+4.2\r*1.19\rc1234.5-1300\r");
    HWND tape = TapeWindow(s);
    if (tape == nullptr) return 1;
    NoteLine(s, tape, 0, "taxi to the airport, receipt 4711");
    WaitForScreenshot(directory, MainAndTapeArea(s.Window, tape));
    run.Exit();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const DriverSetUp setUp{"MENU_PROBE_DLL CASE|screenshot DIRECTORY LIGHT|DARK", SetMenuProbePath,
                            HoldForScreenshot};
    return RunDriver(argc, argv, setUp, {Cases});
}
