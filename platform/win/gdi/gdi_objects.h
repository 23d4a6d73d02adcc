// What stands behind the GDI's handles. These are plain records: the
// functions of wingdi.h give them their behaviour, and the handle table
// decides whether a handle still names one of them.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win/gdi/surface.h"
#include "platform/win/wingdi.h"

namespace gdi {

class CFontFace;
class CDeviceContext;

enum class ObjectKind : std::uint8_t { kPen, kBrush, kBitmap, kFont, kDC, kIcon };

struct CGdiPen : HPEN__ {
  UINT m_style = PS_SOLID;  // PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL
  int m_width = 1;          // pixels, at least 1
  COLORREF m_color = 0;
  int m_requestedWidth = 0;  // as asked for, for GetObjectA
  UINT m_requestedStyle = PS_SOLID;
};

struct CGdiBrush : HBRUSH__ {
  bool m_null = false;
  COLORREF m_color = 0;
};

// Owns its pixels; `m_dc` is the memory DC it is selected into, if any.
struct CGdiBitmap : HBITMAP__ {
  Surface* m_surface = nullptr;
  CDeviceContext* m_dc = nullptr;
};

struct CGdiFont : HFONT__ {
  LOGFONTA m_logfont{};
  CFontFace* m_face = nullptr;  // shared, owned by the font library
};

struct CGdiIcon : HICON__ {
  int m_width = 0;
  int m_height = 0;
  std::vector<std::uint32_t> m_argb;
};

}  // namespace gdi
