#include "tests/win/wm/wm_fixture.h"

#include <cstdint>

namespace {

using Windows = WindowManagerTest;

std::vector<UINT> Messages(const std::vector<SLogged>& log, HWND hwnd) {
  std::vector<UINT> out;
  for (const SLogged& l : log) {
    if (l.hwnd == hwnd) out.push_back(l.message);
  }
  return out;
}

TEST_F(Windows, CreationSendsNcCreateCreateThenSize) {
  HWND w = MakeTop(300, 200, WS_OVERLAPPEDWINDOW);
  ASSERT_NE(w, nullptr);
  const std::vector<UINT> m = Messages(s_log, w);
  ASSERT_GE(m.size(), 3U);
  EXPECT_EQ(m[0], static_cast<UINT>(WM_NCCREATE));
  EXPECT_EQ(m[1], static_cast<UINT>(WM_CREATE));
  EXPECT_EQ(m[2], static_cast<UINT>(WM_SIZE));
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_EQ(GetWindowLongA(w, GWL_STYLE), static_cast<LONG>(WS_OVERLAPPEDWINDOW));
}

TEST_F(Windows, FailedCreationLeavesNothing) {
  s_createResult = -1;
  EXPECT_EQ(MakeTop(), nullptr);
  EXPECT_TRUE(m_host.Surfaces().empty());
  s_createResult = 0;
  EXPECT_EQ(
      CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
      nullptr);
  EXPECT_EQ(MakeChild(nullptr, 1, RECT{0, 0, 1, 1}), nullptr);
}

TEST_F(Windows, ChildrenInCreationOrderFromTheTop) {
  HWND w = MakeTop();
  HWND a = MakeChild(w, 101, RECT{0, 0, 10, 10});
  HWND b = MakeChild(w, 102, RECT{0, 0, 10, 10});
  HWND c = MakeChild(w, -1, RECT{0, 0, 10, 10});
  EXPECT_EQ(GetWindow(w, GW_CHILD), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), c);
  EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), nullptr);
  EXPECT_EQ(GetDlgItem(w, 102), b);
  EXPECT_EQ(GetDlgCtrlID(c), -1);
  EXPECT_EQ(GetParent(b), w);
  EXPECT_TRUE(IsChild(w, b));
  EXPECT_FALSE(IsChild(b, w));
}

TEST_F(Windows, DestroyTellsParentsFirstAndFreesChildrenFirst) {
  HWND w = MakeTop();
  HWND child = MakeChild(w, 1, RECT{0, 0, 10, 10});
  HWND grand = MakeChild(child, 2, RECT{0, 0, 5, 5});
  ClearLog();
  EXPECT_TRUE(DestroyWindow(w));
  std::vector<HWND> destroy;
  std::vector<HWND> ncdestroy;
  for (const SLogged& l : s_log) {
    if (l.message == WM_DESTROY) destroy.push_back(l.hwnd);
    if (l.message == WM_NCDESTROY) ncdestroy.push_back(l.hwnd);
  }
  EXPECT_EQ(destroy, (std::vector<HWND>{w, child, grand}));
  EXPECT_EQ(ncdestroy, (std::vector<HWND>{grand, child, w}));
  EXPECT_FALSE(IsWindow(w));
  EXPECT_FALSE(IsWindow(grand));
  EXPECT_TRUE(m_host.Surfaces().empty());
  // Stale handles are harmless everywhere.
  EXPECT_FALSE(DestroyWindow(w));
  EXPECT_FALSE(ShowWindow(child, SW_SHOW));
  EXPECT_FALSE(InvalidateRect(grand, nullptr, TRUE));
  EXPECT_EQ(GetDlgItem(w, 1), nullptr);
  RECT r;
  EXPECT_FALSE(GetClientRect(child, &r));
}

