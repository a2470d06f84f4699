#include "shell/main_controls.h"

#include <commctrl.h>

#include "controls/control_geometry.h"
#include "language/words.h"
#include "shell/announce.h"
#include "shell/app_theme.h"
#include "shell/desk_options.h"
#include "shell/dpi_support.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"
#include "shell/tape_window.h"
#include "shell/ui_language.h"

namespace {

constexpr int FaceNameBufferSize = 512;
constexpr int PanelTextBufferSize = 512;

const char* WindowClass(ControlStyle style) {
    switch (style) {
        case ControlStyle::Panel:
            return "EDIT";
        case ControlStyle::Button:
            return "BUTTON";
        case ControlStyle::Indicator:
            return "STATIC";
    }
    return "STATIC";
}

DWORD StyleBits(ControlStyle style) {
    switch (style) {
        case ControlStyle::Panel:
            return WS_BORDER | ES_READONLY | ES_RIGHT;
        case ControlStyle::Button:
            return BS_PUSHBUTTON;
        case ControlStyle::Indicator:
            return SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN | SS_NOTIFY;
    }
    return 0;
}

// The tool is the whole control, identified by its handle; the tip window watches the
// control's mouse messages itself.
TOOLINFOA ToolOf(HWND control, const char* text) {
    TOOLINFOA tool = {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = control;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);  // the tip window copies the text
    return tool;
}

HFONT MakeFont(const DecString& face, int32_t scaleFactor) {
    return CreateFontA(FontHeight(scaleFactor, Shell.Dpi), 0, 0, 0, FW_DONTCARE, FALSE, FALSE,
                       FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.Text());
}

// The face the system uses for `font` when drawing in `window`.
DecString FaceInUse(HWND window, HFONT font) {
    char face[FaceNameBufferSize] = {};
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font);
    GetTextFaceA(dc, FaceNameBufferSize, face);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return DecString(face);
}

// Sets the text only when it differs: the panel reports every change of its text as a
// command, and an unchanged text must not start another round. True when it changed.
bool SetTextIfChanged(HWND window, const DecString& text) {
    char shown[PanelTextBufferSize] = {};
    GetWindowTextA(window, shown, sizeof(shown));
    if (text == shown) return false;
    SetWindowTextA(window, text.Text());
    return true;
}

void MoveToRect(HWND control, const PixelRect& rect) {
    MoveWindow(control, rect.Left, rect.Top, rect.Width, rect.Height, TRUE);
}

// The tool tips take the system's tip font at the window's DPI.
void ApplyTipFont() {
    HFONT tipFont = MakeTipFont(Shell.Dpi);
    for (const ControlWindows& windows : Shell.ControlHandles) {
        SendMessageA(windows.ToolTip, WM_SETFONT, reinterpret_cast<WPARAM>(tipFont), FALSE);
    }
    if (Shell.TipFont != nullptr) DeleteObject(Shell.TipFont);
    Shell.TipFont = tipFont;
}

}  // namespace

