#include "quillon_session.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "gui_check.h"
#include "settings_text.h"

namespace {

constexpr DWORD StartTimeoutMs = 15000;
constexpr DWORD ExitTimeoutMs = 10000;
constexpr DWORD SettleTimeoutMs = 5000;
constexpr DWORD PollMs = 10;
constexpr int FirstControlId = 10000;
constexpr int PanelRow = 0;
constexpr int OperatorIndicatorRow = 14;
constexpr int MemoryIndicatorRow = 29;
constexpr WORD IdExit = 105;

std::string quillonPath;

struct WindowSearch {
    DWORD ProcessId;
    const char* ClassName;
    const char* Title;
    HWND Found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    if (processId != search->ProcessId || lstrcmpA(className, search->ClassName) != 0) return TRUE;
    if (search->Title != nullptr && WindowText(window) != search->Title) return TRUE;
    search->Found = window;
    return FALSE;
}

void PostAndWaitForSentinel(HWND sentinel, int value) {
    PostMessageA(sentinel, TTM_SETDELAYTIME, TTDT_AUTOPOP, value);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < SettleTimeoutMs) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(sentinel, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0, SMTO_ABORTIFHUNG, 1000,
                            &result);
        if (static_cast<int>(result) == value) return;
        Sleep(PollMs);
    }
}

}  // namespace

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string windows = "Z:" + path;
    for (char& c : windows) {
        if (c == '/') c = '\\';
    }
    return windows;
}

RemoteBlock::RemoteBlock(HANDLE process, SIZE_T size)
    : Process(process),
      Address(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}

RemoteBlock::~RemoteBlock() {
    if (Address != nullptr) VirtualFreeEx(Process, Address, 0, MEM_RELEASE);
}

// A tip window belongs to the program's process; its one tool names the control.
HWND TipWindowOf(const QuillonSession& session, HWND control) {
    RemoteBlock block(session.Process.hProcess, sizeof(TOOLINFOA));
    if (block.Address == nullptr) return nullptr;
    HWND tip = nullptr;
    while ((tip = FindWindowExA(nullptr, tip, "tooltips_class32", nullptr)) != nullptr) {
        DWORD processId = 0;
        GetWindowThreadProcessId(tip, &processId);
        if (processId != session.Process.dwProcessId) continue;
        TOOLINFOA tool = {};
        tool.cbSize = sizeof(tool);
        WriteProcessMemory(session.Process.hProcess, block.Address, &tool, sizeof(tool), nullptr);
        DWORD_PTR found = 0;
        SendMessageTimeoutA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(block.Address),
                            SMTO_ABORTIFHUNG, 2000, &found);
        if (found == 0) continue;
        ReadProcessMemory(session.Process.hProcess, block.Address, &tool, sizeof(tool), nullptr);
        if (tool.uId == reinterpret_cast<UINT_PTR>(control)) return tip;
    }
    return nullptr;
}

void SetQuillonPath(const std::string& path) {
    quillonPath = WindowsPath(path);
}

const std::string& QuillonPath() {
    return quillonPath;
}

// A folder of the test's own with an empty Quillon.ini, so that quillon.exe started there keeps
// its files there. Not in the temporary folder: a copy started there keeps its files in the
// user's profile.
std::string MakeWorkDirectory(const std::string& name) {
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    const std::string directory = std::string(current) + "\\quillon-" + name + "-" +
                                  std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(directory.c_str(), nullptr);
    WriteFileBytes(directory + "Quillon.ini", "");
    return directory;
}

