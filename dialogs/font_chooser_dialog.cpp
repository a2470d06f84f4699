#include "dialogs/font_chooser_dialog.h"

#include <string>

#include "controls/control_geometry.h"
#include "resources/dialog_ids.h"
#include "shell/dpi_support.h"
#include "shell/shell_state.h"
#include "shell/themed_drawing.h"
#include "shell/ui_language.h"

namespace {

constexpr int FaceBufferSize = 256;
constexpr int PreviewHeight = 48;
constexpr int PreviewCell = 64;

// One chooser is open at a time.
struct FontChooserState {
    int TargetLabel = 0;
    HWND Owner = nullptr;
    HFONT PreviewFont = nullptr;
} chooser;

// Each TrueType family once: some systems report a family once for every character set.
int CALLBACK AddTrueTypeFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType,
                               LPARAM listParameter) {
    HWND list = reinterpret_cast<HWND>(listParameter);
    const LPARAM face = reinterpret_cast<LPARAM>(font->lfFaceName);
    if ((fontType & TRUETYPE_FONTTYPE) &&
        SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), face) == LB_ERR) {
        SendMessageA(list, LB_ADDSTRING, 0, face);
    }
    return 1;
}

void ListTrueTypeFamilies(HWND dialog) {
    HDC context = GetDC(dialog);
    EnumFontFamiliesA(context, nullptr, AddTrueTypeFamily,
                      reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_FONT_LIST)));
    ReleaseDC(dialog, context);
}

std::string SelectedFace(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_FONT_LIST);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    char face[FaceBufferSize] = {};
    if (selected != LB_ERR && SendMessageA(list, LB_GETTEXTLEN, selected, 0) < FaceBufferSize) {
        SendMessageA(list, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(face));
    }
    return face;
}

void MakePreviewFont(HWND dialog) {
    if (chooser.PreviewFont != nullptr) DeleteObject(chooser.PreviewFont);
    const int height = ScaleForDpi(PreviewHeight, static_cast<int32_t>(WindowDpi(dialog)));
    chooser.PreviewFont = CreateFontA(height, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                      ANTIALIASED_QUALITY, 0, SelectedFace(dialog).c_str());
}

// The first face that begins with the label's text, ignoring case; else the first face.
void SelectStartingFace(HWND dialog) {
    char face[FaceBufferSize] = {};
    GetDlgItemTextA(chooser.Owner, chooser.TargetLabel, face, FaceBufferSize);
    HWND list = GetDlgItem(dialog, IDC_FONT_LIST);
    LRESULT found =
        SendMessageA(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(face));
    SendMessageA(list, LB_SETCURSEL, found == LB_ERR ? 0 : found, 0);
}

// The digits 1 to 9 in three rows of three 64-pixel cells (at 96 DPI).
void PaintPreview(const DRAWITEMSTRUCT& item) {
    const int cellSize = ScaleForDpi(PreviewCell, static_cast<int32_t>(WindowDpi(item.hwndItem)));
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ previous = SelectObject(item.hDC, chooser.PreviewFont);
    for (int digit = 1; digit <= 9; ++digit) {
        const int row = (digit - 1) / 3;
        const int column = (digit - 1) % 3;
        RECT cell = {column * cellSize, row * cellSize, (column + 1) * cellSize,
                     (row + 1) * cellSize};
        const char text[2] = {static_cast<char>('0' + digit), '\0'};
        DrawTextA(item.hDC, text, 1, &cell, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    SelectObject(item.hDC, previous);
}

void TakeFace(HWND dialog) {
    SetDlgItemTextA(chooser.Owner, chooser.TargetLabel, SelectedFace(dialog).c_str());
    EndDialog(dialog, 1);
}

BOOL OnInit(HWND dialog, LPARAM labelId) {
    TranslateDialog(dialog);
    chooser.TargetLabel = static_cast<int>(labelId);
    ListTrueTypeFamilies(dialog);
    chooser.Owner = GetParent(dialog);
    SelectStartingFace(dialog);
    MakePreviewFont(dialog);
    return TRUE;
}

BOOL OnCommand(HWND dialog, WORD id, WORD notification) {
    if (id == IDC_FONT_LIST && notification == LBN_SELCHANGE) {
        MakePreviewFont(dialog);
        InvalidateRect(GetDlgItem(dialog, IDC_FONT_PREVIEW), nullptr, FALSE);
    } else if ((id == IDC_FONT_LIST && notification == LBN_DBLCLK) || id == IDOK) {
        TakeFace(dialog);
    } else if (id == IDCANCEL) {
        EndDialog(dialog, 0);
    } else {
        return FALSE;
    }
    return TRUE;
}

INT_PTR CALLBACK FontChooserProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const INT_PTR themed = ThemedDialogMessage(dialog, message, wParam, lParam)) {
        return themed;
    }
    switch (message) {
        case WM_INITDIALOG:
            return OnInit(dialog, lParam);
        case WM_COMMAND:
            return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        case WM_DRAWITEM:
            if (wParam != IDC_FONT_PREVIEW) return FALSE;
            PaintPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_DESTROY:
            if (chooser.PreviewFont != nullptr) DeleteObject(chooser.PreviewFont);
            chooser.PreviewFont = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

void FontChooserDialog(HWND owner, int labelId) {
    DialogBoxParamW(Shell.Instance, MAKEINTRESOURCEW(IDD_FONT_CHOOSER), owner, FontChooserProcedure,
                    labelId);
}
