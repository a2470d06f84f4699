// GUI tests of the menu features: the clipboard commands, the help viewer, the About dialog
// and the customisation dialogs. Each case starts the real quillon.exe in its own working
// directory and works it as a user does.
//
//   quillon-menu-feature-tests QUILLON_EXE FAKE_HH_EXE CASE
//   quillon-menu-feature-tests QUILLON_EXE FAKE_HH_EXE screenshot total|view|font DIRECTORY
#include <windows.h>

#include <cstdio>
#include <cstring>
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

constexpr int AboutNameVersion = 1012;
constexpr int AboutLine2 = 1013;
constexpr int AboutLine3 = 1014;
constexpr int MessageTextId = 0xFFFF;  // the text of a message box
constexpr DWORD WindowTimeoutMs = 5000;
constexpr const char* NoNumberMessage = "There is no valid number in clipboard.";

std::string fakeViewerPath;

void PutClipboardText(const std::string& text) {
    PutClipboardBlock(CF_TEXT, text.c_str(), text.size() + 1);
}

// A 2 x 2 picture and no text at all.
void PutClipboardPicture() {
    struct {
        BITMAPINFOHEADER Header;
        DWORD Pixels[4];
    } picture = {};
    picture.Header.biSize = sizeof(BITMAPINFOHEADER);
    picture.Header.biWidth = 2;
    picture.Header.biHeight = 2;
    picture.Header.biPlanes = 1;
    picture.Header.biBitCount = 32;
    picture.Header.biCompression = BI_RGB;
    PutClipboardBlock(CF_DIB, &picture, sizeof(picture));
}

// The text of the message box the program shows now, closed with OK; "<none>" when no box came.
std::string TakeMessage(const QuillonSession& session) {
    HWND box = WaitForWindow(session, "#32770", "Quillon", WindowTimeoutMs);
    if (box == nullptr) return "<none>";
    const std::string text = WindowText(GetDlgItem(box, MessageTextId));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    Settle(session);
    return text;
}

// --- Paste -------------------------------------------------------------------------------

struct PasteCase {
    const char* What;
    std::string Clipboard;
    const char* Panel;  // nullptr: the message and an unchanged panel
};

void PastesNumbersOutOfAnyText() {
    const std::vector<PasteCase> cases = {
        {"a signed number among spaces", "   -42  ", "-42"},
        {"a price with letters and commas", "Price: USD 1,299.95", "1,299.95"},
        {"a telephone number: later minus signs dropped", "555-1234", "5,551,234"},
        {"separators at the end dropped", "Total: 99.95.", "99.95"},
        {"two separators left", "12.05.2026", "ERROR"},
        {"a megabyte of digits", std::string(1 << 20, '7'), "ERROR"},
        {"the word ERROR holds no number", "ERROR", nullptr},
        {"letters only", "no digits here", nullptr},
        {"an empty text", "", nullptr},
    };
    CaseRun run("paste_texts", KnownFile());
    if (!run.Start()) return;
    for (const PasteCase& c : cases) {
        TypeText(run.Session, "C8");
        PutClipboardText(c.Clipboard);
        PostCommand(run.Session, IdPaste);
        if (c.Panel == nullptr) {
            CheckEqual(TakeMessage(run.Session), NoNumberMessage, c.What);
            CheckEqual(Panel(run.Session), "8", std::string(c.What) + ": panel unchanged");
        } else {
            CheckEqual(Panel(run.Session), c.Panel, c.What);
        }
    }
    TypeText(run.Session, "C8");
    PutClipboardPicture();
    PostCommand(run.Session, IdPaste);
    CheckEqual(TakeMessage(run.Session), NoNumberMessage, "a picture on the clipboard");
    PutClipboardBlock(CF_TEXT, nullptr, 0);
    PostCommand(run.Session, IdPaste);
    CheckEqual(TakeMessage(run.Session), NoNumberMessage, "an empty clipboard");
    CheckEqual(Panel(run.Session), "8", "the panel after the refused pastes");
    run.Exit();
}

void PastesWithTheUsersSeparators() {
    CaseRun run("paste_separators",
                KnownFile({{"DECIMAL_SEPARATOR", ","}, {"THOUSAND_SEPARATOR", " "}}));
    if (!run.Start()) return;
    PutClipboardText("1 234,5");
    PostCommand(run.Session, IdPaste);
    CheckEqual(Panel(run.Session), "1 234,5", "a number grouped with spaces and a decimal comma");
    PutClipboardText("3.75");
    PostCommand(run.Session, IdPaste);
    CheckEqual(Panel(run.Session), "375", "a decimal point is no separator here");
    run.Exit();
}

struct ChordCase {
    const char* Keys;
    WORD Modifier;
    WORD Key;
};

