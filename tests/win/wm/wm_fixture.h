// A window manager on a headless host, with a window class that records the
// messages it gets, for the window manager's tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host/headless/headless_host.h"
#include "platform/win/wm/wnd.h"

struct SLogged {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class WindowManagerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // "Recorder" windows log every message and otherwise behave by default;
  // "BUTTON" windows do the same, and a group box lets the pointer through.
  HWND MakeTop(int w = 600, int h = 450, DWORD style = WS_OVERLAPPEDWINDOW, HMENU menu = nullptr);
  HWND MakeChild(HWND parent, int id, RECT r, DWORD style = WS_CHILD | WS_VISIBLE,
                 const char* cls = "Recorder");

  std::vector<SLogged> Take(UINT message);  // logged messages of one kind, then clear the log
  int Count(HWND hwnd, UINT message) const;
  void ClearLog() { s_log.clear(); }
  // Dispatches everything waiting, paints included, as a program's pump does.
  void Pump();
  void Click(HWND top, int x, int y, host::MouseButton b = host::MouseButton::kLeft);
  host::Event MouseEvent(HWND top, host::EventType type, int x, int y,
                         host::MouseButton b = host::MouseButton::kLeft);

  host::CHeadlessHost m_host;

 public:
  static std::vector<SLogged> s_log;
  static LRESULT s_createResult;
  static COLORREF s_paintColor;  // what Recorder windows paint with, or CLR_INVALID
};
