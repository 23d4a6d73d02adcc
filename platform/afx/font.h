#pragma once

#include "platform/afx/gdi_object.h"

class CFont : public CGdiObject {
 public:
  BOOL CreateFontIndirect(const LOGFONTA* lpLogFont) {
    return Attach(::CreateFontIndirectA(lpLogFont));
  }
  static CFont* FromHandle(HFONT h) { return GdiFromHandle<CFont>(h); }
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }  // NOLINT
};
