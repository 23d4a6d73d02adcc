// "msctls_updown32": two small buttons stacked, each with an arrow. Each
// press of an arrow (by the mouse, or by Up and Down in the buddy with
// UDS_ARROWKEYS) moves the position one step (up towards the maximum) held
// to the range (UDS_WRAP: round to the other end) and sends the parent
// WM_VSCROLL with MAKEWPARAM(SB_THUMBPOSITION, position) and the up-down
// as lParam, also when the position already stood at the limit; the
// release sends SB_ENDSCROLL. A held arrow repeats after 500 ms, then every
// 100 ms, while the pointer stays on it. The default range is 100 (minimum)
// to 0 (maximum), as the classic control has it.
//
// The buddy: UDS_AUTOBUDDY takes the control created just before, and
// UDS_ALIGNRIGHT (UDS_ALIGNLEFT) docks the up-down inside the buddy's right
// (left) edge, narrowing the buddy by the up-down's width; inside an
// edit's border it carries that border on. UDS_SETBUDDYINT reads the
// position from the buddy's text before each step and writes it back.
// The buddy is subclassed for its keys and to ask for the arrows.
#pragma once

#include "platform/win/ctl/control.h"
#include "platform/win/dlg/dialogs.h"

namespace dlg {

class CUpDownControl final : public ctl::CControl {
 public:
  static constexpr UINT_PTR kRepeatTimer = 1;
  static constexpr UINT kFirstRepeatMs = 500;
  static constexpr UINT kRepeatMs = 100;
  // The class's private message from its buddy: wParam the key (VK_UP or
  // VK_DOWN), lParam nonzero for a press.
  static constexpr UINT kBuddyKey = WM_USER + 0x0D01;

  static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  enum class Arrow { kNone, kUp, kDown };

  explicit CUpDownControl(HWND hwnd) : ctl::CControl(hwnd) {}
  static ctl::CControl* Make(HWND hwnd, const CREATESTRUCTA& /*cs*/) {
    return new CUpDownControl(hwnd);
  }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool TakesFocus() const override { return false; }
  void OnPress(POINT client, WPARAM keys) override;
  void OnDrag(POINT client) override;
  void OnRelease(POINT client) override;
  void OnCancelPress() override;
  void OnTimer(UINT_PTR id) override;
  void OnTextChanged() override {}  // the window text is never drawn
  void Draw(HDC hdc, const RECT& client) override;

  bool Framed() const;  // docked in a bordered buddy: draws the border on
  RECT ArrowRect(Arrow arrow) const;
  Arrow ArrowAt(POINT client) const;
  void OnBuddyKey(int vk, bool down);
  // One step in the arrow's direction and its report; false once gone.
  bool Step(Arrow arrow);
  bool EndScroll();
  void SetPos(long long pos);
  HWND SetBuddy(HWND buddy);
  void Dock();

  int m_min = 100;
  int m_max = 0;
  int m_pos = 0;
  HWND m_buddy = nullptr;
  Arrow m_pressed = Arrow::kNone;  // the mouse holds it
  bool m_inside = false;           // ... with the pointer on it
  Arrow m_keyArrow = Arrow::kNone;
};

// The subclass of a buddy; the up-down calls these.
void LinkBuddy(HWND buddy, HWND upDown);
void UnlinkBuddy(HWND buddy, HWND upDown);

}  // namespace dlg
