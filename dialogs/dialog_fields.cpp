#include "dialogs/dialog_fields.h"

#include "shell/shell_state.h"

namespace {

constexpr int FieldBufferSize = 512;

}  // namespace

DecString FieldText(HWND dialog, int id) {
    char text[FieldBufferSize] = {};
    GetDlgItemTextA(dialog, id, text, FieldBufferSize);
    return DecString(text);
}

void ShowDialogMessage(HWND dialog, const char* text) {
    MessageBoxA(dialog, text, Shell.ProductName, MB_OK);
}
