// The command ids and control rows the GUI drivers send and read, as quillon.exe defines them.
#pragma once

#include <windows.h>

constexpr WORD IdExit = 105;
constexpr WORD IdLanguageAuto = 32880;
constexpr WORD IdLanguageFirst = 32881;  // then one id per language: en, de, fr, ...
constexpr WORD IdAbout = 104;
constexpr WORD IdUserManual = 32771;
constexpr WORD IdRoundUp = 32779;
constexpr WORD IdRoundDown = 32781;
constexpr WORD IdAppearance = 32784;
constexpr WORD IdFixed0 = 32790;
constexpr WORD IdFixed2 = 32791;
constexpr WORD IdFloating = 32793;
constexpr WORD IdTotalSettings = 32794;
constexpr WORD IdCopy = 32795;
constexpr WORD IdHomePage = 32808;
constexpr WORD IdPaste = 32809;
constexpr WORD IdTape = 32820;
constexpr WORD IdAlwaysOnTop = 32822;
constexpr WORD IdAddMode = 32823;
constexpr WORD IdBusinessKeys = 32840;
constexpr WORD IdTaxRate = 32841;
constexpr int ControlCount = 33;
constexpr int PanelRow = 0;
constexpr int DecimalKeyRow = 4;
constexpr int OperatorIndicatorRow = 14;
constexpr int EqualsRow = 15;
constexpr int MemoryIndicatorRow = 29;
// The business row (TAX+ TAX- GT COST SELL MARGIN) and the grand-total indicator, shown on
// demand after the keypad's 33 controls.
constexpr int FirstBusinessRow = 33;
constexpr int GrandTotalIndicatorRow = 39;
constexpr DWORD MainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int ClearRow = 19;
constexpr WORD IdTapeNote = 32831;
constexpr WORD IdTapeCopy = 32832;
constexpr WORD IdTapeSave = 32833;
constexpr WORD IdTapeClear = 32834;
constexpr WORD IdTapeNew = 32850;
constexpr WORD IdTapeOpen = 32851;
constexpr WORD IdTapePrint = 32852;
constexpr WORD IdTapePreview = 32853;
constexpr WORD IdTapeRecentFirst = 32855;
constexpr WORD IdTotalDetails = 32821;
constexpr WORD IdTotalKey = 10031;
constexpr int FirstControlId = 10000;
constexpr WORD IdThemeSystem = 32860;
constexpr WORD IdThemeLight = 32861;
constexpr WORD IdThemeDark = 32862;
constexpr WORD IdOpenFilesFolder = 32871;
constexpr int AboutFilesId = 1091;
