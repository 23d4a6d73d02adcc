#include "platform/win/res/resource_validation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Problems = std::vector<std::string>;

// True when exactly one problem is reported and it mentions `words`.
::testing::AssertionResult OneProblemAbout(const Problems& problems, const std::string& words) {
  if (problems.size() == 1 && problems[0].find(words) != std::string::npos) {
    return ::testing::AssertionSuccess();
  }
  auto failure = ::testing::AssertionFailure()
                 << "wanted one problem about \"" << words << "\", got";
  for (const std::string& p : problems) {
    failure << "\n  " << p;
  }
  return failure;
}

constexpr LegendEntry kLegend[] = {{'.', StdColor::Silver}, {'#', StdColor::Black}};

PixelArt Art(int width, int height, std::span<const char* const> rows, char transparent = '\0') {
  return PixelArt{width, height, 4, kStandardPalette16, kLegend, rows, transparent};
}

// ---- Pixel art --------------------------------------------------------------------------------
constexpr const char* kGood[] = {".#.", "#.#"};

TEST(ValidatePixelArt, AcceptsASoundPicture) {
  EXPECT_TRUE(ValidatePixelArt(Art(3, 2, kGood)).empty());
  EXPECT_TRUE(ValidatePixelArt(Art(3, 2, kGood, ' ')).empty());
}

TEST(ValidatePixelArt, ReportsRowsOfTheWrongLength) {
  static constexpr const char* kShort[] = {".#.", "#."};
  EXPECT_TRUE(OneProblemAbout(ValidatePixelArt(Art(3, 2, kShort)), "row 1: shorter"));
  static constexpr const char* kLong[] = {".#..", "#.#"};
  EXPECT_TRUE(OneProblemAbout(ValidatePixelArt(Art(3, 2, kLong)), "row 0: longer"));
  static constexpr const char* kNull[] = {".#.", nullptr};
  EXPECT_TRUE(OneProblemAbout(ValidatePixelArt(Art(3, 2, kNull)), "row 1: missing"));
}

TEST(ValidatePixelArt, ReportsTheWrongNumberOfRows) {
  EXPECT_TRUE(OneProblemAbout(ValidatePixelArt(Art(3, 3, kGood)), "2 rows for a height of 3"));
  EXPECT_TRUE(OneProblemAbout(ValidatePixelArt(Art(3, 1, kGood)), "2 rows for a height of 1"));
}

TEST(ValidatePixelArt, ReportsCharactersMissingFromTheLegend) {
  static constexpr const char* kRows[] = {".#.", "#o#"};
  EXPECT_TRUE(OneProblemAbout(ValidatePixelArt(Art(3, 2, kRows)), "'o' at column 1"));
  static constexpr const char* kSpace[] = {". .", "#.#"};  // blank is only allowed when transparent
  EXPECT_TRUE(OneProblemAbout(ValidatePixelArt(Art(3, 2, kSpace)), "' ' at column 1"));
  EXPECT_TRUE(ValidatePixelArt(Art(3, 2, kSpace, ' ')).empty());
}

TEST(ValidatePixelArt, ReportsAFaultyLegend) {
  static constexpr LegendEntry kTwice[] = {
      {'.', StdColor::Silver}, {'#', StdColor::Black}, {'.', StdColor::Black}};
  EXPECT_TRUE(OneProblemAbout(
      ValidatePixelArt(PixelArt{3, 1, 4, kStandardPalette16, kTwice, {&kGood[0], 1}}), "twice"));
  static constexpr PaletteColor kTwo[] = {{0, 0, 0}, {255, 255, 255}};
  static constexpr LegendEntry kBeyond[] = {{'.', 0}, {'#', 2}};
  static constexpr const char* kRows[] = {".#"};
  EXPECT_TRUE(OneProblemAbout(ValidatePixelArt(PixelArt{2, 1, 1, kTwo, kBeyond, kRows}),
                              "index 2, not in the palette"));
  EXPECT_TRUE(OneProblemAbout(ValidatePixelArt(Art(3, 2, kGood, '#')), "transparent"));
}

