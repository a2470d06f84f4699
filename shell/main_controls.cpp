#include "shell/main_controls.h"

#include <commctrl.h>

#include "engine/control_geometry.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"
#include "shell/tape_window.h"

namespace {

constexpr int FaceNameBufferSize = 512;
constexpr int PanelTextBufferSize = 512;

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
    return CreateFontA(FontHeight(scaleFactor), 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
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
// command, and an unchanged text must not start another round.
void SetTextIfChanged(HWND window, const DecString& text) {
    char shown[PanelTextBufferSize] = {};
    GetWindowTextA(window, shown, sizeof(shown));
    if (text == shown) return;
    SetWindowTextA(window, text.Text());
}

}  // namespace

void CreateControl(ControlRecord& record, int32_t scaleFactor, HWND parent) {
    const PixelRect rect = ControlRect(record, scaleFactor);
    HWND control = CreateWindowExA(0, record.ClassName.Text(), record.Label.Text(),
                                   StyleBits(record.Style) | WS_CHILD | WS_VISIBLE, rect.Left,
                                   rect.Top, rect.Width, rect.Height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(record.Id)),
                                   Shell.Instance, nullptr);
    record.Window = control;
    HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, control, nullptr,
                               Shell.Instance, nullptr);
    record.TipWindow = tip;
    TOOLINFOA tool = ToolOf(control, "");
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void SetToolTipText(const ControlRecord& record, bool show) {
    TOOLINFOA tool =
        ToolOf(static_cast<HWND>(record.Window), show ? record.ToolTipText.Text() : "");
    SendMessageA(static_cast<HWND>(record.TipWindow), TTM_UPDATETIPTEXTA, 0,
                 reinterpret_cast<LPARAM>(&tool));
}

void LayoutControls(int32_t scaleFactor) {
    for (const ControlRecord& record : Shell.Controls) {
        const PixelRect rect = ControlRect(record, scaleFactor);
        MoveWindow(static_cast<HWND>(record.Window), rect.Left, rect.Top, rect.Width, rect.Height,
                   TRUE);
    }
}

void ApplyFonts() {
    CalcSettings& settings = Shell.Context.Settings;
    const int32_t scaleFactor = ScaleFactor(settings);
    HFONT buttonFont = MakeFont(settings.FONT, scaleFactor);
    HFONT panelFont = MakeFont(settings.FONT_FOR_PANEL, scaleFactor);
    for (int32_t row = 0; row < ControlCount; ++row) {
        HFONT font = row == Shell.Context.PanelIndex ? panelFont : buttonFont;
        SendMessageA(ControlWindow(row), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (Shell.ButtonFont != nullptr) DeleteObject(Shell.ButtonFont);
    if (Shell.PanelFont != nullptr) DeleteObject(Shell.PanelFont);
    Shell.ButtonFont = buttonFont;
    Shell.PanelFont = panelFont;
    settings.FONT_FOR_PANEL = FaceInUse(ControlWindow(Shell.Context.PanelIndex), panelFont);
    settings.FONT = FaceInUse(ControlWindow(Shell.Context.OperatorIndicatorIndex), buttonFont);
    ApplyTapeFont();
}

void ApplyBackgroundColour(HWND mainWindow) {
    HBRUSH brush = CreateSolidBrush(Shell.Context.Settings.BACKGROUND_COLOR);
    SetClassLongPtrA(mainWindow, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
    if (Shell.BackgroundBrush != nullptr) DeleteObject(Shell.BackgroundBrush);
    Shell.BackgroundBrush = brush;
}

void FitWindow(HWND mainWindow) {
    const PixelSize client = ClientSize(Shell.Controls, ScaleFactor(Shell.Context.Settings));
    RECT outer = {0, 0, client.Width, client.Height};
    AdjustWindowRectEx(&outer, MainWindowStyle, TRUE, 0);
    int left = 0;
    int top = 0;
    if (IsWindowVisible(mainWindow)) {
        RECT current = {};
        GetWindowRect(mainWindow, &current);
        left = current.left;
        top = current.top;
    } else {
        left = (GetSystemMetrics(SM_CXSCREEN) + outer.left - outer.right) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) + outer.top - outer.bottom) / 2;
    }
    MoveWindow(mainWindow, left, top, outer.right - outer.left, outer.bottom - outer.top, TRUE);
}

void ShowEngineText(DisplayField field, const DecString& text) {
    const CalcContext& context = Shell.Context;
    switch (field) {
        case DisplayField::Panel:
            SetTextIfChanged(ControlWindow(context.PanelIndex), text);
            break;
        case DisplayField::OperatorIndicator:
            SetTextIfChanged(ControlWindow(context.OperatorIndicatorIndex), text);
            break;
        case DisplayField::MemoryIndicator:
            SetTextIfChanged(ControlWindow(context.MemoryIndicatorIndex), text);
            break;
    }
}
