#include "platform/win/res/resources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// ---- Two small modules --------------------------------------------------------------
constexpr MenuItemTemplate kBar[] = {{MF_END, 7, "&Go"}};
constexpr MenuTemplate kMenu{kBar};
constexpr DialogItemTemplate kItems[] = {{"BUTTON", 1, "OK", 0, 0, 10, 10, WS_CHILD}};
constexpr DialogTemplate kDialog{.style = WS_POPUP, .caption = "Box", .items = kItems};
constexpr LegendEntry kLegend[] = {{'#', StdColor::Black}};
constexpr const char* kRows[] = {"#"};
constexpr PixelArt kDot{1, 1, 4, kStandardPalette16, kLegend, kRows};
constexpr PixelArt kIconImage{1, 1, 4, kStandardPalette16, kLegend, kRows, ' '};
constexpr IconGroup kIcon{{&kIconImage, 1}};
constexpr VersionInfo kVersion{{1, 2, 3, 4}, {1, 2, 3, 4}, LANG_EN_US, 1200, {}};

constexpr ResourceEntry<MenuTemplate> kMenus[] = {{128, &kMenu}, {0, &kMenu}, {129, nullptr}};
constexpr ResourceEntry<DialogTemplate> kDialogs[] = {{128, &kDialog}};
constexpr ResourceEntry<PixelArt> kBitmaps[] = {{130, &kDot}};
constexpr ResourceEntry<IconGroup> kIcons[] = {{128, &kIcon}};
constexpr StringEntry kStrings[] = {
    {1, "one"},       {15, "fifteen"},        {16, "sixteen"},
    {57345, "Ready"}, {16, "second sixteen"}, {40, nullptr},
};

constexpr ResourceModule kFirst{
    .name = "First.exe",
    .menus = kMenus,
    .strings = kStrings,
    .dialogs = kDialogs,
    .bitmaps = kBitmaps,
    .iconGroups = kIcons,
    .version = &kVersion,
};

constexpr StringEntry kOtherStrings[] = {{1, "other one"}};
constexpr ResourceModule kOther{.name = "other", .strings = kOtherStrings};

// Registered before any test runs, so that it is the module a null handle
// stands for whichever tests run and in whatever order.
const HINSTANCE g_first = RegisterResourceModule(&kFirst);

HRSRC Find(HINSTANCE module, UINT id, UINT type) {
  return FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
}

const void* Lock(HINSTANCE module, UINT id, UINT type) {
  return LockResource(LoadResource(module, Find(module, id, type)));
}

// ---- Modules ------------------------------------------------------------------------------
TEST(ResourceModules, RegisteringAgainGivesTheSameHandle) {
  ASSERT_NE(g_first, nullptr);
  EXPECT_EQ(RegisterResourceModule(&kFirst), g_first);
  const HINSTANCE other = RegisterResourceModule(&kOther);
  ASSERT_NE(other, nullptr);
  EXPECT_NE(other, g_first);
  EXPECT_EQ(RegisterResourceModule(&kOther), other);
  EXPECT_EQ(RegisterResourceModule(nullptr), nullptr);
}

TEST(ResourceModules, NullStandsForTheFirstRegistered) {
  const HINSTANCE other = RegisterResourceModule(&kOther);
  EXPECT_EQ(GetModuleHandleA(nullptr), g_first);
  EXPECT_EQ(Find(nullptr, 128, RT_MENU), Find(g_first, 128, RT_MENU));
  char text[32];
  EXPECT_EQ(LoadStringA(nullptr, 1, text, sizeof text), 3);
  EXPECT_STREQ(text, "one");
  EXPECT_EQ(LoadStringA(other, 1, text, sizeof text), 9);
  EXPECT_STREQ(text, "other one");
}

TEST(ResourceModules, AreFoundByNameWithoutRegardToCase) {
  const HINSTANCE other = RegisterResourceModule(&kOther);
  EXPECT_EQ(GetModuleHandleA("first.EXE"), g_first);
  EXPECT_EQ(GetModuleHandleA("OTHER"), other);
  EXPECT_EQ(GetModuleHandleA("first"), nullptr);
  EXPECT_EQ(GetModuleHandleA(""), nullptr);
}

