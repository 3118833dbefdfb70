// Resource ids of Quillview, grouped by dialog.
#pragma once

#define IDC_STATIC -1

// Program-wide
#define IDR_MAINFRAME 128
#define IDB_LOGO 137
// Texts the code shows
#define IDS_ABOUT 102
#define IDS_WELCOME 103
#define IDS_BOOK_NOT_OPENED 104
#define IDS_ERROR 105
#define IDS_NO_BOOK 106
#define IDS_BOOK_FILTER 107
#define IDS_READ_OF_PLAN 108
#define IDS_READ_IN_YEAR 109
#define IDS_VERSE 110
#define IDS_PLAN_DAY 111
#define IDS_PLAN_NOT_BEGUN 112
#define IDS_PLAN_ENDED 113
#define IDS_COPIED_PLAN_DAY 114
#define IDS_NOT_A_PASSAGE 115
#define IDS_PASSAGE_NOT_IN_BOOK 116
#define IDS_NO_PASSAGES 117
#define IDS_DAYS_FOUND 118
#define IDS_ONE_DAY_FOUND 119
#define IDS_NO_DAY_FOUND 120
#define IDS_FOUND_DATE 121
#define IDS_FOUND_PASSAGE 122
#define IDS_FOUND_WORDS 123
// What a screen reader names the controls whose window text does not say what they do
#define IDS_NAME_LARGER 124
#define IDS_NAME_SMALLER 125
#define IDS_NAME_CALENDAR 126
#define IDS_NAME_AUTORUN_TIME 127
#define IDS_NAME_PLAN_START 128
// Where the reader stands
#define IDS_DAYS_BEHIND 129
#define IDS_ONE_DAY_BEHIND 130
#define IDS_DAYS_AHEAD 131
#define IDS_ONE_DAY_AHEAD 132
#define IDS_ON_TRACK 133
#define IDS_IN_A_ROW 134

// The verse box's menu
#define IDR_VERSE_MENU 140
#define IDM_COPY_DAY 40001
#define IDM_COPY 40002
#define IDM_SELECT_ALL 40003
#define IDM_GO_TO 40004
#define IDM_FIND 40005

// Dialog 102: the main window
#define IDD_READER 102
#define IDC_CALENDAR 1000
#define IDC_VERSE 1001
#define IDC_SETTINGS 1002
#define IDC_SMALLER 1003
#define IDC_LARGER 1004
#define IDC_FONTS 1005
#define IDC_ABOUT 1006
#define IDC_RESIZE_HOLDER 1007
#define IDC_SELECT_BOOK 1009
#define IDC_LANGUAGE 1010
#define IDC_BOOK_TITLE 1014
#define IDC_SETTINGS_PLACEHOLDER 1016
#define IDC_READ 1017
#define IDC_CATCH_UP 1019
#define IDC_VERSE_NUMBERS 1020
#define IDC_DARK_BACKGROUND 1021
#define IDC_STANDING 1022

// Dialog 130: the settings panel
#define IDD_SETTINGS 130
#define IDC_BOOK_PATH 1008
#define IDC_CHIME 1011
#define IDC_AUTORUN 1012
#define IDC_AUTORUN_TIME 1013
#define IDC_PLAN_START 1018

// Dialog 150: go to a passage
#define IDD_GO_TO 150
#define IDC_PASSAGE 1100
#define IDC_PASSAGE_MESSAGE 1101

// Dialog 151: find words
#define IDD_FIND 151
#define IDC_FIND_WORDS 1110
#define IDC_FIND_PARTS 1111
#define IDC_FIND_NOW 1112
#define IDC_FIND_COUNT 1113
#define IDC_FIND_RESULTS 1114
