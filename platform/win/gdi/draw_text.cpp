// DrawTextA: text laid out in a rectangle, as labels, buttons, menus and
// the status bar use it.
#include <algorithm>
#include <cstring>

#include "platform/win/gdi/text_layout.h"
#include "platform/win/gdi/text_painter.h"

using gdi::CDeviceContext;
using gdi::CRaster;
using gdi::CTextLayout;
using gdi::STextLine;

namespace {

int ClampInt(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

// One line at (x, top) in surface pixels, its tabs expanded by moving the
// pen to the next stop.
void PaintLine(gdi::CTextPainter& painter, const CTextLayout& layout, const STextLine& line,
               long long x, long long top) {
  if (!layout.ExpandsTabs()) {
    painter.Paint(x, top, line.text, line.count, nullptr, line.marks);
    return;
  }
  long long offset = 0;
  int start = 0;
  for (int i = 0; i <= line.count; ++i) {
    if (i < line.count && line.text[i] != '\t') continue;
    offset +=
        painter.Paint(x + offset, top, line.text + start, i - start, nullptr, line.marks + start);
    if (i < line.count) offset = layout.NextTabStop(offset);
    start = i + 1;
  }
}

}  // namespace

int DrawTextA(HDC hdc, LPCSTR text, int count, RECT* rect, UINT format) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr || rect == nullptr || count < -1) return 0;
  if (text == nullptr) {
    if (count > 0) return 0;
    text = "";
    count = 0;
  }
  if (count == -1) count = static_cast<int>(std::min<std::size_t>(std::strlen(text), INT32_MAX));
  const gdi::SDcState& state = dc->State();
  gdi::CFontFace& face = *state.font->m_face;
  const long long lineHeight = face.Metrics().height;
  const long long left = rect->left;
  const long long top = rect->top;
  const long long width = static_cast<long long>(rect->right) - rect->left;
  const long long height = static_cast<long long>(rect->bottom) - rect->top;

  // Kept between calls so that a steady redraw reuses its buffers.
  static auto* layout = new CTextLayout;
  layout->Reset(face, format, text, count, width);
  STextLine line;

  if ((format & DT_CALCRECT) != 0) {
    long long widest = 0;
    long long lines = 0;
    while (layout->NextLine(&line)) {
      widest = std::max(widest, line.width);
      ++lines;
    }
    rect->right = ClampInt(left + widest);
    rect->bottom = ClampInt(top + lines * lineHeight);
    return ClampInt(lines * lineHeight);
  }

  long long y = top;
  const bool single = (format & DT_SINGLELINE) != 0;
  if (single && (format & DT_VCENTER) != 0) y = top + (height - lineHeight) / 2;
  if (single && (format & DT_BOTTOM) != 0) y = top + height - lineHeight;
  const long long firstY = y;

  CRaster raster(*dc);
  pixman_box32_t limit{ClampInt(raster.X(rect->left)), ClampInt(raster.Y(rect->top)),
                       ClampInt(raster.X(rect->right)), ClampInt(raster.Y(rect->bottom))};
  const pixman_box32_t* limitPtr = (format & DT_NOCLIP) != 0 ? nullptr : &limit;
  gdi::CTextPainter painter(raster, face, state.textColor, limitPtr);
  const std::uint32_t background = gdi::ToPixel(state.bkColor);
  const pixman_box32_t& visible = raster.Extents();
  while (layout->NextLine(&line)) {
    long long x = left;
    if ((format & DT_CENTER) != 0) {
      x = left + (width - line.width) / 2;
    } else if ((format & DT_RIGHT) != 0) {
      x = left + width - line.width;
    }
    const long long sx = raster.X(x);
    const long long sy = raster.Y(y);
    // Lines wholly above or below what can show cost only their layout.
    if (sy + lineHeight > visible.y1 && sy < visible.y2 && !raster.IsEmpty()) {
      if (state.bkMode == OPAQUE) {
        long long x0 = sx;
        long long y0 = sy;
        long long x1 = sx + line.width;
        long long y1 = sy + lineHeight;
        if (limitPtr != nullptr) {
          x0 = std::max<long long>(x0, limit.x1);
          y0 = std::max<long long>(y0, limit.y1);
          x1 = std::min<long long>(x1, limit.x2);
          y1 = std::min<long long>(y1, limit.y2);
        }
        raster.Fill(x0, y0, x1, y1, background);
      }
      PaintLine(painter, *layout, line, sx, sy);
    }
    y += lineHeight;
  }
  if (single && (format & (DT_VCENTER | DT_BOTTOM)) != 0) return ClampInt(y - top);
  return ClampInt(y - firstY);
}
