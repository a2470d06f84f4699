// One Quillon window per files folder. Two windows on one Quillon.tape would each append to
// it and rewrite it from their own copy after a correction, losing the other's lines, and
// the last one closed would save its settings over the other's; so a second start on the
// same folder brings the first window forward and ends, as users of a desktop calculator
// expect. Copies with files elsewhere (another folder with its own Quillon.ini) run side by
// side.
#pragma once

#include <windows.h>

#include <string>

// True when this process is the first Quillon on `folder`: it holds the folder until it
// ends. False when another one holds it; its main window has been brought forward.
bool ClaimFilesFolder(const std::string& folder);

// Marks the main window as the one holding the folder, so a later start finds it.
void MarkMainWindow(HWND window);