TEST(ResourceModules, AnUnregisteredHandleFindsNothing) {
  int unrelated = 0;
  const auto stray = reinterpret_cast<HINSTANCE>(&unrelated);
  EXPECT_EQ(Find(stray, 128, RT_MENU), nullptr);
  EXPECT_EQ(FindMenuTemplate(stray, MAKEINTRESOURCEA(128)), nullptr);
  char text[8] = "x";
  EXPECT_EQ(LoadStringA(stray, 1, text, sizeof text), 0);
  EXPECT_STREQ(text, "");
}

// ---- Finding -------------------------------------------------------------------------------
TEST(FindResource, TakesIntegerAndHashNumberNames) {
  const HRSRC byInteger = Find(g_first, 128, RT_MENU);
  ASSERT_NE(byInteger, nullptr);
  EXPECT_EQ(FindResourceA(g_first, "#128", MAKEINTRESOURCEA(RT_MENU)), byInteger);
  EXPECT_EQ(FindResourceA(g_first, "#128", "#4"), byInteger);
  EXPECT_EQ(FindResourceA(g_first, MAKEINTRESOURCEA(128), "#4"), byInteger);
}

TEST(FindResource, RefusesOtherNames) {
  for (const char* name : {"#", "#12a", "#0", "#65536", "#99999999999", "MAINFRAME", "128", ""}) {
    EXPECT_EQ(FindResourceA(g_first, name, MAKEINTRESOURCEA(RT_MENU)), nullptr) << name;
  }
  EXPECT_EQ(FindResourceA(g_first, nullptr, MAKEINTRESOURCEA(RT_MENU)), nullptr);
  EXPECT_EQ(FindResourceA(g_first, MAKEINTRESOURCEA(128), nullptr), nullptr);
}

TEST(FindResource, KeepsTypesApart) {
  EXPECT_NE(Find(g_first, 128, RT_MENU), Find(g_first, 128, RT_DIALOG));
  EXPECT_EQ(Find(g_first, 130, RT_MENU), nullptr);
  EXPECT_EQ(Find(g_first, 128, RT_BITMAP), nullptr);
  EXPECT_EQ(Find(g_first, 128, 99), nullptr);
}

TEST(FindResource, SkipsEntriesWithoutIdOrTable) {
  EXPECT_EQ(Find(g_first, 129, RT_MENU), nullptr);
  EXPECT_EQ(FindResourceA(g_first, nullptr, MAKEINTRESOURCEA(RT_MENU)), nullptr);
}

// ---- Loading -------------------------------------------------------------------------------
TEST(LockResource, GivesTheTableItself) {
  EXPECT_EQ(Lock(g_first, 128, RT_MENU), &kMenu);
  EXPECT_EQ(Lock(g_first, 128, RT_DIALOG), &kDialog);
  EXPECT_EQ(Lock(g_first, 130, RT_BITMAP), &kDot);
  EXPECT_EQ(Lock(g_first, 128, RT_GROUP_ICON), &kIcon);
  EXPECT_EQ(Lock(g_first, VS_VERSION_INFO, RT_VERSION), &kVersion);
}

TEST(LockResource, SizesAreThoseOfTheTables) {
  EXPECT_EQ(SizeofResource(g_first, Find(g_first, 128, RT_MENU)), sizeof(MenuTemplate));
  EXPECT_EQ(SizeofResource(g_first, Find(g_first, 128, RT_DIALOG)), sizeof(DialogTemplate));
  EXPECT_EQ(SizeofResource(g_first, Find(g_first, 130, RT_BITMAP)), sizeof(PixelArt));
  EXPECT_EQ(SizeofResource(g_first, nullptr), 0U);
}

TEST(LockResource, RefusesHandlesItDidNotGive) {
  const HINSTANCE other = RegisterResourceModule(&kOther);
  const HRSRC menu = Find(g_first, 128, RT_MENU);
  EXPECT_EQ(LoadResource(other, menu), nullptr);
  EXPECT_EQ(SizeofResource(other, menu), 0U);
  EXPECT_EQ(LoadResource(g_first, nullptr), nullptr);
  EXPECT_EQ(LockResource(nullptr), nullptr);
  int unrelated = 0;
  EXPECT_EQ(LockResource(&unrelated), nullptr);
  EXPECT_EQ(LoadResource(g_first, reinterpret_cast<HRSRC>(&unrelated)), nullptr);
}

