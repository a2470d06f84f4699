// A soak of quillon.exe: a seeded stream of user actions (keys clicked and typed, menu
// commands, Totals of clipboard texts up to a megabyte, paste, tape corrections and notes, a
// cleared tape, the customisation dialogs closed with OK and Cancel, add mode, rounding and
// theme changes), with the portable engine in this process as the oracle. Every 100 actions the
// panel and both indicators must equal the oracle's and no message box may be open that the
// oracle did not show; every box the oracle showed is answered. A probe inside the program
// (soak_probe.cpp) counts its GDI and USER objects and its memory, which must stay flat
// between the first thousand actions and the last.
//
//   quillon-soak-tests QUILLON_EXE SOAK_PROBE_DLL soak_2000|soak_20000
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "calculator/calc_context.h"
#include "calculator/clipboard_total.h"
#include "calculator/keypad.h"
#include "calculator/paste.h"
#include "calculator/separator_change.h"
#include "controls/control_table.h"
#include "controls/hot_keys.h"
#include "fake_platform.h"
#include "gui_check.h"
#include "gui_driver.h"
#include "quillon_session.h"
#include "remote_reads.h"
#include "resources/resource_ids.h"
#include "settings/profile_text.h"
#include "settings/settings_file.h"
#include "settings_text.h"
#include "soak_probe.h"
#include "tape/tape_keeper.h"
#include "tape/tape_replay.h"

namespace {

constexpr int CheckpointEvery = 100;
constexpr int MeasureAfter = 1000;
constexpr int LineTextId = 1101;  // the edit field of the tape's line dialog
constexpr int TotalRow = 31;      // the row of "T" in the control table
constexpr LONG ObjectMargin = 10;
constexpr ULONGLONG MemoryMargin = 8ull << 20;
constexpr const char* TypedKeys = "0123456789.+-*/\r\n\bcqxplramuds%";

std::string probePath;

// The program's engine, fed the same actions: the oracle.
struct Oracle {
    FakePlatform Host;
    CalcContext Context{Host};
    ControlTable Table;
    TapeKeeper Tape;

    explicit Oracle(const std::string& settingsFile) {
        ReadSettings(
            Context.Settings,
            ParseProfileText(settingsFile.data(), static_cast<int32_t>(settingsFile.size())),
            Host.QueryLocale());
        FillControlTable(Table, Context.Settings);
        StartTape(Tape, Context, "oracle.tape");
    }
    void Press(int row) { HandleKeypadCommand(Context, Table, FirstControlId + row); }
    // As the main window takes a typed character.
    void Type(unsigned char c) {
        const int32_t row = HotKeyButton(Table, Context.Settings, c);
        if (row >= 0) Press(row);
        if (c == EnterChar) Press(EqualsRow);
    }
};

struct Figures {
    LONG Gdi = 0;
    LONG User = 0;
    ULONGLONG PrivateBytes = 0;
    ULONGLONG WorkingSet = 0;
};

struct Soak {
    QuillonSession& Session;
    HWND Tape;
    Oracle& Engine;
    std::mt19937 Random;
    const SoakFigures* Probe = nullptr;
    int Totals = 0, Dialogs = 0, Corrections = 0, Messages = 0;
    size_t LargestTotal = 0;

