// What quillon.exe holds that another process cannot ask for with a plain message: the
// texts of its tool tips and the marks of its menu items.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "quillon_session.h"

// The text of the tool registered for `control` in its tool-tip window.
std::string ToolTipText(const QuillonSession& session, HWND control);

// Whether each of the menu items carries its check mark: one digit per id, "-" for an
// item that could not be read. Menus can be read only inside their own process: a small
// probe library is loaded into quillon.exe and writes the marks into the working directory.
std::string MenuItemsChecked(const QuillonSession& session, const std::vector<UINT>& ids);
// The UTF-8 text of the main window's menu item `id` (0: the popups, joined by "|").
std::string MenuItemText(const QuillonSession& session, UINT id);

// The probe library, as the driver's command line names it.
void SetMenuProbePath(const std::string& path);

// Loads the library at `libraryPath` (a Windows path) into quillon.exe and waits until its
// start-up code has run.
bool LoadIntoQuillon(const QuillonSession& session, const std::string& libraryPath);
