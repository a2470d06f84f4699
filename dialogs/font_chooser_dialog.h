// "Font chooser": picks a TrueType face for one of the two face labels of Customize view.
#pragma once

#include <windows.h>

// Opens the chooser on the face shown by label `labelId` of `owner`; OK writes the chosen face
// into that label, Cancel leaves it.
void FontChooserDialog(HWND owner, int labelId);
