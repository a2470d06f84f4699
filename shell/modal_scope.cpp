#include "shell/modal_scope.h"

#include "shell/shell_state.h"
#include "shell/tape_view.h"

namespace {

int OpenScopes = 0;

}  // namespace

ModalScope::ModalScope(HWND owner) {
    ++OpenScopes;
    const std::array<HWND, 2> windows = {Shell.MainWindow, TapeShell.Window};
    for (size_t i = 0; i < windows.size(); ++i) {
        HWND window = windows[i];
        if (window == nullptr || window == owner || !IsWindowEnabled(window)) continue;
        EnableWindow(window, FALSE);
        Disabled[i] = window;
    }
}

ModalScope::~ModalScope() {
    for (HWND window : Disabled) {
        if (window != nullptr && IsWindow(window)) EnableWindow(window, TRUE);
    }
    --OpenScopes;
}

bool ModalUiOpen() {
    return OpenScopes > 0;
}

bool RefuseCloseUnderDialog(HWND window) {
    if (!ModalUiOpen()) return false;
    // A dialog of the main window, or else one of the tape window (itself a popup of the main).
    HWND dialog = GetLastActivePopup(Shell.MainWindow);
    if ((dialog == Shell.MainWindow || dialog == TapeShell.Window) && TapeShell.Window != nullptr)
        dialog = GetLastActivePopup(TapeShell.Window);
    if (dialog != window) SetForegroundWindow(dialog);
    return true;
}
