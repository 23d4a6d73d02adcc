// What the dialog manager's control classes (EDIT, LISTBOX,
// msctls_updown32) share: the state object in window data slot 0 (made on
// WM_NCCREATE, freed on WM_NCDESTROY), the font, and one short recipe that
// each fills in:
//
//   hit test   WM_NCHITTEST is HTCLIENT;
//   state      focus and a captured press are kept here;
//   input      a left press takes the focus (if the control wants it) and
//              the capture, and the drags and the release come to it until
//              the button goes up; keys, characters and timers come to
//              OnKey, OnChar and OnTimer;
//   draw       WM_PAINT clips to what it paints, selects the font and calls
//              Draw, which paints everything (WM_ERASEBKGND does nothing).
//
// Anything a notification to the parent may do includes destroying the
// control, so handlers stop touching the object once Notify says it is gone.
#pragma once

#include "platform/win/dlg/dialogs.h"
#include "platform/win/gdi/style_painter.h"

namespace dlg {

class CDlgControl {
 public:
  CDlgControl(const CDlgControl&) = delete;
  CDlgControl& operator=(const CDlgControl&) = delete;
  virtual ~CDlgControl() = default;

  using Factory = CDlgControl* (*)(HWND hwnd, const CREATESTRUCTA& cs);
  // The body of each class's window procedure.
  static LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Factory make);

 protected:
  explicit CDlgControl(HWND hwnd);

  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual UINT DialogCode() const { return 0; }
  virtual bool TakesFocus() const { return true; }
  virtual void OnPress(POINT /*client*/, WPARAM /*keys*/) {}
  virtual void OnDrag(POINT /*client*/) {}
  virtual void OnRelease(POINT /*client*/) {}
  virtual void OnCancelPress() {}
  virtual void OnKey(int /*vk*/, bool /*down*/) {}
  virtual void OnChar(int /*ch*/) {}
  virtual void OnTimer(UINT_PTR /*id*/) {}
  virtual void OnFocusChanged() { Invalidate(); }
  virtual void Draw(HDC hdc, const RECT& client) = 0;

  // The brush the parent answers to `message` (WM_CTLCOLOREDIT, ...) for
  // `hdc`, which also leaves the parent's text colour in the DC; `fallback`
  // when it answers nothing, null when the control went while it was asked.
  HBRUSH Background(HDC hdc, UINT message, PaletteRole fallback);
  // WM_COMMAND with `code` to the parent; false when the control is gone.
  bool Notify(UINT code);
  // Any message to the parent; false when the control is gone after it.
  bool SendToParent(UINT message, WPARAM wParam, LPARAM lParam);
  void Invalidate(const RECT* rect = nullptr) const;
  RECT Client() const;
  DWORD Style() const;
  bool IsEnabled() const;
  bool IsAlive() const;

  HWND m_hwnd;
  HFONT m_font;
  bool m_focused = false;
  bool m_pressing = false;

 private:
  LRESULT OnPaint();
  LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace dlg
