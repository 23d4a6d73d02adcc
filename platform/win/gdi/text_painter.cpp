#include "platform/win/gdi/text_painter.h"

#include <algorithm>

namespace gdi {

CTextPainter::CTextPainter(CRaster& raster, CFontFace& face, COLORREF color,
                           const pixman_box32_t* limit)
    : m_raster(raster),
      m_face(face),
      m_pixel(ToPixel(color)),
      m_limit(limit),
      m_visibleLeft(raster.Extents().x1),
      m_visibleRight(raster.Extents().x2) {
  if (limit != nullptr) {
    m_visibleLeft = std::max<long long>(m_visibleLeft, limit->x1);
    m_visibleRight = std::min<long long>(m_visibleRight, limit->x2);
  }
}

long long CTextPainter::Paint(long long x, long long top, const char* text, int count,
                              const int* dx, const char* marks) {
  const long long baseline = top + m_face.Metrics().ascent;
  long long pen = x;
  for (int i = 0; i < count; ++i) {
    const SGlyph& glyph = m_face.Glyph(static_cast<unsigned char>(text[i]));
    const long long left = pen + glyph.left;
    if (!glyph.alpha.empty() && left < m_visibleRight && left + glyph.width > m_visibleLeft) {
      m_raster.Blend(pen + glyph.left, baseline - glyph.top, glyph.width, glyph.height,
                     glyph.alpha.data(), m_pixel, m_limit);
    }
    const long long advance = dx != nullptr ? dx[i] : glyph.advance;
    if (marks != nullptr && marks[i] != 0) Underline(pen, pen + advance, top);
    pen += advance;
  }
  return pen - x;
}

void CTextPainter::Underline(long long x0, long long x1, long long top) {
  // One row clear of the letters, where the classic menus put it.
  const SFontMetrics& metrics = m_face.Metrics();
  Line(x0, x1, top + metrics.ascent + metrics.underlineOffset);
}

void CTextPainter::StrikeOut(long long x0, long long x1, long long top) {
  Line(x0, x1, top + m_face.Metrics().ascent - (m_face.EmPixels() * 3 + 5) / 10);
}

void CTextPainter::Line(long long x0, long long x1, long long y) {
  long long y1 = y + m_face.Metrics().lineThickness;
  if (m_limit != nullptr) {
    x0 = std::max<long long>(x0, m_limit->x1);
    x1 = std::min<long long>(x1, m_limit->x2);
    y = std::max<long long>(y, m_limit->y1);
    y1 = std::min<long long>(y1, m_limit->y2);
  }
  m_raster.Fill(x0, y, x1, y1, m_pixel);
}

}  // namespace gdi
