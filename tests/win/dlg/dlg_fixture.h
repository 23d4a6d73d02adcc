// The whole system tier on a headless host with the dialog classes, a
// recording dialog procedure, and a script of steps that run whenever the
// layer is about to wait for input, which is how a test drives a modal loop
// from the inside.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/host/headless/headless_host.h"
#include "platform/win/dlg/dialog_classes.h"
#include "platform/win/dlg/dialogs.h"
#include "platform/win/system/system.h"
#include "platform/win/wm/wnd.h"

struct SNote {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

inline constexpr UINT kTestIcon = 500;

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND MakeDialog(const DialogTemplate& t, HWND parent = nullptr);
  // A plain visible top-level window to own dialogs.
  HWND MakeOwner();

  // Steps run one at a time whenever the layer is about to block; when
  // they run out, the host reports the session over (WM_QUIT).
  void Script(std::vector<std::function<void()>> steps);

  void Pump();
  // Host input; x and y are surface pixels of `top` (its client area, as
  // dialogs have no menu bar).
  void Mouse(HWND top, host::EventType type, int x, int y, unsigned modifiers = 0);
  void Click(HWND top, int x, int y);
  // A click at a point of a child, in its client coordinates.
  void ClickChild(HWND child, int x, int y);
  void Key(HWND top, int vkey, bool down, unsigned modifiers = 0);
  void Tap(HWND top, int vkey, unsigned modifiers = 0);
  void Type(HWND top, const std::string& text);

  // A pixel of a window's client area on its top-level surface.
  static COLORREF At(HWND hwnd, int x, int y);
  static RECT RectIn(HWND child);  // in its parent's client coordinates

  std::vector<SNote> Notes(UINT message) const;
  std::vector<WORD> Codes(UINT message) const;  // the notification codes, in order
  void Forget() { s_notes.clear(); }

  host::CHeadlessHost m_host;
  std::deque<std::function<void()>> m_steps;

 public:
  // Records WM_COMMAND, WM_VSCROLL and WM_HSCROLL; ends the dialog on
  // IDOK and IDCANCEL with that code (unless s_endOnCommand is false);
  // answers WM_INITDIALOG with s_initAnswer.
  static INT_PTR RecordingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  static std::vector<SNote> s_notes;
  static INT_PTR s_initAnswer;
  static bool s_endOnCommand;  // RecordingProc ends the dialog on IDOK and IDCANCEL
};

inline constexpr COLORREF kFace = RGB(192, 192, 192);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kShadow = RGB(128, 128, 128);
inline constexpr COLORREF kLight = RGB(223, 223, 223);
inline constexpr COLORREF kNavy = RGB(0, 0, 128);
