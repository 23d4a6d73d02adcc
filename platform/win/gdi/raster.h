// The pixels of one drawing call: the DC's surface, clipped to the DC's clip
// boxes, with the bounds of what was touched collected and marked dirty on
// the surface once, when the call is done.
//
// Coordinates here are surface pixels in 64 bits, so callers can pass
// whatever a program's logical coordinates became without overflowing;
// everything is clipped before it becomes an index.
#pragma once

#include <pixman.h>

#include <cstdint>

#include "platform/win/gdi/device_context.h"

namespace gdi {

// 0x00BBGGRR to the surface's 0x00RRGGBB, and back.
constexpr std::uint32_t ToPixel(COLORREF color) {
  return ((color & 0xFFU) << 16U) | (color & 0xFF00U) | ((color >> 16U) & 0xFFU);
}
constexpr COLORREF ToColor(std::uint32_t pixel) { return ToPixel(pixel); }

class CRaster {
 public:
  explicit CRaster(const CDeviceContext& dc);
  ~CRaster();
  CRaster(const CRaster&) = delete;
  CRaster& operator=(const CRaster&) = delete;

  long long X(long long logical) const { return logical + m_originX; }
  long long Y(long long logical) const { return logical + m_originY; }
  // The clip's bounds, within the surface.
  const pixman_box32_t& Extents() const { return m_bounds; }
  bool IsEmpty() const { return m_bounds.x1 >= m_bounds.x2 || m_bounds.y1 >= m_bounds.y2; }
  bool Contains(long long x, long long y) const;
  // Whether any of the half-open box lies inside the clip. A paint issues
  // every shape of the scene and lets the update region clip them, so most
  // shapes of a small repaint lie outside it: this says so at once.
  bool Meets(long long x0, long long y0, long long x1, long long y1) const;

  // Half-open boxes; an empty or reversed box draws nothing.
  void Fill(long long x0, long long y0, long long x1, long long y1, std::uint32_t pixel);
  void Xor(long long x0, long long y0, long long x1, long long y1, std::uint32_t mask);
  void Plot(long long x, long long y, std::uint32_t pixel);
  void XorPixel(long long x, long long y, std::uint32_t mask);
  std::uint32_t* Pixel(int x, int y) const {
    return &m_surface->pixels[static_cast<std::size_t>(y) * m_surface->width + x];
  }
  // Coverage values (0 to 255, `width` a row) blended with `pixel` at
  // (x, y), inside the clip and inside `limit` when it is given.
  void Blend(long long x, long long y, int width, int height, const std::uint8_t* alpha,
             std::uint32_t pixel, const pixman_box32_t* limit);

  // Calls `visit` with each part of the box that lies inside the clip, and
  // counts those parts as touched.
  template <class TVisit>
  void ForEachBox(long long x0, long long y0, long long x1, long long y1, TVisit&& visit) {
    if (x0 < m_bounds.x1) x0 = m_bounds.x1;
    if (y0 < m_bounds.y1) y0 = m_bounds.y1;
    if (x1 > m_bounds.x2) x1 = m_bounds.x2;
    if (y1 > m_bounds.y2) y1 = m_bounds.y2;
    if (x0 >= x1 || y0 >= y1) return;
    for (int i = 0; i < m_count; ++i) {
      const pixman_box32_t& box = m_boxes[i];
      if (box.y1 >= y1) break;  // boxes come in bands, top to bottom
      const pixman_box32_t part{
          box.x1 > x0 ? box.x1 : static_cast<int>(x0), box.y1 > y0 ? box.y1 : static_cast<int>(y0),
          box.x2 < x1 ? box.x2 : static_cast<int>(x1), box.y2 < y1 ? box.y2 : static_cast<int>(y1)};
      if (part.x1 >= part.x2 || part.y1 >= part.y2) continue;
      Touch(part);
      visit(part);
    }
  }

 private:
  void Touch(const pixman_box32_t& box);

  Surface* m_surface;
  long long m_originX;
  long long m_originY;
  const pixman_box32_t* m_boxes;
  int m_count = 0;
  pixman_box32_t m_bounds;
  pixman_box32_t m_touched{0, 0, 0, 0};
};

}  // namespace gdi
