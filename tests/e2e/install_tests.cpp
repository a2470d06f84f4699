// Where an installed copy and a portable copy of quillon.exe keep their files.
//
//   quillon-install-tests QUILLON_EXE installed_copy   QUILLON_EXE: the installed program
//   quillon-install-tests QUILLON_EXE portable_copy    QUILLON_EXE: the program in the ZIP
#include <windows.h>
// The shell's link and folder interfaces take their types from windows.h.
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
    PostCommand(session, IdExit);
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

const GuiCase InstallCases[] = {
    {"installed_copy", InstalledCopyKeepsItsFilesInTheProfile},
    {"portable_copy", PortableCopyKeepsItsFilesBesideItself},
};

}  // namespace

int main(int argc, char** argv) {
    const DriverSetUp setUp{"installed_copy|portable_copy", nullptr, nullptr};
    return RunDriver(argc, argv, setUp, {{InstallCases, std::size(InstallCases)}});
}
