// The shown value onto the clipboard.
#pragma once

#include <windows.h>

#include <string>

// Opens the clipboard, trying again for a moment while another program holds it; false
// when it is still held.
bool OpenClipboardPatiently(HWND owner);
// Puts the engine's panel text, exactly as shown ("ERROR" included), on the clipboard as
// ANSI text; says so when another program holds the clipboard too long.
void CopyToClipboard(HWND mainWindow);
// Puts `text` on the clipboard as ANSI text; says so when it cannot.
void CopyTextToClipboard(HWND owner, const std::string& text);
