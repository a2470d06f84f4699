// Resource and command ids of quillon.exe, shared by quillon.rc and the shell.
#pragma once

// String table.
#define IDS_APP_TITLE 103
#define IDS_VERSION 104
#define IDS_ABOUT_LINE_2 105
#define IDS_ABOUT_LINE_3 106
#define IDS_CLASS_NAME 109

// The menu bar and the accelerator table share this id.
#define IDM_MAIN 109
#define IDI_QUILLON 145

// Menu commands.
#define IDM_ABOUT 104
#define IDM_EXIT 105
#define IDM_USER_MANUAL 32771
#define IDM_ROUND_UP 32779
#define IDM_ROUND_MATHEMATICAL 32780
#define IDM_ROUND_DOWN 32781
#define IDM_APPEARANCE 32784
#define IDM_FIXED_DECIMAL_0 32790
#define IDM_FIXED_DECIMAL_2 32791
#define IDM_FIXED_DECIMAL_3 32792
#define IDM_FLOATING_DECIMAL 32793
#define IDM_TOTAL_SETTINGS 32794
#define IDM_COPY 32795
#define IDM_HOME_PAGE 32808
#define IDM_PASTE 32809
#define IDM_TOTAL_DETAILS 32821
#define IDM_TAPE 32820

// The tape window: its menu bar (also its context menu) and its commands.
#define IDM_TAPE_MENU 150
#define IDM_TAPE_EDIT 32830
#define IDM_TAPE_NOTE 32831
#define IDM_TAPE_COPY 32832
#define IDM_TAPE_SAVE 32833
#define IDM_TAPE_CLEAR 32834
// Tapes as documents and printing.
#define IDM_TAPE_NEW 32850
#define IDM_TAPE_OPEN 32851
#define IDM_TAPE_PRINT 32852
#define IDM_TAPE_PREVIEW 32853
#define IDM_TAPE_RECENT_SEPARATOR 32854
#define IDM_TAPE_RECENT_FIRST 32855  // to 32858: the four tapes used last
#define IDM_ALWAYS_ON_TOP 32822
#define IDM_ADD_MODE 32823
#define IDM_BUSINESS_KEYS 32840
#define IDM_TAX_RATE 32841

#define IDM_THEME_SYSTEM 32860
#define IDM_THEME_LIGHT 32861
#define IDM_THEME_DARK 32862

// The "Language" menu: like Windows, then one item per language in the order of Languages().
#define IDM_LANGUAGE_AUTO 32880
#define IDM_LANGUAGE_FIRST 32881
#define IDM_OPEN_FILES_FOLDER 32871
