#pragma once

#include "platform/afx/gdi_object.h"

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
  BOOL CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
  static CBrush* FromHandle(HBRUSH h) { return GdiFromHandle<CBrush>(h); }
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }  // NOLINT
};
