// The fit check of quillon.exe: in every language, at 96 and at 192 DPI, every window that shows
// words is opened in turn in one run of the program, and a probe loaded into the program
// measures each of its texts in the font it is drawn in against the room the text has.
//
//   quillon-fit-gui-tests QUILLON_EXE FIT_PROBE_DLL dialog_fit
#include <windows.h>

#include <iterator>
#include <string>

#include "fit_probe.h"
#include "gui_check.h"
#include "gui_driver.h"
#include "gui_ids.h"
#include "quillon_session.h"
#include "remote_reads.h"
#include "screen_dpi.h"
#include "settings_text.h"

namespace {

constexpr DWORD WindowTimeoutMs = 5000;
constexpr DWORD PollMs = 10;
constexpr WORD IdTapeCorrect = 32830;
constexpr WORD IdSelectPanelFont = 8;  // "Select" of the panel font in "Customize view"
constexpr WORD IdPreviewZoom = 3;      // "100 %", then "Zoom to fit", the longer text
constexpr const char* Languages[] = {"en",    "de", "fr", "es", "it",
                                     "pt-BR", "nl", "pl", "ru", "zh-CN"};

std::string probePath;

// Each dialog with words, opened by a command to the main window or the tape window; the font
// chooser by a button of the dialog before it, which stays open under it.
enum class Opener { MainWindow, TapeWindow, DialogBefore };
struct DialogToOpen {
    const char* Name;
    const char* EnglishTitle;
    Opener From;
    WORD Command;
};
constexpr DialogToOpen Dialogs[] = {
    {"Customize view", "Customize view", Opener::MainWindow, IdAppearance},
    {"Font chooser", "Font chooser", Opener::DialogBefore, IdSelectPanelFont},
    {"Customize calculation of total", "Customize calculation of total", Opener::MainWindow,
     IdTotalSettings},
    {"Total details", "Total details", Opener::MainWindow, IdTotalDetails},
    {"Tax rate", "Tax rate", Opener::MainWindow, IdTaxRate},
    {"About", "About", Opener::MainWindow, IdAbout},
    {"Correct the number", "Tape", Opener::TapeWindow, IdTapeCorrect},
    {"Note for this line", "Tape", Opener::TapeWindow, IdTapeNote},
};

void SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result);
}

struct OwnedSearch {
    HWND Owner;
    const char* ClassName;
    HWND Found;
};

BOOL CALLBACK MatchOwned(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<OwnedSearch*>(parameter);
    if (GetWindow(window, GW_OWNER) != search->Owner || !IsWindowVisible(window)) return TRUE;
    if (ClassOf(window) != search->ClassName) return TRUE;
    search->Found = window;
    return FALSE;
}

// The shown window of the class that `owner` owns, or null after the timeout.
HWND WaitForOwned(const QuillonSession& session, HWND owner, const char* className) {
    const DWORD start = GetTickCount();
    do {
        OwnedSearch search = {owner, className, nullptr};
        EnumThreadWindows(session.Process.dwThreadId, MatchOwned,
                          reinterpret_cast<LPARAM>(&search));
        if (search.Found != nullptr) return search.Found;
        Sleep(PollMs);
    } while (GetTickCount() - start < WindowTimeoutMs);
    return nullptr;
}

void CloseAndWait(HWND window, UINT message, WPARAM wParam) {
    PostMessageA(window, message, wParam, 0);
    const DWORD start = GetTickCount();
    while (IsWindow(window) && GetTickCount() - start < WindowTimeoutMs) Sleep(PollMs);
}

// What the probe found clipped in the windows the user can work in now, or why it could not
// tell. The probe is loaded at the first call of a session and stays.
std::string ClippedTexts(const QuillonSession& session) {
    const std::string name = FitRequestEventName(session.Process.dwProcessId);
    HANDLE request = OpenEventA(EVENT_MODIFY_STATE, FALSE, name.c_str());
    if (request == nullptr && LoadIntoQuillon(session, probePath)) {
        request = OpenEventA(EVENT_MODIFY_STATE, FALSE, name.c_str());
    }
    if (request == nullptr) return "<probe not loaded>";
    const std::string file = session.Directory + "clipped.txt";
    DeleteFileA(file.c_str());
    SetEvent(request);
    CloseHandle(request);
    const DWORD start = GetTickCount();
    std::string clipped = ReadFileBytes(file);
    while (clipped == "<missing>" && GetTickCount() - start < WindowTimeoutMs) {
        Sleep(PollMs);
        clipped = ReadFileBytes(file);
    }
    return clipped == "<missing>" ? "<probe wrote nothing>" : clipped;
}

