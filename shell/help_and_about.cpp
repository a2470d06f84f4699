#include "shell/help_and_about.h"

#include <shellapi.h>

#include "controls/control_geometry.h"
#include "decimal/dec_string.h"
#include "language/words.h"
#include "resources/dialog_ids.h"
#include "resources/resource_ids.h"
#include "shell/dpi_support.h"
#include "shell/files_folder.h"
#include "shell/modal_scope.h"
#include "shell/shell_state.h"
#include "shell/themed_drawing.h"
#include "shell/ui_language.h"

namespace {

constexpr int AboutTextSize = 512;

// "Quillon.chm", or "-mapid 2 Quillon.chm" for a topic.
DecString HelpParameters(int32_t topic) {
    DecString parameters;
    if (topic != HelpStartPage) {
        parameters.AppendText("-mapid ");
        parameters.AppendInteger(topic);
        parameters.AppendChar(' ');
    }
    parameters.AppendText(Shell.ProductName);
    parameters.AppendText(".chm");
    return parameters;
}

DecString LoadedText(UINT id) {
    char text[AboutTextSize] = {};
    LoadStringA(Shell.Instance, id, text, AboutTextSize);
    return DecString(text);
}

void FillAboutLines(HWND dialog) {
    const std::string nameAndVersion = WordsWith(
        "%1 version %2", {LoadedText(IDS_APP_TITLE).Text(), LoadedText(IDS_VERSION).Text()});
    SetDlgItemTextW(dialog, IDC_ABOUT_NAME_VERSION, WideWords(nameAndVersion.c_str()).c_str());
    for (const UINT line : {IDS_ABOUT_LINE_2, IDS_ABOUT_LINE_3}) {
        const int item = line == IDS_ABOUT_LINE_2 ? IDC_ABOUT_LINE_2 : IDC_ABOUT_LINE_3;
        SetDlgItemTextW(dialog, item, WideWords(Words(LoadedText(line).Text())).c_str());
    }
    const std::string files = WordsWith("Settings and tape are kept in %1", {FilesFolderText()});
    SetDlgItemTextW(dialog, IDC_ABOUT_FILES, WideWords(files.c_str()).c_str());
}

// The picture at the dialog's DPI: the dialog grows with it, and so does its picture. The
// picture the control loaded from the template is no longer shown and goes at once; the
// scaled one goes with the dialog.
void ScalePicture(HWND dialog) {
    BITMAP picture = {};
    HBITMAP original = LoadBitmapA(Shell.Instance, MAKEINTRESOURCEA(IDB_ABOUT));
    GetObjectA(original, sizeof(picture), &picture);
    DeleteObject(original);
    const int dpi = static_cast<int>(WindowDpi(dialog));
    HANDLE scaled = LoadImageA(Shell.Instance, MAKEINTRESOURCEA(IDB_ABOUT), IMAGE_BITMAP,
                               ScaleForDpi(picture.bmWidth, dpi),
                               ScaleForDpi(picture.bmHeight, dpi), LR_DEFAULTCOLOR);
    const LRESULT loaded = SendDlgItemMessageA(dialog, IDC_ABOUT_PICTURE, STM_SETIMAGE,
                                               IMAGE_BITMAP, reinterpret_cast<LPARAM>(scaled));
    if (loaded != 0) DeleteObject(reinterpret_cast<HGDIOBJ>(loaded));
}

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const INT_PTR themed = ThemedDialogMessage(dialog, message, wParam, lParam)) {
        return themed;
    }
    if (message == WM_INITDIALOG) {
        TranslateDialog(dialog);
        FillAboutLines(dialog);
        ScalePicture(dialog);
        return TRUE;
    }
    if (message == WM_DESTROY) {
        DeleteObject(reinterpret_cast<HGDIOBJ>(
            SendDlgItemMessageA(dialog, IDC_ABOUT_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0)));
        return FALSE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void ShowHelp(HWND owner, int32_t topic) {
    ShellExecuteA(owner, "open", "HH", HelpParameters(topic).Text(), nullptr, SW_SHOWNORMAL);
}

void OpenHomePage(HWND owner) {
    ShellExecuteA(owner, "open", "brenmark.url", nullptr, nullptr, SW_SHOWNORMAL);
}

void AboutDialog(HWND owner) {
    const ModalScope modal(owner);
    DialogBoxParamW(Shell.Instance, MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutProcedure, 0);
}
