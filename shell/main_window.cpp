#include "shell/main_window.h"

#include "controls/control_geometry.h"
#include "resources/resource_ids.h"
#include "shell/app_theme.h"
#include "shell/business_row.h"
#include "shell/command_dispatch.h"
#include "shell/desk_options.h"
#include "shell/dpi_support.h"
#include "shell/main_controls.h"
#include "shell/modal_scope.h"
#include "shell/round_menus.h"
#include "shell/settings_store.h"
#include "shell/shell_state.h"
#include "shell/tape_window.h"
#include "shell/themed_drawing.h"
#include "shell/ui_language.h"

namespace {

void CreateAllControls(HWND window) {
    const CalcSettings& settings = Shell.Context.Settings;
    FillControlTable(Shell.Controls, settings);
    const int32_t scaleFactor = ScaleFactor(settings);
    for (int32_t row = 0; row < ControlCount; ++row) CreateControl(row, scaleFactor, window);
    CreateAddModeIndicator(scaleFactor, window);
}

void InstallKeyForwarding() {
    for (int32_t row = 0; row < ControlCount; ++row) {
        ControlWindows& windows = Shell.ControlHandles[row];
        const LONG_PTR previous = SetWindowLongPtrA(windows.Control, GWLP_WNDPROC,
                                                    reinterpret_cast<LONG_PTR>(ForwardKeys));
        windows.PreviousProcedure = reinterpret_cast<WNDPROC>(previous);
        SetToolTipText(row, Shell.Context.Settings.TOOL_TIPS);
    }
}

// The window comes to life in this order; it is still hidden throughout.
LRESULT OnCreate(HWND window) {
    LoadSettingsFile();
    ChooseLanguageFromSettings();
    Shell.Dpi = WindowDpi(window);
    CreateAllControls(window);
    InstallKeyForwarding();
    ApplyFonts();
    ApplyBackgroundColour(window);
    FitWindow(window);
    ApplyBusinessKeys(window);
    MarkRoundMenus(window);
    ShowLanguageMenu(window);
    CreateTapeWindow(window);
    FollowTheme(window);
    ApplyAlwaysOnTop(window);
    ShowAddMode(window);
    return 0;
}

// Moved to a monitor of another DPI: the window takes the place the system suggests and
// builds its fonts and layout anew for the new DPI.
LRESULT OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    Shell.Dpi = HIWORD(wParam);
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    ApplyFonts();
    LayoutControls(ScaleFactor(Shell.Context.Settings));
    PlaceWindow(window, {suggested->left, suggested->top});
    return 0;
}

// The system ends the process after WM_ENDSESSION, whatever dialog is open: the settings are
// written now (the tape is on disk after every key and change).
void SaveBeforeSessionEnds(HWND window) {
    RememberWindowPlace(window);
    SaveSettingsFile();
}

LRESULT OnDestroy(HWND window) {
    RememberWindowPlace(window);
    SaveSettingsFile();
    PostQuitMessage(0);
    return 0;
}

// The background brush and the controls paint themselves.
LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    return 0;
}

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(window);
        case WM_CLOSE:
            if (RefuseCloseUnderDialog(window)) return 0;
            break;
        case WM_ENDSESSION:
            if (wParam) SaveBeforeSessionEnds(window);
            return 0;
        case WM_DESTROY:
            return OnDestroy(window);
        case WM_DPICHANGED:
            return OnDpiChanged(window, wParam, lParam);
        case WM_SIZE:
        case WM_MOVE:
            FollowMainWindow();
            return 0;
        case WM_PAINT:
            return OnPaint(window);
        case WM_KEYDOWN:
            KeyDown(window, wParam);
            return 0;
        case WM_KEYUP:
            ReleaseHotKeyClick();
            return 0;
        case WM_CHAR:
            DispatchCharacter(window, static_cast<unsigned char>(wParam));
            return 0;
        case WM_COMMAND:
            if (ExecuteCommand(window, LOWORD(wParam))) return 0;
            break;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush = MainControlColours(reinterpret_cast<HWND>(lParam),
                                                  reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_DRAWITEM:
            DrawKey(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_SETTINGCHANGE:  // "ImmersiveColorSet": the app mode changed
        case WM_SYSCOLORCHANGE:
            FollowTheme(window);
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void DefineMainClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_QUILLON));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_MAIN);
    windowClass.lpszClassName = Shell.ClassName;
    RegisterClassExA(&windowClass);
}

bool CreateMainWindow(HINSTANCE instance, int showCommand) {
    Shell.Instance = instance;
    HWND window = CreateWindowExA(0, Shell.ClassName, Shell.ProductName, MainWindowStyle,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return false;
    Shell.MainWindow = window;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    if (Shell.Context.Settings.TAPE) ShowTapeWindow(true);
    return true;
}
