#include "platform/win/wm/wnd.h"
#include "res/resource.h"
#include "tests/ui/frame_fixture.h"

namespace {

using FrameLayout = FrameTest;

RECT ChildRect(CWnd& parent, CWnd& child) {
  RECT r;
  child.GetWindowRect(&r);
  parent.ScreenToClient(&r);
  return r;
}

void ExpectRect(const RECT& r, int l, int t, int w, int h) {
  EXPECT_EQ(r.left, l);
  EXPECT_EQ(r.top, t);
  EXPECT_EQ(r.right - r.left, w);
  EXPECT_EQ(r.bottom - r.top, h);
}

// The panel against the bottom-right corner of a scene R wide and B high.
void ExpectPanel(CSimFrame* f, int r, int b) {
  ExpectRect(ChildRect(*f, f->m_panelBox), r - 140, b - 280, 135, 275);
  ExpectRect(ChildRect(*f, f->m_goButton), r - 130, b - 265, 50, 25);
  ExpectRect(ChildRect(*f, f->m_stopButton), r - 65, b - 265, 50, 25);
  ExpectRect(ChildRect(*f, f->m_dtBox), r - 135, b - 230, 60, 220);
  ExpectRect(ChildRect(*f, f->m_dtSlider), r - 132, b - 210, 27, 190);
  ExpectRect(ChildRect(*f, f->m_scaleImages[3]), r - 102, b - 190, 15, 150);
  ExpectRect(ChildRect(*f, f->m_gBox), r - 70, b - 230, 60, 220);
  ExpectRect(ChildRect(*f, f->m_gSlider), r - 67, b - 210, 27, 190);
  ExpectRect(ChildRect(*f, f->m_scaleImages[0]), r - 40, b - 203, 25, 10);
  ExpectRect(ChildRect(*f, f->m_scaleImages[1]), r - 40, b - 121, 25, 10);
  ExpectRect(ChildRect(*f, f->m_scaleImages[2]), r - 40, b - 41, 25, 10);
}

TEST_F(FrameLayout, StartsAsAFixedWindowOfSixHundredByFourHundredFifty) {
  RECT outer;
  m_frame->GetWindowRect(&outer);
  EXPECT_EQ(outer.right - outer.left, 600);
  EXPECT_EQ(outer.bottom - outer.top, 450);
  const DWORD style = m_frame->GetStyle();
  EXPECT_EQ(style & WS_THICKFRAME, 0U);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0U);
  EXPECT_NE(style & WS_MAXIMIZEBOX, 0U);
  char caption[32];
  m_frame->GetWindowText(caption, sizeof caption);
  EXPECT_STREQ(caption, "Astrolathe v1.0");
  EXPECT_EQ(m_host.Caption(m_frame->m_hWnd->hostId), "Astrolathe v1.0");
}

TEST_F(FrameLayout, ThePanelSitsInTheBottomRightCornerOfTheScene) {
  RECT client;
  m_frame->GetClientRect(&client);
  RECT scene;
  m_frame->GetSceneRect(&scene);
  EXPECT_EQ(scene.bottom, client.bottom - CStatusBar::kHeight);
  ExpectPanel(m_frame, scene.right, scene.bottom);
  // The first paint has recorded the backdrop already.
  EXPECT_EQ(m_frame->m_panelRect.left, scene.right - 141);
  EXPECT_EQ(m_frame->m_panelRect.top, scene.bottom - 273);
  EXPECT_EQ(m_frame->m_panelRect.right, scene.right - 6);
  EXPECT_EQ(m_frame->m_panelRect.bottom, scene.bottom - 6);
}

TEST_F(FrameLayout, MaximizingMovesThePanelAndRestoringMovesItBack) {
  RECT start;
  m_frame->GetSceneRect(&start);
  m_frame->ShowWindow(SW_MAXIMIZE);
  Pump();
  RECT big;
  m_frame->GetSceneRect(&big);
  EXPECT_GT(big.right, start.right);
  EXPECT_GT(big.bottom, start.bottom);
  ExpectPanel(m_frame, big.right, big.bottom);
  EXPECT_EQ(m_frame->m_panelRect.right, big.right - 6);  // repainted whole
  m_frame->ShowWindow(SW_RESTORE);
  Pump();
  ExpectPanel(m_frame, start.right, start.bottom);
  EXPECT_EQ(m_frame->m_panelRect.bottom, start.bottom - 6);
}

TEST_F(FrameLayout, MinimizingLaysOutAgainstNothingWithoutHarm) {
  m_frame->ShowWindow(SW_MINIMIZE);
  Pump();
  EXPECT_TRUE(m_frame->IsIconic());
  RECT scene;
  m_frame->GetSceneRect(&scene);
  ExpectPanel(m_frame, scene.right, scene.bottom);
  m_frame->ShowWindow(SW_RESTORE);
  Pump();
  RECT restored;
  m_frame->GetSceneRect(&restored);
  EXPECT_EQ(restored.right, 594);
  ExpectPanel(m_frame, restored.right, restored.bottom);
}

TEST_F(FrameLayout, ExitDuringARunEndsTheProgramWithNoFurtherStep) {
  Place(100, 100, 1e25);
  double lastT = 0.0;
  bool exited = false;
  Run([&](long step) {
    lastT = m_frame->m_table.m_t;
    if (step == 2) {
      exited = true;
      m_frame->PostMessage(WM_COMMAND, ID_FILE_EXIT, 0);
    }
    return true;  // only Exit ends this run
  });
  EXPECT_TRUE(exited);
  EXPECT_EQ(lastT, 200.0);
  EXPECT_EQ(AfxGetApp()->m_pMainWnd, nullptr);  // the frame is gone
  m_frame = nullptr;
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));  // left for the main loop
}

TEST_F(FrameLayout, TheCloseBoxDuringARunEndsTheProgramToo) {
  Place(100, 100, 1e25);
  HWND hwnd = m_frame->m_hWnd;
  Run([&](long step) {
    if (step == 1) {
      host::Event close;
      close.type = host::EventType::kCloseRequest;
      close.surface = hwnd->hostId;
      m_host.PushEvent(close);
    }
    return true;
  });
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(AfxGetApp()->m_pMainWnd, nullptr);
  m_frame = nullptr;
}

}  // namespace
