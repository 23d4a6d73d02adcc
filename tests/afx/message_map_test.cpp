#include <vector>

#include "tests/afx/afx_fixture.h"

namespace {

struct SCall {
  const char* handler;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<SCall> g_calls;

class CBaseWnd : public CWnd {
 public:
  afx_msg LRESULT OnOne(WPARAM wp, LPARAM lp) {
    g_calls.push_back({"base one", wp, lp});
    return 11;
  }
  afx_msg LRESULT OnTwo(WPARAM wp, LPARAM lp) {
    g_calls.push_back({"base two", wp, lp});
    return 12;
  }
  afx_msg void OnSize(UINT nType, int cx, int cy) {
    g_calls.push_back({"size", nType, MAKELPARAM(static_cast<UINT>(cx), static_cast<UINT>(cy))});
    CWnd::OnSize(nType, cx, cy);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
ON_MESSAGE(WM_USER + 1, &CBaseWnd::OnOne)
ON_MESSAGE(WM_USER + 2, &CBaseWnd::OnTwo)
ON_WM_SIZE()
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
 public:
  afx_msg LRESULT OnTwoAgain(WPARAM wp, LPARAM lp) {
    g_calls.push_back({"derived two", wp, lp});
    return 22;
  }
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
    g_calls.push_back(
        {"lbutton", nFlags, MAKELPARAM(static_cast<UINT>(point.x), static_cast<UINT>(point.y))});
    m_point = point;
  }
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    g_calls.push_back({"vscroll", MAKEWPARAM(nSBCode, nPos), 0});
    m_sender = pScrollBar;
  }
  afx_msg void OnCommandA() { g_calls.push_back({"command a", 0, 0}); }
  afx_msg void OnUpdateCommandA(CCmdUI* pCmdUI) { pCmdUI->Enable(m_commandEnabled); }
  afx_msg void OnClickedB() { g_calls.push_back({"clicked b", 0, 0}); }
  // Sends another message to itself, then looks at its own again.
  afx_msg LRESULT OnNested(WPARAM wp, LPARAM lp) {
    SendMessage(WM_USER + 1, wp + 1, lp + 1);
    const MSG* current = GetCurrentMessage();
    g_calls.push_back({"nested", current->wParam, current->lParam});
    return current->hwnd == m_hWnd && current->message == WM_USER + 4 ? 1 : 0;
  }

  CPoint m_point;
  CWnd* m_sender = nullptr;
  BOOL m_commandEnabled = TRUE;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
ON_MESSAGE(WM_USER + 2, &CDerivedWnd::OnTwoAgain)
ON_WM_LBUTTONDOWN()
ON_WM_VSCROLL()
ON_COMMAND(500, &CDerivedWnd::OnCommandA)
ON_UPDATE_COMMAND_UI(500, &CDerivedWnd::OnUpdateCommandA)
ON_BN_CLICKED(501, &CDerivedWnd::OnClickedB)
ON_MESSAGE(WM_USER + 4, &CDerivedWnd::OnNested)
END_MESSAGE_MAP()

class MessageMaps : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    g_calls.clear();
    ASSERT_TRUE(m_wnd.CreateEx(0, FrameworkWindowClass(), "maps", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                               100, nullptr, nullptr));
    g_calls.clear();
  }
  void TearDown() override {
    m_wnd.DestroyWindow();
    FrameworkTest::TearDown();
  }
  CDerivedWnd m_wnd;
};

TEST_F(MessageMaps, DerivedEntriesComeFirstAndTheBaseMapAnswersTheRest) {
  EXPECT_EQ(m_wnd.SendMessage(WM_USER + 1, 5, 6), 11);
  EXPECT_EQ(m_wnd.SendMessage(WM_USER + 2, 7, 8), 22);
  EXPECT_EQ(m_wnd.SendMessage(WM_USER + 3, 0, 0), 0);  // nobody: default processing
  ASSERT_EQ(g_calls.size(), 2U);
  EXPECT_STREQ(g_calls[0].handler, "base one");
  EXPECT_EQ(g_calls[0].wParam, 5U);
  EXPECT_EQ(g_calls[0].lParam, 6);
  EXPECT_STREQ(g_calls[1].handler, "derived two");
}