TEST_F(Windows, OwnedWindowsGoWithTheirOwner) {
  HWND frame = MakeTop();
  HWND dialog = CreateWindowExA(0, "Recorder", "Dialog", WS_POPUP | WS_CAPTION, 0, 0, 100, 100,
                                frame, nullptr, nullptr, nullptr);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(GetParent(dialog), frame);
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), frame);
  DestroyWindow(frame);
  EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(Windows, MaximizeRestoreMinimizeReportSizes) {
  HWND w = MakeTop(600, 450, WS_OVERLAPPEDWINDOW, reinterpret_cast<HMENU>(1));
  ShowWindow(w, SW_SHOW);
  ClearLog();
  ShowWindow(w, SW_MAXIMIZE);
  std::vector<SLogged> sizes = Take(WM_SIZE);
  ASSERT_EQ(sizes.size(), 1U);
  EXPECT_EQ(sizes[0].wParam, SIZE_MAXIMIZED);
  EXPECT_EQ(LOWORD(sizes[0].lParam), host::CHeadlessHost::kScreenWidth - 2 * kFrameBorder);
  EXPECT_EQ(HIWORD(sizes[0].lParam), host::CHeadlessHost::kScreenHeight - kCaptionHeight -
                                         2 * kFrameBorder - kMenuBarHeight);
  EXPECT_TRUE(IsZoomed(w));
  EXPECT_EQ(m_host.State(w->hostId), host::SurfaceState::kMaximized);

  ShowWindow(w, SW_RESTORE);
  sizes = Take(WM_SIZE);
  ASSERT_EQ(sizes.size(), 1U);
  EXPECT_EQ(sizes[0].wParam, SIZE_RESTORED);
  EXPECT_EQ(LOWORD(sizes[0].lParam), 594);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.bottom - r.top, 450);

  ShowWindow(w, SW_MINIMIZE);
  sizes = Take(WM_SIZE);
  ASSERT_EQ(sizes.size(), 1U);
  EXPECT_EQ(sizes[0].wParam, SIZE_MINIMIZED);
  EXPECT_EQ(sizes[0].lParam, 0);
  EXPECT_TRUE(IsIconic(w));
  GetClientRect(w, &r);
  EXPECT_TRUE(IsRectEmpty(&r));
  ShowWindow(w, SW_RESTORE);
  sizes = Take(WM_SIZE);
  ASSERT_EQ(sizes.size(), 1U);
  EXPECT_EQ(sizes[0].wParam, SIZE_RESTORED);
}

TEST_F(Windows, HostStateChangesReachTheWindow) {
  HWND w = MakeTop();
  ShowWindow(w, SW_SHOW);
  ShowWindow(w, SW_MAXIMIZE);
  ClearLog();
  host::Event e;
  e.surface = w->hostId;
  e.type = host::EventType::kMinimized;
  m_host.PushEvent(e);
  e.type = host::EventType::kRestored;
  m_host.PushEvent(e);
  Pump();
  const std::vector<SLogged> sizes = Take(WM_SIZE);
  ASSERT_EQ(sizes.size(), 2U);
  EXPECT_EQ(sizes[0].wParam, SIZE_MINIMIZED);
  EXPECT_EQ(sizes[1].wParam, SIZE_MAXIMIZED);  // back to what it was before
}

TEST_F(Windows, MoveWindowRepaintsOldAndNewPlaces) {
  HWND w = MakeTop(200, 150, WS_POPUP | WS_VISIBLE);
  HWND child = MakeChild(w, 1, RECT{0, 0, 10, 10});
  Pump();
  ClearLog();
  EXPECT_TRUE(MoveWindow(child, 50, 60, 20, 10, TRUE));
  RECT r;
  EXPECT_TRUE(GetUpdateRect(w, &r, FALSE));
  EXPECT_TRUE(EqualRect(&r, &(const RECT&)RECT{0, 0, 10, 10}));
  EXPECT_TRUE(GetUpdateRect(child, &r, FALSE));
  EXPECT_TRUE(EqualRect(&r, &(const RECT&)RECT{0, 0, 20, 10}));
  const std::vector<SLogged> sizes = Take(WM_SIZE);
  ASSERT_EQ(sizes.size(), 1U);
  EXPECT_EQ(LOWORD(sizes[0].lParam), 20);
  GetWindowRect(child, &r);
  POINT p{0, 0};
  ClientToScreen(w, &p);
  EXPECT_EQ(r.left, p.x + 50);
  Pump();
  EXPECT_TRUE(MoveWindow(child, 50, 60, 20, 10, FALSE));
  EXPECT_FALSE(GetUpdateRect(w, &r, FALSE));
}

