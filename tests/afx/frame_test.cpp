#include <string>

#include "tests/afx/afx_fixture.h"

namespace {

bool g_frameDeleted = false;

class CTestFrame : public CFrameWnd {
 public:
  CTestFrame() { g_frameDeleted = false; }
  ~CTestFrame() override { g_frameDeleted = true; }

  afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
    if (CFrameWnd::OnCreate(lpcs) == -1 || s_failCreate) return -1;
    m_bar.Create(this);
    static const UINT kIndicators[] = {ID_SEPARATOR, kIndicatorA, kIndicatorB};
    m_bar.SetIndicators(kIndicators, 3);
    return 0;
  }
  afx_msg void OnPrompted() { ++m_prompted; }
  afx_msg void OnUpdateSilent(CCmdUI* pCmdUI) { pCmdUI->Enable(m_silentEnabled); }

  CStatusBar m_bar;
  int m_prompted = 0;
  BOOL m_silentEnabled = FALSE;
  static bool s_failCreate;
  DECLARE_MESSAGE_MAP()
};
bool CTestFrame::s_failCreate = false;

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
ON_WM_CREATE()
ON_COMMAND(kPromptedCommand, &CTestFrame::OnPrompted)
ON_UPDATE_COMMAND_UI(kSilentCommand, &CTestFrame::OnUpdateSilent)
END_MESSAGE_MAP()

class CTestApp : public CWinApp {
 public:
  BOOL InitInstance() override { return FALSE; }
};

class Frames : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    CTestFrame::s_failCreate = false;
    m_frame = new CTestFrame;
    m_app.m_pMainWnd = m_frame;
    ASSERT_TRUE(m_frame->LoadFrame(kTestMenu, WS_OVERLAPPEDWINDOW));
    m_frame->ShowWindow(SW_SHOW);
    Pump();
  }
  void TearDown() override {
    if (!g_frameDeleted) m_frame->DestroyWindow();
    FrameworkTest::TearDown();
  }
  CString Pane(int i) const { return m_frame->m_bar.GetPaneText(i); }

  CTestApp m_app;
  CTestFrame* m_frame = nullptr;
};

TEST_F(Frames, TheTitleStringAndMenuComeFromTheResource) {
  char title[64];
  GetWindowTextA(m_frame->m_hWnd, title, sizeof title);
  EXPECT_STREQ(title, "Test frame");  // up to the first newline
  EXPECT_NE(GetMenu(m_frame->m_hWnd), nullptr);
}

TEST_F(Frames, TheIdleMessageShowsOnceTheFrameIsUp) { EXPECT_EQ(Pane(0), "Ready"); }

TEST_F(Frames, IndicatorsShowTheirStringsInPanesAsWideAsThem) {
  EXPECT_EQ(Pane(1), "A pane");
  EXPECT_EQ(Pane(2), "Longer pane text");
  CClientDC dc(&m_frame->m_bar);
  dc.SelectObject(m_frame->m_bar.GetFont());
  RECT a;
  RECT b;
  m_frame->m_bar.GetItemRect(1, &a);
  m_frame->m_bar.GetItemRect(2, &b);
  EXPECT_EQ(a.right - a.left, dc.GetTextExtent("A pane").cx + CStatusBar::kPaneBorder);
  EXPECT_EQ(b.right - b.left, dc.GetTextExtent("Longer pane text").cx + CStatusBar::kPaneBorder);
  RECT client;
  m_frame->m_bar.GetClientRect(&client);
  EXPECT_EQ(b.right, client.right);  // the first pane stretches over the rest
  // A later text never resizes its pane.
  m_frame->m_bar.SetPaneText(1, "A much, much longer text than before");
  RECT again;
  m_frame->m_bar.GetItemRect(1, &again);
  EXPECT_TRUE(EqualRect(&a, &again));
  EXPECT_EQ(Pane(1), "A much, much longer text than before");
}

TEST_F(Frames, TheStatusBarLiesAlongTheBottomAndTheQueryLeavesTheRest) {
  RECT client;
  m_frame->GetClientRect(&client);
  RECT bar;
  m_frame->m_bar.GetWindowRect(&bar);
  m_frame->ScreenToClient(&bar);
  EXPECT_EQ(bar.bottom, client.bottom);
  EXPECT_EQ(bar.top, client.bottom - CStatusBar::kHeight);
  EXPECT_EQ(bar.right, client.right);
  RECT scene{};
  m_frame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &scene, nullptr, TRUE);
  EXPECT_EQ(scene.bottom, client.bottom - CStatusBar::kHeight);
  EXPECT_EQ(scene.right, client.right);
  EXPECT_EQ(scene.top, 0);
  RECT barAfter;
  m_frame->m_bar.GetWindowRect(&barAfter);
  m_frame->ScreenToClient(&barAfter);
  EXPECT_TRUE(EqualRect(&bar, &barAfter));  // a query moves nothing
}

