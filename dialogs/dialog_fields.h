// Small helpers the dialogs share: reading a field, showing a validation message.
#pragma once

#include <windows.h>

#include "decimal/dec_string.h"

// Up to 511 characters of a dialog item's text.
DecString FieldText(HWND dialog, int id);
// A message box owned by the dialog, with the product name as caption and only an OK button;
// `text` is English, shown in the chosen language, or words already in it (UTF-8).
void ShowDialogMessage(HWND dialog, const char* text);