// The marker digit typed after the keys lands on the pasted number: it is an entry.
void PasteKeysPasteAnEntry() {
    const std::vector<ChordCase> chords = {{"Ctrl+V", VK_CONTROL, 'V'},
                                           {"Shift+Insert", VK_SHIFT, VK_INSERT}};
    CaseRun run("paste_keys", KnownFile());
    if (!run.Start()) return;
    for (const ChordCase& chord : chords) {
        TypeText(run.Session, "C");
        PutClipboardText("Amount: -42");
        Check(PressChord(run.Session, chord.Modifier, chord.Key, '7'),
              std::string(chord.Keys) + " is handled");
        CheckEqual(Panel(run.Session), "-427",
                   std::string(chord.Keys) + " pastes an entry that a digit extends");
    }
    run.Exit();
}

// --- Copy --------------------------------------------------------------------------------

void CopyKeysCopyThePanelAsShown() {
    const std::vector<ChordCase> chords = {{"Ctrl+C", VK_CONTROL, 'C'},
                                           {"Ctrl+Insert", VK_CONTROL, VK_INSERT}};
    CaseRun run("copy_keys", KnownFile());
    if (!run.Start()) return;
    for (const ChordCase& chord : chords) {
        PutClipboardText("old");
        TypeText(run.Session, "C1234.5s");
        Check(PressChord(run.Session, chord.Modifier, chord.Key, '6'),
              std::string(chord.Keys) + " is handled");
        CheckEqual(ClipboardText(), "-1,234.5", std::string(chord.Keys) + " copies the panel text");
        CheckEqual(Panel(run.Session), "-1,234.56", std::string(chord.Keys) + " does not clear");
    }
    TypeText(run.Session, "C8/0\r");
    CheckEqual(Panel(run.Session), "ERROR", "division by zero");
    PostCommand(run.Session, IdCopy);
    CheckEqual(ClipboardText(), "ERROR", "ERROR is copied as the word");
    run.Exit();
}

void CopiesTheUsersSeparators() {
    CaseRun run("copy_separators",
                KnownFile({{"DECIMAL_SEPARATOR", ","}, {"THOUSAND_SEPARATOR", " "}}));
    if (!run.Start()) return;
    TypeText(run.Session, "1234567,25");
    PostCommand(run.Session, IdCopy);
    CheckEqual(ClipboardText(), "1 234 567,25", "spaces and the decimal comma are copied");
    run.Exit();
}

// --- Help --------------------------------------------------------------------------------

// Puts the fake viewer into the case's working directory, where the shell finds "HH" first;
// its path there.
std::string PlaceFakeViewer(const CaseRun& run) {
    const std::string viewer = run.Directory + "hh.exe";
    CopyFileA(WindowsPath(fakeViewerPath).c_str(), viewer.c_str(), FALSE);
    return viewer;
}

// What the fake viewer in the working directory was started with, waited for.
std::string ViewerParameters(const CaseRun& run) {
    const std::string record = run.Directory + "hh-command-line.txt";
    const DWORD start = GetTickCount();
    std::string text = ReadFileBytes(record);
    while (text == "<missing>" && GetTickCount() - start < WindowTimeoutMs) {
        Sleep(50);
        text = ReadFileBytes(record);
    }
    DeleteFileA(record.c_str());
    return text;
}

void HelpStartsTheViewer() {
    CaseRun run("help_viewer", KnownFile());
    PlaceFakeViewer(run);
    if (!run.Start()) return;
    PressKey(run.Session, run.Session.Window, VK_F1);
    CheckEqual(ViewerParameters(run), "Quillon.chm", "F1 opens the manual at its start page");
    PostCommand(run.Session, IdUserManual);
    CheckEqual(ViewerParameters(run), "Quillon.chm",
               "the menu item opens the manual at its start page");
    TypeText(run.Session, "12");
    CheckEqual(Panel(run.Session), "12", "the calculator goes on");
    run.Exit();
}

// While it lives, shortcut files open in the given program, started with the file's name;
// the system's own command comes back afterwards. The association of the file type itself
// is changed: the Wine prefix of the tests is private, and per-user classes are not read.
struct ShortcutHandler {
    static constexpr const char* Key = "InternetShortcut\\shell\\open\\command";
    std::string Previous;

    explicit ShortcutHandler(const std::string& program) {
        char previous[1024] = {};
        LONG size = sizeof(previous);
        if (RegQueryValueA(HKEY_CLASSES_ROOT, Key, previous, &size) == ERROR_SUCCESS)
            Previous = previous;
        SetCommand("\"" + program + "\" \"%1\"");
    }
    ~ShortcutHandler() { SetCommand(Previous); }
    static void SetCommand(const std::string& command) {
        RegSetValueA(HKEY_CLASSES_ROOT, Key, REG_SZ, command.c_str(),
                     static_cast<DWORD>(command.size()));
    }
};

