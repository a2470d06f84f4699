// GUI tests of quillon.exe: Layout and the resources inside quillon.exe.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "gui_driver.h"
#include "gui_ids.h"
#include "quillon_session.h"
#include "remote_reads.h"
#include "settings_text.h"

namespace {

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
        {33, "Add tax [I]"},
        {34, "Remove tax [E]"},
        {35, "Grand total [G]"},
        {36, "Cost [O]"},
        {37, "Sell [V]"},
        {38, "Margin [N]"},
        {39, "Grand total in use"},
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
        {IdThemeSystem, "&Like Windows"},
        {IdThemeLight, "L&ight"},
        {IdThemeDark, "&Dark"},
    };
    HMENU menu = LoadMenuA(exe, MAKEINTRESOURCEA(109));
    if (Check(menu != nullptr, "menu 109")) {
        const char* bar[] = {"&Result", "&Customize", "&Help"};
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

}  // namespace

extern const GuiCase LayoutCases[] = {
    {"resources", CarriesItsResources},
    {"layout_scales", LaysOutOnTheScaledGrid},
    {"background_colour", PaintsTheBackgroundColour},
    {"font_faces", ReadsBackTheFontFaces},
    {"tool_tips", ShowsToolTipTexts},
};
extern const size_t LayoutCasesCount = std::size(LayoutCases);
