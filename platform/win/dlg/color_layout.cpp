#include "platform/win/dlg/color_layout.h"

#include "platform/win/dlg/color_grid.h"
#include "platform/win/dlg/commdlg.h"

namespace dlg {

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_RIGHT;
constexpr DWORD kGrid = kChild | WS_TABSTOP | WS_GROUP;
constexpr DWORD kNumber = kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL;

constexpr DialogItemTemplate kItems[] = {
    // Each grid follows its label, so that the label's letter and the Tab
    // order reach it; the dialog places the grids on their areas exactly.
    {"STATIC", -1, "&Basic colors:", 4, 4, 140, 9, kChild},
    {CColorGrid::kClassName, kBasicGridId, "", 4, 14, 144, 74, kGrid},
    {"STATIC", -1, "&Custom colors:", 4, 92, 140, 9, kChild},
    {CColorGrid::kClassName, kCustomGridId, "", 4, 102, 144, 25, kGrid},
    {"BUTTON", COLOR_MIX, "&Define Custom Colors >>", 4, 133, 144, 14,
     kChild | BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP},
    {"BUTTON", IDOK, "OK", 4, 152, 44, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
    {"BUTTON", IDCANCEL, "Cancel", 52, 152, 44, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP},
    {"STATIC", -1, "Color|S&olid", 156, 134, 40, 9, kChild},
    {"STATIC", -1, "Hu&e:", 200, 110, 22, 8, kLabel},
    {"EDIT", COLOR_HUE, "", 224, 108, 20, 12, kNumber | WS_GROUP},
    {"STATIC", -1, "&Sat:", 200, 124, 22, 8, kLabel},
    {"EDIT", COLOR_SAT, "", 224, 122, 20, 12, kNumber},
    {"STATIC", -1, "&Lum:", 200, 138, 22, 8, kLabel},
    {"EDIT", COLOR_LUM, "", 224, 136, 20, 12, kNumber},
    {"STATIC", -1, "&Red:", 248, 110, 24, 8, kLabel},
    {"EDIT", COLOR_RED, "", 274, 108, 20, 12, kNumber},
    {"STATIC", -1, "&Green:", 248, 124, 24, 8, kLabel},
    {"EDIT", COLOR_GREEN, "", 274, 122, 20, 12, kNumber},
    {"STATIC", -1, "Bl&ue:", 248, 138, 24, 8, kLabel},
    {"EDIT", COLOR_BLUE, "", 274, 136, 20, 12, kNumber},
    {"BUTTON", COLOR_ADD, "&Add to Custom Colors", 156, 152, 140, 14,
     kChild | BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP},
};

constexpr DialogTemplate kTemplate{
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    .cx = kColorFullWidth,
    .cy = 170,
    .caption = "Color",
    .pointSize = 8,
    .faceName = "MS Sans Serif",
    .items = kItems,
};

}  // namespace

// Pastels, pure hues, their darker and deeper shades, and the greys, as
// the classic dialog lays them out.
const COLORREF kBasicColors[kBasicCount] = {
    RGB(255, 128, 128), RGB(255, 255, 128), RGB(128, 255, 128), RGB(0, 255, 128),
    RGB(128, 255, 255), RGB(0, 128, 255),   RGB(255, 128, 192), RGB(255, 128, 255),
    RGB(255, 0, 0),     RGB(255, 255, 0),   RGB(128, 255, 0),   RGB(0, 255, 64),
    RGB(0, 255, 255),   RGB(0, 128, 192),   RGB(128, 128, 192), RGB(255, 0, 255),
    RGB(128, 64, 64),   RGB(255, 128, 64),  RGB(0, 255, 0),     RGB(0, 128, 128),
    RGB(0, 64, 128),    RGB(128, 128, 255), RGB(128, 0, 64),    RGB(255, 0, 128),
    RGB(128, 0, 0),     RGB(255, 128, 0),   RGB(0, 128, 0),     RGB(0, 128, 64),
    RGB(0, 0, 255),     RGB(0, 0, 160),     RGB(128, 0, 128),   RGB(128, 0, 255),
    RGB(64, 0, 0),      RGB(128, 64, 0),    RGB(0, 64, 0),      RGB(0, 64, 64),
    RGB(0, 0, 128),     RGB(0, 0, 64),      RGB(64, 0, 64),     RGB(64, 0, 128),
    RGB(0, 0, 0),       RGB(128, 128, 0),   RGB(128, 128, 64),  RGB(128, 128, 128),
    RGB(64, 128, 128),  RGB(192, 192, 192), RGB(64, 0, 64),     RGB(255, 255, 255),
};

const DialogTemplate& ColorDialogTemplate() { return kTemplate; }

}  // namespace dlg