// The home page is the shortcut in the working directory, handed to whatever program the
// system opens shortcuts with: here the stand-in viewer, which records the file it was given.
void HomePageOpensTheShortcut() {
    CaseRun run("home_page", KnownFile());
    const std::string handler = PlaceFakeViewer(run);
    const std::string shortcut = run.Directory + "brenmark.url";
    WriteFileBytes(shortcut, "[InternetShortcut]\r\nURL=https://quillon.invalid/\r\n");
    const ShortcutHandler registered(handler);
    if (!run.Start()) return;
    PostCommand(run.Session, IdHomePage);
    // The handler ran in the working directory, given the shortcut by name or by full path.
    std::string opened = ViewerParameters(run);
    std::string fullPath = "\"" + shortcut + "\"";
    CharUpperA(opened.data());
    CharUpperA(fullPath.data());
    Check(opened == "\"BRENMARK.URL\"" || opened == fullPath,
          "the home page opens the shortcut in the working directory: got " + Shown(opened));
    TypeText(run.Session, "12");
    CheckEqual(Panel(run.Session), "12", "the calculator goes on");
    run.Exit();
}

// --- About -------------------------------------------------------------------------------

struct ImageSize {
    LONG Width = 0, Height = 0;
    WORD BitCount = 0;
};

// The bitmap resource as stored in the program file.
ImageSize BitmapResource(int id) {
    ImageSize size;
    HMODULE program = LoadLibraryExA(QuillonPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (program == nullptr) return size;
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));  // RT_BITMAP
    if (found != nullptr) {
        const auto* header =
            static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(program, found)));
        size = {header->biWidth, header->biHeight, header->biBitCount};
    }
    FreeLibrary(program);
    return size;
}

// Alt with the key of "/" on the keyboard, and Shift too for "?", as a user types them.
void TypeAltSlash(const QuillonSession& session, bool shifted) {
    SetForegroundWindow(session.Window);
    std::vector<INPUT> inputs;
    auto key = [&inputs](WORD virtualKey, DWORD flags) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    key(VK_MENU, 0);
    if (shifted) key(VK_SHIFT, 0);
    key(VK_OEM_2, 0);
    key(VK_OEM_2, KEYEVENTF_KEYUP);
    if (shifted) key(VK_SHIFT, KEYEVENTF_KEYUP);
    key(VK_MENU, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

enum class Opener { Menu, AltSlash, AltQuestionMark };

struct AboutCase {
    const char* OpenedBy;
    Opener How;
    const char* ClosedBy;
};

void AboutOpensAndCloses() {
    const std::vector<AboutCase> cases = {
        {"the menu", Opener::Menu, "OK"},
        {"Alt+/", Opener::AltSlash, "Escape"},
        {"Alt+?", Opener::AltQuestionMark, "the close box"},
    };
    const ImageSize picture = BitmapResource(133);
    CheckEqual(picture.Width, 203L, "picture width");
    CheckEqual(picture.Height, 61L, "picture height");
    CheckEqual(picture.BitCount, static_cast<WORD>(24), "picture colour depth");
    CaseRun run("about", KnownFile());
    if (!run.Start()) return;
    for (const AboutCase& c : cases) {
        const std::string by = std::string(" (opened by ") + c.OpenedBy + ")";
        if (c.How == Opener::Menu) {
            PostMessageA(run.Session.Window, WM_COMMAND, IdAbout, 0);
        } else {
            TypeAltSlash(run.Session, c.How == Opener::AltQuestionMark);
        }
        HWND about = WaitForWindow(run.Session, "#32770", "About", WindowTimeoutMs);
        if (!Check(about != nullptr, "the About dialog opens" + by)) continue;
        CheckEqual(WindowText(GetDlgItem(about, AboutNameVersion)), "Quillon version 1.02",
                   "first line" + by);
        const std::string line2 = WindowText(GetDlgItem(about, AboutLine2));
        const std::string line3 = WindowText(GetDlgItem(about, AboutLine3));
        Check(!line2.empty() && !line3.empty() && line2 != line3,
              "two text lines of their own" + by);
        Check(GetWindow(about, GW_OWNER) == run.Session.Window, "owned by the main window" + by);
        if (std::string(c.ClosedBy) == "OK") {
            DWORD_PTR result = 0;
            SendMessageTimeoutA(GetDlgItem(about, IDOK), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 2000,
                                &result);
        } else if (std::string(c.ClosedBy) == "Escape") {
            PressKey(run.Session, about, VK_ESCAPE);
        } else {
            PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        Settle(run.Session);
        const DWORD start = GetTickCount();
        while (IsWindow(about) && GetTickCount() - start < WindowTimeoutMs) Sleep(20);
        Check(!IsWindow(about), std::string("the dialog closes on ") + c.ClosedBy + by);
    }
    TypeText(run.Session, "5");
    CheckEqual(Panel(run.Session), "5", "the main window takes input again");
    run.Exit();
}

// --- Dialogs -----------------------------------------------------------------------------

constexpr int TotalDecimalField = 1009;
constexpr int TotalNumberField = 1014;
constexpr int TotalSetDefault = 3;
constexpr int TotalHelp = 6;
constexpr int ViewButtonFace = 1000;
constexpr int ViewPanelFace = 1001;
constexpr int ViewScale300 = 1005;
constexpr int ViewThousandField = 1008;
constexpr int ViewDecimalField = 1009;
constexpr int ViewHotKeyAsClick = 1010;
constexpr int ViewGrouping = 1011;
constexpr int ViewToolTips = 1012;
constexpr int ViewApply = 4;
constexpr int ViewSetDefault = 5;
constexpr int ViewHelp = 6;
constexpr int ViewColour = 7;
constexpr int ViewSelectPanelFace = 8;
constexpr int FontList = 1009;
constexpr const char* TotalTitle = "Customize calculation of total";
constexpr const char* ViewTitle = "Customize view";

HWND WaitForDialog(const QuillonSession& session, const char* title) {
    return WaitForWindow(session, "#32770", title, WindowTimeoutMs);
}

HWND OpenDialog(const QuillonSession& session, WORD command, const char* title) {
    PostMessageA(session.Window, WM_COMMAND, command, 0);
    return WaitForDialog(session, title);
}

void SetField(HWND dialog, int id, const std::string& text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, id), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 2000, &result);
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

LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result);
    return static_cast<LRESULT>(result);
}

