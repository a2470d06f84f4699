#include "dialogs/dialog_fields.h"

#include "language/words.h"
#include "shell/shell_state.h"
#include "shell/ui_language.h"

namespace {

constexpr int FieldBufferSize = 512;

}  // namespace

DecString FieldText(HWND dialog, int id) {
    char text[FieldBufferSize] = {};
    GetDlgItemTextA(dialog, id, text, FieldBufferSize);
    return DecString(text);
}

void ShowDialogMessage(HWND dialog, const char* text) {
    MessageBoxW(dialog, WideWords(Words(text)).c_str(), WideWords(Shell.ProductName).c_str(),
                MB_OK);
}
