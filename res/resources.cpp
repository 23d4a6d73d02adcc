#include "res/resources.h"

#include "res/resource.h"
#include "res/tables.h"

namespace {

// ---- Menu 128 ------------------------------------------------------------------
// Zoom is grayed for good; Go and Stop start grayed and the frame's command
// updates enable them. The blank item between File and View stands directly
// on the bar and does nothing.
constexpr MenuItemTemplate kFileMenu[] = {
    {MF_END, ID_FILE_EXIT, "E&xit"},
};

constexpr MenuItemTemplate kViewMenu[] = {
    {MF_GRAYED | MF_END, ID_VIEW_ZOOM, "&Zoom..."},
};

constexpr MenuItemTemplate kControlMenu[] = {
    {MF_GRAYED, ID_CONTROL_GO, "&Go"},
    {MF_GRAYED | MF_END, ID_CONTROL_STOP, "&Stop"},
};

constexpr MenuItemTemplate kHelpMenu[] = {
    {0, ID_HELP_INSTRUCTIONS, "&Instructions..."},
    {MF_SEPARATOR, 0, ""},
    {MF_END, ID_HELP_ABOUT, "&About Astrolathe..."},
};

constexpr MenuItemTemplate kMenuBar[] = {
    {MF_POPUP, 0, "&File", kFileMenu},          {0, ID_MENU_BLANK, ""},
    {MF_POPUP, 0, "&View", kViewMenu},          {MF_POPUP, 0, "&Control", kControlMenu},
    {MF_POPUP | MF_END, 0, "&Help", kHelpMenu},
};

constexpr MenuTemplate kMainMenu{kMenuBar};

constexpr ResourceEntry<MenuTemplate> kMenus[] = {
    {IDR_MAINFRAME, &kMainMenu},
};

// ---- String table --------------------------------------------------------------------
// The framework reads its idle message under its own id.
constexpr WORD kIdleMessageId = 57345;  // AFX_IDS_IDLEMESSAGE

// Each indicator string is its status-bar pane's first text and sets the
// pane's width for good, which is why some end in blanks.
constexpr StringEntry kStrings[] = {
    {IDR_MAINFRAME, "Generic ORV frame Window"},
    {IDS_ABOUT_TITLE, "About Astrolathe v1.0"},
    {ID_HELP_INSTRUCTIONS, "How to use Astrolathe v1.0"},
    {kIdleMessageId, "Ready"},
    {ID_INDICATOR_TIME, "t: 0.000000e+000 s"},
    {ID_INDICATOR_DT, "1e+002 s    "},
    {ID_INDICATOR_G, "6.6726e-011  "},
    {ID_INDICATOR_POS, "x: 000e+009  y: 000e+009   "},
};

// ---- Version ---------------------------------------------------------------------------
constexpr VersionString kVersionStrings[] = {
    {"CompanyName", "Astrolathe"},
    {"FileDescription", "Astrolathe gravity sandbox"},
    {"FileVersion", "1.0.0.1"},
    {"InternalName", "Astrolathe"},
    {"LegalCopyright", "Copyright \xA9 the Astrolathe authors"},
    {"OriginalFilename", "astrolathe.exe"},
    {"ProductName", "Astrolathe"},
    {"ProductVersion", "1.0.0.1"},
};

constexpr VersionInfo kVersion{
    .fileVersion = {1, 0, 0, 1},
    .productVersion = {1, 0, 0, 1},
    .language = LANG_EN_US,
    .codePage = 1200,  // Unicode, as compiled version blocks are
    .strings = kVersionStrings,
};

constinit const ResourceModule kModule{
    .name = "astrolathe.exe",
    .language = LANG_EN_US,
    .menus = kMenus,
    .strings = kStrings,
    .dialogs = kAstrolatheDialogs,
    .bitmaps = kAstrolatheBitmaps,
    .iconGroups = kAstrolatheIconGroups,
    .version = &kVersion,
};

}  // namespace

const ResourceModule* AstrolatheResources() { return &kModule; }
