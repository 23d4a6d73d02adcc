// Astrolathe's resource ids: menu commands, controls, dialogs, bitmaps and
// status-bar indicators. The frame, the dialogs and the tables in this
// folder all name them from here, so a number lives in one place.
#pragma once

#include "platform/win/windef.h"

// The frame's menu, icon group and title string.
inline constexpr UINT IDR_MAINFRAME = 128;

// Dialog templates.
inline constexpr UINT IDD_PROPERTIES = 131;
inline constexpr UINT IDD_INSTRUCTIONS = 132;
inline constexpr UINT IDD_ABOUTBOX = 133;

// The scale labels of the control panel.
inline constexpr UINT IDB_G_150 = 134;
inline constexpr UINT IDB_G_100 = 135;
inline constexpr UINT IDB_G_50 = 136;
inline constexpr UINT IDB_DT_SCALE = 137;

// Controls of the frame's panel.
inline constexpr int IDC_GO = 101;
inline constexpr int IDC_STOP = 102;
inline constexpr int IDC_G_SLIDER = 103;
inline constexpr int IDC_DT_SLIDER = 104;

// Controls of the Properties dialog.
inline constexpr int IDC_VX_EDIT = 1000;
inline constexpr int IDC_VY_EDIT = 1001;
inline constexpr int IDC_MASS_SLIDER = 1002;
inline constexpr int IDC_VX_SPIN = 1003;
inline constexpr int IDC_VY_SPIN = 1004;
inline constexpr int IDC_MASS_EDIT = 1005;
inline constexpr int IDC_REMOVE = 1006;
inline constexpr int IDC_COLOR = 1007;
inline constexpr int IDC_POS_X_EDIT = 1008;
inline constexpr int IDC_POS_Y_EDIT = 1009;

// Controls of the Instructions and About dialogs.
inline constexpr int IDC_INSTRUCTIONS_LIST = 1010;
inline constexpr int IDC_ABOUT_LIST = 1011;
inline constexpr int IDC_ABOUT_ICON = 1012;

// Menu commands. The blank item on the menu bar has an id but no handler.
inline constexpr UINT ID_MENU_BLANK = 32771;
inline constexpr UINT ID_CONTROL_GO = 32773;
inline constexpr UINT ID_CONTROL_STOP = 32774;
inline constexpr UINT ID_HELP_INSTRUCTIONS = 32776;
inline constexpr UINT ID_HELP_ABOUT = 32777;
inline constexpr UINT ID_FILE_EXIT = 32778;
inline constexpr UINT ID_VIEW_ZOOM = 32780;

// A string of its own that nothing reads.
inline constexpr UINT IDS_ABOUT_TITLE = 32775;

// Status-bar indicators; each pane takes its width from the string of its id.
inline constexpr UINT ID_INDICATOR_TIME = 57351;
inline constexpr UINT ID_INDICATOR_DT = 57352;
inline constexpr UINT ID_INDICATOR_G = 57353;
inline constexpr UINT ID_INDICATOR_POS = 57354;
