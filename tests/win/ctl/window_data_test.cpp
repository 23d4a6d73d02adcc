// Control state lives in window data slot 0 and is freed on WM_NCDESTROY.
#include "tests/win/ctl/ctl_fixture.h"

namespace {

LONG_PTR g_seenAtNcDestroy = -1;

LRESULT KeeperProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) SetWindowLongPtrA(hwnd, 0, 42);
  if (message == WM_NCDESTROY) g_seenAtNcDestroy = GetWindowLongPtrA(hwnd, 0);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

using WindowData = ControlTest;

TEST_F(WindowData, EveryControlClassKeepsOneSlot) {
  for (const char* name : {"BUTTON", "STATIC", TRACKBAR_CLASSA, STATUSCLASSNAMEA, "#32768"}) {
    WNDCLASSA wc{};
    ASSERT_TRUE(GetClassInfoA(nullptr, name, &wc)) << name;
    EXPECT_EQ(wc.cbWndExtra, 8) << name;
  }
}

TEST_F(WindowData, ControlsMadeAndDestroyedLeaveNothingBehind) {
  // Run under the sanitizers, a state object left behind is a leak.
  HWND parent = MakeParent();
  for (const char* name : {"BUTTON", "STATIC", TRACKBAR_CLASSA, STATUSCLASSNAMEA}) {
    HWND c = MakeControl(parent, name, "x", WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 30});
    ASSERT_NE(c, nullptr) << name;
    EXPECT_NE(GetWindowLongPtrA(c, 0), 0) << name;
    Pump();
    EXPECT_TRUE(DestroyWindow(c));
  }
  MakeControl(parent, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, RECT{0, 0, 50, 30});
}

// A window procedure frees its data on WM_NCDESTROY, so it must still be
// able to read it there.
TEST_F(WindowData, SlotsCanBeReadOnNcDestroy) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = KeeperProc;
  wc.cbWndExtra = 8;
  wc.lpszClassName = "Keeper";
  ASSERT_TRUE(RegisterClassA(&wc));
  HWND parent = MakeParent();
  HWND keeper = MakeControl(parent, "Keeper", "", WS_CHILD, RECT{0, 0, 10, 10});
  DestroyWindow(keeper);
  EXPECT_EQ(g_seenAtNcDestroy, 42);
}

}  // namespace
