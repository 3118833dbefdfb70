// Resource ids of Quillview, grouped by dialog.
#pragma once

#define IDC_STATIC -1

// Dialog 130: the settings panel
#define IDD_SETTINGS 130
#define IDC_BOOK_PATH 1008
#define IDC_CHIME 1011
#define IDC_AUTORUN 1012
#define IDC_AUTORUN_TIME 1013
