#pragma once

#include "platform/afx/gdi_object.h"

class CBitmap : public CGdiObject {
 public:
  // Loads the program's bitmap resource `nIDResource`; FALSE when there is none.
  BOOL LoadBitmap(UINT nIDResource);
  BOOL CreateCompatibleBitmap(class CDC* pDC, int nWidth, int nHeight);
  int GetBitmap(BITMAP* pBitMap) const;
  static CBitmap* FromHandle(HBITMAP h) { return GdiFromHandle<CBitmap>(h); }
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT
};
