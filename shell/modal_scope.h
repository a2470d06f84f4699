// While a dialog, message box or common dialog of Quillon is open, no window of Quillon under
// it can be used or closed. The system disables the dialog's owner; a ModalScope, living for as
// long as the dialog runs, disables Quillon's other top-level windows (the main window and the
// tape window) and gives them back as they were, and the windows refuse WM_CLOSE meanwhile: a
// closed owner would take its open dialog down with it.
#pragma once

#include <windows.h>

#include <array>

class ModalScope {
   public:
    // `owner` is the window the dialog or box is owned by: the system disables and enables it.
    explicit ModalScope(HWND owner);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

   private:
    std::array<HWND, 2> Disabled{};  // the windows this scope disabled, to enable again
};

// True while a dialog or message box of Quillon is open.
bool ModalUiOpen();

// For a window's WM_CLOSE: while a dialog is open the close is refused and the dialog comes to
// the front (true); otherwise false, and the window closes as usual.
bool RefuseCloseUnderDialog(HWND window);
