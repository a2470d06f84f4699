// The clipboard as the GUI drivers use it: it is shared by every program of the Wine prefix.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// Empties the clipboard and puts `size` bytes in `format`; no bytes leaves it empty.
void PutClipboardBlock(UINT format, const void* bytes, size_t size);

// The clipboard's ANSI text, "<no text>" when it holds none, "<cannot open>" when it is busy.
std::string ClipboardText();
