// The window manager with the menus installed, on a headless host, and a
// frame with the program's menu bar that records what the menu loop tells
// it. While the loop runs, tests act through a script: each step runs when
// the loop waits for input, as a user acts on what the screen shows.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/host/headless/headless_host.h"
#include "platform/win/menu/menu.h"
#include "platform/win/wm/wnd.h"

struct SHeard {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Positions on the program's bar and in its drop-downs.
enum BarItem { kFile, kBlank, kView, kControl, kHelp };
inline constexpr UINT kExit = 32778;
inline constexpr UINT kBlankCommand = 32771;
inline constexpr UINT kZoom = 32780;
inline constexpr UINT kGo = 32773;
inline constexpr UINT kStop = 32774;
inline constexpr UINT kInstructions = 32776;
inline constexpr UINT kAbout = 32777;

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HMENU Bar() const { return GetMenu(m_frame); }
  HMENU Popup(int index) const { return GetSubMenu(Bar(), index); }

  // Input as the host reports it. Points are screen pixels, as
  // GetMenuItemRect gives them; keys go to the frame.
  void Mouse(host::EventType type, POINT screen);
  void Press(POINT p) { Mouse(host::EventType::kMouseDown, p); }
  void Release(POINT p) { Mouse(host::EventType::kMouseUp, p); }
  void MoveTo(POINT p) { Mouse(host::EventType::kMouseMove, p); }
  void ClickAt(POINT p) {
    Press(p);
    Release(p);
  }
  void Key(int vkey, bool down, unsigned modifiers = 0);
  void Tap(int vkey, unsigned modifiers = 0) {
    Key(vkey, true, modifiers);
    Key(vkey, false, modifiers);
  }
  void Type(const char* text);
  // Alt with a letter, as a user types it.
  void AltKey(int letter);

  // The centre of a bar item, or of an item of the open drop-down.
  POINT BarCentre(int index) const;
  POINT ItemCentre(HMENU popup, int index) const;
  POINT Outside() const;

  // Steps run one at a time whenever the loop waits; with none left the
  // host has nothing more to give and the session ends.
  void Script(std::vector<std::function<void()>> steps);
  // Dispatches everything waiting, as the program's own loop does; true
  // when it met WM_QUIT (which it leaves posted).
  bool Pump();

  std::vector<SHeard> Heard(UINT message) const;
  std::vector<UINT> Sequence() const;  // the messages heard, in order
  void Forget() { s_heard.clear(); }
  HWND OpenDropDown() const;  // the "#32768" child, if one is open

  host::CHeadlessHost m_host;
  HWND m_frame = nullptr;
  std::vector<std::function<void()>> m_steps;
  size_t m_next = 0;

 public:
  static std::vector<SHeard> s_heard;
  // Run when the frame is asked to fill a drop-down, as the framework's
  // update handlers are.
  static std::function<void(HMENU popup, int index)> s_onInitPopup;
  static std::function<void(UINT message, WPARAM wParam)> s_onMessage;
};
