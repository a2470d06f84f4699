// GUI tests of quillon.exe: Keys, clicks, message boxes, menus and accelerators.
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

// The menus read back as the right Unicode text in the language the settings name, and the
// Language menu switches every item at once and keeps the choice.
void MenusSpeakTheChosenLanguage() {
    const struct {
        const char* Tag;
        const char* Exit;
        const char* Popups;  // the menu bar's and the submenus' titles
    } languages[] = {
        {"ru", "В&ыход",
         "&Результат|&Настройка|Знаки после запятой|Способ округления|&Тема|&Язык|&Справка"},
        {"zh-CN", "退出(&X)", "结果(&R)|自定义(&C)|小数位数|舍入方式|主题(&H)|语言(&L)|帮助(&H)"},
    };
    for (const auto& language : languages) {
        CaseRun run(language.Tag, KnownFile({{"LANGUAGE", language.Tag}}));
        if (!run.Start()) continue;
        CheckEqual(MenuItemText(run.Session, IdExit), language.Exit,
                   std::string(language.Tag) + ": Exit");
        CheckEqual(MenuItemText(run.Session, 0), language.Popups,
                   std::string(language.Tag) + ": popups");
        CheckEqual(MenuItemText(run.Session, IdLanguageFirst + 8), "Русский",
                   std::string(language.Tag) + ": each language by its own name");
        run.Exit();
    }
    CaseRun run("switch", KnownFile());
    if (!run.Start()) return;
    CheckEqual(MenuItemText(run.Session, IdExit), "E&xit", "English by default");
    CheckEqual(MenuItemsChecked(run.Session, {IdLanguageAuto, IdLanguageFirst}), "10",
               "Like Windows checked");
    PostCommand(run.Session, IdLanguageFirst + 1);
    CheckEqual(MenuItemText(run.Session, IdExit), "&Beenden", "German at once");
    CheckEqual(WaitForWindow(run.Session, "QUILLON_TAPE", "Streifen", 2000) != nullptr, true,
               "the tape window's title at once");
    CheckEqual(MenuItemsChecked(run.Session, {IdLanguageAuto, IdLanguageFirst + 1}), "01",
               "Deutsch checked");
    CheckEqual(ValueInFile(run.Exit(), "LANGUAGE"), "de", "the choice kept");
}

// Started under a German UI language (the test sets LC_ALL for Wine), "Like Windows" shows
// German; the number format stays the settings' own.
void MenusFollowTheUiLanguage() {
    CaseRun run("ui-language", KnownFile());
    if (!run.Start()) return;
    CheckEqual(MenuItemText(run.Session, IdExit), "&Beenden", "German from the UI language");
    CheckEqual(MenuItemsChecked(run.Session, {IdLanguageAuto}), "1", "Like Windows checked");
    TypeText(run.Session, "1234.5");
    CheckEqual(Panel(run.Session), "1,234.5", "the settings' number format");
    CheckEqual(ValueInFile(run.Exit(), "LANGUAGE"), "AUTO", "the choice stays AUTO");
}

}  // namespace

extern const GuiCase InputCases[] = {
    {"language_from_windows", MenusFollowTheUiLanguage},
    {"languages", MenusSpeakTheChosenLanguage},
    {"typed_characters", TypedCharactersPressTheirButtons},
    {"decimal_keys", DecimalKeysFollowTheSeparator},
    {"keys_anywhere", KeysReachTheWindowWhereverTheFocusIs},
    {"hot_key_click", HotKeyClickShowsThePress},
    {"button_clicks", ButtonClicksRunTheirCommands},
    {"calculations", CalculatesWithTheKeypad},
    {"message_boxes", ShowsMessagesOverTheirState},
    {"round_menus", RoundMenusKeepOneMark},
    {"accelerators", AcceleratorsTakeTheirKeysFirst},
};
extern const size_t InputCasesCount = std::size(InputCases);
