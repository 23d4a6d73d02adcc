// What every control class of the system tier shares, the system's own
// (BUTTON, STATIC, the trackbar, the status bar) and the dialog manager's
// (EDIT, LISTBOX, the up-down): its state object in window data slot 0
// (made on WM_NCCREATE, freed on WM_NCDESTROY), its font, and one short
// recipe that each control fills in:
//
//   hit test   WM_NCHITTEST answers HitTest();
//   state      focus and a captured press are kept here; each control adds
//              its own (pushed, dragging, ...);
//   input      a left press takes the focus (if the control wants it) and
//              the capture, and the drags and the release come to it until
//              the button goes up; keys, characters and timers come to
//              OnKey, OnChar and OnTimer;
//   draw       WM_PAINT clips to what it paints, selects the font and
//              calls Draw, which paints everything (WM_ERASEBKGND does
//              nothing); the background is what the parent answers to the
//              control's colour message, a fallback colour if it answers
//              nothing.
//
// WM_ENABLE, WM_SETTEXT (through OnTextChanged) and a change of focus
// repaint the control. Anything a notification to the parent may do
// includes destroying the control, so every handler stops touching its
// object once a notification reports the window gone.
#pragma once

#include <string>

#include "platform/win/gdi/style_painter.h"
#include "platform/win/wm/user.h"

namespace ctl {

class CControl {
 public:
  CControl(const CControl&) = delete;
  CControl& operator=(const CControl&) = delete;
  virtual ~CControl() = default;

  // Builds a control's state for a window being created.
  using Factory = CControl* (*)(HWND hwnd, const CREATESTRUCTA& cs);
  // The body of every control class's window procedure.
  static LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Factory make);

 protected:
  explicit CControl(HWND hwnd);

  // The recipe, message by message; a control overrides OnMessage for its
  // own messages and passes the rest on here.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT HitTest() const { return HTCLIENT; }
  virtual UINT DialogCode() const { return 0; }
  virtual bool TakesFocus() const { return true; }
  // `keys` is the press's MK_ state (Shift extends an edit's selection).
  virtual void OnPress(POINT /*client*/, WPARAM /*keys*/) {}
  virtual void OnDrag(POINT /*client*/) {}
  virtual void OnRelease(POINT /*client*/) {}
  virtual void OnCancelPress() {}  // the capture went elsewhere mid-press
  virtual void OnKey(int /*vk*/, bool /*down*/) {}
  virtual void OnChar(int /*ch*/) {}
  virtual void OnTimer(UINT_PTR /*id*/) {}
  virtual void OnFocusChanged() { Invalidate(); }
  // After WM_SETTEXT stored the text; a control that draws no text
  // overrides it to repaint nothing.
  virtual void OnTextChanged() { Invalidate(); }
  // The colour message Background(hdc) sends.
  virtual UINT ColorMessage() const { return WM_CTLCOLORSTATIC; }
  // Paints the whole client area (the clip keeps it to what is invalid).
  virtual void Draw(HDC hdc, const RECT& client) = 0;

  // The brush the parent answers to `message` (WM_CTLCOLOREDIT, ...) for
  // `hdc`, which also leaves the parent's text colour (the window text
  // colour unless it sets one) in the DC; `fallback` when it answers
  // nothing, null when the control went away while the parent was asked.
  HBRUSH Background(HDC hdc, UINT message, PaletteRole fallback);
  // The same for ColorMessage(), with the face colour as the fallback.
  HBRUSH Background(HDC hdc) { return Background(hdc, ColorMessage(), PaletteRole::kFace); }
  void FillBackground(HDC hdc, const RECT& rect, HBRUSH brush);
  // WM_COMMAND with `code` and the control's id to the parent; false when
  // the control is gone after it.
  bool Notify(UINT code);
  // Any message to the parent; false when the control is gone after it.
  bool SendToParent(UINT message, WPARAM wParam, LPARAM lParam);
  void Invalidate(const RECT* rect = nullptr) const;
  RECT Client() const;
  DWORD Style() const;
  bool IsEnabled() const;
  bool IsAlive() const;
  // The window text, read without copying.
  const std::string& Text() const;

  HWND m_hwnd;
  HFONT m_font;
  bool m_focused = false;
  bool m_pressing = false;  // a left press holds the capture

 private:
  LRESULT OnPaint();
  LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace ctl