TEST_F(MessageMaps, TheCurrentMessageIsEachHandlersOwnAfterANestedSend) {
  EXPECT_EQ(m_wnd.SendMessage(WM_USER + 4, 30, 40), 1);
  ASSERT_EQ(g_calls.size(), 2U);
  EXPECT_STREQ(g_calls[0].handler, "base one");
  EXPECT_EQ(g_calls[0].wParam, 31U);
  EXPECT_STREQ(g_calls[1].handler, "nested");
  EXPECT_EQ(g_calls[1].wParam, 30U);
  EXPECT_EQ(g_calls[1].lParam, 40);
}

TEST_F(MessageMaps, AdaptersUnpackEachSignature) {
  m_wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<UINT>(-3), 40U));
  EXPECT_EQ(m_wnd.m_point.x, -3);  // signed, as a pointer outside the window gives it
  EXPECT_EQ(m_wnd.m_point.y, 40);
  m_wnd.MoveWindow(0, 0, 150, 60);
  ASSERT_FALSE(g_calls.empty());
  EXPECT_STREQ(g_calls.back().handler, "size");
  EXPECT_EQ(LOWORD(static_cast<UINT_PTR>(g_calls.back().lParam)), 150);

  CWnd child;
  ASSERT_TRUE(
      child.Create(FrameworkWindowClass(), "", WS_VISIBLE, CRect(0, 0, 10, 10), &m_wnd, 104));
  m_wnd.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 3),
                    reinterpret_cast<LPARAM>(child.m_hWnd));
  EXPECT_EQ(m_wnd.m_sender, &child);  // the sender's own object, not a stand-in
  EXPECT_EQ(m_wnd.m_sender->GetDlgCtrlID(), 104);
  EXPECT_EQ(g_calls.back().wParam, MAKEWPARAM(SB_THUMBTRACK, 3));
}

TEST_F(MessageMaps, AMenuCommandItsUpdateHandlerDisablesIsNotCarriedOut) {
  m_wnd.SendMessage(WM_COMMAND, 500, 0);
  m_wnd.m_commandEnabled = FALSE;
  m_wnd.SendMessage(WM_COMMAND, 500, 0);
  ASSERT_EQ(g_calls.size(), 1U);
  EXPECT_STREQ(g_calls[0].handler, "command a");
}

TEST_F(MessageMaps, ControlNotificationsRouteByIdAndCode) {
  CWnd child;
  ASSERT_TRUE(
      child.Create(FrameworkWindowClass(), "", WS_VISIBLE, CRect(0, 0, 10, 10), &m_wnd, 501));
  m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(501, BN_CLICKED),
                    reinterpret_cast<LPARAM>(child.m_hWnd));
  m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(501, EN_CHANGE), reinterpret_cast<LPARAM>(child.m_hWnd));
  ASSERT_EQ(g_calls.size(), 1U);
  EXPECT_STREQ(g_calls[0].handler, "clicked b");
}

TEST_F(MessageMaps, HandlerLookupAnswersWithoutCalling) {
  AFX_CMDHANDLERINFO info{};
  EXPECT_TRUE(m_wnd.OnCmdMsg(500, CN_COMMAND, nullptr, &info));
  EXPECT_EQ(info.pTarget, &m_wnd);
  EXPECT_FALSE(m_wnd.OnCmdMsg(999, CN_COMMAND, nullptr, &info));
  EXPECT_TRUE(g_calls.empty());
}

TEST_F(MessageMaps, ObjectsAttachToTheirWindowsAndLetGoWhenTheyGo) {
  HWND hwnd = m_wnd.m_hWnd;
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &m_wnd);
  EXPECT_EQ(CWnd::FromHandle(hwnd), &m_wnd);
  m_wnd.DestroyWindow();
  EXPECT_EQ(m_wnd.m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
}

}  // namespace
