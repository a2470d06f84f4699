// GUI tests of quillon.exe: Start-up, ending and the settings file under faults.
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

// The previous settings survive a write that cannot be completed, and the user is told.
void FailedWriteKeepsThePreviousFile() {
    const std::string file = KnownFile({{"SCALE", "0"}});
    CaseRun run("keepold", file);
    CreateDirectoryA((run.Directory + "Quillon.ini.new").c_str(), nullptr);
    if (!run.Start()) return;
    PostCommand(run.Session, IdFixed0);
    PostMessageA(run.Session.Window, WM_COMMAND, IdExit, 0);
    HWND box = WaitForWindow(run.Session, "#32770", "Quillon", 5000);
    Check(box != nullptr, "the failed write is told");
    if (box != nullptr) PostMessageA(box, WM_COMMAND, IDOK, 0);
    CheckEqual(WaitForExit(run.Session), 0, "exit code");
    CheckEqual(ReadFileBytes(run.IniPath()), file, "the old settings file is unchanged");
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
    DeleteFileA(run.IniPath().c_str());
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

}  // namespace

extern const GuiCase StartCases[] = {
    {"start_defaults", StartsWithDefaultsAndWritesAllLines},
    {"start_damaged_settings", StartsFromDamagedSettings},
    {"exit_and_close_box", ExitAndCloseBoxSaveAlike},
    {"failed_write_keeps_file", FailedWriteKeepsThePreviousFile},
    {"working_directory", UsesTheWorkingDirectory},
    {"fault_read_only_file", KeepsAReadOnlyFile},
    {"fault_read_only_directory", KeepsTheFileInAReadOnlyDirectory},
    {"fault_file_is_directory", LeavesADirectoryNamedLikeTheFile},
    {"fault_huge_file", ReadsOrSkipsAHugeFile},
};
extern const size_t StartCasesCount = std::size(StartCases);
