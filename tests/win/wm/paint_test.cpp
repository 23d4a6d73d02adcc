#include "tests/win/wm/wm_fixture.h"

namespace {

using Painting = WindowManagerTest;

COLORREF At(HWND top, int x, int y) {
  const std::uint32_t p = top->surface->pixels[static_cast<size_t>(y * top->surface->width + x)];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

// Fills what the paint may touch with one colour, as the frame's paint
// handler fills its field black whatever was invalidated.
void FillWhole(HWND hwnd, COLORREF c) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  RECT r;
  GetClientRect(hwnd, &r);
  HBRUSH b = CreateSolidBrush(c);
  FillRect(hdc, &r, b);
  DeleteObject(b);
  EndPaint(hwnd, &ps);
}

TEST_F(Painting, ClientAreaOfAFramedWindowWithAMenu) {
  HWND w = MakeTop(600, 450, WS_OVERLAPPEDWINDOW, reinterpret_cast<HMENU>(1));
  RECT r;
  GetClientRect(w, &r);
  EXPECT_EQ(r.right, 600 - 2 * kFrameBorder);
  EXPECT_EQ(r.bottom, 450 - kCaptionHeight - 2 * kFrameBorder - kMenuBarHeight);
  EXPECT_EQ(ClientOriginInSurface(w).y, kMenuBarHeight);
  GetWindowRect(w, &r);
  EXPECT_EQ(r.right - r.left, 600);
  EXPECT_EQ(r.bottom - r.top, 450);
}

TEST_F(Painting, PaintIsClippedToTheUpdateRegion) {
  HWND w = MakeTop(200, 150, WS_POPUP | WS_VISIBLE);
  Pump();
  InvalidateRect(w, nullptr, FALSE);
  FillWhole(w, RGB(0, 0, 255));
  RECT part{10, 10, 20, 20};
  InvalidateRect(w, &part, FALSE);
  FillWhole(w, RGB(255, 255, 0));
  EXPECT_EQ(At(w, 10, 10), RGB(255, 255, 0));
  EXPECT_EQ(At(w, 19, 19), RGB(255, 255, 0));
  EXPECT_EQ(At(w, 20, 20), RGB(0, 0, 255));
  EXPECT_EQ(At(w, 9, 15), RGB(0, 0, 255));
}

TEST_F(Painting, ChildrenClipTheParentButGroupBoxesDoNot) {
  HWND w = MakeTop(200, 150, WS_POPUP | WS_VISIBLE);
  HWND child = MakeChild(w, 1, RECT{10, 10, 30, 30});
  HWND box = MakeChild(w, -1, RECT{50, 10, 90, 50}, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, "BUTTON");
  ASSERT_NE(child, nullptr);
  ASSERT_NE(box, nullptr);
  Pump();
  InvalidateRect(w, nullptr, FALSE);
  FillWhole(w, RGB(0, 255, 0));
  EXPECT_EQ(At(w, 20, 20), RGB(0, 0, 0));    // the child's pixels stay its own
  EXPECT_EQ(At(w, 60, 20), RGB(0, 255, 0));  // beneath the group box the parent draws
  // ...and the group box, drawn over, is asked to paint itself again.
  RECT update;
  EXPECT_TRUE(GetUpdateRect(box, &update, FALSE));
  EXPECT_FALSE(GetUpdateRect(child, &update, FALSE));
}

TEST_F(Painting, ParentsPaintBeforeTheGroupBoxesAboveThem) {
  HWND w = MakeTop(200, 150, WS_POPUP | WS_VISIBLE);
  HWND box = MakeChild(w, -1, RECT{5, 5, 100, 100}, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, "BUTTON");
  HWND slider = MakeChild(w, 2, RECT{20, 20, 40, 80});
  Pump();
  InvalidateRect(w, nullptr, FALSE);
  InvalidateRect(slider, nullptr, FALSE);
  ClearLog();
  Pump();
  std::vector<HWND> order;
  for (const SLogged& l : Take(WM_PAINT)) order.push_back(l.hwnd);
  ASSERT_EQ(order.size(), 3U);
  EXPECT_EQ(order[0], w);
  EXPECT_EQ(order[1], slider);  // beneath the box in z-order
  EXPECT_EQ(order[2], box);
}

TEST_F(Painting, HiddenWindowsPaintNothingAndShowingRepaints) {
  HWND w = MakeTop(200, 150, WS_POPUP | WS_VISIBLE);
  HWND child = MakeChild(w, 1, RECT{10, 10, 30, 30}, WS_CHILD);
  Pump();
  InvalidateRect(child, nullptr, FALSE);
  RECT r;
  EXPECT_FALSE(GetUpdateRect(child, &r, FALSE));
  ShowWindow(child, SW_SHOW);
  EXPECT_TRUE(GetUpdateRect(child, &r, FALSE));
  EXPECT_TRUE(EqualRect(&r, &(const RECT&)RECT{0, 0, 20, 20}));
  Pump();
  s_paintColor = RGB(9, 9, 9);
  InvalidateRect(child, nullptr, FALSE);
  Pump();
  EXPECT_EQ(At(w, 15, 15), RGB(9, 9, 9));
  // Hiding it gives its area back to the parent.
  ClearLog();
  ShowWindow(child, SW_HIDE);
  EXPECT_TRUE(GetUpdateRect(w, &r, FALSE));
  EXPECT_TRUE(EqualRect(&r, &(const RECT&)RECT{10, 10, 30, 30}));
}

TEST_F(Painting, DestroyingAChildInvalidatesWhatItCovered) {
  HWND w = MakeTop(200, 150, WS_POPUP | WS_VISIBLE);
  HWND over = MakeChild(w, 2, RECT{20, 20, 70, 70});
  HWND under = MakeChild(w, 1, RECT{0, 0, 50, 50});
  Pump();
  DestroyWindow(over);
  RECT r;
  EXPECT_TRUE(GetUpdateRect(w, &r, FALSE));
  EXPECT_TRUE(EqualRect(&r, &(const RECT&)RECT{20, 20, 70, 70}));
  EXPECT_TRUE(GetUpdateRect(under, &r, FALSE));
  EXPECT_TRUE(EqualRect(&r, &(const RECT&)RECT{20, 20, 50, 50}));
}

TEST_F(Painting, EraseFlagSendsEraseBackgroundOnce) {
  HWND w = MakeTop(200, 150, WS_POPUP | WS_VISIBLE);
  Pump();
  ClearLog();
  RECT a{0, 0, 5, 5};
  RECT b{10, 10, 15, 15};
  InvalidateRect(w, &a, FALSE);
  InvalidateRect(w, &b, TRUE);
  Pump();
  EXPECT_EQ(Count(w, WM_ERASEBKGND), 1);
  EXPECT_EQ(Count(w, WM_PAINT), 1);
  ClearLog();
  InvalidateRect(w, &a, FALSE);
  Pump();
  EXPECT_EQ(Count(w, WM_ERASEBKGND), 0);
}

TEST_F(Painting, UpdateWindowPaintsAtOnceAndOnlyWhenNeeded) {
  HWND w = MakeTop(200, 150, WS_POPUP | WS_VISIBLE);
  Pump();
  ClearLog();
  UpdateWindow(w);
  EXPECT_EQ(Count(w, WM_PAINT), 0);
  InvalidateRect(w, nullptr, FALSE);
  UpdateWindow(w);
  EXPECT_EQ(Count(w, WM_PAINT), 1);
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(Painting, SiblingsAboveClipButNotBelow) {
  HWND w = MakeTop(200, 150, WS_POPUP | WS_VISIBLE);
  HWND upper = MakeChild(w, 2, RECT{20, 20, 60, 60});  // created first, so on top
  HWND lower = MakeChild(w, 1, RECT{0, 0, 40, 40});
  Pump();
  InvalidateRect(lower, nullptr, FALSE);
  FillWhole(lower, RGB(1, 2, 3));
  InvalidateRect(upper, nullptr, FALSE);
  FillWhole(upper, RGB(4, 5, 6));
  InvalidateRect(lower, nullptr, FALSE);
  FillWhole(lower, RGB(7, 8, 9));
  EXPECT_EQ(At(w, 10, 10), RGB(7, 8, 9));
  EXPECT_EQ(At(w, 30, 30), RGB(4, 5, 6));
}

}  // namespace
