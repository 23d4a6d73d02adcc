// The whole system tier on a headless host, with a parent window class that
// records what its controls tell it, for the controls' tests.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/host/headless/headless_host.h"
#include "platform/win/system/system.h"
#include "platform/win/wm/wnd.h"

struct SNote {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A parent that paints its client area kParentColor and answers
  // WM_CTLCOLOR* with s_ctlBrush (null: as DefWindowProcA does).
  HWND MakeParent(int width = 300, int height = 200, DWORD style = WS_POPUP | WS_VISIBLE,
                  HMENU menu = nullptr);
  HWND MakeControl(HWND parent, const char* cls, const char* text, DWORD style, RECT r, int id = 7);

  // Dispatches everything waiting, paints included, as the program's pump.
  void Pump();
  // Mouse and keys as the host reports them; x and y are `top`'s surface
  // pixels (its menu bar and client area).
  void Mouse(HWND top, host::EventType type, int x, int y);
  void Press(HWND top, int x, int y) { Mouse(top, host::EventType::kMouseDown, x, y); }
  void Move(HWND top, int x, int y) { Mouse(top, host::EventType::kMouseMove, x, y); }
  void Release(HWND top, int x, int y) { Mouse(top, host::EventType::kMouseUp, x, y); }
  void Click(HWND top, int x, int y);
  void Key(HWND top, int vkey, bool down, unsigned modifiers = 0);
  void Tap(HWND top, int vkey) {
    Key(top, vkey, true);
    Key(top, vkey, false);
  }

  // A pixel of a window's client area as it stands on its top-level surface.
  COLORREF At(HWND hwnd, int x, int y) const;
  // The surface pixel of the top level: menu bar included.
  static COLORREF Surface(HWND top, int x, int y);

  std::vector<SNote> Notes(UINT message) const;
  void Forget() { s_notes.clear(); }

  host::CHeadlessHost m_host;

 public:
  static constexpr COLORREF kParentColor = RGB(0, 128, 0);
  static std::vector<SNote> s_notes;
  static HBRUSH s_ctlBrush;
  // The parent destroys whichever control tells it something.
  static bool s_destroySender;
};

inline COLORREF Face() { return RGB(192, 192, 192); }
// Antialiased text in the text colour: the stems come out near black.
inline bool IsInk(COLORREF c) {
  return c != CLR_INVALID && GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100;
}
