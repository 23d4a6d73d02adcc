#include <string>

#include "platform/win/res/resource_types.h"
#include "tests/win/menu/menu_fixture.h"

namespace {

using MenuData = MenuTest;

std::string String(HMENU menu, UINT item, UINT flags) {
  char buffer[64] = {};
  GetMenuStringA(menu, item, buffer, sizeof buffer, flags);
  return buffer;
}

TEST_F(MenuData, LoadingATemplateKeepsItsItemsAndFlags) {
  HMENU bar = Bar();
  ASSERT_TRUE(IsMenu(bar));
  ASSERT_EQ(GetMenuItemCount(bar), 5);
  EXPECT_EQ(String(bar, kFile, MF_BYPOSITION), "&File");
  EXPECT_EQ(String(bar, kBlank, MF_BYPOSITION), "");
  EXPECT_EQ(GetMenuItemID(bar, kFile), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuItemID(bar, kBlank), kBlankCommand);
  EXPECT_EQ(GetSubMenu(bar, kBlank), nullptr);
  HMENU help = GetSubMenu(bar, kHelp);
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(GetMenuItemCount(help), 3);
  EXPECT_EQ(GetMenuItemID(help, 0), kInstructions);
  EXPECT_EQ(GetMenuItemID(help, 1), 0U);
  EXPECT_EQ(GetMenuState(help, 1, MF_BYPOSITION), MF_SEPARATOR);
  EXPECT_EQ(GetMenuItemID(help, 2), kAbout);
  // Grayed at load, and found by command from the bar.
  EXPECT_EQ(GetMenuState(bar, kZoom, MF_BYCOMMAND), MF_GRAYED);
  EXPECT_EQ(GetMenuState(bar, kGo, MF_BYCOMMAND), MF_GRAYED);
  EXPECT_EQ(GetMenuState(bar, kExit, MF_BYCOMMAND), MF_ENABLED);
  // A drop-down reports its item count in the high byte.
  EXPECT_EQ(GetMenuState(bar, kControl, MF_BYPOSITION), (2U << 8) | MF_POPUP);
  EXPECT_EQ(String(bar, kAbout, MF_BYCOMMAND), "&About Astrolathe...");
  EXPECT_EQ(LoadMenuA(nullptr, MAKEINTRESOURCEA(999)), nullptr);
}

TEST_F(MenuData, StringsAreCutToTheBuffer) {
  char buffer[5];
  EXPECT_EQ(GetMenuStringA(Bar(), kAbout, buffer, sizeof buffer, MF_BYCOMMAND), 4);
  EXPECT_STREQ(buffer, "&Abo");
  EXPECT_EQ(GetMenuStringA(Bar(), kAbout, nullptr, 0, MF_BYCOMMAND), 20);
  EXPECT_EQ(GetMenuStringA(Bar(), 9999, buffer, sizeof buffer, MF_BYCOMMAND), 0);
}

TEST_F(MenuData, EnablingAndCheckingReturnTheOldState) {
  HMENU control = Popup(kControl);
  EXPECT_EQ(EnableMenuItem(control, 0, MF_BYPOSITION | MF_ENABLED), MF_GRAYED);
  EXPECT_EQ(EnableMenuItem(Bar(), kGo, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
  EXPECT_EQ(GetMenuState(control, 0, MF_BYPOSITION), MF_GRAYED);
  EXPECT_EQ(EnableMenuItem(Bar(), 12345, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_EQ(CheckMenuItem(control, kStop, MF_CHECKED), 0U);
  EXPECT_EQ(CheckMenuItem(control, kStop, 0), static_cast<DWORD>(MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(control, 7, MF_BYPOSITION), static_cast<DWORD>(-1));
}

TEST_F(MenuData, BuildingChangingAndDeleting) {
  HMENU bar = CreateMenu();
  HMENU popup = CreatePopupMenu();
  EXPECT_TRUE(AppendMenuA(popup, MF_STRING, 10, "&One"));
  EXPECT_TRUE(AppendMenuA(popup, MF_SEPARATOR, 0, nullptr));
  EXPECT_TRUE(AppendMenuA(popup, MF_STRING | MF_GRAYED, 11, "&Two"));
  EXPECT_TRUE(AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "&Menu"));
  EXPECT_EQ(GetSubMenu(bar, 0), popup);
  EXPECT_TRUE(ModifyMenuA(bar, 11, MF_BYCOMMAND | MF_STRING, 12, "T&hree"));
  EXPECT_EQ(GetMenuItemID(popup, 2), 12U);
  EXPECT_EQ(String(popup, 2, MF_BYPOSITION), "T&hree");
  EXPECT_EQ(GetMenuState(popup, 2, MF_BYPOSITION), MF_ENABLED);
  EXPECT_TRUE(DeleteMenu(bar, 10, MF_BYCOMMAND));
  EXPECT_EQ(GetMenuItemCount(popup), 2);
  EXPECT_FALSE(DeleteMenu(bar, 10, MF_BYCOMMAND));
  // Deleting the drop-down's item destroys the drop-down.
  EXPECT_TRUE(DeleteMenu(bar, 0, MF_BYPOSITION));
  EXPECT_FALSE(IsMenu(popup));
  EXPECT_EQ(GetMenuItemCount(bar), 0);
  EXPECT_TRUE(DestroyMenu(bar));
  EXPECT_FALSE(IsMenu(bar));
  EXPECT_FALSE(DestroyMenu(bar));
}

TEST_F(MenuData, ReplacingADropDownDestroysTheOldOne) {
  HMENU old = Popup(kFile);
  HMENU fresh = CreatePopupMenu();
  AppendMenuA(fresh, MF_STRING, 1, "x");
  EXPECT_TRUE(ModifyMenuA(Bar(), kFile, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(fresh),
                          "&File"));
  EXPECT_FALSE(IsMenu(old));
  EXPECT_EQ(Popup(kFile), fresh);
  EXPECT_TRUE(ModifyMenuA(Bar(), kFile, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(fresh),
                          "&Files"));
  EXPECT_TRUE(IsMenu(fresh));
}

TEST_F(MenuData, DestroyingAMenuTakesItsDropDowns) {
  HMENU help = Popup(kHelp);
  HMENU bar = Bar();
  EXPECT_TRUE(DestroyMenu(bar));
  EXPECT_FALSE(IsMenu(help));
  EXPECT_EQ(GetMenu(m_frame), nullptr);
  // The frame, whose handle now names nothing, paints a plain bar.
  DrawMenuBar(m_frame);
  Pump();
}

TEST_F(MenuData, ADestroyedDropDownLeavesAnEmptyItem) {
  HMENU help = Popup(kHelp);
  EXPECT_TRUE(DestroyMenu(help));
  EXPECT_EQ(Popup(kHelp), nullptr);
  EXPECT_EQ(GetMenuState(Bar(), kHelp, MF_BYPOSITION), static_cast<UINT>(MF_POPUP));
}

TEST_F(MenuData, MenusCannotHoldThemselves) {
  HMENU a = CreatePopupMenu();
  HMENU b = CreatePopupMenu();
  EXPECT_FALSE(AppendMenuA(a, MF_POPUP, reinterpret_cast<UINT_PTR>(a), "self"));
  EXPECT_TRUE(AppendMenuA(a, MF_POPUP, reinterpret_cast<UINT_PTR>(b), "b"));
  EXPECT_FALSE(AppendMenuA(b, MF_POPUP, reinterpret_cast<UINT_PTR>(a), "cycle"));
  EXPECT_FALSE(AppendMenuA(Bar(), MF_POPUP, reinterpret_cast<UINT_PTR>(b), "twice"));
  // Nor nest beyond the depth that templates may have.
  HMENU top = CreateMenu();
  HMENU level = top;
  int accepted = 0;
  for (int i = 0; i < 12; ++i) {
    HMENU next = CreatePopupMenu();
    if (!AppendMenuA(level, MF_POPUP, reinterpret_cast<UINT_PTR>(next), "deeper")) {
      DestroyMenu(next);
      break;
    }
    ++accepted;
    level = next;
  }
  EXPECT_EQ(accepted, kMaxMenuDepth - 1);
  EXPECT_TRUE(DestroyMenu(top));
  EXPECT_TRUE(DestroyMenu(a));
  EXPECT_FALSE(IsMenu(b));
}

TEST_F(MenuData, BadHandlesAndPositionsFailSafely) {
  HMENU bogus = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(0x1234));
  EXPECT_FALSE(IsMenu(bogus));
  EXPECT_FALSE(IsMenu(nullptr));
  EXPECT_EQ(GetMenuItemCount(bogus), -1);
  EXPECT_EQ(GetMenuItemID(bogus, 0), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuItemID(Bar(), -1), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuItemID(Bar(), 99), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuState(bogus, 0, MF_BYPOSITION), static_cast<UINT>(-1));
  EXPECT_EQ(GetSubMenu(bogus, 0), nullptr);
  EXPECT_EQ(GetSubMenu(Bar(), -3), nullptr);
  EXPECT_FALSE(AppendMenuA(bogus, MF_STRING, 1, "x"));
  EXPECT_FALSE(AppendMenuA(Bar(), MF_POPUP, 0x1234, "x"));
  EXPECT_FALSE(ModifyMenuA(Bar(), 99, MF_BYPOSITION, 1, "x"));
  EXPECT_FALSE(DeleteMenu(bogus, 0, MF_BYPOSITION));
  EXPECT_FALSE(DestroyMenu(bogus));
  EXPECT_FALSE(SetMenu(m_frame, bogus));
  EXPECT_FALSE(SetMenu(nullptr, Bar()));
  RECT r;
  EXPECT_FALSE(GetMenuItemRect(m_frame, Bar(), 5, &r));
  EXPECT_FALSE(GetMenuItemRect(m_frame, Popup(kFile), 0, &r));  // not open
  EXPECT_FALSE(GetMenuItemRect(m_frame, bogus, 0, &r));
  EXPECT_FALSE(EndMenu());
}

TEST_F(MenuData, TheBarTakesItsRowFromTheClientArea) {
  RECT with;
  GetClientRect(m_frame, &with);
  HMENU bar = Bar();
  EXPECT_TRUE(SetMenu(m_frame, nullptr));
  EXPECT_EQ(GetMenu(m_frame), nullptr);
  RECT without;
  GetClientRect(m_frame, &without);
  EXPECT_EQ(without.bottom, with.bottom + kMenuBarHeight);
  EXPECT_TRUE(SetMenu(m_frame, bar));
  GetClientRect(m_frame, &without);
  EXPECT_EQ(without.bottom, with.bottom);
  EXPECT_TRUE(IsMenu(bar));
}

TEST_F(MenuData, BarItemsLieLeftToRightOnTheScreen) {
  POINT origin{0, 0};
  ClientToScreen(m_frame, &origin);
  RECT previous{};
  for (int i = 0; i < 5; ++i) {
    RECT r{};
    ASSERT_TRUE(GetMenuItemRect(m_frame, Bar(), static_cast<UINT>(i), &r));
    EXPECT_EQ(r.top, origin.y - kMenuBarHeight + 1);
    EXPECT_EQ(r.bottom, origin.y - 1);
    EXPECT_EQ(r.left, i == 0 ? origin.x : previous.right);
    EXPECT_GT(r.right, r.left);
    previous = r;
  }
  RECT blank{};
  GetMenuItemRect(m_frame, Bar(), kBlank, &blank);
  EXPECT_EQ(blank.right - blank.left, 12);  // empty, but still there to click
}

}  // namespace
