#include "remote_reads.h"

#include <commctrl.h>

#include <cstdio>
#include <sstream>

#include "quillon_session.h"

namespace {

constexpr SIZE_T RemoteTextSize = 512;
constexpr DWORD ProbeTimeoutMs = 10000;

std::string menuProbePath;

}  // namespace

std::string ToolTipText(const QuillonSession& session, HWND control) {
    HWND tip = TipWindowOf(session, control);
    if (tip == nullptr) return "<no tip window>";
    HANDLE process = session.Process.hProcess;
    RemoteBlock block(process, sizeof(TOOLINFOA) + RemoteTextSize);
    if (block.Address == nullptr) return "<no remote memory>";
    char* remoteText = static_cast<char*>(block.Address) + sizeof(TOOLINFOA);
    TOOLINFOA tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = control;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = remoteText;
    const char empty[RemoteTextSize] = {};
    WriteProcessMemory(process, block.Address, &tool, sizeof(tool), nullptr);
    WriteProcessMemory(process, remoteText, empty, RemoteTextSize, nullptr);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(tip, TTM_GETTEXTA, RemoteTextSize, reinterpret_cast<LPARAM>(block.Address),
                        SMTO_ABORTIFHUNG, 2000, &result);
    char text[RemoteTextSize] = {};
    ReadProcessMemory(process, remoteText, text, RemoteTextSize - 1, nullptr);
    return text;
}

bool LoadIntoQuillon(const QuillonSession& session, const std::string& libraryPath) {
    HANDLE process = session.Process.hProcess;
    RemoteBlock path(process, libraryPath.size() + 1);
    if (path.Address == nullptr) return false;
    WriteProcessMemory(process, path.Address, libraryPath.c_str(), libraryPath.size() + 1, nullptr);
    // kernel32 sits at the same address in every process of the session.
    auto* loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, loadLibrary, path.Address, 0, nullptr);
    if (thread == nullptr) return false;
    WaitForSingleObject(thread, ProbeTimeoutMs);
    CloseHandle(thread);
    return true;
}

void SetMenuProbePath(const std::string& path) {
    menuProbePath = WindowsPath(path);
}

std::string MenuItemText(const QuillonSession& session, UINT id) {
    MenuItemsChecked(session, {});  // the probe writes the texts before the marks
    std::istringstream texts(ReadFileBytes(session.Directory + "menu-texts.txt"));
    std::string line;
    std::string found;
    while (std::getline(texts, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t tab = line.find('\t');
        if (tab == std::string::npos || tab + 1 == line.size()) continue;  // a separator
        if (std::stoul(line.substr(0, tab)) != id) continue;
        if (!found.empty()) found.push_back('|');
        found.append(line, tab + 1, std::string::npos);
    }
    return found;
}

std::string MenuItemsChecked(const QuillonSession& session, const std::vector<UINT>& ids) {
    std::string checked(ids.size(), '-');
    const std::string marksFile = session.Directory + "menu-marks.txt";
    DeleteFileA(marksFile.c_str());
    if (!LoadIntoQuillon(session, menuProbePath)) return checked;
    std::istringstream marks(ReadFileBytes(marksFile));
    UINT itemId = 0;
    int mark = 0;
    int radio = 0;
    while (marks >> itemId >> mark >> radio) {
        for (size_t i = 0; i < ids.size(); ++i) {
            if (ids[i] == itemId) checked[i] = mark != 0 ? '1' : '0';
        }
    }
    return checked;
}
