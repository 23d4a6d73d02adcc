// CSpinButtonCtrl: the up-down control. SetRange takes the lower end first,
// as the framework has it; the message carries the upper end in its low
// word.
#pragma once

#include "platform/afx/wnd.h"
#include "platform/win/commctrl.h"

class CSpinButtonCtrl : public CWnd {
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(UPDOWN_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
  }
  void SetRange(int nLower, int nUpper) {
    SendMessage(UDM_SETRANGE, 0, MAKELPARAM(static_cast<UINT>(nUpper), static_cast<UINT>(nLower)));
  }
  DWORD GetRange() const { return static_cast<DWORD>(SendMessage(UDM_GETRANGE)); }
  void GetRange(int& lower, int& upper) const {
    const DWORD range = GetRange();
    lower = static_cast<short>(HIWORD(range));
    upper = static_cast<short>(LOWORD(range));
  }
  // Returns the position before.
  int SetPos(int nPos) {
    return static_cast<short>(LOWORD(
        static_cast<UINT_PTR>(SendMessage(UDM_SETPOS, 0, MAKELPARAM(static_cast<UINT>(nPos), 0)))));
  }
  // The position (the message's low word, sign and all).
  int GetPos() const {
    return static_cast<short>(LOWORD(static_cast<UINT_PTR>(SendMessage(UDM_GETPOS))));
  }
  CWnd* SetBuddy(CWnd* pWndBuddy) {
    HWND buddy = pWndBuddy != nullptr ? pWndBuddy->m_hWnd : nullptr;
    return FromHandle(
        reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy))));
  }
  CWnd* GetBuddy() const { return FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY))); }
};