// Item `index` of a list box or combo box of the program. Across processes the text is
// carried as wide characters, so it is asked for wide and turned back into ANSI here.
std::string ListItem(HWND list, UINT getText, int index) {
    wchar_t wide[512] = {};
    DWORD_PTR result = 0;
    SendMessageTimeoutW(list, getText, index, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG,
                        2000, &result);
    char text[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text) - 1, nullptr, nullptr);
    return text;
}

struct TotalRefusal {
    const char* DecimalSet;
    const char* NumberSet;
    const char* Message;
};

void TotalDialogChecksAndStores() {
    const std::vector<TotalRefusal> refusals = {
        {"5", "", "Error! Negative sign and digits are not valid separator for decimal!"},
        {"-", "-", "Error! Negative sign and digits are not valid separator for decimal!"},
        {"", ";-", "Error! Negative sign and digits are not valid separator for numbers!"},
        {";", ";", "Error! Found equal separators for decimal and numbers!"},
        {"", ".",
         "Error! Found equal separators for decimal (current set Menu -> Customize -> View) and "
         "numbers!"},
    };
    CaseRun run("total_dialog", KnownFile());
    PlaceFakeViewer(run);
    if (!run.Start()) return;
    HWND dialog = OpenDialog(run.Session, IdTotalSettings, TotalTitle);
    if (!Check(dialog != nullptr, "the menu item opens the dialog")) return;
    for (const TotalRefusal& r : refusals) {
        const std::string pair =
            std::string(" for \"") + r.DecimalSet + "\" and \"" + r.NumberSet + '"';
        SetField(dialog, TotalDecimalField, r.DecimalSet);
        SetField(dialog, TotalNumberField, r.NumberSet);
        PushButton(run.Session, dialog, IDOK);
        CheckEqual(TakeMessage(run.Session), r.Message, "the message" + pair);
        Check(IsWindow(dialog), "the dialog stays open" + pair);
        CheckEqual(WindowText(GetDlgItem(dialog, TotalNumberField)), r.NumberSet,
                   "the field keeps its text" + pair);
    }
    PushButton(run.Session, dialog, TotalHelp);
    CheckEqual(ViewerParameters(run), "-mapid 2 Quillon.chm", "Help opens topic 2");
    SetField(dialog, TotalDecimalField, ",,");
    SetField(dialog, TotalNumberField, ";; ;");
    PushButton(run.Session, dialog, IDOK);
    Check(WaitUntilClosed(dialog), "OK with acceptable sets closes the dialog");

    dialog = OpenDialog(run.Session, IdTotalSettings, TotalTitle);
    if (!Check(dialog != nullptr, "the dialog opens again")) return;
    CheckEqual(WindowText(GetDlgItem(dialog, TotalDecimalField)), ",",
               "decimal set stored once each");
    CheckEqual(WindowText(GetDlgItem(dialog, TotalNumberField)), "; ",
               "number set stored once each");
    PushButton(run.Session, dialog, TotalSetDefault);
    CheckEqual(WindowText(GetDlgItem(dialog, TotalNumberField)), "",
               "Set to default empties the fields");
    PushButton(run.Session, dialog, IDCANCEL);
    Check(WaitUntilClosed(dialog), "Cancel closes the dialog");

    PutClipboardText("1,5;2,5 1");
    TypeText(run.Session, "t");
    CheckEqual(Panel(run.Session), "5", "the Total reads the new separators");
    run.Exit();
    const std::string file = ReadFileBytes(run.Directory + "Quillon.ini");
    CheckEqual(ValueInFile(file, "DECIMAL_SEPARATORS"), ",", "saved decimal set");
    CheckEqual(ValueInFile(file, "NUMBER_SEPARATORS"), ";", "saved number set");
    CheckEqual(ValueInFile(file, "SPACE_IS_NUMBER_SEPARATOR"), "YES",
               "the space of the number set");
}

