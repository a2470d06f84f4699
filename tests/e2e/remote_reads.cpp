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
    menuProbePath = path;
}

namespace {

struct FitSearch {
    HFONT Font;
    std::string Clipped;
};

// The width a button leaves its text: a check box or radio button its box and gap, a group
// box its frame, a push button its edges.
int TextRoom(LONG style, int width, int averageChar) {
    switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return width - GetSystemMetrics(SM_CXMENUCHECK) - averageChar / 2 - 2;
        case BS_GROUPBOX:
            return width - 2 * averageChar;
        default:
            return width - 2 * GetSystemMetrics(SM_CXEDGE) - 4;
    }
}

BOOL CALLBACK MeasureControl(HWND control, LPARAM parameter) {
    auto* search = reinterpret_cast<FitSearch*>(parameter);
    char className[32] = {};
    GetClassNameA(control, className, sizeof(className));
    const bool button = lstrcmpiA(className, "Button") == 0;
    if (!button && lstrcmpiA(className, "Static") != 0) return TRUE;
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if (!button && (style & SS_TYPEMASK) > SS_RIGHT) return TRUE;  // pictures, owner-drawn
    if (button && (style & BS_TYPEMASK) == BS_OWNERDRAW) return TRUE;
    wchar_t text[512] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &length);
    if (length == 0 || !IsWindowVisible(control)) return TRUE;
    RECT client = {};
    GetClientRect(control, &client);
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, search->Font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    const bool wraps = !button && (style & SS_TYPEMASK) == SS_LEFT;
    RECT need = {0, 0, wraps ? client.right : 0, 0};
    DrawTextW(dc, text, -1, &need, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    const int room = button ? TextRoom(style, client.right, metrics.tmAveCharWidth) : client.right;
    const bool clipped =
        wraps ? need.bottom > client.bottom || need.right > client.right : need.right > room;
    if (clipped) {
        char utf8[1024] = {};
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr);
        // Appended piece by piece: gcc 12 warns falsely (-Wrestrict) on a chain of string sums.
        std::string& clippedText = search->Clipped;
        clippedText.append("\"").append(utf8).append("\" needs ");
        clippedText.append(std::to_string(need.right)).append("x");
        clippedText.append(std::to_string(need.bottom)).append(", has ");
        clippedText.append(std::to_string(wraps ? client.right : room)).append("x");
        clippedText.append(std::to_string(client.bottom)).append("; ");
    }
    return TRUE;
}

}  // namespace

std::string ClippedControls(HWND dialog, int pointSize, UINT dpi) {
    // The dialogs' font: "MS Shell Dlg" at its point size, as the template names it.
    FitSearch search{
        CreateFontA(-MulDiv(pointSize, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                    FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Shell Dlg"),
        ""};
    EnumChildWindows(dialog, MeasureControl, reinterpret_cast<LPARAM>(&search));
    DeleteObject(search.Font);
    return search.Clipped;
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
