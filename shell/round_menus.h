// The two radio groups of the Customize menu: decimal places and rounding direction.
#pragma once

#include <windows.h>

bool IsRoundModeItem(WORD id);
bool IsRoundTypeItem(WORD id);
// Store the chosen item's value and move the group's radio mark to it. The panel keeps its
// text: the choice applies from the next result on.
void SelectRoundMode(HWND mainWindow, WORD id);
void SelectRoundType(HWND mainWindow, WORD id);
// Puts both radio marks on the items of the current settings.
void MarkRoundMenus(HWND mainWindow);
