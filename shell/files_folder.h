// The folder Quillon.ini and Quillon.tape live in, chosen once at start by the portable rule
// (settings/file_place.h) from what the system says; and the text conversions between the
// system's wide paths and the seam's UTF-8 paths.
#pragma once

#include <windows.h>

#include <string>

#include "settings/file_place.h"

// Asks the system for the facts, applies the rule, keeps the place for the calls below, and
// creates the profile folder when the rule chose it.
FilePlace ChooseFilesFolder(const std::string& productName);
// The folder's file `name`, as UTF-8 for the seam.
std::string FilesPath(const std::string& name);
// The folder as the user reads it (the current directory's full path when it is that).
std::string FilesFolderText();
// Opens the folder in Explorer.
void OpenFilesFolder(HWND owner);

std::wstring WideOfUtf8(const std::string& text);
std::string Utf8OfWide(const std::wstring& text);
