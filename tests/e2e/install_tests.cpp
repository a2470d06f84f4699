// Where an installed copy and a portable copy of quillon.exe keep their files, and the
// language the uninstaller speaks.
//
//   quillon-install-tests QUILLON_EXE installed_copy   QUILLON_EXE: the installed program
//   quillon-install-tests QUILLON_EXE portable_copy    QUILLON_EXE: the program in the ZIP
//   quillon-install-tests UNINSTALL_EXE uninstaller_language    the installed uninstaller
#include <windows.h>
// The shell's link and folder interfaces take their types from windows.h.
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "gui_driver.h"
#include "gui_ids.h"
#include "quillon_session.h"

namespace {

std::string Narrow(const wchar_t* text) {
    char buffer[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof(buffer), nullptr, nullptr);
    return buffer;
}

std::string KnownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) folder = Narrow(path);
    CoTaskMemFree(path);
    return folder;
}

// The program and the working folder a Start menu shortcut starts.
bool ReadShortcut(const std::string& link, std::string& target, std::string& folder) {
    CoInitialize(nullptr);
    IShellLinkW* shortcut = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shortcut)))) {
        return false;
    }
    IPersistFile* file = nullptr;
    wchar_t path[MAX_PATH] = {};
    MultiByteToWideChar(CP_UTF8, 0, link.c_str(), -1, path, MAX_PATH);
    bool read =
        SUCCEEDED(shortcut->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(path, STGM_READ));
    wchar_t text[MAX_PATH] = {};
    read = read && SUCCEEDED(shortcut->GetPath(text, MAX_PATH, nullptr, 0));
    target = Narrow(text);
    read = read && SUCCEEDED(shortcut->GetWorkingDirectory(text, MAX_PATH));
    folder = Narrow(text);
    if (file != nullptr) file->Release();
    shortcut->Release();
    return read;
}

// Types a calculation into the session and ends it from the menu.
void CalculateAndExit(QuillonSession& session) {
    TypeText(session, "12+3\r");
    CheckEqual(Panel(session), "15", "calculates");
    PostMessageA(session.Window, WM_COMMAND, IdExit, 0);  // nothing to settle: it ends
    CheckEqual(WaitForExit(session), 0, "exit code");
}

bool HoldsTheCalculation(const std::string& tape) {
    return tape.find("+\tstart\t12\t0\t") != std::string::npos &&
           tape.find("=\tresult\t15\t2\t") != std::string::npos;
}

// Started from its Start menu shortcut, the installed program keeps its tape in
// %APPDATA%\Quillon and writes nothing beside itself.
void InstalledCopyKeepsItsFilesInTheProfile() {
    const std::string link = KnownFolder(FOLDERID_Programs) + "\\Quillon.lnk";
    std::string target;
    std::string folder;
    if (!Check(ReadShortcut(link, target, folder), "the Start menu shortcut " + link)) return;
    CheckEqual(target, QuillonPath(), "the shortcut starts the installed program");
    const std::string profile = KnownFolder(FOLDERID_RoamingAppData) + "\\Quillon\\";
    DeleteFileA((profile + "Quillon.tape").c_str());
    QuillonSession session = StartQuillon(folder + "\\");
    if (!Check(session.Window != nullptr, "the installed program starts")) return;
    CalculateAndExit(session);
    Check(HoldsTheCalculation(ReadFileBytes(profile + "Quillon.tape")),
          "the tape is in " + profile);
    CheckEqual(ReadFileBytes(folder + "\\Quillon.tape"), std::string("<missing>"),
               "no tape beside the program");
    CheckEqual(ReadFileBytes(folder + "\\Quillon.ini"), std::string("<missing>"),
               "no settings beside the program");
}

