// CButton: push buttons, default push buttons and group boxes.
#pragma once

#include "platform/afx/wnd.h"

class CButton : public CWnd {
 public:
  BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
  }
  UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
  void SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(bHighlight)); }
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
  UINT GetButtonStyle() const { return GetStyle() & 0xFFFFU; }
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) {
    SendMessage(BM_SETSTYLE, nStyle, bRedraw);
  }
};