void CreateControl(int32_t row, int32_t scaleFactor, HWND parent) {
    const ControlRecord& record = Shell.Controls[row];
    ControlWindows& windows = Shell.ControlHandles[row];
    const PixelRect rect = ControlRect(record, scaleFactor, Shell.Dpi);
    HWND control = CreateWindowExA(
        0, WindowClass(record.Style), record.Label.Text(),
        StyleBits(record.Style) | WS_CHILD | (record.Shown ? WS_VISIBLE : 0), rect.Left, rect.Top,
        rect.Width, rect.Height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(record.Id)),
        Shell.Instance, nullptr);
    windows.Control = control;
    // The tip window has no owner: a window that owns popups does not always become topmost
    // (Wine keeps such a window below its popups without the topmost style), and a tip is
    // topmost by itself. It watches the control through the subclass all the same.
    HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                               Shell.Instance, nullptr);
    windows.ToolTip = tip;
    TOOLINFOA tool = ToolOf(control, "");
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void SetToolTipText(int32_t row, bool show) {
    const ControlWindows& windows = Shell.ControlHandles[row];
    const std::wstring text = WideWords(show ? Words(Shell.Controls[row].ToolTipText.Text()) : "");
    TOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = windows.Control;
    tool.uId = reinterpret_cast<UINT_PTR>(windows.Control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());  // the tip window copies the text
    SendMessageW(windows.ToolTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CreateAddModeIndicator(int32_t scaleFactor, HWND parent) {
    const PixelRect rect = LayoutRect(AddModeIndicatorBox, scaleFactor, Shell.Dpi);
    Shell.AddModeIndicator = CreateWindowExA(
        0, "STATIC", AddModeIndicatorText, StyleBits(ControlStyle::Indicator) | WS_CHILD, rect.Left,
        rect.Top, rect.Width, rect.Height, parent, nullptr, Shell.Instance, nullptr);
}

void LayoutControls(int32_t scaleFactor) {
    for (int32_t row = 0; row < ControlCount; ++row) {
        MoveToRect(ControlWindow(row), ControlRect(Shell.Controls[row], scaleFactor, Shell.Dpi));
    }
    MoveToRect(Shell.AddModeIndicator, LayoutRect(AddModeIndicatorBox, scaleFactor, Shell.Dpi));
}

void ApplyFonts() {
    CalcSettings& settings = Shell.Context.Settings;
    const int32_t scaleFactor = ScaleFactor(settings);
    HFONT buttonFont = MakeFont(settings.FONT, scaleFactor);
    HFONT panelFont = MakeFont(settings.FONT_FOR_PANEL, scaleFactor);
    for (int32_t row = 0; row < ControlCount; ++row) {
        HFONT font = row == PanelRow ? panelFont : buttonFont;
        SendMessageA(ControlWindow(row), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (Shell.ButtonFont != nullptr) DeleteObject(Shell.ButtonFont);
    if (Shell.PanelFont != nullptr) DeleteObject(Shell.PanelFont);
    SendMessageA(Shell.AddModeIndicator, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont), FALSE);
    Shell.ButtonFont = buttonFont;
    Shell.PanelFont = panelFont;
    ApplyTipFont();
    settings.FONT_FOR_PANEL = FaceInUse(ControlWindow(PanelRow), panelFont);
    settings.FONT = FaceInUse(ControlWindow(OperatorIndicatorRow), buttonFont);
    ApplyTapeFont();
}

void ApplyBackgroundColour(HWND mainWindow) {
    // In high contrast the class brush is the system colour itself, which follows the theme;
    // the dark theme has a colour of its own, and the user's colour waits for the light one.
    const ColourScheme* scheme = ShownScheme();
    const uint32_t colour = DarkShown() ? scheme->Window : Shell.Context.Settings.BACKGROUND_COLOR;
    HBRUSH brush = scheme == nullptr ? nullptr : CreateSolidBrush(colour);
    SetClassLongPtrA(mainWindow, GCLP_HBRBACKGROUND,
                     brush != nullptr ? reinterpret_cast<LONG_PTR>(brush) : COLOR_WINDOW + 1);
    if (Shell.BackgroundBrush != nullptr) DeleteObject(Shell.BackgroundBrush);
    Shell.BackgroundBrush = brush;
}

RECT OuterRect() {
    const PixelSize client =
        ClientSize(Shell.Controls, ScaleFactor(Shell.Context.Settings), Shell.Dpi);
    RECT outer = {0, 0, client.Width, client.Height};
    AdjustRectForDpi(outer, MainWindowStyle, Shell.Dpi);
    return outer;
}

void PlaceWindow(HWND mainWindow, POINT corner) {
    const RECT outer = OuterRect();
    MoveWindow(mainWindow, corner.x, corner.y, outer.right - outer.left, outer.bottom - outer.top,
               TRUE);
    // The frame computation can miss what the system really draws (a menu bar at another
    // DPI than the one the window is told about): the client area decides.
    const PixelSize wanted =
        ClientSize(Shell.Controls, ScaleFactor(Shell.Context.Settings), Shell.Dpi);
    RECT client = {};
    GetClientRect(mainWindow, &client);
    if (client.right == wanted.Width && client.bottom == wanted.Height) return;
    MoveWindow(mainWindow, corner.x, corner.y,
               outer.right - outer.left + wanted.Width - client.right,
               outer.bottom - outer.top + wanted.Height - client.bottom, TRUE);
}

void FitWindow(HWND mainWindow) {
    const RECT outer = OuterRect();
    POINT corner = {};
    if (IsWindowVisible(mainWindow)) {
        RECT current = {};
        GetWindowRect(mainWindow, &current);
        corner = {current.left, current.top};
    } else {
        const POINT centred = {(GetSystemMetrics(SM_CXSCREEN) + outer.left - outer.right) / 2,
                               (GetSystemMetrics(SM_CYSCREEN) + outer.top - outer.bottom) / 2};
        corner = OpeningPlace(outer, centred);
    }
    PlaceWindow(mainWindow, corner);
}

void ShowEngineText(DisplayField field, const DecString& text) {
    bool changed = false;
    switch (field) {
        case DisplayField::Panel:
            changed = SetTextIfChanged(ControlWindow(PanelRow), text);
            break;
        case DisplayField::OperatorIndicator:
            changed = SetTextIfChanged(ControlWindow(OperatorIndicatorRow), text);
            break;
        case DisplayField::MemoryIndicator:
            changed = SetTextIfChanged(ControlWindow(MemoryIndicatorRow), text);
            break;
        case DisplayField::GrandTotalIndicator:
            changed = SetTextIfChanged(ControlWindow(GrandTotalIndicatorRow), text);
            break;
    }
    if (changed) NoteDisplayChange(field);
}