// The program unpacked from the ZIP, started from another folder, keeps its files beside
// itself: the ZIP's empty Quillon.ini marks it portable.
void PortableCopyKeepsItsFilesBesideItself() {
    const std::string& program = QuillonPath();
    const std::string beside = program.substr(0, program.find_last_of('\\') + 1);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string elsewhere = std::string(temp) + "quillon-elsewhere\\";
    CreateDirectoryA(elsewhere.c_str(), nullptr);
    QuillonSession session = StartQuillon(elsewhere);
    if (!Check(session.Window != nullptr, "the portable program starts")) return;
    CalculateAndExit(session);
    Check(HoldsTheCalculation(ReadFileBytes(beside + "Quillon.tape")),
          "the tape is beside the program");
    Check(ReadFileBytes(beside + "Quillon.ini").find("[VIEW]") != std::string::npos,
          "the settings are written beside the program");
    CheckEqual(ReadFileBytes(elsewhere + "Quillon.tape"), std::string("<missing>"),
               "nothing in the folder it was started from");
    RemoveWorkDirectory(elsewhere);
}

HWND FindChild(HWND parent, const char* className) {
    struct Search {
        const char* ClassName;
        HWND Found;
    } search = {className, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM parameter) -> BOOL {
            auto* wanted = reinterpret_cast<Search*>(parameter);
            char name[64] = {};
            GetClassNameA(child, name, sizeof(name));
            if (lstrcmpiA(name, wanted->ClassName) != 0) return TRUE;
            wanted->Found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// The texts of the top items of another process's tree view, joined by "|": the item is
// asked for in that process's memory.
std::string TreeTopItems(HANDLE process, HWND tree) {
    struct Remote {
        TVITEMW Item;
        wchar_t Text[256];
    };
    auto* remote = static_cast<Remote*>(
        VirtualAllocEx(process, nullptr, sizeof(Remote), MEM_COMMIT, PAGE_READWRITE));
    if (remote == nullptr) return "<no memory>";
    std::string texts;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (; item != nullptr;
         item = reinterpret_cast<HTREEITEM>(
             SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        Remote local = {};
        local.Item.mask = TVIF_TEXT;
        local.Item.hItem = item;
        local.Item.pszText = remote->Text;
        local.Item.cchTextMax = 256;
        WriteProcessMemory(process, remote, &local, sizeof(local), nullptr);
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&remote->Item));
        ReadProcessMemory(process, remote, &local, sizeof(local), nullptr);
        local.Text[255] = L'\0';
        if (!texts.empty()) texts += "|";
        texts += Narrow(local.Text);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return texts;
}

// Under a German display language the uninstaller speaks German, its pages and the choice
// of the user's own files alike. The program this case is given is the installed uninstaller,
// run in place (_?=) so that it stays this process's child.
void UninstallerSpeaksTheDisplayLanguage() {
    const std::string& uninstaller = QuillonPath();
    std::string line =
        "\"" + uninstaller + "\" _?=" + uninstaller.substr(0, uninstaller.find_last_of('\\'));
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    QuillonSession session;
    if (!Check(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &session.Process) != 0,
               "the uninstaller starts")) {
        return;
    }
    HWND window = WaitForWindow(session, "#32770", nullptr, 10000);
    if (Check(window != nullptr, "the uninstaller's window")) {
        // The window is found before its buttons have their texts.
        for (int wait = 0; wait < 250 && WindowText(GetDlgItem(window, IDCANCEL)).empty(); ++wait)
            Sleep(20);
        CheckEqual(WindowText(GetDlgItem(window, IDCANCEL)), "Abbrechen", "German pages");
        PostMessageA(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);  // on to the components
        HWND tree = nullptr;
        for (int wait = 0; wait < 250 && tree == nullptr; ++wait, Sleep(20)) {
            tree = FindChild(window, "SysTreeView32");
        }
        if (Check(tree != nullptr, "the components page")) {
            CheckEqual(TreeTopItems(session.Process.hProcess, tree),
                       "Quillon|Ihre Einstellungen und Ihr Streifen (%APPDATA%\\Quillon)",
                       "the components in German");
        }
    }
    TerminateProcess(session.Process.hProcess, 0);
    WaitForExit(session);
}

const GuiCase InstallCases[] = {
    {"installed_copy", InstalledCopyKeepsItsFilesInTheProfile},
    {"portable_copy", PortableCopyKeepsItsFilesBesideItself},
    {"uninstaller_language", UninstallerSpeaksTheDisplayLanguage},
};

}  // namespace

int main(int argc, char** argv) {
    const DriverSetUp setUp{"installed_copy|portable_copy|uninstaller_language", nullptr, nullptr};
    return RunDriver(argc, argv, setUp, {{InstallCases, std::size(InstallCases)}});
}