// Ctrl+A on the keyboard, as a user presses it.
void PressCtrlA(const QuillonSession& session) {
    SetForegroundWindow(session.Window);
    INPUT inputs[4] = {};
    const WORD keys[] = {VK_CONTROL, 'A', 'A', VK_CONTROL};
    const DWORD flags[] = {0, 0, KEYEVENTF_KEYUP, KEYEVENTF_KEYUP};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.dwFlags = flags[i];
    }
    SendInput(4, inputs, sizeof(INPUT));
}

struct ViewRefusal {
    const char* Thousand;
    const char* Decimal;
    int Button;
    const char* Message;
};

void ViewDialogSwapsSeparators() {
    const std::vector<ViewRefusal> refusals = {
        {"", "", IDOK, "Error! Decimal and thousand separators are equal!"},
        {"-", "5", ViewApply, "Error! Sub symbol and digits are not valid separator!"},
        {",", "7", IDOK, "Error! Sub symbol and digits are not valid separator!"},
    };
    CaseRun run("view_separators", KnownFile());
    PlaceFakeViewer(run);
    if (!run.Start()) return;
    TypeText(run.Session, "1234.5m");
    PressCtrlA(run.Session);
    HWND dialog = WaitForDialog(run.Session, ViewTitle);
    if (!Check(dialog != nullptr, "Ctrl+A opens the dialog")) return;
    CheckEqual(WindowText(GetDlgItem(dialog, ViewThousandField)), ",", "thousand separator shown");
    CheckEqual(WindowText(GetDlgItem(dialog, ViewDecimalField)), ".", "decimal separator shown");
    Check(!WindowText(GetDlgItem(dialog, ViewPanelFace)).empty(), "the panel face is shown");
    for (const ViewRefusal& r : refusals) {
        const std::string pair =
            std::string(" for \"") + r.Thousand + "\" and \"" + r.Decimal + '"';
        SetField(dialog, ViewThousandField, r.Thousand);
        SetField(dialog, ViewDecimalField, r.Decimal);
        PushButton(run.Session, dialog, r.Button);
        CheckEqual(TakeMessage(run.Session), r.Message, "the message" + pair);
        Check(IsWindow(dialog), "the dialog stays open" + pair);
    }
    CheckEqual(Panel(run.Session), "1,234.5", "a refused Apply changes nothing");
    HWND grouping = GetDlgItem(dialog, ViewGrouping);
    SetField(dialog, ViewThousandField, "'");
    CheckEqual(ListItem(grouping, CB_GETLBTEXT, 1), "123'456'789", "sample of groups of three");
    CheckEqual(ListItem(grouping, CB_GETLBTEXT, 2), "12'34'56'789", "sample of groups of two");
    CheckEqual(static_cast<int>(SendTo(grouping, CB_GETCURSEL, 0, 0)), 1,
               "the selected grouping stays");
    PushButton(run.Session, dialog, ViewHelp);
    CheckEqual(ViewerParameters(run), "-mapid 1 Quillon.chm", "Help opens topic 1");
    SetField(dialog, ViewThousandField, ".");
    SetField(dialog, ViewDecimalField, ",");
    PushButton(run.Session, dialog, ViewApply);
    CheckEqual(Panel(run.Session), "1.234,5", "Apply turns 1,234.5 into 1.234,5");
    CheckEqual(WindowText(Control(run.Session, DecimalKeyRow)), ",",
               "the decimal key shows the new separator");
    Check(IsWindow(dialog), "Apply keeps the dialog open");
    PushButton(run.Session, dialog, IDOK);
    Check(WaitUntilClosed(dialog), "OK closes the dialog");
    TypeText(run.Session, "cr");
    CheckEqual(Panel(run.Session), "1234,5", "MR recalls the memory in the new notation");
    TypeText(run.Session, "+1.5\r");
    CheckEqual(Panel(run.Session), "1.236", "the recalled number calculates");
    run.Exit();
    const std::string file = ReadFileBytes(run.Directory + "Quillon.ini");
    CheckEqual(ValueInFile(file, "DECIMAL_SEPARATOR"), ",", "saved decimal separator");
    CheckEqual(ValueInFile(file, "THOUSAND_SEPARATOR"), ".", "saved thousand separator");
}

