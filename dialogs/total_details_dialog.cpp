#include "dialogs/total_details_dialog.h"

// commctrl.h takes its types from windows.h.
#include <commctrl.h>

#include <string>

#include "controls/control_geometry.h"
#include "language/words.h"
#include "resources/dialog_ids.h"
#include "shell/app_theme.h"
#include "shell/clipboard_copy.h"
#include "shell/dpi_support.h"
#include "shell/modal_scope.h"
#include "shell/shell_state.h"
#include "shell/themed_drawing.h"
#include "shell/ui_language.h"
#include "total/total_details.h"

namespace {

enum Column { LineColumn, TextColumn, NumberColumn };
// The columns' widths at 96 DPI; the dialog grows with the DPI, and so do they.
constexpr int LineWidth = 60;
constexpr int TextWidth = 260;
constexpr int NumberWidth = 140;

// The list draws its own background and text: in the dark theme it is told the colours.
void ThemeList(HWND list) {
    if (!DarkShown()) return;
    const ColourScheme& dark = DarkScheme();
    SendMessageA(list, LVM_SETBKCOLOR, 0, dark.FieldFace);
    SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, dark.FieldFace);
    SendMessageA(list, LVM_SETTEXTCOLOR, 0, dark.FieldText);
    SetControlLook(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)),
                   ControlLook::Dark);
}

void AddColumn(HWND list, int column, const char* title, int width, int format) {
    LVCOLUMNW settings = {};
    settings.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    settings.fmt = format;
    settings.cx = width;
    const std::wstring shown = WideWords(Words(title));
    settings.pszText = const_cast<wchar_t*>(shown.c_str());
    SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&settings));
}

std::string SummaryOf(const TotalDetails& details) {
    size_t skipped = 0;
    for (const DetailRow& row : details.Rows) skipped += row.Skipped ? 1 : 0;
    const std::string taken = std::to_string(details.Rows.size() - skipped);
    if (!details.Total.Settings.WHOLE_CELLS) return WordsWith("%1 numbers taken", {taken});
    return WordsWith("%1 numbers taken, %2 cells skipped (whole cells only)",
                     {taken, std::to_string(skipped)});
}

// The list holds no texts of its own: it asks for each cell as it draws it.
void FillCell(const TotalDetails& details, NMLVDISPINFOW& info) {
    if (!(info.item.mask & LVIF_TEXT) || info.item.cchTextMax <= 0) return;
    const DetailRow& row = details.Rows[static_cast<size_t>(info.item.iItem)];
    std::string text;
    if (info.item.iSubItem == LineColumn) {
        text = std::to_string(row.Line);
    } else if (info.item.iSubItem == TextColumn) {
        text = Utf8OfCodePage(DetailText(details, row));
    } else {
        text = row.Skipped ? Words("skipped") : Utf8OfCodePage(DetailNumber(details, row));
    }
    lstrcpynW(info.item.pszText, WideWords(text.c_str()).c_str(), info.item.cchTextMax);
}

void Open(HWND dialog, TotalDetails& details) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&details));
    TranslateDialog(dialog);
    SetDlgItemTextW(dialog, IDC_DETAILS_SUMMARY, WideWords(SummaryOf(details).c_str()).c_str());
    HWND list = GetDlgItem(dialog, IDC_DETAILS_LIST);
    // Cells are asked for as wide text, so words and numbers show whatever the code page.
    SendMessageW(list, CCM_SETUNICODEFORMAT, TRUE, 0);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    const int dpi = static_cast<int>(WindowDpi(dialog));
    AddColumn(list, LineColumn, English("Line"), ScaleForDpi(LineWidth, dpi), LVCFMT_RIGHT);
    AddColumn(list, TextColumn, English("Text"), ScaleForDpi(TextWidth, dpi), LVCFMT_LEFT);
    AddColumn(list, NumberColumn, English("Number"), ScaleForDpi(NumberWidth, dpi), LVCFMT_RIGHT);
    ThemeList(list);
    SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(details.Rows.size()),
                 LVSICF_NOINVALIDATEALL);
}

INT_PTR CALLBACK TotalDetailsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const INT_PTR themed = ThemedDialogMessage(dialog, message, wParam, lParam)) {
        return themed;
    }
    if (message == WM_INITDIALOG) {
        Open(dialog, *reinterpret_cast<TotalDetails*>(lParam));
        return TRUE;
    }
    auto* details = reinterpret_cast<TotalDetails*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (details == nullptr) return FALSE;
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->idFrom != IDC_DETAILS_LIST || header->code != LVN_GETDISPINFOW) return FALSE;
        FillCell(*details, *reinterpret_cast<NMLVDISPINFOW*>(lParam));
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
        case IDC_DETAILS_COPY: {
            const std::string table = TotalDetailsTable(*details);
            CopyTextToClipboard(dialog, table);
            return TRUE;
        }
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void TotalDetailsDialog(HWND owner) {
    // Built anew from the kept text each time: the Total itself collects nothing.
    TotalDetails details = BuildTotalDetails(Shell.Context.LastTotal);
    const ModalScope modal(owner);
    DialogBoxParamW(Shell.Instance, MAKEINTRESOURCEW(IDD_TOTAL_DETAILS), owner,
                    TotalDetailsProcedure, reinterpret_cast<LPARAM>(&details));
}