// Points at the ends of the 32-bit range (a script may send them) stop there
// on the way to the screen and back rather than wrapping around.
TEST_F(Windows, PointsFarOffTheScreenSaturate) {
  HWND w = MakeTop();
  HWND child = MakeChild(w, 7, RECT{50, 60, 70, 70});
  POINT origin{0, 0};
  ClientToScreen(child, &origin);
  ASSERT_GT(origin.x, 0);
  ASSERT_GT(origin.y, 0);
  POINT p{INT32_MAX - 1, INT32_MAX};
  EXPECT_TRUE(ClientToScreen(child, &p));
  EXPECT_EQ(p.x, INT32_MAX);
  EXPECT_EQ(p.y, INT32_MAX);
  p = POINT{INT32_MIN, INT32_MIN + 1};
  EXPECT_TRUE(ScreenToClient(child, &p));
  EXPECT_EQ(p.x, INT32_MIN);
  EXPECT_EQ(p.y, INT32_MIN);
  p = POINT{5, 6};  // and ordinary points still go there and back
  ClientToScreen(child, &p);
  ScreenToClient(child, &p);
  EXPECT_EQ(p.x, 5);
  EXPECT_EQ(p.y, 6);
}

TEST_F(Windows, WindowDataAndStyles) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.cbWndExtra = 16;
  wc.lpszClassName = "WithData";
  ASSERT_TRUE(RegisterClassA(&wc));
  EXPECT_FALSE(RegisterClassA(&wc));  // once only, whatever the case
  HWND w = CreateWindowExA(0, "withdata", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                           nullptr);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(SetWindowLongPtrA(w, 8, 1234), 0);
  EXPECT_EQ(GetWindowLongPtrA(w, 8), 1234);
  EXPECT_EQ(GetWindowLongPtrA(w, 16), 0);  // past the data: nothing
  EXPECT_EQ(SetWindowLongPtrA(w, 400, 9), 0);
  SetWindowLongA(w, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_VISIBLE | WS_BORDER));
  EXPECT_FALSE(IsWindowVisible(w));  // visibility changes only by ShowWindow
  EXPECT_TRUE((GetWindowLongA(w, GWL_STYLE) & WS_BORDER) != 0);
}

TEST_F(Windows, RectangleHelpers) {
  const RECT r{10, 20, 30, 40};
  EXPECT_TRUE(PtInRect(&r, POINT{10, 20}));
  EXPECT_FALSE(PtInRect(&r, POINT{30, 25}));  // right edge is outside
  EXPECT_FALSE(PtInRect(&r, POINT{15, 40}));  // bottom edge too
  EXPECT_FALSE(PtInRect(nullptr, POINT{0, 0}));
  RECT o;
  EXPECT_TRUE(IntersectRect(&o, &r, &(const RECT&)RECT{25, 0, 50, 25}));
  EXPECT_TRUE(EqualRect(&o, &(const RECT&)RECT{25, 20, 30, 25}));
  EXPECT_FALSE(IntersectRect(&o, &r, &(const RECT&)RECT{30, 0, 50, 25}));
  EXPECT_TRUE(IsRectEmpty(&o));
  RECT big{2147483600, 0, 2147483640, 10};
  OffsetRect(&big, 100, 0);
  EXPECT_EQ(big.right, 2147483647);  // saturates instead of wrapping
}

}  // namespace