void ViewDialogChangesTheLook() {
    CaseRun run("view_look", KnownFile());
    if (!run.Start()) return;
    HWND clearKey = Control(run.Session, ClearRow);
    CheckEqual(ToolTipText(run.Session, clearKey), "Clear [C]", "tool tip at start");
    TypeText(run.Session, "8/0\r");
    HWND dialog = OpenDialog(run.Session, IdAppearance, ViewTitle);
    if (!Check(dialog != nullptr, "the menu item opens the dialog")) return;
    SendTo(GetDlgItem(dialog, ViewScale300), BM_CLICK, 0, 0);
    SendTo(GetDlgItem(dialog, ViewToolTips), BM_CLICK, 0, 0);
    SendTo(GetDlgItem(dialog, ViewHotKeyAsClick), BM_CLICK, 0, 0);
    PushButton(run.Session, dialog, ViewSetDefault);
    PushButton(run.Session, dialog, IDCANCEL);
    Check(WaitUntilClosed(dialog), "Cancel closes the dialog");
    RECT client = {};
    GetClientRect(run.Session.Window, &client);
    CheckEqual(static_cast<int>(client.right), 585, "Set to default and Cancel keep the scale");

    dialog = OpenDialog(run.Session, IdAppearance, ViewTitle);
    if (!Check(dialog != nullptr, "the dialog opens again")) return;
    SendTo(GetDlgItem(dialog, ViewScale300), BM_CLICK, 0, 0);
    SendTo(GetDlgItem(dialog, ViewToolTips), BM_CLICK, 0, 0);
    SendTo(GetDlgItem(dialog, ViewHotKeyAsClick), BM_CLICK, 0, 0);
    SetField(dialog, ViewThousandField, "");
    SetField(dialog, ViewDecimalField, ",");
    SetField(dialog, ViewColour, "33023");  // the colour button holds its colour as text: orange
    PushButton(run.Session, dialog, IDOK);
    Check(WaitUntilClosed(dialog), "OK closes the dialog");
    GetClientRect(run.Session.Window, &client);
    CheckEqual(static_cast<int>(client.right), 694, "client width at 300 %");
    CheckEqual(static_cast<int>(client.bottom), 418, "client height at 300 %");
    CheckEqual(Panel(run.Session), "ERROR", "ERROR stays on the panel");
    CheckEqual(ToolTipText(run.Session, clearKey), "", "tool tips switched off at once");
    TypeText(run.Session, "c1234,5");
    CheckEqual(Panel(run.Session), "1 234,5", "an empty thousand field is a space");
    run.Exit();
    const std::string file = ReadFileBytes(run.Directory + "Quillon.ini");
    CheckEqual(ValueInFile(file, "SCALE"), "2", "saved scale");
    CheckEqual(ValueInFile(file, "TOOL_TIPS"), "NO", "saved tool tips");
    CheckEqual(ValueInFile(file, "HOT_KEY_AS_CLICK"), "NO", "saved simulated click");
    CheckEqual(ValueInFile(file, "THOUSAND_SEPARATOR"), " ",
               "the space is saved as the thousand separator");
    CheckEqual(ValueInFile(file, "BACKGROUND_COLOR_RED"), "255", "saved red");
    CheckEqual(ValueInFile(file, "BACKGROUND_COLOR_GREEN"), "128", "saved green");
    CheckEqual(ValueInFile(file, "BACKGROUND_COLOR_BLUE"), "0", "saved blue");
}

void ChoosersOpenAndCancel() {
    CaseRun run("view_choosers", KnownFile());
    if (!run.Start()) return;
    HWND dialog = OpenDialog(run.Session, IdAppearance, ViewTitle);
    if (!Check(dialog != nullptr, "the dialog opens")) return;
    PushButton(run.Session, dialog, ViewColour);
    HWND colours = WaitForWindow(run.Session, "#32770", "Color", WindowTimeoutMs);
    if (Check(colours != nullptr, "Select opens the colour chooser")) {
        PostMessageA(colours, WM_COMMAND, IDCANCEL, 0);
        Check(WaitUntilClosed(colours), "the colour chooser closes on Cancel");
    }
    const std::string face = WindowText(GetDlgItem(dialog, ViewPanelFace));
    PushButton(run.Session, dialog, ViewSelectPanelFace);
    HWND chooser = WaitForDialog(run.Session, "Font chooser");
    if (!Check(chooser != nullptr, "Select opens the font chooser")) return;
    HWND list = GetDlgItem(chooser, FontList);
    const int count = static_cast<int>(SendTo(list, LB_GETCOUNT, 0, 0));
    Check(count > 1, "the chooser lists TrueType families");
    bool sorted = true;
    for (int i = 1; i < count; ++i) {
        sorted = sorted && lstrcmpiA(ListItem(list, LB_GETTEXT, i - 1).c_str(),
                                     ListItem(list, LB_GETTEXT, i).c_str()) <= 0;
    }
    Check(sorted, "the families are sorted");
    bool once = true;
    for (int i = 1; i < count; ++i)
        once = once && ListItem(list, LB_GETTEXT, i - 1) != ListItem(list, LB_GETTEXT, i);
    Check(once, "each family is listed once");
    const int selected = static_cast<int>(SendTo(list, LB_GETCURSEL, 0, 0));
    Check(selected >= 0 && ListItem(list, LB_GETTEXT, selected).rfind(face.substr(0, 3), 0) == 0,
          "the chooser starts on the face being edited, " + face);
    SendTo(list, LB_SETCURSEL, count - 1, 0);
    PushButton(run.Session, chooser, IDCANCEL);
    Check(WaitUntilClosed(chooser), "the font chooser closes on Cancel");
    CheckEqual(WindowText(GetDlgItem(dialog, ViewPanelFace)), face, "Cancel leaves the face");
    PushButton(run.Session, dialog, ViewSelectPanelFace);
    chooser = WaitForDialog(run.Session, "Font chooser");
    if (!Check(chooser != nullptr, "the font chooser opens again")) return;
    list = GetDlgItem(chooser, FontList);
    SendTo(list, LB_SETCURSEL, count - 1, 0);
    const std::string last = ListItem(list, LB_GETTEXT, count - 1);
    PushButton(run.Session, chooser, IDOK);
    Check(WaitUntilClosed(chooser), "the font chooser closes on OK");
    CheckEqual(WindowText(GetDlgItem(dialog, ViewPanelFace)), last, "OK writes the chosen face");
    PushButton(run.Session, dialog, ViewSelectPanelFace);
    chooser = WaitForDialog(run.Session, "Font chooser");
    if (!Check(chooser != nullptr, "the font chooser opens a third time")) return;
    list = GetDlgItem(chooser, FontList);
    CheckEqual(ListItem(list, LB_GETTEXT, static_cast<int>(SendTo(list, LB_GETCURSEL, 0, 0))), last,
               "the chooser starts on the face chosen before");
    SendTo(list, LB_SETCURSEL, 0, 0);
    const std::string first = ListItem(list, LB_GETTEXT, 0);
    PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(FontList, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list));
    Check(WaitUntilClosed(chooser), "a double click closes the font chooser");
    CheckEqual(WindowText(GetDlgItem(dialog, ViewPanelFace)), first,
               "a double click writes that face");
    CheckEqual(WindowText(GetDlgItem(dialog, ViewButtonFace)).empty(), false,
               "the button face stays");
    PushButton(run.Session, dialog, IDCANCEL);
    WaitUntilClosed(dialog);
    run.Exit();
}

