// What quillon.exe holds that another process cannot ask for with a plain message: the
// texts of its tool tips and the marks of its menu items.
#pragma once

#include <windows.h>

#include <string>

// The text of the tool registered for `control` in its tool-tip window.
std::string ToolTipText(const QuillonSession& session, HWND control);

// Whether the menu item carries its check mark, or -1 when the menu could not be read.
// Menus can be read only inside their own process: a small probe library is loaded into
// quillon.exe and writes the marks into the working directory.
int MenuItemChecked(const QuillonSession& session, UINT id);

void SetMenuProbePath(const std::string& path);