TEST(ValidatePixelArt, ReportsDepthAndPaletteThatDoNotFit) {
  EXPECT_TRUE(OneProblemAbout(
      ValidatePixelArt(PixelArt{3, 2, 3, kStandardPalette16, kLegend, kGood}), "3 bits per pixel"));
  EXPECT_TRUE(
      OneProblemAbout(ValidatePixelArt(PixelArt{3, 2, 1, kStandardPalette16, kLegend, kGood}),
                      "more palette entries"));
}

TEST(ValidatePixelArt, ReportsImpossibleSizes) {
  EXPECT_TRUE(OneProblemAbout(ValidatePixelArt(Art(0, 2, kGood)), "size 0 by 2"));
  EXPECT_TRUE(OneProblemAbout(ValidatePixelArt(Art(3, kMaxPixelArtSide + 1, kGood)), "size"));
}

TEST(ValidateIconGroup, WantsImagesOfDistinctSizesWithTransparency) {
  const PixelArt images[] = {Art(3, 2, kGood, ' '), Art(3, 2, kGood, ' ')};
  EXPECT_TRUE(ValidateIconGroup(IconGroup{{images, 1}}).empty());
  EXPECT_TRUE(OneProblemAbout(ValidateIconGroup(IconGroup{images}), "image 1: a second image"));
  EXPECT_TRUE(OneProblemAbout(ValidateIconGroup(IconGroup{}), "no images"));
  const PixelArt opaque[] = {Art(3, 2, kGood)};
  EXPECT_TRUE(OneProblemAbout(ValidateIconGroup(IconGroup{opaque}), "no transparent"));
}

// ---- Menus -----------------------------------------------------------------------------------
constexpr MenuItemTemplate kPopup[] = {
    {0, 10, "&One"}, {MF_SEPARATOR, 0, ""}, {MF_GRAYED | MF_END, 11, "&Two"}};
constexpr MenuItemTemplate kBar[] = {{MF_POPUP, 0, "&File", kPopup}, {MF_END, 12, ""}};

TEST(ValidateMenuTemplate, AcceptsASoundMenu) {
  EXPECT_TRUE(ValidateMenuTemplate(MenuTemplate{kBar}).empty());
}

TEST(ValidateMenuTemplate, WantsMfEndOnTheLastItemOfEachLevelOnly) {
  static constexpr MenuItemTemplate kNoEnd[] = {{0, 10, "&One"}, {0, 11, "&Two"}};
  static constexpr MenuItemTemplate kBarNoEnd[] = {{MF_POPUP | MF_END, 0, "&File", kNoEnd}};
  EXPECT_TRUE(OneProblemAbout(ValidateMenuTemplate(MenuTemplate{kBarNoEnd}),
                              "bar item 0 item 1: last item of its level without MF_END"));
  static constexpr MenuItemTemplate kEarly[] = {{MF_END, 10, "&One"}, {MF_END, 11, "&Two"}};
  EXPECT_TRUE(OneProblemAbout(ValidateMenuTemplate(MenuTemplate{kEarly}), "bar item 0: MF_END"));
}

TEST(ValidateMenuTemplate, WantsPopupsAndTheirItemsToAgree) {
  static constexpr MenuItemTemplate kEmptyPopup[] = {{MF_POPUP | MF_END, 0, "&File"}};
  EXPECT_TRUE(OneProblemAbout(ValidateMenuTemplate(MenuTemplate{kEmptyPopup}), "without items"));
  static constexpr MenuItemTemplate kStray[] = {{MF_END, 5, "&File", kPopup}};
  EXPECT_TRUE(OneProblemAbout(ValidateMenuTemplate(MenuTemplate{kStray}), "without MF_POPUP"));
  static constexpr MenuItemTemplate kWithId[] = {{MF_POPUP | MF_END, 9, "&File", kPopup}};
  EXPECT_TRUE(OneProblemAbout(ValidateMenuTemplate(MenuTemplate{kWithId}), "command id"));
  EXPECT_TRUE(OneProblemAbout(ValidateMenuTemplate(MenuTemplate{}), "without items"));
}