// Opens one dialog for its picture, waits until DIRECTORY\shot.png appears (the script that
// started the driver takes it), then closes everything; in the language LANGUAGE names when a
// third argument gives one.
int HoldDialogForScreenshot(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2 || arguments.size() > 3) return 2;
    const std::string& dialogName = arguments[0];
    const std::string directory = WindowsPath(arguments[1]);
    CaseRun run("dialog_screenshot",
                KnownFile({{"LANGUAGE", arguments.size() == 3 ? arguments[2] : "AUTO"}}));
    if (!run.Start()) return 1;
    TypeText(run.Session, "1234.5");
    std::vector<HWND> open;
    if (dialogName == "total") {
        open.push_back(OpenDialog(run.Session, IdTotalSettings, TotalTitle));
        SetField(open.back(), TotalNumberField, "; ");
    } else {
        open.push_back(OpenDialog(run.Session, IdAppearance, nullptr));  // in any language
        if (dialogName == "font" && open.back() != nullptr) {
            PushButton(run.Session, open.back(), ViewSelectPanelFace);
            open.push_back(WaitForDialog(run.Session, "Font chooser"));
        }
    }
    if (open.back() == nullptr) return 1;
    // Where the dialog is, for a script that cannot find it by its (translated) title.
    RECT place = {};
    GetWindowRect(open.back(), &place);
    const std::string rect = std::to_string(place.right - place.left) + "x" +
                             std::to_string(place.bottom - place.top) + "+" +
                             std::to_string(place.left) + "+" + std::to_string(place.top) + "\n";
    if (FILE* out = std::fopen((directory + "\\rect.txt").c_str(), "w")) {
        std::fputs(rect.c_str(), out);
        std::fclose(out);
    }
    WaitForScreenshot(directory, "");
    for (auto window = open.rbegin(); window != open.rend(); ++window) {
        PostMessageA(*window, WM_COMMAND, IDCANCEL, 0);
        WaitUntilClosed(*window);
    }
    run.Exit();
    return 0;
}

// --- The business keys ---------------------------------------------------------------------

constexpr int TaxRateField = 1102;
constexpr const char* TaxRateTitle = "Tax rate";

struct BusinessStep {
    const char* Typed;
    int ClickedRow;  // -1: none
    const char* Panel;
};

// Each key by a click and by its hot key, at 19 % with two places.
void BusinessKeysByClickAndHotKey() {
    const BusinessStep steps[] = {
        {"c100", FirstBusinessRow, "119.00"},
        {"c119", FirstBusinessRow + 1, "100.00"},
        {"c2+3\r", FirstBusinessRow + 2, "5.00"},
        {"c80", FirstBusinessRow + 3, "80.00"},
        {"100", FirstBusinessRow + 4, "20.00"},
        {"c100", FirstBusinessRow + 4, "100.00"},
        {"25", FirstBusinessRow + 5, "75.00"},
        {"c100i", -1, "119.00"},
        {"c119e", -1, "100.00"},
        {"c2+3\rg", -1, "10.00"},
        {"c80o100v", -1, "20.00"},
        {"c25n80o", -1, "106.67"},
    };
    CaseRun run("business_keys",
                KnownFile({{"BUSINESS_KEYS", "YES"}, {"TAX_RATE", "19"}, {"ROUND_MODE", "1"}}));
    if (!run.Start()) return;
    for (const BusinessStep& step : steps) {
        TypeText(run.Session, step.Typed);
        if (step.ClickedRow >= 0) ClickButton(run.Session, step.ClickedRow);
        CheckEqual(Panel(run.Session), step.Panel,
                   std::string("after ") + step.Typed +
                       (step.ClickedRow >= 0
                            ? " and a click on " + WindowText(Control(run.Session, step.ClickedRow))
                            : ""));
    }
    run.Exit();
}

