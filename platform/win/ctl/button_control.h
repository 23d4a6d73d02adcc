// "BUTTON": push buttons and default push buttons (group boxes, the same
// class with BS_GROUPBOX, are CGroupBox). A press takes the focus and the
// capture; the button shows pressed only while the pointer is inside it and
// clicks (WM_COMMAND with BN_CLICKED to its parent) only on a release
// inside. Space clicks it from the keyboard: pressed on key down, clicked on
// key up.
#pragma once

#include "platform/win/ctl/control.h"

namespace ctl {

class CButtonControl final : public CControl {
 public:
  static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  explicit CButtonControl(HWND hwnd) : CControl(hwnd) {}
  static CControl* Make(HWND hwnd, const CREATESTRUCTA& cs);

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  UINT DialogCode() const override;
  UINT ColorMessage() const override { return WM_CTLCOLORBTN; }
  void OnPress(POINT client, WPARAM keys) override;
  void OnDrag(POINT client) override;
  void OnRelease(POINT client) override;
  void OnCancelPress() override;
  void OnKey(int vk, bool down) override;
  void OnFocusChanged() override;
  void Draw(HDC hdc, const RECT& client) override;

  bool IsDefault() const;
  bool IsPushed() const { return m_highlight || m_spaceDown || (m_pressing && m_inside); }
  void SetInside(bool inside);
  void Click();

  bool m_inside = false;     // the captured pointer is over the button
  bool m_spaceDown = false;  // Space is held on the focused button
  bool m_highlight = false;  // BM_SETSTATE
};

}  // namespace ctl
