// TextOutA, ExtTextOutA and the text measurements. The status bar redraws
// its text after every simulation step, so the drawing path touches only
// the glyph cache and the pixels: no allocation, no FreeType, no region
// arithmetic once the glyphs are cached.
#include <algorithm>

#include "platform/win/gdi/font_face.h"
#include "platform/win/gdi/text_painter.h"

using gdi::CDeviceContext;
using gdi::CFontFace;
using gdi::CRaster;

namespace {

long long RunWidth(CFontFace& face, const char* text, int count, const int* dx) {
  if (dx == nullptr) return face.Measure(text, count);
  long long width = 0;
  for (int i = 0; i < count; ++i) width += dx[i];
  return width;
}

}  // namespace

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                 const int* dx) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr || (text == nullptr && count > 0)) return FALSE;
  if (count > 0x7FFFFFFFU) return FALSE;
  if ((options & (ETO_OPAQUE | ETO_CLIPPED)) != 0 && rect == nullptr) {
    options &= ~(ETO_OPAQUE | ETO_CLIPPED);
  }
  const int length = static_cast<int>(count);
  gdi::SDcState& state = dc->State();
  CFontFace& face = *state.font->m_face;
  const gdi::SFontMetrics& metrics = face.Metrics();
  const long long width = RunWidth(face, text, length, dx);

  const bool updateCp = (state.textAlign & TA_UPDATECP) != 0;
  const long long refX = updateCp ? state.position.x : x;
  const long long refY = updateCp ? state.position.y : y;
  long long left = refX;
  if ((state.textAlign & TA_CENTER) == TA_CENTER) {
    left = refX - width / 2;
  } else if ((state.textAlign & TA_RIGHT) != 0) {
    left = refX - width;
  }
  long long top = refY;
  if ((state.textAlign & TA_BASELINE) == TA_BASELINE) {
    top = refY - metrics.ascent;
  } else if ((state.textAlign & TA_BOTTOM) != 0) {
    top = refY - metrics.height;
  }
  if (updateCp && (state.textAlign & TA_CENTER) != TA_CENTER) {
    const long long moved = (state.textAlign & TA_RIGHT) != 0 ? refX - width : refX + width;
    state.position.x = static_cast<LONG>(std::clamp<long long>(moved, INT32_MIN, INT32_MAX));
  }

  CRaster raster(*dc);
  if (raster.IsEmpty()) return TRUE;
  pixman_box32_t limit{};
  const pixman_box32_t* limitPtr = nullptr;
  if (rect != nullptr) {
    const auto clampInt = [](long long v) {
      return static_cast<int>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
    };
    limit = pixman_box32_t{clampInt(raster.X(rect->left)), clampInt(raster.Y(rect->top)),
                           clampInt(raster.X(rect->right)), clampInt(raster.Y(rect->bottom))};
    if ((options & ETO_OPAQUE) != 0) {
      raster.Fill(limit.x1, limit.y1, limit.x2, limit.y2, gdi::ToPixel(state.bkColor));
    }
    if ((options & ETO_CLIPPED) != 0) limitPtr = &limit;
  }
  const long long sx = raster.X(left);
  const long long sy = raster.Y(top);
  if (state.bkMode == OPAQUE && (options & ETO_OPAQUE) == 0) {
    long long x0 = sx;
    long long y0 = sy;
    long long x1 = sx + width;
    long long y1 = sy + metrics.height;
    if (limitPtr != nullptr) {
      x0 = std::max<long long>(x0, limit.x1);
      y0 = std::max<long long>(y0, limit.y1);
      x1 = std::min<long long>(x1, limit.x2);
      y1 = std::min<long long>(y1, limit.y2);
    }
    raster.Fill(x0, y0, x1, y1, gdi::ToPixel(state.bkColor));
  }
  if (length == 0) return TRUE;
  gdi::CTextPainter painter(raster, face, state.textColor, limitPtr);
  painter.Paint(sx, sy, text, length, dx, nullptr);
  if (state.font->m_logfont.lfUnderline != 0) painter.Underline(sx, sx + width, sy);
  if (state.font->m_logfont.lfStrikeOut != 0) painter.StrikeOut(sx, sx + width, sy);
  return TRUE;
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int count) {
  if (count < 0) return FALSE;
  return ExtTextOutA(hdc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int count, SIZE* size) {
  const CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr || size == nullptr || count < 0 || (text == nullptr && count > 0)) {
    return FALSE;
  }
  CFontFace& face = *dc->State().font->m_face;
  const long long width = face.Measure(text, count);
  size->cx = static_cast<LONG>(std::min<long long>(width, INT32_MAX));
  size->cy = face.Metrics().height;
  return TRUE;
}

BOOL GetTextExtentExPointA(HDC hdc, LPCSTR text, int count, int maxExtent, int* fit, int* dx,
                           SIZE* size) {
  const CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr || size == nullptr || count < 0 || (text == nullptr && count > 0)) {
    return FALSE;
  }
  CFontFace& face = *dc->State().font->m_face;
  long long width = 0;
  int fitted = 0;
  for (int i = 0; i < count; ++i) {
    width += face.Advance(static_cast<unsigned char>(text[i]));
    const bool fits = width <= maxExtent;
    if (fits && fitted == i) fitted = i + 1;
    if (dx != nullptr && (fit == nullptr || fitted == i + 1)) {
      dx[i] = static_cast<int>(std::min<long long>(width, INT32_MAX));
    }
  }
  if (fit != nullptr) *fit = fitted;
  size->cx = static_cast<LONG>(std::min<long long>(width, INT32_MAX));
  size->cy = face.Metrics().height;
  return TRUE;
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics) {
  const CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr || metrics == nullptr) return FALSE;
  const gdi::CGdiFont& font = *dc->State().font;
  const gdi::SFontMetrics& m = font.m_face->Metrics();
  *metrics = TEXTMETRICA{};
  metrics->tmHeight = m.height;
  metrics->tmAscent = m.ascent;
  metrics->tmDescent = m.descent;
  metrics->tmInternalLeading = m.internalLeading;
  metrics->tmExternalLeading = 0;
  metrics->tmAveCharWidth = m.aveCharWidth;
  metrics->tmMaxCharWidth = m.maxCharWidth;
  metrics->tmWeight = font.m_face->Bold() ? FW_BOLD : FW_NORMAL;
  metrics->tmDigitizedAspectX = 96;
  metrics->tmDigitizedAspectY = 96;
  metrics->tmFirstChar = 0x20;
  metrics->tmLastChar = 0xFF;
  metrics->tmDefaultChar = 0x1F;
  metrics->tmBreakChar = 0x20;
  metrics->tmItalic = font.m_face->Italic() ? 1 : 0;
  metrics->tmUnderlined = font.m_logfont.lfUnderline != 0 ? 1 : 0;
  metrics->tmStruckOut = font.m_logfont.lfStrikeOut != 0 ? 1 : 0;
  metrics->tmPitchAndFamily = TMPF_FIXED_PITCH | TMPF_VECTOR | TMPF_TRUETYPE | FF_SWISS;
  metrics->tmCharSet = ANSI_CHARSET;
  return TRUE;
}
