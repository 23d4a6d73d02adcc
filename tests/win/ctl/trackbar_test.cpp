#include "tests/win/ctl/ctl_fixture.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(128, 128, 128);
constexpr COLORREF kLight = RGB(223, 223, 223);

struct SScroll {
  UINT code;
  int pos;
};

// The program's upright sliders: 27 by 190 at (20, 5) of the parent.
class Trackbars : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    m_parent = MakeParent(300, 260);
    m_slider = Make(TBS_VERT | TBS_AUTOTICKS, RECT{20, 5, 47, 195});
    SendMessageA(m_slider, TBM_SETRANGE, FALSE, MAKELONG(0, 5));
    SendMessageA(m_slider, TBM_SETPOS, TRUE, 3);
    Pump();
    Forget();
  }

  HWND Make(DWORD style, RECT r) {
    return MakeControl(m_parent, TRACKBAR_CLASSA, nullptr, WS_CHILD | WS_VISIBLE | style, r, 104);
  }
  LRESULT Send(UINT message, WPARAM w = 0, LPARAM l = 0) {
    return SendMessageA(m_slider, message, w, l);
  }
  std::vector<SScroll> Scrolls(UINT message = WM_VSCROLL) {
    std::vector<SScroll> out;
    for (const SNote& n : Notes(message)) {
      EXPECT_EQ(n.lParam, reinterpret_cast<LPARAM>(m_slider));
      out.push_back(SScroll{LOWORD(n.wParam), static_cast<int>(HIWORD(n.wParam))});
    }
    Forget();
    return out;
  }
  RECT Rect(UINT message) {
    RECT r{};
    Send(message, 0, reinterpret_cast<LPARAM>(&r));
    return r;
  }

  HWND m_parent = nullptr;
  HWND m_slider = nullptr;
};

void ExpectScrolls(const std::vector<SScroll>& got, std::initializer_list<SScroll> want) {
  ASSERT_EQ(got.size(), want.size());
  size_t i = 0;
  for (const SScroll& w : want) {
    EXPECT_EQ(got[i].code, w.code) << "notification " << i;
    EXPECT_EQ(got[i].pos, w.pos) << "notification " << i;
    ++i;
  }
}

