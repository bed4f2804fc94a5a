// Ids of the module's resources and dialog controls, shared by the resource script and the C++ code.
// Kept to plain #define lines so that the resource compiler can read it too.
#pragma once

#define IDD_OPTIONS 102
#define IDB_INSIDE 103
#define IDB_OUTSIDE 104
#define IDD_ABOUT 107
#define IDR_PIPL 16000

#define IDC_OUTSIDE 1005
#define IDC_INSIDE 1006
#define IDC_DELETE_EMPTY_LAYER 1007
#define IDC_DELETE_TEXT_ON_LINE 1008
#define IDC_SHOW_PROGRESS 1009
#define IDC_OUTSIDE_PICTURE 1010
#define IDC_INSIDE_PICTURE 1011
#define IDC_OPEN_WEB_SITE 1063
#define IDC_PRESERVE_MASK_PATH 1070

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
