#include "tests/win/menu/menu_fixture.h"

namespace {

using MenuMouse = MenuTest;

UINT Flags(const SHeard& h) { return HIWORD(h.wParam); }
UINT Item(const SHeard& h) { return LOWORD(h.wParam); }

TEST_F(MenuMouse, OpeningTellsTheFrameInOrder) {
  HWND dropDown = nullptr;
  ClickAt(BarCentre(kHelp));
  Script({[&] {
    dropDown = OpenDropDown();
    EXPECT_EQ(GetCapture(), m_frame);
    EXPECT_EQ(GetWindow(m_frame, GW_CHILD), dropDown);
    Tap(VK_ESCAPE);
    Tap(VK_ESCAPE);
  }});
  Pump();
  ASSERT_NE(dropDown, nullptr);
  EXPECT_FALSE(IsWindow(dropDown));
  EXPECT_EQ(GetCapture(), nullptr);
  const std::vector<UINT> want = {WM_ENTERMENULOOP, WM_INITMENU,   WM_MENUSELECT,  WM_INITMENUPOPUP,
                                  WM_MENUSELECT,    WM_MENUSELECT, WM_EXITMENULOOP};
  EXPECT_EQ(Sequence(), want);
  EXPECT_EQ(s_heard[0].wParam, static_cast<WPARAM>(FALSE));
  EXPECT_EQ(s_heard[1].wParam, reinterpret_cast<WPARAM>(Bar()));
  EXPECT_EQ(Item(s_heard[2]), static_cast<UINT>(kHelp));
  EXPECT_EQ(Flags(s_heard[2]), MF_POPUP | MF_HILITE);
  EXPECT_EQ(s_heard[2].lParam, reinterpret_cast<LPARAM>(Bar()));
  EXPECT_EQ(s_heard[3].wParam, reinterpret_cast<WPARAM>(Popup(kHelp)));
  EXPECT_EQ(s_heard[3].lParam, static_cast<LPARAM>(MAKELONG(kHelp, FALSE)));
  // Closing: the closing select has 0xFFFF and no menu.
  EXPECT_EQ(s_heard[5].wParam, MAKEWPARAM(0, 0xFFFF));
  EXPECT_EQ(s_heard[5].lParam, 0);
  EXPECT_EQ(s_heard[6].wParam, static_cast<WPARAM>(FALSE));
  EXPECT_EQ(GetMenuState(Bar(), kHelp, MF_BYPOSITION) & MF_HILITE, 0U);
}

TEST_F(MenuMouse, DraggingOntoAnItemAndReleasingChoosesIt) {
  bool loopGone = false;
  s_onMessage = [&](UINT message, WPARAM) {
    if (message == WM_COMMAND) loopGone = !EndMenu() && GetCapture() == nullptr;
  };
  Press(BarCentre(kHelp));
  Script({[&] {
    MoveTo(ItemCentre(Popup(kHelp), 2));
    Release(ItemCentre(Popup(kHelp), 2));
  }});
  Pump();
  const std::vector<SHeard> commands = Heard(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1U);
  EXPECT_EQ(commands[0].wParam, MAKEWPARAM(kAbout, 0));
  EXPECT_EQ(commands[0].lParam, 0);
  EXPECT_EQ(Sequence().back(), static_cast<UINT>(WM_COMMAND));
  EXPECT_EQ(Sequence()[Sequence().size() - 2], static_cast<UINT>(WM_EXITMENULOOP));
  // Posted, so it runs from the program's own loop once the menu is gone.
  EXPECT_TRUE(loopGone);
  EXPECT_EQ(OpenDropDown(), nullptr);
}

TEST_F(MenuMouse, ReleasingOnTheBarKeepsItOpenForAClickOnAnItem) {
  ClickAt(BarCentre(kFile));
  Script({[&] {
    EXPECT_NE(OpenDropDown(), nullptr);
    ClickAt(ItemCentre(Popup(kFile), 0));
  }});
  Pump();
  ASSERT_EQ(Heard(WM_COMMAND).size(), 1U);
  EXPECT_EQ(Heard(WM_COMMAND)[0].wParam, MAKEWPARAM(kExit, 0));
}

TEST_F(MenuMouse, MovingAlongTheBarSwitchesDropDowns) {
  RECT r;
  Press(BarCentre(kFile));
  Script({[&] { MoveTo(BarCentre(kView)); },
          [&] {
            EXPECT_TRUE(GetMenuItemRect(m_frame, Popup(kView), 0, &r));
            EXPECT_FALSE(GetMenuItemRect(m_frame, Popup(kFile), 0, &r));
            MoveTo(BarCentre(kBlank));
          },
          [&] {
            // A command on the bar opens nothing; it is only highlighted.
            EXPECT_EQ(OpenDropDown(), nullptr);
            EXPECT_NE(GetMenuState(Bar(), kBlank, MF_BYPOSITION) & MF_HILITE, 0U);
            Release(BarCentre(kBlank));
          }});
  Pump();
  const std::vector<SHeard> popups = Heard(WM_INITMENUPOPUP);
  ASSERT_EQ(popups.size(), 2U);
  EXPECT_EQ(popups[0].wParam, reinterpret_cast<WPARAM>(Popup(kFile)));
  EXPECT_EQ(popups[1].wParam, reinterpret_cast<WPARAM>(Popup(kView)));
  ASSERT_EQ(Heard(WM_COMMAND).size(), 1U);
  EXPECT_EQ(Heard(WM_COMMAND)[0].wParam, MAKEWPARAM(kBlankCommand, 0));
}

TEST_F(MenuMouse, PromptsFollowTheHighlight) {
  HMENU help = Popup(kHelp);
  ClickAt(BarCentre(kHelp));
  Script({[&] { MoveTo(ItemCentre(help, 0)); }, [&] { MoveTo(ItemCentre(help, 1)); },
          [&] { MoveTo(ItemCentre(help, 2)); }, [&] { ClickAt(Outside()); }});
  Pump();
  const std::vector<SHeard> selects = Heard(WM_MENUSELECT);
  ASSERT_EQ(selects.size(), 5U);
  EXPECT_EQ(selects[1].wParam, MAKEWPARAM(kInstructions, MF_HILITE));
  EXPECT_EQ(selects[1].lParam, reinterpret_cast<LPARAM>(help));
  // On the separator nothing in the drop-down is highlighted: the prompt
  // is the drop-down's own.
  EXPECT_EQ(selects[2].wParam, MAKEWPARAM(kHelp, MF_POPUP | MF_HILITE));
  EXPECT_EQ(selects[2].lParam, reinterpret_cast<LPARAM>(Bar()));
  EXPECT_EQ(selects[3].wParam, MAKEWPARAM(kAbout, MF_HILITE));
  EXPECT_EQ(selects[4].wParam, MAKEWPARAM(0, 0xFFFF));
  EXPECT_TRUE(Heard(WM_COMMAND).empty());
}

TEST_F(MenuMouse, GrayedItemsAndSeparatorsChooseNothing) {
  ClickAt(BarCentre(kView));
  Script({[&] { ClickAt(ItemCentre(Popup(kView), 0)); },
          [&] {
            EXPECT_NE(OpenDropDown(), nullptr);
            ClickAt(BarCentre(kHelp));
          },
          [&] { ClickAt(ItemCentre(Popup(kHelp), 1)); },
          [&] {
            EXPECT_NE(OpenDropDown(), nullptr);
            Tap(VK_ESCAPE);
            Tap(VK_ESCAPE);
          }});
  Pump();
  EXPECT_TRUE(Heard(WM_COMMAND).empty());
  EXPECT_EQ(Heard(WM_EXITMENULOOP).size(), 1U);
  // The grayed item was highlighted, as grayed items are, with its flag.
  bool grayedPrompt = false;
  for (const SHeard& h : Heard(WM_MENUSELECT)) {
    grayedPrompt = grayedPrompt || h.wParam == MAKEWPARAM(kZoom, MF_GRAYED | MF_HILITE);
  }
  EXPECT_TRUE(grayedPrompt);
}

TEST_F(MenuMouse, ACommandOnTheBarIsChosenOnRelease) {
  Press(BarCentre(kBlank));
  Script({[&] {
    EXPECT_TRUE(Heard(WM_COMMAND).empty());
    Release(BarCentre(kBlank));
  }});
  Pump();
  ASSERT_EQ(Heard(WM_COMMAND).size(), 1U);
  EXPECT_EQ(Heard(WM_COMMAND)[0].wParam, MAKEWPARAM(kBlankCommand, 0));
  EXPECT_TRUE(Heard(WM_INITMENUPOPUP).empty());
}

TEST_F(MenuMouse, ASecondClickOnTheOpenItemCloses) {
  ClickAt(BarCentre(kFile));
  Script({[&] { ClickAt(BarCentre(kFile)); }});
  EXPECT_FALSE(Pump());
  EXPECT_EQ(Heard(WM_EXITMENULOOP).size(), 1U);
  EXPECT_TRUE(Heard(WM_COMMAND).empty());
}

TEST_F(MenuMouse, AClickOutsideCloses) {
  ClickAt(BarCentre(kFile));
  Script({[&] { ClickAt(Outside()); }});
  EXPECT_FALSE(Pump());
  EXPECT_EQ(Heard(WM_EXITMENULOOP).size(), 1U);
  EXPECT_TRUE(Heard(WM_COMMAND).empty());
  EXPECT_EQ(OpenDropDown(), nullptr);
}

TEST_F(MenuMouse, DraggingOffTheMenuGivesItUp) {
  Press(BarCentre(kFile));
  Script({[&] {
    MoveTo(Outside());
    Release(Outside());
  }});
  EXPECT_FALSE(Pump());
  EXPECT_EQ(Heard(WM_EXITMENULOOP).size(), 1U);
  EXPECT_TRUE(Heard(WM_COMMAND).empty());
}

TEST_F(MenuMouse, UpdateHandlersEnableItemsAsTheDropDownOpens) {
  s_onInitPopup = [&](HMENU popup, int index) {
    if (index == kControl) EnableMenuItem(popup, 0, MF_BYPOSITION | MF_ENABLED);
  };
  ClickAt(BarCentre(kControl));
  Script({[&] { ClickAt(ItemCentre(Popup(kControl), 0)); }});
  Pump();
  ASSERT_EQ(Heard(WM_COMMAND).size(), 1U);
  EXPECT_EQ(Heard(WM_COMMAND)[0].wParam, MAKEWPARAM(kGo, 0));
}

TEST_F(MenuMouse, DropDownItemsLieUnderTheirBarItem) {
  HMENU help = Popup(kHelp);
  RECT bar{};
  GetMenuItemRect(m_frame, Bar(), kHelp, &bar);
  RECT items[3] = {};
  RECT window{};
  ClickAt(BarCentre(kHelp));
  Script({[&] {
    for (UINT i = 0; i < 3; ++i) EXPECT_TRUE(GetMenuItemRect(m_frame, help, i, &items[i]));
    GetWindowRect(OpenDropDown(), &window);
    Tap(VK_ESCAPE);
    Tap(VK_ESCAPE);
  }});
  Pump();
  POINT origin{0, 0};
  ClientToScreen(m_frame, &origin);
  EXPECT_EQ(window.left, bar.left);
  EXPECT_EQ(window.top, origin.y);
  EXPECT_EQ(items[0].left, window.left + 3);
  EXPECT_EQ(items[0].right, window.right - 3);
  EXPECT_EQ(items[0].top, window.top + 3);
  EXPECT_EQ(items[0].bottom - items[0].top, 18);
  EXPECT_EQ(items[1].bottom - items[1].top, 8);
  EXPECT_EQ(items[2].top, items[1].bottom);
  EXPECT_EQ(window.bottom, items[2].bottom + 3);
  RECT r;
  EXPECT_FALSE(GetMenuItemRect(m_frame, help, 0, &r));  // closed again
}

TEST_F(MenuMouse, ADropDownNearTheRightEdgeMovesLeftToFit) {
  MoveWindow(m_frame, 50, 40, 200, 300, TRUE);
  Pump();
  RECT window{};
  RECT client{};
  ClickAt(BarCentre(kHelp));
  Script({[&] {
    GetWindowRect(OpenDropDown(), &window);
    Tap(VK_ESCAPE);
    Tap(VK_ESCAPE);
  }});
  Pump();
  GetClientRect(m_frame, &client);
  POINT origin{0, 0};
  ClientToScreen(m_frame, &origin);
  EXPECT_EQ(window.right, origin.x + client.right);
}

TEST_F(MenuMouse, WindowsKeepPaintingAndTimersFireUnderAnOpenMenu) {
  SetTimer(m_frame, 5, 50, nullptr);
  RECT window{};
  POINT corner{};
  ClickAt(BarCentre(kFile));
  Script({[&] { m_host.AdvanceClock(60); },
          [&] {
            EXPECT_EQ(Heard(WM_TIMER).size(), 1U);
            GetWindowRect(OpenDropDown(), &window);
            corner = POINT{window.left, window.top};
            ScreenToClient(m_frame, &corner);
            corner.y += kMenuBarHeight;
            // Drawn and presented while the loop waits: the raised edge.
            EXPECT_EQ(m_host.PixelAt(m_frame->hostId, corner.x, corner.y), 0xDFDFDFU);
            EXPECT_EQ(m_host.PixelAt(m_frame->hostId, corner.x + 1, corner.y + 1), 0xFFFFFFU);
            Tap(VK_ESCAPE);
            Tap(VK_ESCAPE);
          }});
  Pump();
  KillTimer(m_frame, 5);
  // What it covered is painted again once it has gone.
  EXPECT_EQ(m_frame->surface
                ->pixels[static_cast<size_t>(corner.y * m_frame->surface->width + corner.x + 1)],
            0xC0C0C0U);
}

TEST_F(MenuMouse, QuitInsideTheLoopEndsItAndReachesTheProgramsLoop) {
  s_onMessage = [](UINT message, WPARAM) {
    if (message == WM_TIMER) PostQuitMessage(3);
  };
  SetTimer(m_frame, 5, 50, nullptr);
  ClickAt(BarCentre(kFile));
  Script({[&] { m_host.AdvanceClock(60); }});
  EXPECT_TRUE(Pump());
  EXPECT_EQ(Heard(WM_EXITMENULOOP).size(), 1U);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3U);
}