TEST(ValidateMenuTemplate, ReportsBadItems) {
  static constexpr MenuItemTemplate kSeparator[] = {{MF_SEPARATOR | MF_END, 0, "-"}};
  EXPECT_TRUE(OneProblemAbout(ValidateMenuTemplate(MenuTemplate{kSeparator}), "separator"));
  static constexpr MenuItemTemplate kNoText[] = {{MF_END, 4, nullptr}};
  EXPECT_TRUE(OneProblemAbout(ValidateMenuTemplate(MenuTemplate{kNoText}), "no text"));
  static constexpr MenuItemTemplate kFlags[] = {{MF_END | MF_BYPOSITION, 4, "x"}};
  EXPECT_TRUE(OneProblemAbout(ValidateMenuTemplate(MenuTemplate{kFlags}), "flags"));
}

extern const MenuItemTemplate kLoop[1];
constexpr MenuItemTemplate kLoop[1] = {{MF_POPUP | MF_END, 0, "&Again", kLoop}};

TEST(ValidateMenuTemplate, StopsAtTheDepthLimit) {
  EXPECT_TRUE(OneProblemAbout(ValidateMenuTemplate(MenuTemplate{kLoop}), "nested deeper than 8"));
}

// ---- Dialogs ---------------------------------------------------------------------------------
constexpr DialogItemTemplate kItems[] = {
    {"BUTTON", IDOK, "OK", 4, 4, 40, 14, WS_CHILD | WS_VISIBLE},
    {"STATIC", -1, TemplateText::Ordinal(128), 4, 20, 20, 20, WS_CHILD | SS_ICON},
};

DialogTemplate Dialog(std::span<const DialogItemTemplate> items) {
  return DialogTemplate{.style = WS_POPUP | DS_SETFONT,
                        .cx = 100,
                        .cy = 50,
                        .caption = "Box",
                        .pointSize = 8,
                        .faceName = "MS Sans Serif",
                        .items = items};
}

TEST(ValidateDialogTemplate, AcceptsASoundTemplate) {
  EXPECT_TRUE(ValidateDialogTemplate(Dialog(kItems)).empty());
}

TEST(ValidateDialogTemplate, ReportsBadItems) {
  static constexpr DialogItemTemplate kNoClass[] = {{"", 1, "x", 0, 0, 1, 1, WS_CHILD}};
  EXPECT_TRUE(OneProblemAbout(ValidateDialogTemplate(Dialog(kNoClass)), "item 0: no class"));
  static constexpr DialogItemTemplate kBadId[] = {{"EDIT", -2, "", 0, 0, 1, 1, WS_CHILD}};
  EXPECT_TRUE(OneProblemAbout(ValidateDialogTemplate(Dialog(kBadId)), "id -2"));
  static constexpr DialogItemTemplate kNoText[] = {{"EDIT", 3, {}, 0, 0, 1, 1, WS_CHILD}};
  EXPECT_TRUE(OneProblemAbout(ValidateDialogTemplate(Dialog(kNoText)), "neither a text"));
  static constexpr DialogItemTemplate kNegative[] = {{"EDIT", 3, "", 0, 0, -1, 1, WS_CHILD}};
  EXPECT_TRUE(OneProblemAbout(ValidateDialogTemplate(Dialog(kNegative)), "negative"));
}

TEST(ValidateDialogTemplate, WantsAFontWithDsSetFont) {
  DialogTemplate dialog = Dialog(kItems);
  dialog.faceName = "";
  EXPECT_TRUE(OneProblemAbout(ValidateDialogTemplate(dialog), "DS_SETFONT"));
  dialog.style = WS_POPUP;
  EXPECT_TRUE(ValidateDialogTemplate(dialog).empty());
  dialog.caption = nullptr;
  EXPECT_TRUE(OneProblemAbout(ValidateDialogTemplate(dialog), "no caption"));
}

