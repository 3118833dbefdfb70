// Resource ids of Quillwake.
#pragma once

#define IDS_WINDOW_TITLE 103
#define IDS_WINDOW_CLASS 109
#define IDI_LARGE 107
#define IDI_SMALL 108
