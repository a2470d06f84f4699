#include "dialogs/tax_rate_dialog.h"

#include "dialogs/dialog_fields.h"
#include "resources/dialog_ids.h"
#include "settings/tax_rate.h"
#include "shell/modal_scope.h"
#include "shell/shell_state.h"
#include "shell/themed_drawing.h"
#include "shell/ui_language.h"

namespace {

// OK: the rate is stored only when it is one; otherwise the message says why and the field
// takes the focus again with its text selected, so the user can type over it.
bool TakeTaxRate(HWND dialog) {
    CalcSettings& settings = Shell.Context.Settings;
    const DecString text = FieldText(dialog, IDC_TAX_RATE_VALUE);
    DecString rate;
    if (ReadTaxRate(text.Text(), settings.DECIMAL_SEPARATOR, rate)) {
        settings.TAX_RATE = rate;
        return true;
    }
    ShowDialogMessage(dialog, TaxRateRefusal);
    HWND field = GetDlgItem(dialog, IDC_TAX_RATE_VALUE);
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
    return false;
}

INT_PTR CALLBACK TaxRateProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const INT_PTR themed = ThemedDialogMessage(dialog, message, wParam, lParam)) {
        return themed;
    }
    if (message == WM_INITDIALOG) {
        TranslateDialog(dialog);
        const CalcSettings& settings = Shell.Context.Settings;
        SetDlgItemTextA(dialog, IDC_TAX_RATE_VALUE,
                        ShownTaxRate(settings.TAX_RATE, settings.DECIMAL_SEPARATOR).Text());
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK:
            if (TakeTaxRate(dialog)) EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void TaxRateDialog(HWND owner) {
    const ModalScope modal(owner);
    DialogBoxParamW(Shell.Instance, MAKEINTRESOURCEW(IDD_TAX_RATE), owner, TaxRateProcedure, 0);
}
