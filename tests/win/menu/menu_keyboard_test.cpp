#include "tests/win/menu/menu_fixture.h"

namespace {

using MenuKeys = MenuTest;

bool Lit(HMENU menu, int index) {
  return (GetMenuState(menu, static_cast<UINT>(index), MF_BYPOSITION) & MF_HILITE) != 0;
}

TEST_F(MenuKeys, AltAloneSelectsTheFirstItemWithoutOpeningIt) {
  Key(VK_MENU, true, host::kModAlt);
  Key(VK_MENU, false);
  Script({[&] {
            EXPECT_TRUE(Lit(Bar(), kFile));
            EXPECT_EQ(OpenDropDown(), nullptr);
            EXPECT_TRUE(Heard(WM_INITMENUPOPUP).empty());
            Tap(VK_DOWN);
          },
          [&] {
            EXPECT_NE(OpenDropDown(), nullptr);
            EXPECT_TRUE(Lit(Popup(kFile), 0));
            Tap(VK_RETURN);
          }});
  Pump();
  const std::vector<SHeard> selects = Heard(WM_MENUSELECT);
  ASSERT_GE(selects.size(), 2U);
  EXPECT_EQ(selects[0].wParam, MAKEWPARAM(kFile, MF_POPUP | MF_HILITE));
  EXPECT_EQ(selects[1].wParam, MAKEWPARAM(kExit, MF_HILITE));
  ASSERT_EQ(Heard(WM_COMMAND).size(), 1U);
  EXPECT_EQ(Heard(WM_COMMAND)[0].wParam, MAKEWPARAM(kExit, 0));
  EXPECT_FALSE(Lit(Bar(), kFile));
}

TEST_F(MenuKeys, F10SelectsTheBarToo) {
  Tap(VK_F10);
  Script({[&] {
    EXPECT_TRUE(Lit(Bar(), kFile));
    EXPECT_EQ(GetCapture(), m_frame);
    Tap(VK_ESCAPE);
  }});
  EXPECT_FALSE(Pump());
  EXPECT_EQ(Heard(WM_ENTERMENULOOP).size(), 1U);
  EXPECT_EQ(Heard(WM_EXITMENULOOP).size(), 1U);
  EXPECT_TRUE(Heard(WM_COMMAND).empty());
}

TEST_F(MenuKeys, AltAndALetterOpensThatMenuAndTheArrowsSkipSeparators) {
  HMENU help = Popup(kHelp);
  AltKey('H');
  Script({[&] {
            EXPECT_NE(OpenDropDown(), nullptr);
            EXPECT_TRUE(Lit(help, 0));
            Tap(VK_DOWN);
          },
          [&] {
            EXPECT_TRUE(Lit(help, 2));
            EXPECT_FALSE(Lit(help, 0));
            Tap(VK_DOWN);
          },
          [&] {
            EXPECT_TRUE(Lit(help, 0));  // round again
            Tap(VK_UP);
          },
          [&] {
            EXPECT_TRUE(Lit(help, 2));
            Tap(VK_RETURN);
          }});
  Pump();
  ASSERT_EQ(Heard(WM_COMMAND).size(), 1U);
  EXPECT_EQ(Heard(WM_COMMAND)[0].wParam, MAKEWPARAM(kAbout, 0));
  EXPECT_EQ(Heard(WM_ENTERMENULOOP).size(), 1U);
}

TEST_F(MenuKeys, LeftAndRightMoveAlongTheBarAndSwitchOpenDropDowns) {
  AltKey('F');
  Script({[&] { Tap(VK_RIGHT); },
          [&] {
            EXPECT_TRUE(Lit(Bar(), kBlank));
            EXPECT_EQ(OpenDropDown(), nullptr);
            Tap(VK_RIGHT);
          },
          [&] {
            EXPECT_TRUE(Lit(Popup(kView), 0));
            Tap(VK_LEFT);
            Tap(VK_LEFT);
          },
          [&] {
            EXPECT_TRUE(Lit(Popup(kFile), 0));
            Tap(VK_LEFT);
          },
          [&] {
            EXPECT_TRUE(Lit(Bar(), kHelp));  // round the end
            EXPECT_TRUE(Lit(Popup(kHelp), 0));
            Tap(VK_ESCAPE);
            Tap(VK_ESCAPE);
          }});
  Pump();
  EXPECT_TRUE(Heard(WM_COMMAND).empty());
  const std::vector<SHeard> popups = Heard(WM_INITMENUPOPUP);
  ASSERT_EQ(popups.size(), 4U);
  EXPECT_EQ(popups[1].lParam, static_cast<LPARAM>(MAKELONG(kView, FALSE)));
}

TEST_F(MenuKeys, EscapeClosesTheDropDownThenTheBar) {
  AltKey('C');
  Script({[&] { Tap(VK_ESCAPE); },
          [&] {
            EXPECT_EQ(OpenDropDown(), nullptr);
            EXPECT_TRUE(Lit(Bar(), kControl));
            EXPECT_TRUE(Heard(WM_EXITMENULOOP).empty());
            Tap(VK_ESCAPE);
          }});
  EXPECT_FALSE(Pump());
  EXPECT_EQ(Heard(WM_EXITMENULOOP).size(), 1U);
  EXPECT_FALSE(Lit(Bar(), kControl));
}

TEST_F(MenuKeys, AMnemonicLetterChoosesInADropDown) {
  AltKey('H');
  Script({[&] { Type("a"); }});
  Pump();
  ASSERT_EQ(Heard(WM_COMMAND).size(), 1U);
  EXPECT_EQ(Heard(WM_COMMAND)[0].wParam, MAKEWPARAM(kAbout, 0));
}

TEST_F(MenuKeys, AMnemonicOnTheBarOpensFromTheKeyboardSelection) {
  Tap(VK_F10);
  Script({[&] { Type("h"); }, [&] { Type("i"); }});
  Pump();
  ASSERT_EQ(Heard(WM_COMMAND).size(), 1U);
  EXPECT_EQ(Heard(WM_COMMAND)[0].wParam, MAKEWPARAM(kInstructions, 0));
}

TEST_F(MenuKeys, GrayedItemsAreChosenByNoKey) {
  AltKey('V');
  Script({[&] { Tap(VK_RETURN); },
          [&] {
            EXPECT_NE(OpenDropDown(), nullptr);
            Type("z");
          },
          [&] {
            EXPECT_NE(OpenDropDown(), nullptr);
            EXPECT_TRUE(Lit(Popup(kView), 0));
            Tap(VK_ESCAPE);
            Tap(VK_ESCAPE);
          }});
  Pump();
  EXPECT_TRUE(Heard(WM_COMMAND).empty());
}

TEST_F(MenuKeys, EnterOnABarCommandChoosesIt) {
  Tap(VK_F10);
  Script({[&] { Tap(VK_RIGHT); }, [&] { Tap(VK_RETURN); }});
  Pump();
  ASSERT_EQ(Heard(WM_COMMAND).size(), 1U);
  EXPECT_EQ(Heard(WM_COMMAND)[0].wParam, MAKEWPARAM(kBlankCommand, 0));
}

TEST_F(MenuKeys, ALetterNoItemHasDoesNotEnterTheMenu) {
  Key(VK_MENU, true, host::kModAlt);
  Key('Q', true, host::kModAlt);
  Key('Q', false, host::kModAlt);
  EXPECT_FALSE(Pump());
  EXPECT_TRUE(Heard(WM_ENTERMENULOOP).empty());
}

TEST_F(MenuKeys, AltAgainLeavesTheMenu) {
  Tap(VK_MENU, host::kModAlt);
  Script({[&] {
    Key(VK_MENU, true, host::kModAlt);
    Key(VK_MENU, false);
  }});
  EXPECT_FALSE(Pump());
  EXPECT_EQ(Heard(WM_ENTERMENULOOP).size(), 1U);
  EXPECT_EQ(Heard(WM_EXITMENULOOP).size(), 1U);
}

// Only an Alt pressed and released alone selects the menu bar, not the
// release after Alt+Q or Alt+F4.
TEST_F(MenuKeys, AltReleasedAfterAnotherKeyDoesNotSelectTheBar) {
  Key(VK_MENU, true, host::kModAlt);
  Key('Q', true, host::kModAlt);
  Key('Q', false, host::kModAlt);
  Key(VK_MENU, false);
  Pump();
  EXPECT_TRUE(Heard(WM_ENTERMENULOOP).empty());
}

}  // namespace
