// CSliderCtrl: the trackbar common control.
#pragma once

#include "platform/afx/wnd.h"
#include "platform/win/commctrl.h"

class CSliderCtrl : public CWnd {
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(TRACKBAR_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
  }
  int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
  void SetPos(int nPos) { SendMessage(TBM_SETPOS, TRUE, nPos); }
  int GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
  int GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }
  void GetRange(int& nMin, int& nMax) const {
    nMin = GetRangeMin();
    nMax = GetRangeMax();
  }
  void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE) {
    SendMessage(TBM_SETRANGE, static_cast<WPARAM>(bRedraw),
                MAKELPARAM(static_cast<UINT>(nMin), static_cast<UINT>(nMax)));
  }
  void SetRangeMin(int nMin, BOOL bRedraw = FALSE) {
    SendMessage(TBM_SETRANGEMIN, static_cast<WPARAM>(bRedraw), nMin);
  }
  void SetRangeMax(int nMax, BOOL bRedraw = FALSE) {
    SendMessage(TBM_SETRANGEMAX, static_cast<WPARAM>(bRedraw), nMax);
  }
  int GetLineSize() const { return static_cast<int>(SendMessage(TBM_GETLINESIZE)); }
  int SetLineSize(int nSize) { return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, nSize)); }
  int GetPageSize() const { return static_cast<int>(SendMessage(TBM_GETPAGESIZE)); }
  int SetPageSize(int nSize) { return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, nSize)); }
  int GetNumTics() const { return static_cast<int>(SendMessage(TBM_GETNUMTICS)); }
};
