// GUI tests of quillon.exe: each case starts the real program in its own working
// directory and works it through its message queue. The cases stand in the files named
// gui_*_tests.cpp, by feature.
//
//   quillon-gui-tests QUILLON_EXE MENU_PROBE_DLL CASE
//   quillon-gui-tests QUILLON_EXE MENU_PROBE_DLL screenshot DIRECTORY
#include <windows.h>

#include <string>
#include <vector>

#include "gui_driver.h"
#include "quillon_session.h"
#include "remote_reads.h"
#include "settings_text.h"

extern const GuiCase StartCases[];
extern const size_t StartCasesCount;
extern const GuiCase LayoutCases[];
extern const size_t LayoutCasesCount;
extern const GuiCase InputCases[];
extern const size_t InputCasesCount;
extern const GuiCase DeskCases[];
extern const size_t DeskCasesCount;
extern const GuiCase FilesCases[];
extern const size_t FilesCasesCount;

namespace {

// Shows a window with a number on it, waits for DIRECTORY\shot.png to appear (the script
// that started the driver takes it), then ends the program; in the language LANGUAGE names
// when a second argument gives one.
int HoldForScreenshot(const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments.size() > 2) return 2;
    const std::string directory = WindowsPath(arguments[0]);
    const std::string file =
        KnownFile({{"LANGUAGE", arguments.size() == 2 ? arguments[1] : "AUTO"}});
    CaseRun run("screenshot", file);
    if (!run.Start()) return 1;
    TypeText(run.Session, "1234567.89");
    WaitForScreenshot(directory, "");
    run.Exit();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const DriverSetUp setUp{"MENU_PROBE_DLL CASE|screenshot DIRECTORY", SetMenuProbePath,
                            HoldForScreenshot};
    return RunDriver(argc, argv, setUp,
                     {{StartCases, StartCasesCount},
                      {LayoutCases, LayoutCasesCount},
                      {InputCases, InputCasesCount},
                      {DeskCases, DeskCasesCount},
                      {FilesCases, FilesCasesCount}});
}
