// GUI tests of quillon.exe: where its files live, a write that fails, a busy clipboard and a
// second start on the same files.
#include <windows.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "gui_driver.h"
#include "gui_ids.h"
#include "quillon_session.h"
#include "settings_text.h"

namespace {

constexpr DWORD WindowTimeoutMs = 5000;
constexpr int MessageTextId = 0xFFFF;  // the text of a message box

// The text of the message box the program shows now, closed with OK; "<none>" when none came.
std::string TakeMessage(const QuillonSession& session) {
    HWND box = WaitForWindow(session, "#32770", "Quillon", WindowTimeoutMs);
    if (box == nullptr) return "<none>";
    const std::string text = WindowText(GetDlgItem(box, MessageTextId));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    const DWORD start = GetTickCount();
    while (IsWindow(box) && GetTickCount() - start < WindowTimeoutMs) Sleep(10);
    return text;
}

bool HasMessageBox(const QuillonSession& session) {
    return WaitForWindow(session, "#32770", "Quillon", 300) != nullptr;
}

// Every top-level window of class QUILLON, of any process.
int QuillonWindowCount() {
    int count = 0;
    EnumWindows(
        [](HWND window, LPARAM counter) -> BOOL {
            char name[32] = {};
            GetClassNameA(window, name, sizeof(name));
            if (lstrcmpA(name, "QUILLON") == 0) ++*reinterpret_cast<int*>(counter);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// Starts quillon.exe in `directory` and waits for it to end by itself: its exit code, or -1
// when it still runs after the time a second start may take (it is then ended).
int RunSecondStart(const std::string& directory) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::string line = "\"" + QuillonPath() + "\"";
    if (!CreateProcessA(QuillonPath().c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process)) {
        return -2;
    }
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 8000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    } else {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

// A second start on the same files brings the first window forward and ends; one on files
// of its own (another folder with its own Quillon.ini) runs beside it.
void SecondStartBringsTheFirstWindowForward() {
    CaseRun first("first", KnownFile());
    if (!first.Start()) return;
    TypeText(first.Session, "12+");
    const int windows = QuillonWindowCount();
    SetWindowPos(first.Session.Window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CheckEqual(RunSecondStart(first.Directory), 0, "the second start ends by itself");
    CheckEqual(QuillonWindowCount(), windows, "no second window");
    Check(IsWindow(first.Session.Window), "the first window stays");
    CheckEqual(Panel(first.Session), "12", "the first window keeps its state");
    CheckEqual(GetForegroundWindow(), first.Session.Window, "the first window is in front");
    TypeText(first.Session, "3\r");
    const std::string tape = ReadFileBytes(first.Directory + "Quillon.tape");
    Check(tape.find("=\tresult\t15\t2\t") != std::string::npos,
          "the first window goes on writing its tape: " + tape);

    CaseRun other("other", KnownFile());
    Check(other.Start(), "a copy on files of its own starts beside it");
    other.Exit();
    first.Exit();
}

// A tape file that cannot be written is told once, with its folder and the reason; the
// window goes on working with the tape in memory. A settings file that cannot be written
// at exit is told too.
void FailedWritesAreTold() {
    CaseRun run("told", KnownFile());
    CreateDirectoryA((run.Directory + "Quillon.tape").c_str(), nullptr);
    CreateDirectoryA((run.Directory + "Quillon.ini.new").c_str(), nullptr);
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    PostMessageA(s.Window, WM_CHAR, '1', 1);
    PostMessageA(s.Window, WM_CHAR, '+', 1);
    const std::string message = TakeMessage(s);
    const std::string folder = run.Directory.substr(0, run.Directory.size() - 1);
    Check(message.find("Quillon cannot write " + folder + "\\Quillon.tape") != std::string::npos,
          "the tape's file and folder are named: " + message);
    Check(message.find("Save tape as") != std::string::npos, "the way out is named");
    TypeText(s, "2\r");
    Check(!HasMessageBox(s), "told once, not at every key");
    CheckEqual(Panel(s), "3", "the keys still work");
    PostMessageA(s.Window, WM_COMMAND, IdExit, 0);
    const std::string atExit = TakeMessage(s);
    CheckEqual(atExit, std::string("<none>"), "told once per start, the settings included");
    CheckEqual(WaitForExit(run.Session), 0, "exit code");

    CaseRun settings("toldini", KnownFile());
    CreateDirectoryA((settings.Directory + "Quillon.ini.new").c_str(), nullptr);
    if (!settings.Start()) return;
    PostMessageA(settings.Session.Window, WM_COMMAND, IdExit, 0);
    const std::string told = TakeMessage(settings.Session);
    Check(told.find("Quillon cannot write " + settings.Directory + "Quillon.ini") !=
              std::string::npos,
          "the settings file is named at exit: " + told);
    CheckEqual(WaitForExit(settings.Session), 0, "exit code after the settings message");
}

// Holds the clipboard for `ms` milliseconds on a thread of the driver.
std::thread HoldClipboard(DWORD ms, HANDLE held) {
    return std::thread([ms, held] {
        OpenClipboard(nullptr);
        SetEvent(held);
        Sleep(ms);
        CloseClipboard();
    });
}

// A clipboard another program holds for a moment is waited for; one held longer is called
// busy, for the Total and for a copy, never "empty".
void BusyClipboardIsWaitedForAndTold() {
    CaseRun run("busy", KnownFile());
    if (!run.Start()) return;
    const QuillonSession& s = run.Session;
    HANDLE held = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    SetClipboard("5\r\n6\r\n");
    std::thread shortHold = HoldClipboard(150, held);
    WaitForSingleObject(held, WindowTimeoutMs);
    TypeText(s, "T");
    shortHold.join();
    CheckEqual(Panel(s), "11", "a moment's hold is waited for");

    ResetEvent(held);
    std::thread longHold = HoldClipboard(3000, held);
    WaitForSingleObject(held, WindowTimeoutMs);
    PostMessageA(s.Window, WM_CHAR, 'T', 1);
    CheckEqual(TakeMessage(s),
               std::string("The clipboard is in use by another program. Try again in a moment."),
               "the Total says busy");
    PostMessageA(s.Window, WM_COMMAND, IdCopy, 0);
    Check(TakeMessage(s).find("Nothing was copied") != std::string::npos, "the copy says so");
    longHold.join();
    CloseHandle(held);
    run.Exit();
}

// A shown top-level window of any process whose title holds `part`; null when none comes.
HWND WaitForTitle(const std::string& part, DWORD timeoutMs) {
    struct Search {
        const std::string& Part;
        HWND Found;
    } search = {part, nullptr};
    const DWORD start = GetTickCount();
    while (search.Found == nullptr && GetTickCount() - start < timeoutMs) {
        EnumWindows(
            [](HWND window, LPARAM parameter) -> BOOL {
                auto* wanted = reinterpret_cast<Search*>(parameter);
                char title[MAX_PATH] = {};
                GetWindowTextA(window, title, sizeof(title));
                if (!IsWindowVisible(window) || std::strstr(title, wanted->Part.c_str()) == nullptr)
                    return TRUE;
                wanted->Found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        Sleep(50);
    }
    return search.Found;
}

// The About box names the folder the files are kept in.
void AboutNamesTheFilesFolder() {
    CaseRun run("aboutfiles", KnownFile());
    if (!run.Start()) return;
    PostMessageA(run.Session.Window, WM_COMMAND, IdAbout, 0);
    HWND about = WaitForWindow(run.Session, "#32770", "About", WindowTimeoutMs);
    if (!Check(about != nullptr, "the About box opens")) return;
    const std::string folder = run.Directory.substr(0, run.Directory.size() - 1);
    CheckEqual(WindowText(GetDlgItem(about, AboutFilesId)),
               "Settings and tape are kept in " + folder, "the folder is named");
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    run.Exit();
}

// "Open files folder" shows that folder (under Wine in its explorer, titled with its name).
void OpenFilesFolderShowsIt() {
    CaseRun run("openfiles", KnownFile());
    if (!run.Start()) return;
    PostCommand(run.Session, IdOpenFilesFolder);
    const std::string folder = run.Directory.substr(0, run.Directory.size() - 1);
    HWND explorer = WaitForTitle(folder.substr(folder.find_last_of('\\') + 1), 10000);
    if (Check(explorer != nullptr, "the folder opens")) PostMessageA(explorer, WM_CLOSE, 0, 0);
    run.Exit();
}

// A settings file that shares its data with another name (Scoop keeps the persisted copy so)
// is written in place: both names see the new settings.
void KeepsAFileSharedWithAnotherName() {
    CaseRun run("persist", KnownFile({{"SCALE", "0"}}));
    const std::string persisted = run.Directory + "persisted.ini";
    MoveFileA(run.IniPath().c_str(), persisted.c_str());
    if (!Check(CreateHardLinkA(run.IniPath().c_str(), persisted.c_str(), nullptr) != 0,
               "a second name for the settings file")) {
        return;
    }
    if (!run.Start()) return;
    PostCommand(run.Session, IdFixed0);
    const std::string saved = run.Exit();
    CheckEqual(ValueInFile(saved, "ROUND_MODE"), "0", "the new settings are written");
    CheckEqual(ReadFileBytes(persisted), run.SavedFile, "the other name sees them too");
}

std::wstring Wide(const std::string& text) {
    wchar_t buffer[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer, MAX_PATH);
    return buffer;
}

std::string WideFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    char buffer[4096] = {};
    DWORD read = 0;
    ReadFile(file, buffer, sizeof(buffer), &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
}

// Starts quillon.exe in `folder`, works out 12+3 and ends it.
void CalculateIn(const std::wstring& folder) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    QuillonSession session;
    std::wstring line = L"\"" + Wide(QuillonPath()) + L"\"";
    if (!Check(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.c_str(), &startup, &session.Process) != 0,
               "starts in the folder")) {
        return;
    }
    session.Window = WaitForWindow(session, "QUILLON", nullptr, 15000);
    if (!Check(session.Window != nullptr, "the window appears")) return;
    while (!IsWindowVisible(session.Window)) Sleep(10);
    session.Sentinel = TipWindowOf(session, Control(session, PanelRow));
    TypeText(session, "12+3\r");
    CheckEqual(Panel(session), "15", "calculates");
    PostMessageA(session.Window, WM_COMMAND, IdExit, 0);  // nothing to settle: it ends
    CheckEqual(WaitForExit(session), 0, "exit code");
}

// The tape and the settings of the calculation above are in `folder`; both are removed.
void CheckAndRemoveFiles(const std::wstring& folder) {
    Check(WideFileBytes(folder + L"Quillon.tape").find("=\tresult\t15\t2\t") != std::string::npos,
          "the tape is written there");
    Check(WideFileBytes(folder + L"Quillon.ini").find("[VIEW]") != std::string::npos,
          "the settings are written there");
    for (const wchar_t* name : {L"Quillon.tape", L"Quillon.ini"})
        DeleteFileW((folder + name).c_str());
    RemoveDirectoryW(folder.c_str());
}

// A folder whose name the ANSI code page cannot spell (a Chinese user name on an English
// system): the settings and the tape are read and written there all the same.
void WorksInAFolderOutsideTheCodePage() {
    const std::string base = MakeWorkDirectory("wide");
    const std::wstring folder = Wide(base) + L"\x674e\x56db\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    HANDLE ini = CreateFileW((folder + L"Quillon.ini").c_str(), GENERIC_WRITE, 0, nullptr,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(ini);
    CalculateIn(folder);
    CheckAndRemoveFiles(folder);
    RemoveWorkDirectory(base);
}

// The same for a profile under such a name: started where no Quillon.ini is, the program
// keeps its files in %APPDATA%\Quillon, whose path the ANSI functions could not open.
void KeepsItsFilesInAProfileOutsideTheCodePage() {
    // Where the profile's AppData folder is, as written and as last resolved; both are put
    // back afterwards.
    const wchar_t* keys[] = {
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"};
    const DWORD types[] = {REG_EXPAND_SZ, REG_SZ};
    wchar_t kept[2][MAX_PATH] = {};
    for (int i = 0; i < 2; ++i) {
        DWORD size = sizeof(kept[i]);
        if (!Check(RegGetValueW(HKEY_CURRENT_USER, keys[i], L"AppData", RRF_RT_ANY | RRF_NOEXPAND,
                                nullptr, kept[i], &size) == ERROR_SUCCESS,
                   "the profile's AppData folder is read")) {
            return;
        }
    }
    const auto setAppData = [&](int i, const std::wstring& path) {
        RegSetKeyValueW(HKEY_CURRENT_USER, keys[i], L"AppData", types[i], path.c_str(),
                        static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    };
    const std::string base = MakeWorkDirectory("profile");
    DeleteFileA((base + "Quillon.ini").c_str());  // no settings where it starts
    const std::wstring appData = Wide(base) + L"\x674e\x56db";
    CreateDirectoryW(appData.c_str(), nullptr);
    setAppData(0, appData);
    CalculateIn(Wide(base));
    for (int i = 0; i < 2; ++i) setAppData(i, kept[i]);
    CheckAndRemoveFiles(appData + L"\\Quillon\\");
    RemoveDirectoryW(appData.c_str());
    RemoveWorkDirectory(base);
}

}  // namespace

extern const GuiCase FilesCases[] = {
    {"second_window", SecondStartBringsTheFirstWindowForward},
    {"failed_writes_told", FailedWritesAreTold},
    {"clipboard_busy", BusyClipboardIsWaitedForAndTold},
    {"about_files_folder", AboutNamesTheFilesFolder},
    {"open_files_folder", OpenFilesFolderShowsIt},
    {"shared_file_names", KeepsAFileSharedWithAnotherName},
    {"folder_outside_code_page", WorksInAFolderOutsideTheCodePage},
    {"profile_outside_code_page", KeepsItsFilesInAProfileOutsideTheCodePage},
};
extern const size_t FilesCasesCount = std::size(FilesCases);
