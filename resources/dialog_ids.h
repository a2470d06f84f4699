// Ids of the dialogs and their items, shared by the dialog resources and their procedures.
#pragma once

// A line of the tape: its number or its note.
#define IDD_TAPE_LINE 151
#define IDC_TAPE_PROMPT 1100
#define IDC_TAPE_TEXT 1101

// The tax rate of the business keys.
#define IDD_TAX_RATE 152
#define IDC_TAX_RATE_VALUE 1102

// About.
#define IDD_ABOUT 132
#define IDB_ABOUT 133
#define IDC_ABOUT_NAME_VERSION 1012
#define IDC_ABOUT_LINE_2 1013
#define IDC_ABOUT_LINE_3 1014
#define IDC_ABOUT_PICTURE 1015

// Customize view.
#define IDD_CUSTOMIZE_VIEW 129
#define IDC_VIEW_BUTTON_FONT 1000
#define IDC_VIEW_PANEL_FONT 1001
#define IDC_VIEW_SCALE_100 1003
#define IDC_VIEW_SCALE_200 1004
#define IDC_VIEW_SCALE_300 1005
#define IDC_VIEW_SCALE_400 1006
#define IDC_VIEW_LEADING_ZERO 1007
#define IDC_VIEW_THOUSAND_SEPARATOR 1008
#define IDC_VIEW_DECIMAL_SEPARATOR 1009
#define IDC_VIEW_HOT_KEY_AS_CLICK 1010
#define IDC_VIEW_DIGIT_GROUPING 1011
#define IDC_VIEW_TOOL_TIPS 1012
#define IDC_VIEW_SELECT_BUTTON_FONT 3
#define IDC_VIEW_APPLY 4
#define IDC_VIEW_SET_DEFAULT 5
#define IDC_VIEW_HELP 6
#define IDC_VIEW_COLOUR 7
#define IDC_VIEW_SELECT_PANEL_FONT 8

// Font chooser.
#define IDD_FONT_CHOOSER 130
#define IDC_FONT_LIST 1009
#define IDC_FONT_PREVIEW 1010

// Customize calculation of total.
#define IDD_TOTAL_SEPARATORS 141
#define IDC_TOTAL_SET_DEFAULT 3
#define IDC_TOTAL_HELP 6
#define IDC_TOTAL_DECIMAL_SEPARATORS 1009
#define IDC_TOTAL_NUMBER_SEPARATORS 1014
#define IDC_TOTAL_WHOLE_CELLS 1015

// Total details.
#define IDD_TOTAL_DETAILS 142
#define IDC_DETAILS_LIST 1016
#define IDC_DETAILS_SUMMARY 1017
#define IDC_DETAILS_COPY 1018
