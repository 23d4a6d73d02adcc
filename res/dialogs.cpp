// Dialog templates 131 (Properties), 132 (Instructions) and 133 (About).
// Item order is tab order and z-order, and in 131 it also pairs each
// up-down with its edit: UDS_AUTOBUDDY takes the control just before it.

#include "platform/win/commctrl.h"
#include "platform/win/winuser.h"
#include "res/resource.h"
#include "res/tables.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr WORD kFontSize = 8;
constexpr const char* kFontFace = "MS Sans Serif";

// ---- 131, Properties -----------------------------------------------------------
// No system menu, so no close box: the dialog ends with OK, Cancel or Remove.
constexpr DialogItemTemplate kPropertiesItems[] = {
    {"BUTTON", IDOK, "OK", 4, 164, 42, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {"BUTTON", -1, "Mass (kg)", 4, 49, 89, 46, kChild | BS_GROUPBOX},
    {"msctls_trackbar32", IDC_MASS_SLIDER, "Slider1", 12, 60, 77, 14,
     kChild | TBS_HORZ | TBS_NOTICKS | WS_TABSTOP},
    {"EDIT", IDC_MASS_EDIT, "", 19, 77, 64, 13,
     kChild | ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {"BUTTON", -1, "Velocity (m/s)", 4, 96, 89, 44, kChild | BS_GROUPBOX},
    {"STATIC", -1, "X", 9, 109, 8, 8, kChild | SS_RIGHT | WS_GROUP},
    {"STATIC", -1, "Y", 9, 125, 8, 8, kChild | SS_RIGHT | WS_GROUP},
    {"EDIT", IDC_VX_EDIT, "", 19, 106, 64, 13,
     kChild | ES_RIGHT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {"msctls_updown32", IDC_VX_SPIN, "Spin1", 73, 106, 11, 15,
     kChild | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS},
    {"EDIT", IDC_VY_EDIT, "", 19, 122, 64, 13,
     kChild | ES_RIGHT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {"msctls_updown32", IDC_VY_SPIN, "Spin2", 73, 122, 11, 15,
     kChild | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS},
    {"BUTTON", IDC_COLOR, "Color...", 16, 145, 30, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP},
    {"BUTTON", IDC_REMOVE, "Remove", 51, 145, 42, 14,
     kChild | BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED},
    {"EDIT", IDC_POS_X_EDIT, "", 22, 14, 60, 14,
     kChild | ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {"EDIT", IDC_POS_Y_EDIT, "", 22, 30, 60, 14,
     kChild | ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {"STATIC", -1, "X", 11, 17, 8, 8, kChild | SS_RIGHT | WS_GROUP},
    {"STATIC", -1, "Y", 11, 33, 8, 8, kChild | SS_RIGHT | WS_GROUP},
    {"BUTTON", -1, "Position (m)", 4, 3, 89, 46, kChild | BS_GROUPBOX},
    {"BUTTON", IDCANCEL, "Cancel", 51, 164, 42, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP},
};

constexpr DialogTemplate kProperties{
    .style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT,
    .cx = 98,
    .cy = 185,
    .caption = "Properties",  // replaced with the body's number when it opens
    .pointSize = kFontSize,
    .faceName = kFontFace,
    .items = kPropertiesItems,
};

// ---- 132, Instructions; 133, About --------------------------------------------------
// Read-only texts in list boxes that select nothing; the dialogs fill them.
constexpr DWORD kTextDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD kTextListStyle =
    kChild | LBS_NOSEL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP;

constexpr DialogItemTemplate kInstructionsItems[] = {
    {"BUTTON", IDOK, "OK", 67, 74, 50, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {"LISTBOX", IDC_INSTRUCTIONS_LIST, "", 7, 7, 172, 62, kTextListStyle},
};

constexpr DialogTemplate kInstructions{
    .style = kTextDialogStyle,
    .cx = 186,
    .cy = 95,
    .caption = "How to use Astrolathe v1.0",
    .pointSize = kFontSize,
    .faceName = kFontFace,
    .items = kInstructionsItems,
};

constexpr DialogItemTemplate kAboutItems[] = {
    {"BUTTON", IDOK, "OK", 68, 61, 50, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {"LISTBOX", IDC_ABOUT_LIST, "", 32, 7, 147, 49, kTextListStyle},
    {"STATIC", IDC_ABOUT_ICON, TemplateText::Ordinal(IDR_MAINFRAME), 7, 7, 21, 20,
     kChild | SS_ICON},
};

constexpr DialogTemplate kAbout{
    .style = kTextDialogStyle,
    .cx = 186,
    .cy = 82,
    .caption = "About Astrolathe v1.0",
    .pointSize = kFontSize,
    .faceName = kFontFace,
    .items = kAboutItems,
};

}  // namespace

constinit const ResourceEntry<DialogTemplate> kAstrolatheDialogs[3] = {
    {IDD_PROPERTIES, &kProperties},
    {IDD_INSTRUCTIONS, &kInstructions},
    {IDD_ABOUTBOX, &kAbout},
};
