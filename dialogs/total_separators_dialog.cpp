#include "dialogs/total_separators_dialog.h"

#include "dialogs/dialog_fields.h"
#include "language/words.h"
#include "resources/dialog_ids.h"
#include "settings/separator_rules.h"
#include "shell/help_and_about.h"
#include "shell/modal_scope.h"
#include "shell/shell_state.h"
#include "shell/themed_drawing.h"
#include "shell/ui_language.h"

namespace {

void FillTotalSeparatorFields(HWND dialog, const CalcSettings& settings) {
    SetDlgItemTextA(dialog, IDC_TOTAL_DECIMAL_SEPARATORS, settings.DECIMAL_SEPARATORS.Text());
    SetDlgItemTextA(dialog, IDC_TOTAL_NUMBER_SEPARATORS, settings.NUMBER_SEPARATORS.Text());
    CheckDlgButton(dialog, IDC_TOTAL_WHOLE_CELLS,
                   settings.WHOLE_CELLS ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageW(dialog, IDC_TOTAL_CREDIT_DEBIT, CB_SETCURSEL,
                        static_cast<WPARAM>(settings.CREDIT_DEBIT), 0);
}

// The choices in the order of CreditDebit.
void FillCreditDebitChoices(HWND dialog) {
    for (const char* choice : {English("Not read (whole cells only)"), English("DR is negative"),
                               English("CR is negative")}) {
        SendDlgItemMessageW(dialog, IDC_TOTAL_CREDIT_DEBIT, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(WideWords(Words(choice)).c_str()));
    }
}

// OK: both sets are stored, each character once, and the reading chosen, only when all four
// checks pass.
bool TakeTotalSeparators(HWND dialog) {
    DecString decimalSet = FieldText(dialog, IDC_TOTAL_DECIMAL_SEPARATORS);
    DecString numberSet = FieldText(dialog, IDC_TOTAL_NUMBER_SEPARATORS);
    CalcSettings& settings = Shell.Context.Settings;
    const char* refusal = CheckTotalSeparators(decimalSet, numberSet, settings.DECIMAL_SEPARATOR);
    if (refusal != nullptr) {
        ShowDialogMessage(dialog, refusal);
        return false;
    }
    RemoveDuplicateChars(decimalSet);
    RemoveDuplicateChars(numberSet);
    settings.DECIMAL_SEPARATORS = decimalSet;
    settings.NUMBER_SEPARATORS = numberSet;
    settings.WHOLE_CELLS = IsDlgButtonChecked(dialog, IDC_TOTAL_WHOLE_CELLS) == BST_CHECKED;
    const LRESULT creditDebit =
        SendDlgItemMessageW(dialog, IDC_TOTAL_CREDIT_DEBIT, CB_GETCURSEL, 0, 0);
    if (creditDebit != CB_ERR) settings.CREDIT_DEBIT = static_cast<CreditDebit>(creditDebit);
    return true;
}

void FillWithDefaults(HWND dialog) {
    CalcSettings defaults;
    LoadDefaultSettings(defaults, Shell.Platform.QueryLocale());
    FillTotalSeparatorFields(dialog, defaults);
}

INT_PTR CALLBACK TotalSeparatorsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const INT_PTR themed = ThemedDialogMessage(dialog, message, wParam, lParam)) {
        return themed;
    }
    if (message == WM_INITDIALOG) {
        TranslateDialog(dialog);
        FillCreditDebitChoices(dialog);
        FillTotalSeparatorFields(dialog, Shell.Context.Settings);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK:
            if (TakeTotalSeparators(dialog)) EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_TOTAL_SET_DEFAULT:
            FillWithDefaults(dialog);
            return TRUE;
        case IDC_TOTAL_HELP:
            ShowHelp(dialog, HelpCustomizeTotal);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void TotalSeparatorsDialog(HWND owner) {
    const ModalScope modal(owner);
    DialogBoxParamW(Shell.Instance, MAKEINTRESOURCEW(IDD_TOTAL_SEPARATORS), owner,
                    TotalSeparatorsProcedure, 0);
}
