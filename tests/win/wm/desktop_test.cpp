// The window manager among other windows: what the host is told of each
// top-level window, what it reports back, and what a window that goes away
// leaves to be painted.
#include "tests/win/wm/wm_fixture.h"

namespace {

using Desktop = WindowManagerTest;

constexpr DWORD kFrameStyle = WS_OVERLAPPEDWINDOW & ~WS_THICKFRAME;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME;

HWND MakeDialog(HWND owner, int x, int y, int w, int h, DWORD style = kDialogStyle) {
  return CreateWindowExA(0, "Recorder", "Dialog", style, x, y, w, h, owner, nullptr, nullptr,
                         nullptr);
}

host::Event HostEvent(HWND top, host::EventType type) {
  host::Event e;
  e.type = type;
  e.surface = top->hostId;
  return e;
}

TEST_F(Desktop, EachWindowTellsTheHostWhatItIs) {
  HWND frame = MakeTop(600, 450, kFrameStyle);
  HWND dialog = MakeDialog(frame, 0, 0, 200, 100);
  HWND closable = MakeDialog(frame, 0, 0, 200, 100, kDialogStyle | WS_SYSMENU);
  const host::SurfaceRole f = m_host.Role(frame->hostId);
  EXPECT_EQ(f.kind, host::SurfaceKind::kNormal);
  EXPECT_EQ(f.owner, host::kNoSurface);
  EXPECT_TRUE(f.closeBox && f.minimizeBox && f.maximizeBox);
  EXPECT_FALSE(f.sizingBorder);
  const host::SurfaceRole d = m_host.Role(dialog->hostId);
  EXPECT_EQ(d.kind, host::SurfaceKind::kDialog);
  EXPECT_EQ(d.owner, frame->hostId);
  EXPECT_FALSE(d.closeBox || d.minimizeBox || d.maximizeBox || d.sizingBorder);
  EXPECT_TRUE(m_host.Role(closable->hostId).closeBox);
  EXPECT_FALSE(m_host.Role(closable->hostId).maximizeBox);
}

TEST_F(Desktop, AWindowStaysWhereTheWindowManagerPutsIt) {
  HWND frame = MakeTop(600, 450, kFrameStyle);
  ShowWindow(frame, SW_SHOW);
  Pump();
  ClearLog();
  host::Event moved = HostEvent(frame, host::EventType::kMoved);
  moved.x = 303;  // the surface: the outer rectangle less border and caption
  moved.y = 222;
  m_host.PushEvent(moved);
  Pump();
  RECT r;
  GetWindowRect(frame, &r);
  EXPECT_EQ(r.left, 300);
  EXPECT_EQ(r.top, 200);
  EXPECT_EQ(r.right - r.left, 600);
  EXPECT_EQ(Take(WM_MOVE).size(), 1U);

  // Minimized and restored by the window manager, it comes back there, and
  // nothing asks the host to put it anywhere else.
  m_host.PushEvent(HostEvent(frame, host::EventType::kMinimized));
  moved.x = -32000;
  moved.y = -32000;
  m_host.PushEvent(moved);
  m_host.PushEvent(HostEvent(frame, host::EventType::kRestored));
  Pump();
  EXPECT_FALSE(IsIconic(frame));
  GetWindowRect(frame, &r);
  EXPECT_EQ(r.left, 300);
  EXPECT_EQ(r.top, 200);
  int x = 0;
  int y = 0;
  m_host.GetPosition(frame->hostId, &x, &y);
  EXPECT_EQ(x, 100 + kFrameBorder);  // where it was made: never asked since
  EXPECT_EQ(y, 100 + kCaptionHeight + kFrameBorder);
}

TEST_F(Desktop, TheWindowManagersMaximizeGivesItsOwnSize) {
  HWND frame = MakeTop(600, 450, kFrameStyle, reinterpret_cast<HMENU>(1));
  ShowWindow(frame, SW_SHOW);
  Pump();
  ClearLog();
  // The size may come before the state or after it.
  host::Event sized = HostEvent(frame, host::EventType::kResized);
  sized.width = 1280;
  sized.height = 1000;
  m_host.PushEvent(sized);
  m_host.PushEvent(HostEvent(frame, host::EventType::kMaximized));
  Pump();
  EXPECT_TRUE(IsZoomed(frame));
  RECT client;
  GetClientRect(frame, &client);
  EXPECT_EQ(client.right, 1280);
  EXPECT_EQ(client.bottom, 1000 - kMenuBarHeight);
  std::vector<SLogged> sizes = Take(WM_SIZE);
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(sizes.back().wParam, SIZE_MAXIMIZED);
  EXPECT_EQ(LOWORD(sizes.back().lParam), 1280);
  int w = 0;
  int h = 0;
  m_host.GetSize(frame->hostId, &w, &h);
  EXPECT_EQ(w, 594);  // the host's window was never resized by the layer

  // Restored, openbox reports the state first, then the place, then the
  // size; the window must come back to 594 by 425 and stay there.
  m_host.PushEvent(HostEvent(frame, host::EventType::kRestored));
  host::Event moved = HostEvent(frame, host::EventType::kMoved);
  moved.x = 344;
  moved.y = 319;
  m_host.PushEvent(moved);
  sized.width = 594;
  sized.height = 425;
  m_host.PushEvent(sized);
  Pump();
  m_host.AdvanceClock(1000);
  Pump();
  EXPECT_FALSE(IsZoomed(frame));
  GetClientRect(frame, &client);
  EXPECT_EQ(client.right, 594);
  EXPECT_EQ(client.bottom, 425 - kMenuBarHeight);
  sizes = Take(WM_SIZE);
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(sizes.back().wParam, SIZE_RESTORED);

  // A drag on the border that the window manager drew all the same: the
  // window takes no new size and is put back once no new state follows.
  sized.width = 700;
  sized.height = 500;
  m_host.Resize(frame->hostId, 700, 500);  // as the window manager does
  m_host.PushEvent(sized);
  Pump();
  GetClientRect(frame, &client);
  EXPECT_EQ(client.right, 594);
  EXPECT_TRUE(Take(WM_SIZE).empty());
  m_host.AdvanceClock(1000);
  Pump();
  m_host.GetSize(frame->hostId, &w, &h);
  EXPECT_EQ(w, 594);
  EXPECT_EQ(h, 425);
  GetClientRect(frame, &client);
  EXPECT_EQ(client.right, 594);
}

TEST_F(Desktop, WhatAWindowCoveredIsPaintedAgainWhenItGoes) {
  HWND frame = MakeTop(600, 450, kFrameStyle, reinterpret_cast<HMENU>(1));
  ShowWindow(frame, SW_SHOW);
  HWND child = MakeChild(frame, 1, RECT{0, 0, 50, 50});
  // Frame client (0, 0) is at screen (103, 141): border 3, caption 19, bar 19.
  HWND dialog = MakeDialog(frame, 113, 151, 100, 80);
  ShowWindow(dialog, SW_SHOW);
  Pump();
  RECT r;
  ASSERT_FALSE(GetUpdateRect(frame, &r, FALSE));

  DestroyWindow(dialog);
  ASSERT_TRUE(GetUpdateRect(frame, &r, FALSE));
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 10);
  EXPECT_EQ(r.right, 110);
  EXPECT_EQ(r.bottom, 90);
  ASSERT_TRUE(GetUpdateRect(child, &r, FALSE));  // and the controls beneath it
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.bottom, 50);
  Pump();

  // Hidden, minimized or moved by the window manager, the same.
  for (int way = 0; way < 3; ++way) {
    dialog = MakeDialog(frame, 113, 151, 100, 80);
    ShowWindow(dialog, SW_SHOW);
    Pump();
    ASSERT_FALSE(GetUpdateRect(frame, &r, FALSE));
    if (way == 0) ShowWindow(dialog, SW_HIDE);
    if (way == 1) m_host.PushEvent(HostEvent(dialog, host::EventType::kMinimized));
    if (way == 2) {
      host::Event moved = HostEvent(dialog, host::EventType::kMoved);
      moved.x = 900;
      moved.y = 700;
      m_host.PushEvent(moved);
    }
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // takes the host's events
    ASSERT_TRUE(GetUpdateRect(frame, &r, FALSE)) << way;
    EXPECT_EQ(r.left, 10) << way;
    EXPECT_EQ(r.bottom, 90) << way;
    DestroyWindow(dialog);
    Pump();
  }
}

TEST_F(Desktop, AClickOnAWindowWaitingOnADialogBringsTheDialogBack) {
  HWND frame = MakeTop(600, 450, kFrameStyle);
  ShowWindow(frame, SW_SHOW);
  HWND dialog = MakeDialog(frame, 200, 200, 100, 80);
  EnableWindow(frame, FALSE);
  ShowWindow(dialog, SW_SHOW);
  Pump();
  ASSERT_EQ(GetActiveWindow(), dialog);
  // The window manager raises the frame on the click; the dialog, still the
  // active window, must come back over it.
  for (const host::EventType way : {host::EventType::kFocusGained, host::EventType::kMouseDown}) {
    m_host.Raise(frame->hostId);
    m_host.PushEvent(way == host::EventType::kMouseDown
                         ? MouseEvent(frame, way, 10, 10)
                         : HostEvent(frame, host::EventType::kFocusGained));
    Pump();
    EXPECT_EQ(m_host.Focused(), dialog->hostId);
    EXPECT_EQ(GetActiveWindow(), dialog);
  }
}

}  // namespace
