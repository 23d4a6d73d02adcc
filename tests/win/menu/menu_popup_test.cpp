// TrackPopupMenu: a context menu in a pop-up window of its own, run by the
// same loop as the bar's menus.
#include "tests/win/menu/menu_fixture.h"

#include "platform/host/headless/headless_host.h"

namespace {

using ContextMenu = MenuTest;

constexpr UINT kOne = 11;
constexpr UINT kTwo = 12;
constexpr UINT kThree = 13;

// Three commands, the second grayed, a separator before the third.
HMENU MakeMenu() {
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, kOne, "&One");
  AppendMenuA(menu, MF_STRING | MF_GRAYED, kTwo, "&Two");
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, kThree, "T&hree");
  return menu;
}

HWND MenuWindow() { return FindWindowA("#32768", nullptr); }

TEST_F(ContextMenu, OpensAtThePointWithoutTakingTheKeyboardAndReturnsTheCommand) {
  HMENU menu = MakeMenu();
  HWND popup = nullptr;
  RECT place{};
  Script({[&] {
            popup = MenuWindow();
            ASSERT_NE(popup, nullptr);
            GetWindowRect(popup, &place);
            EXPECT_EQ(m_host.Role(popup->hostId).kind, host::SurfaceKind::kPopup);
            EXPECT_EQ(GetActiveWindow(), m_frame);
            EXPECT_EQ(reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)), menu);
            ClickAt(ItemCentre(menu, 1));  // grayed: the menu stays
          },
          [&] { ClickAt(ItemCentre(menu, 3)); }});
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 100, 120, 0, m_frame, nullptr),
            static_cast<BOOL>(kThree));
  EXPECT_EQ(place.left, 100);
  EXPECT_EQ(place.top, 120);
  EXPECT_FALSE(IsWindow(popup));
  EXPECT_EQ(GetCapture(), nullptr);
  // The command is returned, not posted; the owner hears the loop as a
  // context menu's (TRUE).
  Pump();
  EXPECT_TRUE(Heard(WM_COMMAND).empty());
  ASSERT_FALSE(Heard(WM_ENTERMENULOOP).empty());
  EXPECT_EQ(Heard(WM_ENTERMENULOOP)[0].wParam, static_cast<WPARAM>(TRUE));
  EXPECT_EQ(Heard(WM_INITMENUPOPUP)[0].wParam, reinterpret_cast<WPARAM>(menu));
  EXPECT_EQ(Heard(WM_EXITMENULOOP)[0].wParam, static_cast<WPARAM>(TRUE));
  DestroyMenu(menu);
}

TEST_F(ContextMenu, FlipsAtTheWorkAreasEdgeAndAClickOutsideChoosesNothing) {
  HMENU menu = MakeMenu();
  const int right = host::CHeadlessHost::kScreenWidth;
  const int bottom = host::CHeadlessHost::kScreenHeight;
  RECT place{};
  Script({[&] {
    GetWindowRect(MenuWindow(), &place);
    ClickAt(Outside());
  }});
  // Without TPM_RETURNCMD: TRUE for a menu shown, and nothing chosen.
  EXPECT_EQ(TrackPopupMenu(menu, TPM_NONOTIFY, right - 5, bottom - 5, 0, m_frame, nullptr), TRUE);
  EXPECT_EQ(place.right, right - 5);
  EXPECT_EQ(place.bottom, bottom - 5);
  EXPECT_EQ(MenuWindow(), nullptr);
  Pump();
  EXPECT_TRUE(Heard(WM_COMMAND).empty());
  EXPECT_TRUE(Heard(WM_INITMENUPOPUP).empty());  // TPM_NONOTIFY
  DestroyMenu(menu);
}

TEST_F(ContextMenu, BadCallsAndAnOwnerThatGoesAreSafe) {
  HMENU menu = MakeMenu();
  HMENU empty = CreatePopupMenu();
  EXPECT_EQ(TrackPopupMenu(empty, TPM_RETURNCMD, 10, 10, 0, m_frame, nullptr), FALSE);
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, nullptr, nullptr), FALSE);
  EXPECT_EQ(TrackPopupMenu(nullptr, 0, 10, 10, 0, m_frame, nullptr), FALSE);
  // A second menu while one runs is refused; the owner destroyed under an
  // open menu ends it.
  HWND owner = CreateWindowExA(0, "Frame", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                               100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  BOOL nested = -1;
  Script({[&] {
    nested = TrackPopupMenu(menu, TPM_RETURNCMD, 20, 20, 0, m_frame, nullptr);
    DestroyWindow(owner);
  }});
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, owner, nullptr), 0);
  EXPECT_FALSE(IsWindow(owner));
  EXPECT_EQ(nested, FALSE);
  EXPECT_EQ(MenuWindow(), nullptr);
  DestroyMenu(menu);
  DestroyMenu(empty);
}

}  // namespace
