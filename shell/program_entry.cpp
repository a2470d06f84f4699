// quillon.exe: the entry point and the one message loop.
#include <windows.h>
// commctrl.h takes its types from windows.h.
#include <commctrl.h>

#include "resources/resource_ids.h"
#include "shell/files_folder.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"
#include "shell/single_window.h"

namespace {

// Every message is offered to the accelerators first, on behalf of the main window
// whichever control it is for, so that Ctrl+C copies even while a button has the focus.
int RunMessageLoop(HACCEL accelerators) {
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(Shell.MainWindow, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int ProgramEntry(HINSTANCE instance, int showCommand) {
    // 1. The product name (title, message captions, settings file) and the class name.
    LoadStringA(instance, IDS_APP_TITLE, Shell.ProductName, TitleBufferSize);
    LoadStringA(instance, IDS_CLASS_NAME, Shell.ClassName, TitleBufferSize);

    // 2. Where the settings and the tape live; a Quillon already working on them is brought
    //    forward instead of a second window.
    ChooseFilesFolder(Shell.ProductName);
    if (!ClaimFilesFolder(FilesFolderText())) return 0;

    // 3. The window class; the tool-tip class comes with the common controls.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    DefineMainClass(instance);

    // 4. The main window builds itself while it is created, then shows and paints.
    if (!CreateMainWindow(instance, showCommand)) return 0;
    MarkMainWindow(Shell.MainWindow);

    // 5. The keyboard shortcuts of the menu.
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDM_MAIN));

    // 6. Until the window is destroyed and the quit message arrives.
    return RunMessageLoop(accelerators);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return ProgramEntry(instance, showCommand);
}
