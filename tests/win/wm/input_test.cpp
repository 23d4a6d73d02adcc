#include "tests/win/wm/wm_fixture.h"

namespace {

using Input = WindowManagerTest;

std::vector<SLogged> Of(const std::vector<SLogged>& log, UINT message) {
  std::vector<SLogged> out;
  for (const SLogged& l : log) {
    if (l.message == message) out.push_back(l);
  }
  return out;
}

TEST_F(Input, ClicksGoToTheChildUnderThePointerInItsCoordinates) {
  HWND w = MakeTop(300, 200, WS_POPUP | WS_VISIBLE);
  HWND child = MakeChild(w, 1, RECT{50, 40, 100, 80});
  Pump();
  ClearLog();
  Click(w, 60, 45);
  Click(w, 10, 10);
  Pump();
  const std::vector<SLogged> downs = Of(s_log, WM_LBUTTONDOWN);
  ASSERT_EQ(downs.size(), 2U);
  EXPECT_EQ(downs[0].hwnd, child);
  EXPECT_EQ(GET_X_LPARAM(downs[0].lParam), 10);
  EXPECT_EQ(GET_Y_LPARAM(downs[0].lParam), 5);
  EXPECT_EQ(downs[0].wParam & MK_LBUTTON, MK_LBUTTON);
  EXPECT_EQ(downs[1].hwnd, w);
  const std::vector<SLogged> ups = Of(s_log, WM_LBUTTONUP);
  ASSERT_EQ(ups.size(), 2U);
  EXPECT_EQ(ups[0].wParam & MK_LBUTTON, 0U);
}

TEST_F(Input, TheMenuBarIsNonClient) {
  HWND w = MakeTop(300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE, reinterpret_cast<HMENU>(1));
  Pump();
  ClearLog();
  Click(w, 30, 5);
  Click(w, 30, kMenuBarHeight);
  Pump();
  const std::vector<SLogged> nc = Of(s_log, WM_NCLBUTTONDOWN);
  ASSERT_EQ(nc.size(), 1U);
  EXPECT_EQ(nc[0].wParam, static_cast<WPARAM>(HTMENU));
  const std::vector<SLogged> client = Of(s_log, WM_LBUTTONDOWN);
  ASSERT_EQ(client.size(), 1U);
  EXPECT_EQ(GET_Y_LPARAM(client[0].lParam), 0);
}

TEST_F(Input, GroupBoxesLetClicksThroughToWhatIsBeneath) {
  HWND w = MakeTop(300, 200, WS_POPUP | WS_VISIBLE);
  HWND box = MakeChild(w, -1, RECT{0, 0, 200, 150}, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, "BUTTON");
  HWND button = MakeChild(w, 5, RECT{20, 20, 60, 40}, WS_CHILD | WS_VISIBLE, "BUTTON");
  ASSERT_NE(box, nullptr);
  Pump();
  ClearLog();
  Click(w, 25, 25);
  Click(w, 150, 100);
  Pump();
  const std::vector<SLogged> downs = Of(s_log, WM_LBUTTONDOWN);
  ASSERT_EQ(downs.size(), 2U);
  EXPECT_EQ(downs[0].hwnd, button);
  EXPECT_EQ(downs[1].hwnd, w);
}

TEST_F(Input, ADisabledChildPassesClicksToItsParent) {
  HWND w = MakeTop(300, 200, WS_POPUP | WS_VISIBLE);
  HWND child = MakeChild(w, 1, RECT{50, 40, 100, 80}, WS_CHILD | WS_VISIBLE | WS_DISABLED);
  Pump();
  ClearLog();
  Click(w, 60, 45);
  Pump();
  const std::vector<SLogged> downs = Of(s_log, WM_LBUTTONDOWN);
  ASSERT_EQ(downs.size(), 1U);
  EXPECT_EQ(downs[0].hwnd, w);
  EXPECT_EQ(GET_X_LPARAM(downs[0].lParam), 60);
  EXPECT_EQ(Count(child, WM_LBUTTONDOWN), 0);
}

TEST_F(Input, ADisabledTopLevelWindowGetsNothing) {
  HWND w = MakeTop(300, 200, WS_POPUP | WS_VISIBLE);
  Pump();
  EnableWindow(w, FALSE);
  ClearLog();
  Click(w, 10, 10);
  m_host.PushEvent(MouseEvent(w, host::EventType::kMouseMove, 20, 20));
  host::Event close;
  close.type = host::EventType::kCloseRequest;
  close.surface = w->hostId;
  m_host.PushEvent(close);
  Pump();
  EXPECT_EQ(Count(w, WM_LBUTTONDOWN), 0);
  EXPECT_EQ(Count(w, WM_MOUSEMOVE), 0);
  EXPECT_EQ(Count(w, WM_CLOSE), 0);
  EXPECT_TRUE(IsWindow(w));
}

TEST_F(Input, TheCaptureGetsThePointerEverywhere) {
  HWND w = MakeTop(300, 200, WS_POPUP | WS_VISIBLE);
  HWND child = MakeChild(w, 1, RECT{50, 40, 100, 80});
  Pump();
  SetCapture(child);
  ClearLog();
  m_host.PushEvent(MouseEvent(w, host::EventType::kMouseMove, 10, 10));
  m_host.PushEvent(MouseEvent(w, host::EventType::kMouseUp, 290, 190));
  Pump();
  const std::vector<SLogged> moves = Of(s_log, WM_MOUSEMOVE);
  ASSERT_EQ(moves.size(), 1U);
  EXPECT_EQ(moves[0].hwnd, child);
  EXPECT_EQ(GET_X_LPARAM(moves[0].lParam), -40);
  EXPECT_EQ(GET_Y_LPARAM(moves[0].lParam), -30);
  ASSERT_EQ(Of(s_log, WM_LBUTTONUP).size(), 1U);
  EXPECT_EQ(Of(s_log, WM_LBUTTONUP)[0].hwnd, child);
  ReleaseCapture();
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Input, KeysAndTextGoToTheFocus) {
  HWND w = MakeTop(300, 200, WS_POPUP | WS_VISIBLE);
  HWND child = MakeChild(w, 1, RECT{50, 40, 100, 80});
  Pump();
  SetFocus(child);
  ClearLog();
  host::Event key;
  key.type = host::EventType::kKeyDown;
  key.surface = w->hostId;
  key.vkey = VK_UP;
  m_host.PushEvent(key);
  host::Event text;
  text.type = host::EventType::kText;
  text.surface = w->hostId;
  std::snprintf(text.text, sizeof text.text, "a\xC2\xA9\xE2\x82\xAC\xE4\xB8\xAD");
  m_host.PushEvent(text);
  Pump();
  const std::vector<SLogged> keys = Of(s_log, WM_KEYDOWN);
  ASSERT_EQ(keys.size(), 1U);
  EXPECT_EQ(keys[0].hwnd, child);
  EXPECT_EQ(keys[0].wParam, static_cast<WPARAM>(VK_UP));
  const std::vector<SLogged> chars = Of(s_log, WM_CHAR);
  // 'a', the copyright sign and the euro sign in the 8-bit code page; the
  // character it cannot hold is dropped.
  ASSERT_EQ(chars.size(), 3U);
  EXPECT_EQ(chars[0].wParam, static_cast<WPARAM>('a'));
  EXPECT_EQ(chars[1].wParam, 0xA9U);
  EXPECT_EQ(chars[2].wParam, 0x80U);
}

TEST_F(Input, AltKeysAreSystemKeys) {
  HWND w = MakeTop(300, 200, WS_POPUP | WS_VISIBLE);
  Pump();
  SetFocus(w);
  ClearLog();
  host::Event key;
  key.type = host::EventType::kKeyDown;
  key.surface = w->hostId;
  key.vkey = 'F';
  key.modifiers = host::kModAlt;
  m_host.PushEvent(key);
  Pump();
  EXPECT_EQ(Count(w, WM_SYSKEYDOWN), 1);
  EXPECT_EQ(Count(w, WM_SYSCHAR), 1);
  EXPECT_EQ(Count(w, WM_KEYDOWN), 0);
}

TEST_F(Input, FocusMovesWithKillAndSetAndLeavesADisabledWindow) {
  HWND w = MakeTop(300, 200, WS_POPUP | WS_VISIBLE);
  HWND a = MakeChild(w, 1, RECT{0, 0, 10, 10});
  HWND b = MakeChild(w, 2, RECT{20, 0, 30, 10});
  Pump();
  SetFocus(a);
  ClearLog();
  EXPECT_EQ(SetFocus(b), a);
  ASSERT_EQ(s_log.size(), 2U);
  EXPECT_EQ(s_log[0].hwnd, a);
  EXPECT_EQ(s_log[0].message, static_cast<UINT>(WM_KILLFOCUS));
  EXPECT_EQ(s_log[1].hwnd, b);
  EXPECT_EQ(s_log[1].message, static_cast<UINT>(WM_SETFOCUS));
  EXPECT_EQ(GetFocus(), b);
  EnableWindow(b, FALSE);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(SetFocus(b), nullptr);  // a disabled window cannot take it
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(Input, TheCloseBoxClosesThroughTheSystemCommand) {
  HWND w = MakeTop(300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  ClearLog();
  host::Event close;
  close.type = host::EventType::kCloseRequest;
  close.surface = w->hostId;
  m_host.PushEvent(close);
  Pump();
  EXPECT_FALSE(IsWindow(w));
  bool sawClose = false;
  for (const SLogged& l : s_log) sawClose = sawClose || l.message == WM_CLOSE;
  EXPECT_TRUE(sawClose);
}

TEST_F(Input, ClickingAWindowWaitingOnADialogActivatesTheDialog) {
  HWND frame = MakeTop(300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND dialog = CreateWindowExA(0, "Recorder", "Dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0,
                                100, 100, frame, nullptr, nullptr, nullptr);
  EnableWindow(frame, FALSE);
  SetActiveWindow(frame);  // refused: it is disabled
  Pump();
  EXPECT_EQ(GetActiveWindow(), dialog);
  ClearLog();
  Click(frame, 10, 10);
  Pump();
  EXPECT_EQ(GetActiveWindow(), dialog);
  EXPECT_EQ(Count(frame, WM_LBUTTONDOWN), 0);
}

}  // namespace