TEST(LockResource, StringsComeInBlocksOfSixteen) {
  const auto* first = static_cast<const StringBlock*>(Lock(g_first, 1, RT_STRING));
  ASSERT_NE(first, nullptr);
  EXPECT_STREQ(first->strings[1], "one");
  EXPECT_STREQ(first->strings[15], "fifteen");
  EXPECT_EQ(first->strings[0], nullptr);
  const auto* second = static_cast<const StringBlock*>(Lock(g_first, 2, RT_STRING));
  ASSERT_NE(second, nullptr);
  EXPECT_STREQ(second->strings[0], "sixteen");
  const auto* last = static_cast<const StringBlock*>(Lock(g_first, 57345 / 16 + 1, RT_STRING));
  ASSERT_NE(last, nullptr);
  EXPECT_STREQ(last->strings[57345 % 16], "Ready");
  EXPECT_EQ(Lock(g_first, 4, RT_STRING), nullptr);
}

// ---- LoadStringA --------------------------------------------------------------------------
TEST(LoadString, CopiesAndReturnsTheLength) {
  char text[32];
  EXPECT_EQ(LoadStringA(g_first, 57345, text, sizeof text), 5);
  EXPECT_STREQ(text, "Ready");
}

TEST(LoadString, TruncatesToTheBufferAndTerminates) {
  char text[8];
  std::memset(text, 'x', sizeof text);
  EXPECT_EQ(LoadStringA(g_first, 15, text, 5), 4);
  EXPECT_STREQ(text, "fift");
  EXPECT_EQ(text[5], 'x');
  EXPECT_EQ(LoadStringA(g_first, 15, text, 1), 0);
  EXPECT_STREQ(text, "");
}

TEST(LoadString, GivesNothingForMissingStrings) {
  char text[8] = "x";
  EXPECT_EQ(LoadStringA(g_first, 2, text, sizeof text), 0);
  EXPECT_STREQ(text, "");
  std::strcpy(text, "x");
  EXPECT_EQ(LoadStringA(g_first, 40, text, sizeof text), 0);  // listed without a text
  EXPECT_STREQ(text, "");
  EXPECT_EQ(LoadStringA(g_first, 0, text, sizeof text), 0);
  EXPECT_EQ(LoadStringA(g_first, 65537, text, sizeof text), 0);  // would wrap to id 1
  EXPECT_STREQ(text, "");
}

TEST(LoadString, LeavesABufferWithoutRoomAlone) {
  char text[4] = "abc";
  EXPECT_EQ(LoadStringA(g_first, 1, text, 0), 0);
  EXPECT_EQ(LoadStringA(g_first, 1, text, -5), 0);
  EXPECT_STREQ(text, "abc");
  EXPECT_EQ(LoadStringA(g_first, 1, nullptr, 10), 0);
}

TEST(LoadString, TheFirstOfTwoTextsForOneIdCounts) {
  EXPECT_STREQ(FindStringResource(g_first, 16), "sixteen");
  EXPECT_EQ(FindStringResource(g_first, 17), nullptr);
}

// ---- Typed lookups -------------------------------------------------------------------------
TEST(TypedLookups, FindEachKindByNameAndType) {
  EXPECT_EQ(FindMenuTemplate(g_first, MAKEINTRESOURCEA(128)), &kMenu);
  EXPECT_EQ(FindDialogTemplate(g_first, "#128"), &kDialog);
  EXPECT_EQ(FindBitmapResource(g_first, MAKEINTRESOURCEA(130)), &kDot);
  EXPECT_EQ(FindIconGroup(nullptr, MAKEINTRESOURCEA(128)), &kIcon);
  EXPECT_EQ(FindVersionInfo(g_first), &kVersion);
  EXPECT_EQ(FindBitmapResource(g_first, MAKEINTRESOURCEA(128)), nullptr);
  EXPECT_EQ(FindVersionInfo(RegisterResourceModule(&kOther)), nullptr);
}

}  // namespace