TEST_F(Trackbars, StartsWithTheClassicDefaults) {
  HWND fresh = Make(TBS_HORZ, RECT{60, 5, 160, 35});
  EXPECT_EQ(SendMessageA(fresh, TBM_GETRANGEMIN, 0, 0), 0);
  EXPECT_EQ(SendMessageA(fresh, TBM_GETRANGEMAX, 0, 0), 100);
  EXPECT_EQ(SendMessageA(fresh, TBM_GETPOS, 0, 0), 0);
  EXPECT_EQ(SendMessageA(fresh, TBM_GETPAGESIZE, 0, 0), 20);
  EXPECT_EQ(SendMessageA(fresh, TBM_GETLINESIZE, 0, 0), 1);
  EXPECT_EQ(SendMessageA(fresh, TBM_GETNUMTICS, 0, 0), 2);
  EXPECT_EQ(SendMessageA(fresh, WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(DLGC_WANTARROWS));
}

TEST_F(Trackbars, PositionsAreClampedToTheRange) {
  EXPECT_EQ(Send(TBM_GETPOS), 3);
  Send(TBM_SETPOS, TRUE, 9);
  EXPECT_EQ(Send(TBM_GETPOS), 5);
  Send(TBM_SETPOS, TRUE, -2);
  EXPECT_EQ(Send(TBM_GETPOS), 0);
  Send(TBM_SETPOS, FALSE, 4);
  Send(TBM_SETRANGEMAX, TRUE, 2);
  EXPECT_EQ(Send(TBM_GETPOS), 2);
  Send(TBM_SETRANGEMIN, TRUE, 3);
  EXPECT_EQ(Send(TBM_GETRANGEMIN), 3);
  EXPECT_EQ(Send(TBM_GETPOS), 3);  // a range upside down stands at its minimum
  Send(TBM_SETRANGE, TRUE, MAKELONG(static_cast<UINT>(-5), 5));
  EXPECT_EQ(Send(TBM_GETRANGEMIN), -5);
  EXPECT_EQ(Send(TBM_GETRANGEMAX), 5);
  EXPECT_EQ(Send(TBM_GETPOS), 3);
  Send(TBM_SETRANGEMIN, FALSE, -2000000000);
  Send(TBM_SETRANGEMAX, FALSE, 2000000000);
  Send(TBM_SETPOS, TRUE, 1999999999);
  EXPECT_EQ(Send(TBM_GETPOS), 1999999999);
  Pump();
  EXPECT_TRUE(Scrolls().empty());  // TBM_ changes are not reported
}

TEST_F(Trackbars, PageAndLineSizes) {
  EXPECT_EQ(Send(TBM_GETPAGESIZE), 1);  // a fifth of 5, at least 1
  Send(TBM_SETRANGE, FALSE, MAKELONG(50, 150));
  EXPECT_EQ(Send(TBM_GETPAGESIZE), 20);
  EXPECT_EQ(Send(TBM_SETPAGESIZE, 0, 7), 20);
  EXPECT_EQ(Send(TBM_GETPAGESIZE), 7);
  EXPECT_EQ(Send(TBM_SETLINESIZE, 0, 3), 1);
  EXPECT_EQ(Send(TBM_GETLINESIZE), 3);
}

TEST_F(Trackbars, TicksAtEveryPositionOnTheRight) {
  EXPECT_EQ(Send(TBM_GETNUMTICS), 6);
  const RECT channel = Rect(TBM_GETCHANNELRECT);
  for (int p = 0; p <= 5; ++p) {
    const int y = channel.top + (p * (channel.bottom - channel.top - 1) + 2) / 5;
    EXPECT_EQ(At(m_slider, 23, y), kBlack) << p;
    EXPECT_EQ(At(m_slider, 25, y), kBlack) << p;
    EXPECT_EQ(At(m_slider, 26, y), Face()) << p;
  }
  EXPECT_EQ(At(m_slider, 23, channel.top + 1), Face());
  HWND none = Make(TBS_VERT | TBS_NOTICKS, RECT{60, 5, 87, 195});
  Pump();
  EXPECT_EQ(SendMessageA(none, TBM_GETNUMTICS, 0, 0), 0);
  for (int y = 0; y < 190; ++y) EXPECT_NE(At(none, 24, y), kBlack) << y;
}

TEST_F(Trackbars, TheProgramsSlidersLayOutSo) {
  // Ticks on the right: the thumb 20 across from x = 2, the channel down
  // its middle, inset by half the thumb plus the end margin.
  RECT channel = Rect(TBM_GETCHANNELRECT);
  EXPECT_EQ(channel.left, 10);
  EXPECT_EQ(channel.right, 14);
  EXPECT_EQ(channel.top, 7);
  EXPECT_EQ(channel.bottom, 183);
  RECT thumb = Rect(TBM_GETTHUMBRECT);
  EXPECT_EQ(thumb.left, 2);
  EXPECT_EQ(thumb.right, 22);
  EXPECT_EQ(thumb.bottom - thumb.top, 11);
  EXPECT_EQ((thumb.top + thumb.bottom) / 2, 7 + 105);  // position 3 of 0..5
  Send(TBM_SETPOS, TRUE, 0);
  EXPECT_EQ(Rect(TBM_GETTHUMBRECT).top, 2);
  Send(TBM_SETPOS, TRUE, 5);
  EXPECT_EQ(Rect(TBM_GETTHUMBRECT).bottom, 188);

  HWND g = Make(TBS_VERT | TBS_NOTICKS, RECT{60, 5, 87, 195});
  SendMessageA(g, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  SendMessageA(g, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  EXPECT_EQ(thumb.left, 3);
  EXPECT_EQ(thumb.right, 23);
  EXPECT_EQ(channel.left, 11);
  EXPECT_EQ(channel.right, 15);
}

TEST_F(Trackbars, TheThumbPointsAtTheTicks) {
  Send(TBM_SETPOS, TRUE, 0);
  Pump();
  // Rows 2..12: lit on top and left, the point's upper edge lit, its lower
  // edge and the bottom dark; the tip is at x = 21 on the middle row.
  EXPECT_EQ(At(m_slider, 2, 2), kWhite);
  EXPECT_EQ(At(m_slider, 2, 7), kWhite);
  EXPECT_EQ(At(m_slider, 21, 7), kBlack);
  EXPECT_EQ(At(m_slider, 22, 7), Face());
  EXPECT_EQ(At(m_slider, 16, 2), kWhite);
  EXPECT_EQ(At(m_slider, 17, 2), Face());
  EXPECT_EQ(At(m_slider, 19, 5), kWhite);
  EXPECT_EQ(At(m_slider, 19, 9), kBlack);
  EXPECT_EQ(At(m_slider, 10, 12), kBlack);
  EXPECT_EQ(At(m_slider, 10, 11), kShadow);
  EXPECT_EQ(At(m_slider, 3, 5), kLight);
  EXPECT_EQ(At(m_slider, 10, 7), Face());
  // The sunken channel shows below it.
  EXPECT_EQ(At(m_slider, 10, 100), kShadow);
  EXPECT_EQ(At(m_slider, 11, 100), kBlack);
  EXPECT_EQ(At(m_slider, 12, 100), kLight);
  EXPECT_EQ(At(m_slider, 13, 100), kWhite);
}

TEST_F(Trackbars, WithoutTicksTheThumbIsABox) {
  HWND g = Make(TBS_VERT | TBS_NOTICKS, RECT{60, 5, 87, 195});
  SendMessageA(g, TBM_SETRANGE, FALSE, MAKELONG(50, 150));
  SendMessageA(g, TBM_SETPOS, TRUE, 50);
  Pump();
  EXPECT_EQ(At(g, 3, 2), kWhite);
  EXPECT_EQ(At(g, 22, 2), kBlack);
  EXPECT_EQ(At(g, 22, 12), kBlack);
  EXPECT_EQ(At(g, 21, 11), kShadow);
  EXPECT_EQ(At(g, 23, 7), Face());
}

TEST_F(Trackbars, FocusIsADottedRectangleAroundItAll) {
  EXPECT_EQ(At(m_slider, 0, 0), Face());
  SetFocus(m_slider);
  Pump();
  EXPECT_EQ(At(m_slider, 0, 0), RGB(63, 63, 63));
  EXPECT_EQ(At(m_slider, 26, 188), RGB(63, 63, 63));
}

TEST_F(Trackbars, EachKeyReportsItsCodeThenEndTrack) {
  SetFocus(m_slider);
  Tap(m_parent, VK_UP);
  Tap(m_parent, VK_DOWN);
  Tap(m_parent, VK_LEFT);
  Tap(m_parent, VK_RIGHT);
  Tap(m_parent, VK_HOME);
  Tap(m_parent, VK_END);
  Tap(m_parent, VK_PRIOR);
  Tap(m_parent, VK_NEXT);
  Pump();
  ExpectScrolls(Scrolls(), {{TB_LINEUP, 2},
                            {TB_ENDTRACK, 2},
                            {TB_LINEDOWN, 3},
                            {TB_ENDTRACK, 3},
                            {TB_LINEUP, 2},
                            {TB_ENDTRACK, 2},
                            {TB_LINEDOWN, 3},
                            {TB_ENDTRACK, 3},
                            {TB_TOP, 0},
                            {TB_ENDTRACK, 0},
                            {TB_BOTTOM, 5},
                            {TB_ENDTRACK, 5},
                            {TB_PAGEUP, 4},
                            {TB_ENDTRACK, 4},
                            {TB_PAGEDOWN, 5},
                            {TB_ENDTRACK, 5}});
}

TEST_F(Trackbars, KeysAtALimitStillReport) {
  SetFocus(m_slider);
  Send(TBM_SETPOS, TRUE, 0);
  Tap(m_parent, VK_UP);
  Tap(m_parent, VK_HOME);
  Pump();
  ExpectScrolls(Scrolls(), {{TB_LINEUP, 0}, {TB_ENDTRACK, 0}, {TB_TOP, 0}, {TB_ENDTRACK, 0}});
}

TEST_F(Trackbars, HorizontalOnesReportWithHScroll) {
  HWND h = Make(TBS_HORZ | TBS_AUTOTICKS, RECT{60, 5, 175, 35});
  SendMessageA(h, TBM_SETRANGE, FALSE, MAKELONG(0, 90));
  SetFocus(h);
  Tap(m_parent, VK_RIGHT);
  Pump();
  const std::vector<SNote> notes = Notes(WM_HSCROLL);
  ASSERT_EQ(notes.size(), 2U);
  EXPECT_EQ(notes[0].wParam, MAKEWPARAM(TB_LINEDOWN, 1));
  EXPECT_EQ(notes[0].lParam, reinterpret_cast<LPARAM>(h));
  EXPECT_TRUE(Notes(WM_VSCROLL).empty());
}

TEST_F(Trackbars, DraggingTheThumbTracksAndEndsWithPositionAndEndTrack) {
  const RECT thumb = Rect(TBM_GETTHUMBRECT);
  const int x = 20 + (thumb.left + thumb.right) / 2;
  const int y = 5 + (thumb.top + thumb.bottom) / 2;
  Press(m_parent, x, y);
  Pump();
  EXPECT_EQ(GetFocus(), m_slider);
  EXPECT_EQ(GetCapture(), m_slider);
  Move(m_parent, x, y + 10);  // not yet nearer to 4 than to 3
  Pump();
  Move(m_parent, x, y + 20);
  Pump();
  Move(m_parent, x + 60, y + 200);  // off the control: the limit
  Pump();
  Move(m_parent, x, y - 36);
  Pump();
  Release(m_parent, x, y - 36);
  Pump();
  ExpectScrolls(Scrolls(), {{TB_THUMBTRACK, 4},
                            {TB_THUMBTRACK, 5},
                            {TB_THUMBTRACK, 2},
                            {TB_THUMBPOSITION, 2},
                            {TB_ENDTRACK, 2}});
  EXPECT_EQ(Send(TBM_GETPOS), 2);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Trackbars, AChannelPressPagesTowardsThePointerOnATimer) {
  Send(TBM_SETRANGE, FALSE, MAKELONG(50, 150));
  Send(TBM_SETPOS, TRUE, 50);
  // Position 120 lies at 7 + 70 * 175 / 100 = 129.5, so 130.
  Press(m_parent, 20 + 12, 5 + 130);
  Pump();
  ExpectScrolls(Scrolls(), {{TB_PAGEDOWN, 70}});
  m_host.AdvanceClock(499);
  Pump();
  EXPECT_TRUE(Scrolls().empty());
  m_host.AdvanceClock(1);
  Pump();
  ExpectScrolls(Scrolls(), {{TB_PAGEDOWN, 90}});
  for (int i = 0; i < 4; ++i) {
    m_host.AdvanceClock(100);
    Pump();
  }
  // Never past the pointer: 110, then 120 under it, then nothing more.
  ExpectScrolls(Scrolls(), {{TB_PAGEDOWN, 110}, {TB_PAGEDOWN, 120}});
  Release(m_parent, 20 + 12, 5 + 130);
  Pump();
  ExpectScrolls(Scrolls(), {{TB_ENDTRACK, 120}});
  m_host.AdvanceClock(1000);
  Pump();
  EXPECT_TRUE(Scrolls().empty());
}

TEST_F(Trackbars, APressAboveTheThumbPagesUp) {
  Press(m_parent, 20 + 12, 5 + 20);
  Release(m_parent, 20 + 12, 5 + 20);
  Pump();
  ExpectScrolls(Scrolls(), {{TB_PAGEUP, 2}, {TB_ENDTRACK, 2}});
  EXPECT_EQ(GetFocus(), m_slider);
}

TEST_F(Trackbars, APressAtTheLimitStillReports) {
  Send(TBM_SETPOS, TRUE, 5);
  Click(m_parent, 20 + 12, 5 + 189);
  Pump();
  ExpectScrolls(Scrolls(), {{TB_PAGEDOWN, 5}, {TB_ENDTRACK, 5}});
}

TEST_F(Trackbars, AParentMayDestroyTheSliderItIsTold) {
  s_destroySender = true;
  const RECT thumb = Rect(TBM_GETTHUMBRECT);
  Press(m_parent, 32, 5 + (thumb.top + thumb.bottom) / 2);
  Move(m_parent, 32, 150);
  Release(m_parent, 32, 150);
  Press(m_parent, 32, 10);
  Pump();
  m_host.AdvanceClock(600);
  Pump();
  EXPECT_FALSE(IsWindow(m_slider));
  EXPECT_EQ(Notes(WM_VSCROLL).size(), 1U);
}

TEST_F(Trackbars, LosingTheCaptureStopsThePaging) {
  Press(m_parent, 32, 10);
  Pump();
  ReleaseCapture();
  Forget();
  m_host.AdvanceClock(1000);
  Pump();
  EXPECT_TRUE(Scrolls().empty());
}

}  // namespace
