#pragma once

#include "platform/afx/gdi_object.h"

class CPen : public CGdiObject {
 public:
  CPen() = default;
  CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
  BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
  }
  static CPen* FromHandle(HPEN h) { return GdiFromHandle<CPen>(h); }
  operator HPEN() const { return static_cast<HPEN>(m_hObject); }  // NOLINT
};
