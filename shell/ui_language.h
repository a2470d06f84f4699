// The language of the words on screen: chosen from the settings and the user's Windows UI
// languages, put into menus and dialogs (whose resources hold the English text), and the
// "Language" menu that changes it while Quillon runs.
#pragma once

#include <windows.h>

#include <string>

// UTF-8 words as the wide text the window functions show.
std::wstring WideWords(const char* utf8);

// Chooses the language [VIEW] LANGUAGE asks for ("AUTO": the first of the user's UI
// languages that Quillon has, else English).
void ChooseLanguageFromSettings();

// Puts the chosen language's words into every item of `menu` (and its submenus), reading the
// English texts from a fresh copy of resource `menuId`, so a menu already translated can be
// translated again.
void TranslateMenu(HMENU menu, int menuId);

// Puts the chosen language's words into a dialog's caption and controls, as the dialog
// template left them in English. The dialog must be a Unicode window (DialogBoxParamW): an
// ANSI dialog passes its caption through the code page, which has no letters for most languages.
void TranslateDialog(HWND dialog);

// Translates the main window's menu bar and adds (or renews) the "Language" submenu on its
// Customize menu, the chosen item checked.
void ShowLanguageMenu(HWND mainWindow);

// True for a command of the "Language" menu: the language is chosen and kept in the
// settings, and every open window shows its words at once.
bool HandleLanguageCommand(HWND mainWindow, WORD id);
