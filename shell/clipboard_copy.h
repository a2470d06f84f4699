// The shown value onto the clipboard.
#pragma once

#include <windows.h>

#include <string>

// Puts the engine's panel text, exactly as shown ("ERROR" included), on the clipboard as
// ANSI text.
void CopyToClipboard(HWND mainWindow);
// Puts `text` on the clipboard as ANSI text.
void CopyTextToClipboard(HWND owner, const std::string& text);
