#include "shell/help_and_about.h"

#include <shellapi.h>

#include "decimal/dec_string.h"
#include "resources/dialog_ids.h"
#include "resources/resource_ids.h"
#include "shell/files_folder.h"
#include "shell/shell_state.h"

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
    DecString nameAndVersion = LoadedText(IDS_APP_TITLE);
    nameAndVersion.AppendText(" version ");
    nameAndVersion.AppendString(LoadedText(IDS_VERSION));
    SetDlgItemTextA(dialog, IDC_ABOUT_NAME_VERSION, nameAndVersion.Text());
    SetDlgItemTextA(dialog, IDC_ABOUT_LINE_2, LoadedText(IDS_ABOUT_LINE_2).Text());
    SetDlgItemTextA(dialog, IDC_ABOUT_LINE_3, LoadedText(IDS_ABOUT_LINE_3).Text());
    const std::wstring files = L"Settings and tape are kept in " + WideOfUtf8(FilesFolderText());
    SetDlgItemTextW(dialog, IDC_ABOUT_FILES, files.c_str());
}

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        FillAboutLines(dialog);
        return TRUE;
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
    DialogBoxParamA(Shell.Instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutProcedure, 0);
}
