// CStatic: text labels, and pictures (SS_BITMAP, SS_ICON).
#pragma once

#include "platform/afx/wnd.h"
#include "platform/win/wingdi.h"

class CStatic : public CWnd {
 public:
  BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
              UINT nID = 0xFFFF) {
    return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
  }
  // The static shows the bitmap but does not own it; returns the one before.
  HBITMAP SetBitmap(HBITMAP hBitmap) {
    return reinterpret_cast<HBITMAP>(
        SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
  }
  HBITMAP GetBitmap() const {
    return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
  }
  HICON SetIcon(HICON hIcon) {
    return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon)));
  }
  HICON GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }
};
