#include "dialogs/customize_view_dialog.h"

#include <commdlg.h>

#include <cstdlib>
#include <string>

#include "calculator/separator_change.h"
#include "controls/control_geometry.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/font_chooser_dialog.h"
#include "language/words.h"
#include "resources/dialog_ids.h"
#include "settings/separator_rules.h"
#include "shell/help_and_about.h"
#include "shell/main_controls.h"
#include "shell/modal_scope.h"
#include "shell/shell_state.h"
#include "shell/tape_window.h"
#include "shell/themed_drawing.h"
#include "shell/ui_language.h"

namespace {

constexpr int FaceBufferSize = 512;
constexpr int DefaultFaceHeight = 20;
constexpr LONG HeaviestWeight = 1000;

// The 16 custom colours the colour chooser offers, as red, green, blue.
constexpr COLORREF ViewCustomColors[16] = {
    RGB(255, 0, 0),     RGB(255, 128, 0),   RGB(255, 255, 0),   RGB(128, 255, 0),
    RGB(0, 255, 0),     RGB(0, 255, 128),   RGB(0, 255, 255),   RGB(0, 128, 255),
    RGB(0, 0, 255),     RGB(128, 0, 255),   RGB(255, 0, 255),   RGB(255, 0, 128),
    RGB(100, 100, 100), RGB(150, 150, 150), RGB(175, 175, 175), RGB(200, 200, 200),
};

HFONT boldLabelFont = nullptr;  // the two face labels, while the dialog is open

void CheckItem(HWND dialog, int id, bool on) {
    CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}
bool ItemChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void SetCharField(HWND dialog, int id, char c) {
    const char text[2] = {c, '\0'};
    SetDlgItemTextA(dialog, id, text);
}

// "None", then the two groupings of 123456789 with the separator being typed.
void FillGroupingSamples(HWND dialog, char separator) {
    HWND list = GetDlgItem(dialog, IDC_VIEW_DIGIT_GROUPING);
    const LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    const char* samples[3][4] = {{""}, {"123", "456", "789"}, {"12", "34", "56", "789"}};
    for (const auto& groups : samples) {
        DecString sample;
        for (const char* group : groups) {
            if (group == nullptr) break;
            if (!sample.Empty() && groups[1] != nullptr && separator != '\0')
                sample.AppendChar(separator);
            sample.AppendText(group);
        }
        const std::wstring shown =
            WideWords(sample.Empty() ? Words("None") : Utf8OfCodePage(sample.Text()).c_str());
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    }
    if (selected != CB_ERR) SendMessageA(list, CB_SETCURSEL, selected, 0);
}

COLORREF ColourOnButton(HWND dialog) {
    return static_cast<COLORREF>(
        std::strtoul(FieldText(dialog, IDC_VIEW_COLOUR).Text(), nullptr, 10));
}

// Gives button 7 a picture of the colour its text holds.
void PaintColorSwatch(HWND dialog) {
    HWND button = GetDlgItem(dialog, IDC_VIEW_COLOUR);
    RECT area = {};
    GetClientRect(button, &area);
    HDC buttonContext = GetDC(button);
    HDC drawing = CreateCompatibleDC(buttonContext);
    HBITMAP swatch = CreateCompatibleBitmap(buttonContext, area.right, area.bottom);
    HBRUSH brush = CreateSolidBrush(ColourOnButton(dialog));
    HGDIOBJ previous = SelectObject(drawing, swatch);
    FillRect(drawing, &area, brush);
    SelectObject(drawing, previous);
    DeleteDC(drawing);
    ReleaseDC(button, buttonContext);
    HGDIOBJ old = reinterpret_cast<HGDIOBJ>(
        SendMessageA(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(swatch)));
    if (old != nullptr) DeleteObject(old);
    DeleteObject(brush);
}

void SetColourOnButton(HWND dialog, COLORREF colour) {
    DecString text;
    text.AppendText(std::to_string(static_cast<unsigned long>(colour)).c_str());
    SetDlgItemTextA(dialog, IDC_VIEW_COLOUR, text.Text());
    PaintColorSwatch(dialog);
}

void FillViewDialog(HWND dialog, const CalcSettings& settings) {
    CheckItem(dialog, IDC_VIEW_LEADING_ZERO, settings.LEADING_ZERO);
    CheckItem(dialog, IDC_VIEW_HOT_KEY_AS_CLICK, settings.HOT_KEY_AS_CLICK);
    CheckItem(dialog, IDC_VIEW_TOOL_TIPS, settings.TOOL_TIPS);
    const int scale = settings.SCALE >= 0 && settings.SCALE <= 2 ? settings.SCALE : 3;
    CheckRadioButton(dialog, IDC_VIEW_SCALE_100, IDC_VIEW_SCALE_400, IDC_VIEW_SCALE_100 + scale);
    SetCharField(dialog, IDC_VIEW_THOUSAND_SEPARATOR, settings.THOUSAND_SEPARATOR);
    SetCharField(dialog, IDC_VIEW_DECIMAL_SEPARATOR, settings.DECIMAL_SEPARATOR);
    SetDlgItemTextA(dialog, IDC_VIEW_BUTTON_FONT, settings.FONT.Text());
    SetDlgItemTextA(dialog, IDC_VIEW_PANEL_FONT, settings.FONT_FOR_PANEL.Text());
    FillGroupingSamples(dialog, SeparatorFromField(FieldText(dialog, IDC_VIEW_THOUSAND_SEPARATOR)));
    SendDlgItemMessageA(dialog, IDC_VIEW_DIGIT_GROUPING, CB_SETCURSEL,
                        static_cast<WPARAM>(settings.DIGIT_GROUPING), 0);
    SetColourOnButton(dialog, settings.BACKGROUND_COLOR);
}

void ChooseBackgroundColour(HWND dialog) {
    COLORREF customColours[16];
    for (int i = 0; i < 16; ++i) customColours[i] = ViewCustomColors[i];
    CHOOSECOLORA choice = {};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = dialog;
    choice.lpCustColors = customColours;
    choice.Flags = CC_ANYCOLOR;
    if (!ChooseColorA(&choice)) return;
    SetColourOnButton(dialog, choice.rgbResult);
    InvalidateRect(dialog, nullptr, FALSE);
}

// The face the system really uses for `face`.
DecString ResolvedFace(HWND dialog, const DecString& face) {
    HFONT font = CreateFontA(DefaultFaceHeight, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                             ANTIALIASED_QUALITY, 0, face.Text());
    HDC context = GetDC(dialog);
    HGDIOBJ previous = SelectObject(context, font);
    char used[FaceBufferSize] = {};
    GetTextFaceA(context, FaceBufferSize - 1, used);
    SelectObject(context, previous);
    ReleaseDC(dialog, context);
    DeleteObject(font);
    return DecString(used);
}

void FillWithDefaults(HWND dialog) {
    CalcSettings defaults;
    LoadDefaultSettings(defaults, Shell.Platform.QueryLocale());
    defaults.FONT = ResolvedFace(dialog, defaults.FONT);
    defaults.FONT_FOR_PANEL = defaults.FONT;
    FillViewDialog(dialog, defaults);
}

int SelectedScale(HWND dialog) {
    for (int scale = 0; scale < 3; ++scale) {
        if (ItemChecked(dialog, IDC_VIEW_SCALE_100 + scale)) return scale;
    }
    return 3;
}

// Fonts, scale and colour on the running window.
void ApplyLook(HWND dialog) {
    CalcSettings& settings = Shell.Context.Settings;
    for (int32_t row = 0; row < ControlCount; ++row) SetToolTipText(row, settings.TOOL_TIPS);
    ApplyFonts();
    LayoutControls(ScaleFactor(settings));
    FitWindow(Shell.MainWindow);
    settings.BACKGROUND_COLOR = ColourOnButton(dialog);
    ApplyBackgroundColour(Shell.MainWindow);
}

void ApplySeparators(char thousand, char decimal) {
    const char oldThousand = Shell.Context.Settings.THOUSAND_SEPARATOR;
    const char oldDecimal = Shell.Context.Settings.DECIMAL_SEPARATOR;
    ApplyNewSeparators(Shell.Context, thousand, decimal);
    if (thousand != oldThousand || decimal != oldDecimal) {
        ConvertTapeToNewSeparators(oldThousand, oldDecimal);
    }
    SetDecimalKey(Shell.Controls, decimal);
    SetWindowTextA(ControlWindow(DecimalKeyRow), Shell.Controls[DecimalKeyRow].Label.Text());
}

// OK and Apply: takes every control's value into the live settings and the running window;
// false, with the dialog left open, when the separators are refused.
bool ApplyViewSettings(HWND dialog) {
    const char thousand = SeparatorFromField(FieldText(dialog, IDC_VIEW_THOUSAND_SEPARATOR));
    const char decimal = SeparatorFromField(FieldText(dialog, IDC_VIEW_DECIMAL_SEPARATOR));
    if (const char* refusal = CheckViewSeparators(thousand, decimal)) {
        ShowDialogMessage(dialog, refusal);
        return false;
    }
    CalcSettings& settings = Shell.Context.Settings;
    settings.FONT = FieldText(dialog, IDC_VIEW_BUTTON_FONT);
    settings.FONT_FOR_PANEL = FieldText(dialog, IDC_VIEW_PANEL_FONT);
    settings.SCALE = SelectedScale(dialog);
    settings.LEADING_ZERO = ItemChecked(dialog, IDC_VIEW_LEADING_ZERO);
    settings.HOT_KEY_AS_CLICK = ItemChecked(dialog, IDC_VIEW_HOT_KEY_AS_CLICK);
    settings.TOOL_TIPS = ItemChecked(dialog, IDC_VIEW_TOOL_TIPS);
    const LRESULT grouping =
        SendDlgItemMessageA(dialog, IDC_VIEW_DIGIT_GROUPING, CB_GETCURSEL, 0, 0);
    if (grouping != CB_ERR) settings.DIGIT_GROUPING = static_cast<DigitGrouping>(grouping);
    ApplyLook(dialog);
    ApplySeparators(thousand, decimal);
    RedrawWindow(Shell.MainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return true;
}

void MakeFaceLabelsBold(HWND dialog) {
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(
                   SendDlgItemMessageA(dialog, IDC_VIEW_BUTTON_FONT, WM_GETFONT, 0, 0)),
               sizeof(font), &font);
    font.lfWeight = HeaviestWeight;
    boldLabelFont = CreateFontIndirectA(&font);
    SendDlgItemMessageA(dialog, IDC_VIEW_BUTTON_FONT, WM_SETFONT,
                        reinterpret_cast<WPARAM>(boldLabelFont), FALSE);
    SendDlgItemMessageA(dialog, IDC_VIEW_PANEL_FONT, WM_SETFONT,
                        reinterpret_cast<WPARAM>(boldLabelFont), FALSE);
}

BOOL OnInit(HWND dialog) {
    TranslateDialog(dialog);
    FillViewDialog(dialog, Shell.Context.Settings);
    SendDlgItemMessageA(dialog, IDC_VIEW_THOUSAND_SEPARATOR, EM_LIMITTEXT, 1, 0);
    SendDlgItemMessageA(dialog, IDC_VIEW_DECIMAL_SEPARATOR, EM_LIMITTEXT, 1, 0);
    MakeFaceLabelsBold(dialog);
    return TRUE;
}

BOOL OnCommand(HWND dialog, WORD id, WORD notification) {
    switch (id) {
        case IDC_VIEW_THOUSAND_SEPARATOR:
            if (notification != EN_CHANGE) return FALSE;
            FillGroupingSamples(dialog,
                                SeparatorFromField(FieldText(dialog, IDC_VIEW_THOUSAND_SEPARATOR)));
            return TRUE;
        case IDOK:
            if (ApplyViewSettings(dialog)) EndDialog(dialog, IDOK);
            return TRUE;
        case IDC_VIEW_APPLY:
            ApplyViewSettings(dialog);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_VIEW_SET_DEFAULT:
            FillWithDefaults(dialog);
            return TRUE;
        case IDC_VIEW_HELP:
            ShowHelp(dialog, HelpCustomizeView);
            return TRUE;
        case IDC_VIEW_COLOUR:
            ChooseBackgroundColour(dialog);
            return TRUE;
        case IDC_VIEW_SELECT_PANEL_FONT:
            FontChooserDialog(dialog, IDC_VIEW_PANEL_FONT);
            return TRUE;
        case IDC_VIEW_SELECT_BUTTON_FONT:
            FontChooserDialog(dialog, IDC_VIEW_BUTTON_FONT);
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK CustomizeViewProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const INT_PTR themed = ThemedDialogMessage(dialog, message, wParam, lParam)) {
        return themed;
    }
    switch (message) {
        case WM_INITDIALOG:
            return OnInit(dialog);
        case WM_COMMAND:
            return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        case WM_DESTROY:
            DeleteObject(reinterpret_cast<HGDIOBJ>(
                SendDlgItemMessageA(dialog, IDC_VIEW_COLOUR, BM_GETIMAGE, IMAGE_BITMAP, 0)));
            if (boldLabelFont != nullptr) DeleteObject(boldLabelFont);
            boldLabelFont = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

void CustomizeViewDialog(HWND owner) {
    const ModalScope modal(owner);
    DialogBoxParamW(Shell.Instance, MAKEINTRESOURCEW(IDD_CUSTOMIZE_VIEW), owner,
                    CustomizeViewProcedure, 0);
}