void GrandTotalIndicatorShowsWhileHeld() {
    CaseRun run("gt_indicator", KnownFile({{"BUSINESS_KEYS", "YES"}}));
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    const HWND indicator = Control(s, GrandTotalIndicatorRow);
    CheckEqual(ClassOf(indicator), "STATIC", "the indicator is a field");
    const struct {
        const char* Typed;
        const char* Shown;
    } steps[] = {{"", ""}, {"2+3\r", "GT"}, {"c", "GT"}, {"g", "GT"}, {"g", ""}, {"5-5\r", ""}};
    for (const auto& step : steps) {
        TypeText(s, step.Typed);
        CheckEqual(WindowText(indicator), step.Shown, std::string("indicator after ") + step.Typed);
    }
    run.Exit();
}

// A refused rate keeps the dialog open with the focus on the field; only OK stores a rate.
void TaxRateDialogChecksAndStores() {
    CaseRun run("tax_dialog", KnownFile({{"BUSINESS_KEYS", "YES"}}));
    if (!run.Start()) return;
    HWND dialog = OpenDialog(run.Session, IdTaxRate, TaxRateTitle);
    if (!Check(dialog != nullptr, "the menu item opens the dialog")) return;
    CheckEqual(WindowText(GetDlgItem(dialog, TaxRateField)), "0", "the rate at start");
    for (const char* refused : {"101", "7.12345", "-5", "19%", ""}) {
        SetField(dialog, TaxRateField, refused);
        PushButton(run.Session, dialog, IDOK);
        CheckEqual(TakeMessage(run.Session),
                   "Error! Type a tax rate from 0 to 100 with at most 4 decimals.",
                   std::string("message for \"") + refused + '"');
        Check(IsWindow(dialog), std::string("the dialog stays open for \"") + refused + '"');
        Check(FocusOf(run.Session) == GetDlgItem(dialog, TaxRateField),
              std::string("the focus is back on the field for \"") + refused + '"');
    }
    SetField(dialog, TaxRateField, "7.5");
    PushButton(run.Session, dialog, IDOK);
    Check(WaitUntilClosed(dialog), "OK with a rate closes the dialog");
    dialog = OpenDialog(run.Session, IdTaxRate, TaxRateTitle);
    if (!Check(dialog != nullptr, "the dialog opens again")) return;
    CheckEqual(WindowText(GetDlgItem(dialog, TaxRateField)), "7.5", "the stored rate");
    SetField(dialog, TaxRateField, "50");
    PushButton(run.Session, dialog, IDCANCEL);
    Check(WaitUntilClosed(dialog), "Cancel closes the dialog");
    TypeText(run.Session, "100i");
    CheckEqual(Panel(run.Session), "107.5", "TAX+ at the rate of OK, not of Cancel");
    CheckEqual(ValueInFile(run.Exit(), "TAX_RATE"), "7.5", "the rate saved");
}

const GuiCase Cases[] = {
    {"paste_texts", PastesNumbersOutOfAnyText},
    {"paste_separators", PastesWithTheUsersSeparators},
    {"paste_keys", PasteKeysPasteAnEntry},
    {"copy_keys", CopyKeysCopyThePanelAsShown},
    {"copy_separators", CopiesTheUsersSeparators},
    {"help_viewer", HelpStartsTheViewer},
    {"home_page", HomePageOpensTheShortcut},
    {"about", AboutOpensAndCloses},
    {"total_dialog", TotalDialogChecksAndStores},
    {"view_separators", ViewDialogSwapsSeparators},
    {"view_look", ViewDialogChangesTheLook},
    {"view_choosers", ChoosersOpenAndCancel},
    {"business_keys", BusinessKeysByClickAndHotKey},
    {"gt_indicator", GrandTotalIndicatorShowsWhileHeld},
    {"tax_dialog", TaxRateDialogChecksAndStores},
};

void TakeFakeViewer(const std::string& path) {
    fakeViewerPath = path;
}

}  // namespace

int main(int argc, char** argv) {
    const DriverSetUp setUp{"FAKE_HH_EXE CASE|screenshot total|view|font DIRECTORY", TakeFakeViewer,
                            HoldDialogForScreenshot};
    return RunDriver(argc, argv, setUp, {Cases});
}
