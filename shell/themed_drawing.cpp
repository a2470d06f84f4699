#include "shell/themed_drawing.h"

#include <commctrl.h>

#include <utility>
#include <vector>

#include "controls/control_geometry.h"
#include "shell/app_theme.h"
#include "shell/high_contrast.h"
#include "shell/shell_state.h"

namespace {

constexpr int ClassNameSize = 32;
constexpr int FocusInset = 4;  // at 96 DPI, from the key's edge to its focus ring
constexpr int FocusWidth = 2;

HBRUSH Colours(HDC dc, uint32_t text, uint32_t face) {
    SetTextColor(dc, text);
    SetBkColor(dc, face);
    return SchemeBrush(face);
}

void FrameWith(HDC dc, const RECT& rect, uint32_t colour, int width) {
    HBRUSH brush = SchemeBrush(colour);
    for (int i = 0; i < width; ++i) {
        const RECT ring = {rect.left + i, rect.top + i, rect.right - i, rect.bottom - i};
        FrameRect(dc, &ring, brush);
    }
}

// Check boxes, radio buttons and group boxes take the dialog's text colour only without the
// system's look; other controls take the system's dark look where it has one.
bool TakesOurTextColour(HWND control) {
    char name[ClassNameSize] = {};
    GetClassNameA(control, name, ClassNameSize);
    if (lstrcmpiA(name, "Button") != 0) return false;
    const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON && type != BS_OWNERDRAW;
}

bool IsGroupBox(HWND control) {
    char name[ClassNameSize] = {};
    GetClassNameA(control, name, ClassNameSize);
    return lstrcmpiA(name, "Button") == 0 &&
           (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// A group box's caption keeps the system's text colour on some systems whatever the dialog
// answers: in the dark theme the box is drawn here, a frame and its caption on the face.
LRESULT CALLBACK DarkGroupBox(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
    if (message != WM_PAINT) return DefSubclassProc(box, message, wParam, lParam);
    const ColourScheme& dark = DarkScheme();
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(box, &paint);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    RECT frame = {};
    GetClientRect(box, &frame);
    frame.top += metrics.tmHeight / 2;
    FrameWith(dc, frame, dark.KeyFrame, 1);
    // Wide: the caption is in the chosen language, whatever the code page.
    wchar_t caption[ClassNameSize * 4] = {};
    const int length = GetWindowTextW(box, caption, ClassNameSize * 4);
    if (length > 0) {
        RECT label = {metrics.tmAveCharWidth, 0, frame.right, metrics.tmHeight};
        DrawTextW(dc, caption, length, &label, DT_SINGLELINE | DT_CALCRECT);
        InflateRect(&label, metrics.tmAveCharWidth / 2, 0);
        FillRect(dc, &label, SchemeBrush(dark.DialogFace));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, dark.DialogText);
        DrawTextW(dc, caption, length, &label, DT_SINGLELINE | DT_CENTER);
    }
    SelectObject(dc, previous);
    EndPaint(box, &paint);
    return 0;
}

BOOL CALLBACK ThemeChild(HWND child, LPARAM) {
    SetControlLook(child, TakesOurTextColour(child) ? ControlLook::Classic : ControlLook::Dark);
    if (IsGroupBox(child)) SetWindowSubclass(child, DarkGroupBox, 0, 0);
    return TRUE;
}

}  // namespace

HBRUSH SchemeBrush(uint32_t colour) {
    static std::vector<std::pair<uint32_t, HBRUSH>> brushes;
    for (const auto& [made, brush] : brushes) {
        if (made == colour) return brush;
    }
    brushes.emplace_back(colour, CreateSolidBrush(colour));
    return brushes.back().second;
}

HBRUSH MainControlColours(HWND control, HDC dc) {
    if (HBRUSH brush = HighContrastPanelColours(control, dc)) return brush;
    if (!DarkShown()) return nullptr;
    const ColourScheme& dark = DarkScheme();
    if (control == ControlWindow(PanelRow)) return Colours(dc, dark.PanelText, dark.PanelFace);
    return Colours(dc, dark.IndicatorText, dark.IndicatorFace);
}

void DrawKey(const DRAWITEMSTRUCT& item) {
    const ColourScheme& dark = DarkScheme();
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const RECT& rect = item.rcItem;
    FillRect(item.hDC, &rect, SchemeBrush(pressed ? dark.KeyPressedFace : dark.KeyFace));
    FrameWith(item.hDC, rect, dark.KeyFrame, 1);
    char label[ClassNameSize] = {};
    const int length = GetWindowTextA(item.hwndItem, label, ClassNameSize);
    HGDIOBJ previous = SelectObject(
        item.hDC, reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, pressed ? dark.KeyPressedText : dark.KeyText);
    RECT box = rect;
    if (pressed) OffsetRect(&box, 1, 1);
    DrawTextA(item.hDC, label, length, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, previous);
    if (item.itemState & ODS_FOCUS) {
        const int inset = ScaleForDpi(FocusInset, static_cast<int32_t>(Shell.Dpi));
        const RECT ring = {rect.left + inset, rect.top + inset, rect.right - inset,
                           rect.bottom - inset};
        FrameWith(item.hDC, ring, dark.KeyFocus,
                  ScaleForDpi(FocusWidth, static_cast<int32_t>(Shell.Dpi)));
    }
}

INT_PTR ThemedDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        ThemeTitleBar(dialog);
        if (DarkShown()) EnumChildWindows(dialog, ThemeChild, 0);
        return FALSE;
    }
    if (!DarkShown()) return FALSE;
    const ColourScheme& dark = DarkScheme();
    const auto dc = reinterpret_cast<HDC>(wParam);
    switch (message) {
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return reinterpret_cast<INT_PTR>(Colours(dc, dark.DialogText, dark.DialogFace));
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return reinterpret_cast<INT_PTR>(Colours(dc, dark.FieldText, dark.FieldFace));
        default:
            return FALSE;
    }
}
