// The program's module as a whole, menu 128, the string table and the
// version block, read back through the lookups the program uses.

#include <gtest/gtest.h>

#include <string>

#include "platform/win/res/resource_validation.h"
#include "platform/win/res/resources.h"
#include "res/resource.h"
#include "res/resources.h"

namespace {

HINSTANCE Program() { return RegisterResourceModule(AstrolatheResources()); }

std::string LoadString(UINT id) {
  char text[256];
  const int length = LoadStringA(Program(), id, text, sizeof text);
  return {text, std::size_t(length)};
}

// ---- The module ------------------------------------------------------------------------------
TEST(ProgramResources, EveryTableIsSound) {
  for (const std::string& problem : ValidateResourceModule(*AstrolatheResources())) {
    ADD_FAILURE() << problem;
  }
}

TEST(ProgramResources, AreAllInUsEnglish) { EXPECT_EQ(AstrolatheResources()->language, 1033); }

TEST(ProgramResources, HoldEveryResourceTheProgramLoads) {
  const HINSTANCE module = Program();
  EXPECT_NE(FindMenuTemplate(module, MAKEINTRESOURCEA(IDR_MAINFRAME)), nullptr);
  EXPECT_NE(FindIconGroup(module, MAKEINTRESOURCEA(IDR_MAINFRAME)), nullptr);
  for (UINT id : {IDD_PROPERTIES, IDD_INSTRUCTIONS, IDD_ABOUTBOX}) {
    EXPECT_NE(FindDialogTemplate(module, MAKEINTRESOURCEA(id)), nullptr) << id;
  }
  for (UINT id : {IDB_G_150, IDB_G_100, IDB_G_50, IDB_DT_SCALE}) {
    EXPECT_NE(FindBitmapResource(module, MAKEINTRESOURCEA(id)), nullptr) << id;
  }
  EXPECT_NE(FindVersionInfo(module), nullptr);
}

// ---- Menu 128 ----------------------------------------------------------------------------------
TEST(MainMenu, HasFiveItemsOnTheBarWithTheBlankCommandSecond) {
  const MenuTemplate* menu = FindMenuTemplate(Program(), MAKEINTRESOURCEA(IDR_MAINFRAME));
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->items.size(), 5U);
  const char* texts[] = {"&File", "", "&View", "&Control", "&Help"};
  const UINT flags[] = {MF_POPUP, 0, MF_POPUP, MF_POPUP, MF_POPUP | MF_END};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_STREQ(menu->items[i].text, texts[i]) << i;
    EXPECT_EQ(menu->items[i].flags, flags[i]) << i;
  }
  // A command on the bar itself: no popup, its own id, and not a separator.
  EXPECT_EQ(menu->items[1].id, ID_MENU_BLANK);
  EXPECT_TRUE(menu->items[1].popup.empty());
}

struct ExpectedItem {
  UINT flags;
  UINT id;
  const char* text;
};

void ExpectItems(std::span<const MenuItemTemplate> items,
                 std::initializer_list<ExpectedItem> expected) {
  ASSERT_EQ(items.size(), expected.size());
  std::size_t i = 0;
  for (const ExpectedItem& e : expected) {
    EXPECT_EQ(items[i].flags, e.flags) << i;
    EXPECT_EQ(items[i].id, e.id) << i;
    EXPECT_STREQ(items[i].text, e.text) << i;
    EXPECT_TRUE(items[i].popup.empty()) << i;
    ++i;
  }
}

TEST(MainMenu, DropDownsHoldTheCommandsWithTheirStateAtLoad) {
  const MenuTemplate* menu = FindMenuTemplate(Program(), MAKEINTRESOURCEA(IDR_MAINFRAME));
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->items.size(), 5U);
  ExpectItems(menu->items[0].popup, {{MF_END, ID_FILE_EXIT, "E&xit"}});
  ExpectItems(menu->items[2].popup, {{MF_GRAYED | MF_END, ID_VIEW_ZOOM, "&Zoom..."}});
  ExpectItems(menu->items[3].popup,
              {{MF_GRAYED, ID_CONTROL_GO, "&Go"}, {MF_GRAYED | MF_END, ID_CONTROL_STOP, "&Stop"}});
  ExpectItems(menu->items[4].popup, {{0, ID_HELP_INSTRUCTIONS, "&Instructions..."},
                                     {MF_SEPARATOR, 0, ""},
                                     {MF_END, ID_HELP_ABOUT, "&About Astrolathe..."}});
}

// ---- String table
// --------------------------------------------------------------------------------
TEST(StringTable, HoldsExactlyTheProgramsTexts) {
  EXPECT_EQ(LoadString(IDR_MAINFRAME), "Generic ORV frame Window");
  EXPECT_EQ(LoadString(IDS_ABOUT_TITLE), "About Astrolathe v1.0");
  EXPECT_EQ(LoadString(ID_HELP_INSTRUCTIONS), "How to use Astrolathe v1.0");
  EXPECT_EQ(LoadString(57345), "Ready");
  EXPECT_EQ(AstrolatheResources()->strings.size(), 8U);
}

TEST(StringTable, IndicatorTextsKeepTheirTrailingBlanks) {
  // Each sizes its pane, so every blank is width.
  EXPECT_EQ(LoadString(ID_INDICATOR_POS), "x: 000e+009  y: 000e+009   ");
  EXPECT_EQ(LoadString(ID_INDICATOR_POS).size(), 27U);
  EXPECT_EQ(LoadString(ID_INDICATOR_TIME), "t: 0.000000e+000 s");
  EXPECT_EQ(LoadString(ID_INDICATOR_DT), "1e+002 s    ");
  EXPECT_EQ(LoadString(ID_INDICATOR_DT).size(), 12U);
  EXPECT_EQ(LoadString(ID_INDICATOR_G), "6.6726e-011  ");
  EXPECT_EQ(LoadString(ID_INDICATOR_G).size(), 13U);
}

TEST(StringTable, MenuCommandsOtherThanInstructionsHaveNoPrompt) {
  for (UINT id :
       {ID_FILE_EXIT, ID_MENU_BLANK, ID_VIEW_ZOOM, ID_CONTROL_GO, ID_CONTROL_STOP, ID_HELP_ABOUT}) {
    EXPECT_EQ(FindStringResource(Program(), id), nullptr) << id;
  }
}

// ---- Version ------------------------------------------------------------------------------------
TEST(Version, IsOneZeroZeroOneInUsEnglishUnicode) {
  const VersionInfo* version = FindVersionInfo(Program());
  ASSERT_NE(version, nullptr);
  const WORD expected[4] = {1, 0, 0, 1};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(version->fileVersion[i], expected[i]) << i;
    EXPECT_EQ(version->productVersion[i], version->fileVersion[i]) << i;
  }
  EXPECT_EQ(version->language, 0x0409);
  EXPECT_EQ(version->codePage, 1200);
}

TEST(Version, StringsAgreeWithTheNumbers) {
  const VersionInfo* version = FindVersionInfo(Program());
  ASSERT_NE(version, nullptr);
  int checked = 0;
  for (const VersionString& s : version->strings) {
    if (std::string(s.key) == "FileVersion" || std::string(s.key) == "ProductVersion") {
      EXPECT_STREQ(s.value, "1.0.0.1") << s.key;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 2);
}

}  // namespace
