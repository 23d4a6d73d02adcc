#include "tests/win/wm/wm_fixture.h"

namespace {

using QueueRules = WindowManagerTest;

constexpr DWORD kShown = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

TEST_F(QueueRules, PeekWithoutRemoveLeavesTheMessage) {
  HWND w = MakeTop(600, 450, kShown);
  Pump();
  PostMessageA(w, WM_USER + 7, 1, 2);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, WM_USER + 7);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, WM_USER + 7);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.wParam, 1U);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(QueueRules, PaintComesOnlyWhenNothingElseWaits) {
  HWND w = MakeTop(600, 450, kShown);
  Pump();
  InvalidateRect(w, nullptr, FALSE);
  PostMessageA(w, WM_USER, 0, 0);
  PostMessageA(w, WM_USER + 1, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_USER);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_USER + 1);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_PAINT));
  EXPECT_EQ(m.hwnd, w);
}

TEST_F(QueueRules, PaintStaysUntilTheWindowIsValidated) {
  HWND w = MakeTop(600, 450, kShown);
  Pump();
  InvalidateRect(w, nullptr, FALSE);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  ASSERT_EQ(m.message, static_cast<UINT>(WM_PAINT));
  // Removing a paint message does not validate; only painting does.
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_PAINT));
  DispatchMessageA(&m);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(QueueRules, QuitWaitsForPostedMessagesButNotForPaint) {
  HWND w = MakeTop(600, 450, kShown);
  Pump();
  InvalidateRect(w, nullptr, FALSE);
  PostMessageA(w, WM_USER, 0, 0);
  PostQuitMessage(3);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, WM_USER);
  EXPECT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_USER);
  // A pending quit is reported as waiting, and stays until taken.
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
  EXPECT_FALSE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(m.wParam, 3U);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_PAINT));
}

TEST_F(QueueRules, WaitingWithNoInputLeftEndsTheSession) {
  MakeTop(600, 450, kShown);
  Pump();
  MSG m;
  EXPECT_FALSE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
}

TEST_F(QueueRules, SentMessagesRunAtOnceAndNest) {
  HWND w = MakeTop(600, 450, kShown);
  ClearLog();
  EXPECT_EQ(SendMessageA(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Caption")), TRUE);
  ASSERT_EQ(s_log.size(), 1U);
  EXPECT_EQ(s_log[0].message, static_cast<UINT>(WM_SETTEXT));
  char buffer[4];
  EXPECT_EQ(GetWindowTextA(w, buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "Cap");
  EXPECT_EQ(m_host.Caption(w->hostId), "Caption");
}

TEST_F(QueueRules, KeysThatTypeControlCharactersTranslateAheadOfTheQueue) {
  HWND w = MakeTop(600, 450, kShown);
  Pump();
  SetFocus(w);
  PostMessageA(w, WM_USER, 0, 0);
  MSG key{w, WM_KEYDOWN, VK_RETURN, 1, 0, {}};
  EXPECT_TRUE(TranslateMessage(&key));
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_CHAR));
  EXPECT_EQ(m.wParam, static_cast<WPARAM>('\r'));
  MSG letter{w, WM_KEYDOWN, 'A', 1, 0, {}};
  EXPECT_FALSE(TranslateMessage(&letter));  // letters come as typed text
  MSG alt{w, WM_SYSKEYDOWN, 'F', 1 | (1L << 29), 0, {}};
  EXPECT_TRUE(TranslateMessage(&alt));
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_SYSCHAR));
  EXPECT_EQ(m.wParam, static_cast<WPARAM>('f'));
}

TEST_F(QueueRules, TimersFireAfterPaintOnlyWhenDue) {
  HWND w = MakeTop(600, 450, kShown);
  Pump();
  SetTimer(w, 5, 100, nullptr);
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  m_host.AdvanceClock(100);
  InvalidateRect(w, nullptr, FALSE);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_PAINT));
  DispatchMessageA(&m);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_TIMER));
  EXPECT_EQ(m.wParam, 5U);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));  // rearmed, not due yet
  EXPECT_TRUE(KillTimer(w, 5));
  m_host.AdvanceClock(1000);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_FALSE(KillTimer(w, 5));
}

TEST_F(QueueRules, PointerMovesCoalesce) {
  HWND w = MakeTop(600, 450, kShown);
  Pump();
  for (int i = 0; i < 50; ++i) m_host.PushEvent(MouseEvent(w, host::EventType::kMouseMove, i, 20));
  ClearLog();
  Pump();
  const std::vector<SLogged> moves = Take(WM_MOUSEMOVE);
  ASSERT_EQ(moves.size(), 1U);
  EXPECT_EQ(GET_X_LPARAM(moves[0].lParam), 49);
}

TEST_F(QueueRules, PresentsOncePerFrameWhileBusyAndAlwaysBeforeWaiting) {
  HWND w = MakeTop(600, 450, kShown);
  s_paintColor = RGB(255, 0, 0);
  Pump();
  const std::uint64_t first = m_host.PresentCount();
  EXPECT_GE(first, 1U);
  // A busy loop repainting on every turn, with the clock standing still.
  MSG m;
  for (int i = 0; i < 100; ++i) {
    RECT r{i, 0, i + 1, 1};
    InvalidateRect(w, &r, FALSE);
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  }
  EXPECT_EQ(m_host.PresentCount(), first);
  m_host.AdvanceClock(16);
  InvalidateRect(w, nullptr, FALSE);
  Pump();
  EXPECT_EQ(m_host.PresentCount(), first + 1);
  InvalidateRect(w, nullptr, FALSE);
  Pump();
  EXPECT_FALSE(GetMessageA(&m, nullptr, 0, 0));  // waits, so presents first
  EXPECT_EQ(m_host.PresentCount(), first + 2);
  EXPECT_EQ(m_host.PixelAt(w->hostId, 5, 5), 0xFF0000U);
}

TEST_F(QueueRules, MessagesForADestroyedWindowAreDropped) {
  HWND w = MakeTop(600, 450, kShown);
  Pump();
  PostMessageA(w, WM_USER, 0, 0);
  DestroyWindow(w);
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_FALSE(PostMessageA(w, WM_USER, 0, 0));
  EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 0);
  MSG stale{w, WM_USER, 0, 0, 0, {}};
  EXPECT_EQ(DispatchMessageA(&stale), 0);
}

}  // namespace
