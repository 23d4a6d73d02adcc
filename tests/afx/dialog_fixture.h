// The framework's dialogs on a headless window system: a resource module
// with dialog templates of its own, and a script of steps that run
// whenever the layer is about to wait, which is how a test drives a modal
// loop from inside.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/win/wm/wnd.h"
#include "tests/afx/afx_fixture.h"

// Template 400: a body's velocity, as the program's Properties dialog has
// it, with a list and a colour button; 401 has an item that cannot be made;
// 402 is modeless.
inline constexpr UINT kVelocityDialog = 400;
inline constexpr UINT kBrokenDialog = 401;
inline constexpr UINT kModelessDialog = 402;
inline constexpr int kVxEdit = 1000;
inline constexpr int kVyEdit = 1001;
inline constexpr int kVxSpin = 1003;
inline constexpr int kVySpin = 1004;
inline constexpr int kColorButton = 1007;
inline constexpr int kLinesList = 1010;

class DialogFrameworkTest : public FrameworkTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Steps run one at a time whenever the layer is about to block; when
  // they run out the host reports the session over (WM_QUIT).
  void Script(std::vector<std::function<void()>> steps);
  void ClickChild(HWND child, int x, int y);
  void Tap(HWND top, int vkey, unsigned modifiers = 0);
  void Type(HWND top, const std::string& text);
  // A frame window of the framework, to own dialogs; it deletes itself.
  CFrameWnd* MakeFrame();

  std::deque<std::function<void()>> m_steps;
};