// ---- Strings, version, module ------------------------------------------------------------------
TEST(ValidateStringTable, WantsUniqueIdsWithTexts) {
  static constexpr StringEntry kSound[] = {{1, "a"}, {2, ""}};
  EXPECT_TRUE(ValidateStringTable(kSound).empty());
  static constexpr StringEntry kTwice[] = {{1, "a"}, {1, "b"}};
  EXPECT_TRUE(OneProblemAbout(ValidateStringTable(kTwice), "string 1: id used twice"));
  static constexpr StringEntry kNull[] = {{3, nullptr}};
  EXPECT_TRUE(OneProblemAbout(ValidateStringTable(kNull), "string 3: no text"));
  static constexpr StringEntry kZero[] = {{0, "a"}};
  EXPECT_TRUE(OneProblemAbout(ValidateStringTable(kZero), "id 0"));
}

constexpr VersionString kAllKeys[] = {
    {"CompanyName", "c"},  {"FileDescription", "d"}, {"FileVersion", "1"},
    {"InternalName", "i"}, {"LegalCopyright", "l"},  {"OriginalFilename", "o"},
    {"ProductName", "p"},  {"ProductVersion", "1"},
};

TEST(ValidateVersionInfo, WantsTheEightStrings) {
  EXPECT_TRUE(
      ValidateVersionInfo(VersionInfo{{1, 0, 0, 1}, {1, 0, 0, 1}, 0x409, 1200, kAllKeys}).empty());
  EXPECT_TRUE(OneProblemAbout(
      ValidateVersionInfo(VersionInfo{{1, 0, 0, 1}, {1, 0, 0, 1}, 0x409, 1200, {kAllKeys, 7}}),
      "no ProductVersion"));
  static constexpr VersionString kEmpty[] = {{"CompanyName", ""}};
  const Problems problems =
      ValidateVersionInfo(VersionInfo{{1, 0, 0, 1}, {1, 0, 0, 1}, 0, 1200, kEmpty});
  EXPECT_EQ(problems.size(), 9U);  // no language, an empty value and seven missing keys
}

constexpr MenuTemplate kMenu{kBar};
constexpr LegendEntry kIconLegend[] = {{'#', StdColor::Black}};
constexpr const char* kDot[] = {"#"};
constexpr PixelArt kDotBitmap{1, 1, 4, kStandardPalette16, kIconLegend, kDot};
constexpr PixelArt kDotIcon{1, 1, 4, kStandardPalette16, kIconLegend, kDot, ' '};

TEST(ValidateResourceModule, ChecksIdsAndEveryTable) {
  const ResourceEntry<MenuTemplate> menus[] = {{128, &kMenu}};
  const ResourceEntry<PixelArt> bitmaps[] = {{130, &kDotBitmap}};
  ResourceModule module{.name = "m", .menus = menus, .bitmaps = bitmaps};
  EXPECT_TRUE(ValidateResourceModule(module).empty());

  const ResourceEntry<MenuTemplate> twice[] = {{128, &kMenu}, {128, &kMenu}};
  module.menus = twice;
  EXPECT_TRUE(OneProblemAbout(ValidateResourceModule(module), "menu 128: id used twice"));

  const ResourceEntry<MenuTemplate> broken[] = {{0, &kMenu}, {5, nullptr}};
  module.menus = broken;
  EXPECT_EQ(ValidateResourceModule(module).size(), 2U);

  module.menus = menus;
  const ResourceEntry<PixelArt> transparentBitmap[] = {{130, &kDotIcon}};
  module.bitmaps = transparentBitmap;
  EXPECT_TRUE(OneProblemAbout(ValidateResourceModule(module), "bitmap 130: a transparent"));

  module.bitmaps = bitmaps;
  module.name = nullptr;
  EXPECT_TRUE(OneProblemAbout(ValidateResourceModule(module), "without a name"));
}

}  // namespace
