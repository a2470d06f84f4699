// The Help menu: the user manual, the home page and the About dialog.
#pragma once

#include <windows.h>

#include <cstdint>

// Topics of the manual that the dialogs' Help buttons open; 0 opens its start page.
inline constexpr int32_t HelpStartPage = 0;
inline constexpr int32_t HelpCustomizeView = 1;
inline constexpr int32_t HelpCustomizeTotal = 2;

// Starts the help viewer "HH" on the product's manual, at `topic` unless it is 0.
void ShowHelp(HWND owner, int32_t topic);
// Opens the internet shortcut "brenmark.url" of the current directory.
void OpenHomePage(HWND owner);
void AboutDialog(HWND owner);