    int Below(int n) { return static_cast<int>(Random() % static_cast<unsigned>(n)); }
};

// Numbers in the user's format and words among them, `size` bytes in all.
std::string ClipboardText(Soak& soak, size_t size) {
    static const char* const words[] = {"Total", "EUR", "n/a", "--", "12-05", "x"};
    static const char* const gaps[] = {" ", "\t", "\r\n", "; ", "  "};
    std::string text;
    while (text.size() < size) {
        if (soak.Below(5) == 0) {
            text += words[soak.Below(6)];
        } else {
            if (soak.Below(4) == 0) text += '-';
            text += std::to_string(soak.Below(100000));
            if (soak.Below(2) == 0) {
                text += '.';
                text += std::to_string(soak.Below(100));
            }
        }
        text += gaps[soak.Below(5)];
    }
    text.resize(size);
    return text;
}

HWND OpenDialog(const QuillonSession& s, HWND target, WORD id, const char* title) {
    PostMessageA(target, WM_COMMAND, id, 0);
    return WaitForWindow(s, "#32770", title, 10000);
}

void Answer(const QuillonSession& s, HWND dialog, WPARAM button) {
    PostMessageA(dialog, WM_COMMAND, button, 0);
    for (int i = 0; i < 500 && IsWindow(dialog); ++i) Sleep(10);
    Settle(s);
}

// Every message box the oracle showed since `before` is there, and is answered.
void AnswerMessages(Soak& soak, size_t before, int action) {
    for (size_t i = before; i < soak.Engine.Host.Messages.size(); ++i) {
        HWND box = WaitForWindow(soak.Session, "#32770", "Quillon", 20000);
        if (!Check(box != nullptr, "action " + std::to_string(action) + ": the box \"" +
                                       soak.Engine.Host.Messages[i] + "\" appears")) {
            return;
        }
        ++soak.Messages;
        Answer(soak.Session, box, IDOK);
    }
}

void ClickOrType(Soak& soak) {
    if (soak.Below(2) == 0) {
        int row = 0;
        do {
            row = soak.Below(ControlCount);
        } while (soak.Engine.Table[row].Style != ControlStyle::Button || row == TotalRow);
        PostMessageA(Control(soak.Session, row), BM_CLICK, 0, 0);
        soak.Engine.Press(row);
    } else {
        const char c = TypedKeys[soak.Below(static_cast<int>(std::strlen(TypedKeys)))];
        PostMessageA(soak.Session.Window, WM_CHAR, static_cast<unsigned char>(c), 1);
        soak.Engine.Type(static_cast<unsigned char>(c));
    }
    Settle(soak.Session);
}

// A Total of a text of up to a megabyte, most of them short.
void TotalOf(Soak& soak, const std::string& text) {
    SetClipboard(text.empty() ? nullptr : text.c_str());
    soak.Engine.Host.Clipboard = text;
    PostMessageA(Control(soak.Session, TotalRow), BM_CLICK, 0, 0);
    soak.Engine.Press(TotalRow);
    Settle(soak.Session);
    ++soak.Totals;
    soak.LargestTotal = std::max(soak.LargestTotal, text.size());
}

void TotalOfRandomText(Soak& soak) {
    const int scale = soak.Below(21);  // sizes from 1 byte to a megabyte, evenly in their log
    TotalOf(soak, ClipboardText(soak, static_cast<size_t>(1) << scale));
}

void Paste(Soak& soak) {
    const std::string text = ClipboardText(soak, 1 + soak.Below(40));
    SetClipboard(text.c_str());
    soak.Engine.Host.Clipboard = text;
    PostCommand(soak.Session, IDM_PASTE);
    PasteFromClipboard(soak.Engine.Context);
}

void ChangeRounding(Soak& soak) {
    CalcSettings& settings = soak.Engine.Context.Settings;
    if (soak.Below(2) == 0) {
        const int mode = soak.Below(4);
        PostCommand(soak.Session, static_cast<WORD>(IDM_FIXED_DECIMAL_0 + mode));
        settings.ROUND_MODE = static_cast<RoundMode>(mode);
    } else {
        const int type = soak.Below(3);
        PostCommand(soak.Session, static_cast<WORD>(IDM_ROUND_UP + type));
        settings.ROUND_TYPE = static_cast<RoundType>(type);
    }
}

void ToggleAddMode(Soak& soak) {
    PostCommand(soak.Session, IDM_ADD_MODE);
    soak.Engine.Context.Settings.ADD_MODE = !soak.Engine.Context.Settings.ADD_MODE;
}

// Light, dark or like Windows: every window is drawn again in the other colours.
void ChangeTheme(Soak& soak) {
    PostCommand(soak.Session, static_cast<WORD>(IDM_THEME_SYSTEM + soak.Below(3)));
}

// Corrects a number brought in, or sets a note, through the tape's line dialog.
void EditTapeLine(Soak& soak, bool note) {
    const Tape& tape = soak.Engine.Tape.Lines;
    if (tape.Lines.empty()) return;
    const size_t line = static_cast<size_t>(soak.Below(static_cast<int>(tape.Lines.size())));
    if (!note && !IsBroughtIn(tape.Lines[line].Role)) return;
    const std::string text =
        note ? "note " + std::to_string(soak.Below(1000))
             : std::to_string(soak.Below(10000)) + "." + std::to_string(soak.Below(100));
    HWND list = FindWindowExA(soak.Tape, nullptr, "LISTBOX", nullptr);
    SendMessageA(list, LB_SETCURSEL, line, 0);
    HWND dialog = OpenDialog(soak.Session, soak.Tape, note ? IDM_TAPE_NOTE : IDM_TAPE_EDIT, "Tape");
    if (!Check(dialog != nullptr, "the tape's line dialog opens")) return;
    SendMessageA(GetDlgItem(dialog, LineTextId), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
    Answer(soak.Session, dialog, IDOK);
    if (note) {
        SetTapeNote(soak.Engine.Tape.Lines, line, text);
    } else {
        CorrectTapeLine(soak.Engine.Tape.Lines, line, text, soak.Engine.Context);
    }
    ++soak.Corrections;
}

void ClearTheTape(Soak& soak) {
    PostMessageA(soak.Tape, WM_COMMAND, IDM_TAPE_CLEAR, 0);
    HWND box = WaitForWindow(soak.Session, "#32770", "Quillon", 10000);
    if (!Check(box != nullptr, "the clear-tape question appears")) return;
    Answer(soak.Session, box, IDYES);
    ClearTape(soak.Engine.Tape.Lines);
}

// "Customize view" or "Customize calculation of total", closed with OK or Cancel unchanged.
void OpenAndClose(Soak& soak) {
    const bool view = soak.Below(2) == 0;
    const bool ok = soak.Below(2) == 0;
    HWND dialog =
        view ? OpenDialog(soak.Session, soak.Session.Window, IDM_APPEARANCE, "Customize view")
             : OpenDialog(soak.Session, soak.Session.Window, IDM_TOTAL_SETTINGS,
                          "Customize calculation of total");
    if (!Check(dialog != nullptr, "a customisation dialog opens")) return;
    Answer(soak.Session, dialog, ok ? IDOK : IDCANCEL);
    CalcSettings& settings = soak.Engine.Context.Settings;
    if (view && ok) {
        ApplyNewSeparators(soak.Engine.Context, settings.THOUSAND_SEPARATOR,
                           settings.DECIMAL_SEPARATOR);
    }
    ++soak.Dialogs;
}

void Act(Soak& soak, int action) {
    const size_t messages = soak.Engine.Host.Messages.size();
    const int choice = soak.Below(1000);
    if (choice < 870) {
        ClickOrType(soak);
    } else if (choice < 880) {
        ChangeTheme(soak);
    } else if (choice < 910) {
        TotalOfRandomText(soak);
    } else if (choice < 930) {
        Paste(soak);
    } else if (choice < 950) {
        ChangeRounding(soak);
    } else if (choice < 960) {
        ToggleAddMode(soak);
    } else if (choice < 965) {
        PostCommand(soak.Session, IDM_COPY);
    } else if (choice < 980) {
        EditTapeLine(soak, false);
    } else if (choice < 990) {
        EditTapeLine(soak, true);
    } else if (choice < 992) {
        ClearTheTape(soak);
    } else {
        OpenAndClose(soak);
    }
    AnswerMessages(soak, messages, action);
}

bool Checkpoint(Soak& soak, int action) {
    const std::string at = "after action " + std::to_string(action) + ": ";
    const CalcContext& engine = soak.Engine.Context;
    const bool same =
        CheckEqual(Panel(soak.Session), std::string(engine.PanelText().Text()), at + "panel") &&
        CheckEqual(OperatorIndicator(soak.Session),
                   std::string(engine.OperatorIndicatorText().Text()), at + "operator indicator") &&
        CheckEqual(MemoryIndicator(soak.Session), std::string(engine.MemoryIndicatorText().Text()),
                   at + "memory indicator");
    const bool box = WaitForWindow(soak.Session, "#32770", nullptr, 0) != nullptr;
    return Check(!box, at + "no message box is open") && same &&
           Check(WaitForSingleObject(soak.Session.Process.hProcess, 0) == WAIT_TIMEOUT,
                 at + "the program runs");
}

// The figures in a state the start and the end share: the light theme, an empty tape and a
// small last Total.
Figures Measure(Soak& soak) {
    PostCommand(soak.Session, IDM_THEME_LIGHT);
    ClearTheTape(soak);
    TotalOf(soak, "1");
    const LONG samples = soak.Probe->Samples;
    for (int i = 0; i < 100 && soak.Probe->Samples < samples + 2; ++i) Sleep(50);
    return {soak.Probe->Gdi, soak.Probe->User, soak.Probe->PrivateBytes, soak.Probe->WorkingSet};
}

void PrintFigures(const char* when, const Figures& f) {
    std::printf("%s: GDI objects %ld, USER objects %ld, private %.1f MB, working set %.1f MB\n",
                when, f.Gdi, f.User, f.PrivateBytes / 1048576.0, f.WorkingSet / 1048576.0);
}

const SoakFigures* OpenProbe() {
    HANDLE block = OpenFileMappingA(FILE_MAP_READ, FALSE, SoakProbeBlockName);
    if (block == nullptr) return nullptr;
    return static_cast<const SoakFigures*>(
        MapViewOfFile(block, FILE_MAP_READ, 0, 0, sizeof(SoakFigures)));
}

void RunSoak(int actions) {
    const std::string settings = KnownFile({{"TAPE", "YES"}});
    CaseRun run("soak_" + std::to_string(actions), settings);
    if (!run.Start()) return;
    QuillonSession& s = run.Session;
    if (!Check(LoadIntoQuillon(s, probePath), "the probe is loaded")) return;
    Oracle engine(settings);
    Soak soak{s, WaitForWindow(s, "QUILLON_TAPE", "Tape", 5000), engine, std::mt19937(22)};
    soak.Probe = OpenProbe();
    if (!Check(soak.Tape != nullptr && soak.Probe != nullptr, "the tape and the probe")) return;
    if (!CheckEqual(CommandOfLabel(engine.Table, "T"), FirstControlId + TotalRow, "T's row"))
        return;

    const auto start = std::chrono::steady_clock::now();
    Figures first;
    for (int action = 1; action <= actions; ++action) {
        Act(soak, action);
        if (action % CheckpointEvery == 0 && !Checkpoint(soak, action)) return;
        if (action == MeasureAfter) first = Measure(soak);
    }
    const Figures last = Measure(soak);
    if (!Checkpoint(soak, actions)) return;
    const double minutes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 60;
    std::printf(
        "%d actions in %.1f minutes: %d Totals (largest %zu bytes), %d dialogs, %d tape "
        "edits, %d message boxes answered\n",
        actions, minutes, soak.Totals, soak.LargestTotal, soak.Dialogs, soak.Corrections,
        soak.Messages);
    PrintFigures("after the first thousand", first);
    PrintFigures("at the end", last);
    Check(last.Gdi - first.Gdi <= ObjectMargin, "GDI objects flat");
    Check(last.User - first.User <= ObjectMargin, "USER objects flat");
    Check(last.PrivateBytes <= first.PrivateBytes + MemoryMargin, "private memory flat");
    run.Exit();
}

const GuiCase Cases[] = {
    {"soak_2000", [] { RunSoak(2000); }},
    {"soak_20000", [] { RunSoak(20000); }},
};

void TakeProbe(const std::string& path) {
    probePath = WindowsPath(path);
}

}  // namespace

int main(int argc, char** argv) {
    return RunDriver(argc, argv, DriverSetUp{"SOAK_PROBE_DLL CASE", TakeProbe, nullptr}, {Cases});
}