void RemoveWorkDirectory(const std::string& directory) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((directory + "*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = directory + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveDirectoryA(path.c_str());
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(directory.c_str());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ReadFileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

HWND WaitForWindow(const QuillonSession& session, const char* className, const char* title,
                   DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        WindowSearch search = {session.Process.dwProcessId, className, title, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.Found != nullptr) return search.Found;
        Sleep(PollMs);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

QuillonSession StartQuillon(const std::string& directory) {
    QuillonSession session;
    session.Directory = directory;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    std::string commandLine = "\"" + quillonPath + "\"";
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    // Under a busy Wine a start now and then fails inside the loader (error 1359) and the
    // same start a moment later works: only a start that keeps failing is a failure.
    bool started = false;
    for (int attempt = 1; attempt <= 3 && !started; ++attempt) {
        started = CreateProcessA(quillonPath.c_str(), mutableLine.data(), nullptr, nullptr, FALSE,
                                 0, nullptr, directory.c_str(), &startup, &session.Process) != 0;
        if (!started) {
            std::printf("cannot start %s (error %lu, attempt %d of 3)\n", quillonPath.c_str(),
                        GetLastError(), attempt);
            Sleep(500);
        }
    }
    if (!started) return session;
    session.Window = WaitForWindow(session, "QUILLON", nullptr, StartTimeoutMs);
    if (session.Window == nullptr) return session;
    // The window is found while it is still being built; it is shown once it is complete.
    const DWORD start = GetTickCount();
    while (!IsWindowVisible(session.Window) && GetTickCount() - start < StartTimeoutMs)
        Sleep(PollMs);
    // Changing the delay of a tip that never shows is invisible, and reading it back tells
    // that the posted change has been handled.
    session.Sentinel = TipWindowOf(session, Control(session, PanelRow));
    if (session.Sentinel == nullptr) std::printf("no tool tip found for the panel\n");
    Settle(session);
    return session;
}

int WaitForExit(QuillonSession& session) {
    if (session.Process.hProcess == nullptr) return -1;
    if (WaitForSingleObject(session.Process.hProcess, ExitTimeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(session.Process.hProcess, &code);
    CloseHandle(session.Process.hProcess);
    CloseHandle(session.Process.hThread);
    session.Process = {};
    return static_cast<int>(code);
}

void KillQuillon(QuillonSession& session) {
    if (session.Process.hProcess == nullptr) return;
    TerminateProcess(session.Process.hProcess, 1);
    WaitForExit(session);
}

HWND Control(const QuillonSession& session, int row) {
    return GetDlgItem(session.Window, FirstControlId + row);
}

std::string WindowText(HWND window) {
    char text[512] = {};
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, &result);
    return text;
}

std::string Panel(const QuillonSession& session) {
    return WindowText(Control(session, PanelRow));
}

std::string OperatorIndicator(const QuillonSession& session) {
    return WindowText(Control(session, OperatorIndicatorRow));
}

std::string MemoryIndicator(const QuillonSession& session) {
    return WindowText(Control(session, MemoryIndicatorRow));
}

void Settle(const QuillonSession& session) {
    static int round = 1000;
    HWND sentinel = session.Sentinel;
    if (sentinel == nullptr) return;
    // Twice: a key handled before the first round may have posted its character after it.
    PostAndWaitForSentinel(sentinel, ++round);
    PostAndWaitForSentinel(sentinel, ++round);
}

void TypeText(const QuillonSession& session, const std::string& text) {
    for (char c : text) {
        PostMessageA(session.Window, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    Settle(session);
}

void PressKey(const QuillonSession& session, HWND target, WORD virtualKey) {
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | scan << 16);
    PostMessageA(target, WM_KEYUP, virtualKey, 1 | scan << 16 | 3u << 30);
    Settle(session);
}

bool PressChord(const QuillonSession& session, WORD modifier, WORD key, char marker) {
    SetForegroundWindow(session.Window);
    const WORD markerKey = static_cast<WORD>(VkKeyScanA(marker) & 0xFF);
    const WORD keys[] = {modifier, key, key, modifier, markerKey, markerKey};
    const DWORD flags[] = {0, 0, KEYEVENTF_KEYUP, KEYEVENTF_KEYUP, 0, KEYEVENTF_KEYUP};
    INPUT inputs[6] = {};
    for (int i = 0; i < 6; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.dwFlags = flags[i];
    }
    SendInput(6, inputs, sizeof(INPUT));
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < SettleTimeoutMs) {
        const std::string panel = Panel(session);
        if (!panel.empty() && panel.back() == marker) {
            Settle(session);
            return true;
        }
        Sleep(PollMs);
    }
    return false;
}

void PostCommand(const QuillonSession& session, WORD id) {
    PostMessageA(session.Window, WM_COMMAND, id, 0);
    Settle(session);
}

void ClickButton(const QuillonSession& session, int row) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(Control(session, row), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
}

void PrepareUnattendedDriver() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
}

CaseRun::CaseRun(const std::string& name, const std::optional<std::string>& settingsFile)
    : Directory(MakeWorkDirectory(name)) {
    if (settingsFile) WriteFileBytes(IniPath(), *settingsFile);
}

CaseRun::~CaseRun() {
    KillQuillon(Session);
    RemoveWorkDirectory(Directory);
}

bool CaseRun::Start() {
    Session = StartQuillon(Directory);
    return Check(Session.Window != nullptr, "the window of class QUILLON appears");
}

// The corner the window closed at is checked here and left out of the text returned, so
// that a case compares the rest with the known settings, whose place is empty. A file
// without a place was not written by this run (a read-only file, a failed write).
std::string CaseRun::EndBy(UINT message, WPARAM wParam) {
    RECT closedAt = {};
    GetWindowRect(Session.Window, &closedAt);
    PostMessageA(Session.Window, message, wParam, 0);
    CheckEqual(WaitForExit(Session), 0, "exit code");
    SavedFile = ReadFileBytes(IniPath());
    const std::string savedX = ValueInFile(SavedFile, "WINDOW_X");
    if (savedX == "<absent>" || savedX.empty()) return SavedFile;
    CheckEqual(savedX, std::to_string(closedAt.left), "WINDOW_X saved at exit");
    CheckEqual(ValueInFile(SavedFile, "WINDOW_Y"), std::to_string(closedAt.top),
               "WINDOW_Y saved at exit");
    return WithValue(WithValue(SavedFile, "WINDOW_X", ""), "WINDOW_Y", "");
}

std::string CaseRun::Exit() {
    return EndBy(WM_COMMAND, IdExit);
}

void SetClipboard(const char* text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    if (text != nullptr) {
        const SIZE_T size = std::strlen(text) + 1;
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
        std::memcpy(GlobalLock(block), text, size);
        GlobalUnlock(block);
        SetClipboardData(CF_TEXT, block);
    }
    CloseClipboard();
}