TEST_F(Frames, MenuPromptsShowWhileHighlightedAndTheIdleMessageAfter) {
  HMENU bar = GetMenu(m_frame->m_hWnd);
  HMENU drop = GetSubMenu(bar, 0);
  m_frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(Pane(0), "");
  m_frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(kPromptedCommand, 0),
                       reinterpret_cast<LPARAM>(drop));
  EXPECT_EQ(Pane(0), "Does a thing");
  m_frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(kSilentCommand, 0),
                       reinterpret_cast<LPARAM>(drop));
  EXPECT_EQ(Pane(0), "");
  m_frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(Pane(0), "Ready");
  m_frame->SetMessageText("Running");
  EXPECT_EQ(Pane(0), "Running");
}

TEST_F(Frames, DropDownItemsFollowTheirHandlersAsTheyOpen) {
  HMENU drop = GetSubMenu(GetMenu(m_frame->m_hWnd), 0);
  auto grayed = [&](UINT id) { return (GetMenuState(drop, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
  m_frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(drop), MAKELPARAM(0, FALSE));
  EXPECT_FALSE(grayed(kPromptedCommand));  // a command handler: enabled
  EXPECT_TRUE(grayed(kSilentCommand));     // its update handler says no
  m_frame->m_silentEnabled = TRUE;
  m_frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(drop), MAKELPARAM(0, FALSE));
  EXPECT_FALSE(grayed(kSilentCommand));
  // An item with neither handler is grayed.
  m_frame->m_silentEnabled = FALSE;
  ModifyMenuA(drop, kSilentCommand, MF_BYCOMMAND | MF_STRING, 9999, "&Nobody");
  m_frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(drop), MAKELPARAM(0, FALSE));
  EXPECT_TRUE(grayed(9999));
}

TEST_F(Frames, CommandsReachTheFrameAndThenTheApplication) {
  m_frame->SendMessage(WM_COMMAND, kPromptedCommand, 0);
  EXPECT_EQ(m_frame->m_prompted, 1);
  // Nobody handles 9999: nothing happens, nothing breaks.
  m_frame->SendMessage(WM_COMMAND, 9999, 0);
}

TEST_F(Frames, ClosingTheMainFrameDeletesItAndEndsTheLoop) {
  m_frame->SendMessage(WM_CLOSE);
  EXPECT_TRUE(g_frameDeleted);
  EXPECT_EQ(m_app.m_pMainWnd, nullptr);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
}

TEST_F(Frames, AFrameThatFailsToCreateIsGoneAndForgotten) {
  m_frame->DestroyWindow();
  Pump();
  CTestFrame::s_failCreate = true;
  auto* frame = new CTestFrame;
  m_app.m_pMainWnd = frame;
  EXPECT_FALSE(frame->LoadFrame(kTestMenu, WS_OVERLAPPEDWINDOW));
  EXPECT_TRUE(g_frameDeleted);
  EXPECT_EQ(m_app.m_pMainWnd, nullptr);
  // Even without a window at all.
  g_frameDeleted = false;
  frame = new CTestFrame;
  m_app.m_pMainWnd = frame;
  EXPECT_FALSE(frame->Create("NoSuchClass", "x"));
  EXPECT_TRUE(g_frameDeleted);
  EXPECT_EQ(m_app.m_pMainWnd, nullptr);
}

class CStartingApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    if (!m_succeed) return FALSE;
    auto* frame = new CTestFrame;
    m_pMainWnd = frame;
    if (!frame->LoadFrame(kTestMenu, WS_OVERLAPPEDWINDOW)) return FALSE;
    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();
    return TRUE;
  }
  bool m_succeed = true;
};

TEST(ApplicationStart, RunsUntilTheMainWindowClosesAndReportsFailure) {
  CTestFrame::s_failCreate = false;
  host::CHeadlessHost host;
  // The first time the program waits, its window's close box is pressed.
  host.SetEventSource([&host](host::Event* e, bool blocking) {
    const std::vector<host::SurfaceId> surfaces = host.Surfaces();
    if (!blocking || surfaces.empty()) return false;
    e->type = host::EventType::kCloseRequest;
    e->surface = surfaces.front();
    return true;
  });
  {
    CStartingApp app;
    EXPECT_EQ(AfxWinMain(&host, nullptr), 0);
    EXPECT_TRUE(g_frameDeleted);
  }
  {
    CStartingApp app;
    app.m_succeed = false;
    EXPECT_EQ(AfxWinMain(&host, nullptr), 1);
  }
}

}  // namespace
