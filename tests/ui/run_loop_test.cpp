#include <string>
#include <vector>

#include "platform/win/wm/wnd.h"
#include "res/resource.h"
#include "tests/ui/frame_fixture.h"

namespace {

using RunLoop = FrameTest;

std::vector<RECT> Boxes(const pixman_region32_t* region) {
  int n = 0;
  const pixman_box32_t* b = pixman_region32_rectangles(const_cast<pixman_region32_t*>(region), &n);
  std::vector<RECT> out;
  for (int i = 0; i < n; ++i) out.push_back(RECT{b[i].x1, b[i].y1, b[i].x2, b[i].y2});
  return out;
}

TEST_F(RunLoop, OneBodyAtRestCountsTheTimeInTheStatusBar) {
  Place(100, 100, 1e25);
  std::vector<std::string> times;
  Run([&](long step) {
    times.emplace_back(static_cast<LPCSTR>(Pane(2)));
    EXPECT_EQ(Pane(0), "Running");
    EXPECT_FALSE(m_frame->m_goButton.IsWindowEnabled());
    EXPECT_TRUE(m_frame->m_stopButton.IsWindowEnabled());
    return step < 3;
  });
  EXPECT_EQ(times, (std::vector<std::string>{"t: 1.000000e+002 s", "t: 2.000000e+002 s",
                                             "t: 3.000000e+002 s"}));
  EXPECT_EQ(m_frame->m_table.m_bodies[0].GetScreenPos().x, 100);
  EXPECT_EQ(m_frame->m_table.m_bodies[0].GetX(), 1e11);
  EXPECT_EQ(Pane(0), "Ready");
  EXPECT_TRUE(m_frame->m_goButton.IsWindowEnabled());
  EXPECT_FALSE(m_frame->m_stopButton.IsWindowEnabled());
  EXPECT_TRUE(m_frame->m_goEnabled);
  EXPECT_FALSE(m_frame->m_stopEnabled);
  EXPECT_FALSE(m_frame->m_running);
}

TEST_F(RunLoop, StopThenGoContinuesFromTheTimeReached) {
  Place(100, 100, 1e25);
  Run([](long step) { return step < 3; });
  EXPECT_EQ(m_frame->m_table.m_t, 300.0);
  std::string last;
  Run([&](long step) {
    last = static_cast<LPCSTR>(Pane(2));
    return step < 2;
  });
  EXPECT_EQ(last, "t: 5.000000e+002 s");
}

TEST_F(RunLoop, ASliderMoveDuringARunTakesEffectFromTheNextStep) {
  Place(100, 100, 1e25);
  std::vector<std::string> times;
  Run([&](long step) {
    times.emplace_back(static_cast<LPCSTR>(Pane(2)));
    if (step == 1) {
      // The delta-t slider one position up, as a user would move it.
      ::SendMessageA(m_frame->m_dtSlider.m_hWnd, TBM_SETPOS, TRUE, 2);
      m_frame->SendMessage(WM_VSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 2),
                           reinterpret_cast<LPARAM>(m_frame->m_dtSlider.m_hWnd));
    }
    return step < 3;
  });
  EXPECT_EQ(times, (std::vector<std::string>{"t: 1.000000e+002 s", "t: 1.100000e+003 s",
                                             "t: 2.100000e+003 s"}));
  EXPECT_EQ(Pane(3), "      1000 s");
}

TEST_F(RunLoop, RemovingEveryBodyLeavesTheTimeRunning) {
  Place(100, 100, 1e25);
  Place(200, 100, 1e30);
  Run([&](long step) {
    if (step == 2) {
      m_frame->RemoveBody(0);
      m_frame->RemoveBody(0);
    }
    return step < 5;
  });
  EXPECT_EQ(m_frame->m_table.m_bodyCount, 0);
  EXPECT_EQ(m_frame->m_table.m_t, 500.0);
  EXPECT_EQ(Pane(2), "t: 5.000000e+002 s");
  EXPECT_TRUE(m_frame->m_goEnabled);  // Go stays available with no bodies
}

TEST_F(RunLoop, EachStepInvalidatesExactlyTheSquaresThatChanged) {
  Place(50, 50, 1e25, 1e7, 0.0);  // one pixel right per step of 100 s
  Place(300, 200, 1e25);          // at rest
  m_frame->m_table.m_G = 0.0;     // no pulls: exactly one pixel a step
  Pump();
  Run([&](long step) {
    // Looked at before anything is painted: what the step invalidated.
    const RECT before{static_cast<LONG>(50 + step - 1 - 6), 44,
                      static_cast<LONG>(50 + step - 1 + 6), 56};
    const RECT after{static_cast<LONG>(50 + step - 6), 44, static_cast<LONG>(50 + step + 6), 56};
    RECT united;
    UnionRect(&united, &before, &after);
    const std::vector<RECT> boxes = Boxes(&m_frame->m_hWnd->update);
    EXPECT_EQ(boxes.size(), 1U) << step;
    if (!boxes.empty()) {
      EXPECT_TRUE(EqualRect(&boxes[0], &united)) << step;
    }
    return step < 4;
  });
  EXPECT_EQ(m_frame->m_table.m_bodies[0].GetScreenPos().x, 54);
}

TEST_F(RunLoop, AStepThatMovesNoPixelInvalidatesNothingOfTheField) {
  Place(50, 50, 1e25, 1000.0, 0.0);  // a hundred kilometres a step: the same pixel
  m_frame->m_table.m_G = 0.0;
  Pump();
  Run([&](long step) {
    EXPECT_EQ(pixman_region32_not_empty(&m_frame->m_hWnd->update), 0) << step;
    return step < 3;
  });
}

TEST_F(RunLoop, TheWindowCannotComeUpWithoutAWindowSystem) {
  // The frame is made and loaded, its window fails, and nothing of the
  // deleted frame is touched again: start-up reports the failure.
  TearDown();
  CWinApp* app = AfxGetApp();
  EXPECT_FALSE(app->InitInstance());
  EXPECT_EQ(app->m_pMainWnd, nullptr);
  SetUp();
}

}  // namespace
