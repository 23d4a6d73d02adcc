// Rectangle fills, frames, inversions and single pixels.
#include <algorithm>

#include "platform/win/gdi/handle_table.h"
#include "platform/win/gdi/raster.h"
#include "platform/win/gdi/sys_colors.h"

using gdi::CDeviceContext;
using gdi::CRaster;

namespace {

struct SBox {
  long long x0, y0, x1, y1;
};

// A RECT in surface pixels. Not normalised: as in the classic fills, a
// reversed rectangle is empty.
SBox ToBox(const CRaster& raster, const RECT& rect) {
  return SBox{raster.X(rect.left), raster.Y(rect.top), raster.X(rect.right), raster.Y(rect.bottom)};
}

}  // namespace

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  const gdi::CGdiBrush* fill = gdi::ResolveBrush(brush);
  if (dc == nullptr || rect == nullptr || fill == nullptr) return 0;
  if (fill->m_null) return 1;
  CRaster raster(*dc);
  const SBox box = ToBox(raster, *rect);
  raster.Fill(box.x0, box.y0, box.x1, box.y1, gdi::ToPixel(fill->m_color));
  return 1;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  const gdi::CGdiBrush* fill = gdi::ResolveBrush(brush);
  if (dc == nullptr || rect == nullptr || fill == nullptr) return 0;
  if (fill->m_null) return 1;
  CRaster raster(*dc);
  const SBox b = ToBox(raster, *rect);
  if (b.x0 >= b.x1 || b.y0 >= b.y1) return 1;
  const std::uint32_t pixel = gdi::ToPixel(fill->m_color);
  raster.Fill(b.x0, b.y0, b.x1, b.y0 + 1, pixel);
  raster.Fill(b.x0, b.y1 - 1, b.x1, b.y1, pixel);
  raster.Fill(b.x0, b.y0 + 1, b.x0 + 1, b.y1 - 1, pixel);
  raster.Fill(b.x1 - 1, b.y0 + 1, b.x1, b.y1 - 1, pixel);
  return 1;
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr || rect == nullptr) return FALSE;
  CRaster raster(*dc);
  const SBox box = ToBox(raster, *rect);
  raster.Xor(box.x0, box.y0, box.x1, box.y1, 0x00FFFFFFU);
  return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr || rect == nullptr) return FALSE;
  CRaster raster(*dc);
  const SBox b = ToBox(raster, *rect);
  if (b.x0 >= b.x1 || b.y0 >= b.y1 || raster.IsEmpty()) return TRUE;
  // Every other pixel, counted from the rectangle's own top-left corner so
  // the dots sit the same way wherever a control is. Each border pixel is
  // inverted once, so a second call restores what was there.
  const pixman_box32_t& visible = raster.Extents();
  const auto dot = [&](long long x, long long y) {
    if (((x - b.x0) + (y - b.y0)) % 2 == 0) raster.XorPixel(x, y, 0x00FFFFFFU);
  };
  const long long xFrom = std::max<long long>(b.x0, visible.x1);
  const long long xTo = std::min<long long>(b.x1, visible.x2);
  const long long yFrom = std::max<long long>(b.y0 + 1, visible.y1);
  const long long yTo = std::min<long long>(b.y1 - 1, visible.y2);
  for (long long x = xFrom; x < xTo; ++x) {
    dot(x, b.y0);
    if (b.y1 - 1 > b.y0) dot(x, b.y1 - 1);
  }
  for (long long y = yFrom; y < yTo; ++y) {
    dot(b.x0, y);
    if (b.x1 - 1 > b.x0) dot(b.x1 - 1, y);
  }
  return TRUE;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr) return CLR_INVALID;
  CRaster raster(*dc);
  if (!raster.Contains(raster.X(x), raster.Y(y))) return CLR_INVALID;
  color &= 0x00FFFFFFU;
  raster.Plot(raster.X(x), raster.Y(y), gdi::ToPixel(color));
  return color;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  const CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr) return CLR_INVALID;
  const CRaster raster(*dc);
  const long long sx = raster.X(x);
  const long long sy = raster.Y(y);
  if (!raster.Contains(sx, sy)) return CLR_INVALID;
  return gdi::ToColor(*raster.Pixel(static_cast<int>(sx), static_cast<int>(sy)));
}