// The tape window with a few lines, its first selected, and the print preview of them
// zoomed to its real size, so that its zoom button shows its longer text. A Total of whole
// cells comes first: its details show their longer summary.
HWND OpenTapeAndPreview(const QuillonSession& session) {
    SetClipboard("12\r\n3 4\r\n");
    TypeText(session, "t12+3=");
    PostCommand(session, IdTape);
    HWND tape = WaitForOwned(session, session.Window, "QUILLON_TAPE");
    if (tape == nullptr) return nullptr;
    SendTo(FindWindowExA(tape, nullptr, "LISTBOX", nullptr), LB_SETCURSEL, 0, 0);
    PostMessageA(tape, WM_COMMAND, IdTapePreview, 0);
    HWND preview = WaitForOwned(session, tape, "QUILLON_PRINT_PREVIEW");
    if (preview != nullptr) SendTo(preview, WM_COMMAND, IdPreviewZoom, 0);
    return tape;
}

void CheckEveryWindow(const QuillonSession& session, const std::string& name, bool english) {
    HWND tape = OpenTapeAndPreview(session);
    if (!Check(tape != nullptr, name + ": the tape window opens")) return;
    CheckEqual(ClippedTexts(session), "", name + ": tape and print preview");
    HWND preview = WaitForOwned(session, tape, "QUILLON_PRINT_PREVIEW");
    if (Check(preview != nullptr, name + ": the print preview opens")) {
        CloseAndWait(preview, WM_CLOSE, 0);
    }
    HWND under = nullptr;  // the dialog the next one opens from
    for (size_t i = 0; i < std::size(Dialogs); ++i) {
        const DialogToOpen& open = Dialogs[i];
        const bool nested = open.From == Opener::DialogBefore;
        HWND owner = nested ? under : open.From == Opener::TapeWindow ? tape : session.Window;
        if (owner == nullptr) continue;  // the dialog before it did not open
        PostMessageA(owner, WM_COMMAND, open.Command, 0);
        HWND dialog = WaitForOwned(session, owner, "#32770");
        const std::string what = name + ": " + open.Name;
        if (Check(dialog != nullptr, what + " opens")) {
            CheckEqual(ClippedTexts(session), "", what);
            Check((WindowText(dialog) == open.EnglishTitle) == english, what + ": its language");
        }
        if (i + 1 < std::size(Dialogs) && Dialogs[i + 1].From == Opener::DialogBefore) {
            under = dialog;
            continue;
        }
        if (dialog != nullptr) CloseAndWait(dialog, WM_COMMAND, IDCANCEL);
        if (nested) CloseAndWait(under, WM_COMMAND, IDCANCEL);
        under = nullptr;
    }
}

// Every window with words in every language at SCALE 1, at 96 and at 192 DPI: no text is cut,
// and each dialog speaks the language (its title is not the English one).
void WindowsFitEveryLanguage() {
    ScreenDpi screen;
    for (const UINT dpi : {96u, 192u}) {
        screen.Set(dpi);
        for (const char* tag : Languages) {
            const std::string name = std::string(tag) + " at " + std::to_string(dpi) + " DPI";
            CaseRun run("fit-" + std::string(tag),
                        KnownFile({{"LANGUAGE", tag}, {"WHOLE_CELLS", "YES"}}));
            if (!run.Start()) continue;
            CheckEveryWindow(run.Session, name, std::string(tag) == "en");
            run.Exit();
        }
    }
    screen.Set(96);
}

constexpr GuiCase FitCases[] = {
    {"dialog_fit", WindowsFitEveryLanguage},
};

void TakeFitProbe(const std::string& path) {
    probePath = WindowsPath(path);
}

}  // namespace

int main(int argc, char** argv) {
    const DriverSetUp setUp{"FIT_PROBE_DLL CASE", TakeFitProbe, nullptr};
    return RunDriver(argc, argv, setUp, {{FitCases, std::size(FitCases)}});
}