TEST_F(MenuMouse, WhenNoInputCanComeTheLoopEndsAndTheQuitGoesOn) {
  ClickAt(BarCentre(kFile));
  EXPECT_TRUE(Pump());
  EXPECT_EQ(Heard(WM_EXITMENULOOP).size(), 1U);
  EXPECT_EQ(OpenDropDown(), nullptr);
}

TEST_F(MenuMouse, EndMenuFromAHandlerEndsTheLoop) {
  s_onMessage = [](UINT message, WPARAM) {
    if (message == WM_TIMER) {
      EXPECT_TRUE(EndMenu());
    }
  };
  SetTimer(m_frame, 5, 50, nullptr);
  ClickAt(BarCentre(kFile));
  Script({[&] { m_host.AdvanceClock(60); }});
  EXPECT_FALSE(Pump());
  KillTimer(m_frame, 5);
  EXPECT_EQ(Heard(WM_EXITMENULOOP).size(), 1U);
  EXPECT_TRUE(Heard(WM_COMMAND).empty());
}

TEST_F(MenuMouse, TheFrameMayGoWhileItsMenuIsOpen) {
  s_onMessage = [this](UINT message, WPARAM) {
    if (message == WM_TIMER) DestroyWindow(m_frame);
  };
  SetTimer(m_frame, 5, 50, nullptr);
  ClickAt(BarCentre(kFile));
  Script({[&] { m_host.AdvanceClock(60); }});
  Pump();
  EXPECT_FALSE(IsWindow(m_frame));
  EXPECT_FALSE(EndMenu());
}

TEST_F(MenuMouse, AMenuTakenAwayWhileOpenEndsTheLoop) {
  HMENU bar = Bar();
  s_onMessage = [this](UINT message, WPARAM) {
    if (message == WM_TIMER) SetMenu(m_frame, nullptr);
  };
  SetTimer(m_frame, 5, 50, nullptr);
  ClickAt(BarCentre(kFile));
  Script({[&] { m_host.AdvanceClock(60); }});
  EXPECT_FALSE(Pump());
  KillTimer(m_frame, 5);
  EXPECT_EQ(Heard(WM_EXITMENULOOP).size(), 1U);
  EXPECT_EQ(OpenDropDown(), nullptr);
  DestroyMenu(bar);
}

}  // namespace
