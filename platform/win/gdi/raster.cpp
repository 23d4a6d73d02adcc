#include "platform/win/gdi/raster.h"

#include <algorithm>

namespace gdi {

namespace {

// Exact rounding of (source * alpha + dest * (255 - alpha)) / 255 for one
// channel, without a division.
inline std::uint32_t Mix(std::uint32_t source, std::uint32_t dest, std::uint32_t alpha) {
  const std::uint32_t t = source * alpha + dest * (255U - alpha) + 128U;
  return (t + (t >> 8U)) >> 8U;
}

inline std::uint32_t BlendPixel(std::uint32_t source, std::uint32_t dest, std::uint32_t alpha) {
  // Red and blue side by side in one word: each lane's sum stays below
  // 65536, so neither carries into the other and the result is Mix's, bit
  // for bit. The status bar blends a few glyphs after every step of a run.
  constexpr std::uint32_t kRedBlue = 0x00FF00FFU;
  std::uint32_t rb = (source & kRedBlue) * alpha + (dest & kRedBlue) * (255U - alpha) + 0x00800080U;
  rb = ((rb + ((rb >> 8U) & kRedBlue)) >> 8U) & kRedBlue;
  const std::uint32_t g = Mix((source >> 8U) & 0xFFU, (dest >> 8U) & 0xFFU, alpha);
  return rb | (g << 8U);
}

}  // namespace

CRaster::CRaster(const CDeviceContext& dc)
    : m_surface(dc.GetSurface()), m_originX(dc.Origin().x), m_originY(dc.Origin().y) {
  m_boxes = pixman_region32_rectangles(dc.Clip(), &m_count);
  // The clip was made inside the surface, but the window manager may have
  // shrunk the surface since; never trust it beyond the pixels there are.
  const pixman_box32_t* extents = pixman_region32_extents(dc.Clip());
  m_bounds = pixman_box32_t{std::max(extents->x1, 0), std::max(extents->y1, 0),
                            std::min(extents->x2, m_surface->width),
                            std::min(extents->y2, m_surface->height)};
  if (m_count == 0) m_bounds = pixman_box32_t{0, 0, 0, 0};
}

CRaster::~CRaster() {
  if (m_touched.x1 < m_touched.x2) {
    MarkDirty(m_surface, m_touched.x1, m_touched.y1, m_touched.x2 - m_touched.x1,
              m_touched.y2 - m_touched.y1);
  }
}

void CRaster::Touch(const pixman_box32_t& box) {
  if (m_touched.x1 >= m_touched.x2) {
    m_touched = box;
    return;
  }
  m_touched.x1 = std::min(m_touched.x1, box.x1);
  m_touched.y1 = std::min(m_touched.y1, box.y1);
  m_touched.x2 = std::max(m_touched.x2, box.x2);
  m_touched.y2 = std::max(m_touched.y2, box.y2);
}

bool CRaster::Contains(long long x, long long y) const {
  if (x < m_bounds.x1 || x >= m_bounds.x2 || y < m_bounds.y1 || y >= m_bounds.y2) return false;
  for (int i = 0; i < m_count; ++i) {
    const pixman_box32_t& box = m_boxes[i];
    if (box.y1 > y) break;
    if (y < box.y2 && x >= box.x1 && x < box.x2) return true;
  }
  return false;
}

bool CRaster::Meets(long long x0, long long y0, long long x1, long long y1) const {
  if (x0 < m_bounds.x1) x0 = m_bounds.x1;
  if (y0 < m_bounds.y1) y0 = m_bounds.y1;
  if (x1 > m_bounds.x2) x1 = m_bounds.x2;
  if (y1 > m_bounds.y2) y1 = m_bounds.y2;
  if (x0 >= x1 || y0 >= y1) return false;
  for (int i = 0; i < m_count; ++i) {
    const pixman_box32_t& box = m_boxes[i];
    if (box.y1 >= y1) break;
    if (box.y2 > y0 && box.x1 < x1 && box.x2 > x0) return true;
  }
  return false;
}

void CRaster::Fill(long long x0, long long y0, long long x1, long long y1, std::uint32_t pixel) {
  ForEachBox(x0, y0, x1, y1, [&](const pixman_box32_t& box) {
    const int width = box.x2 - box.x1;
    // pixman's fill costs more to set up than short rows take to write.
    if (width >= 64 && pixman_fill(m_surface->pixels.data(), m_surface->width, 32, box.x1, box.y1,
                                   width, box.y2 - box.y1, pixel)) {
      return;
    }
    for (int y = box.y1; y < box.y2; ++y) std::fill_n(Pixel(box.x1, y), width, pixel);
  });
}

void CRaster::Xor(long long x0, long long y0, long long x1, long long y1, std::uint32_t mask) {
  ForEachBox(x0, y0, x1, y1, [&](const pixman_box32_t& box) {
    for (int y = box.y1; y < box.y2; ++y) {
      std::uint32_t* row = Pixel(box.x1, y);
      for (int x = 0; x < box.x2 - box.x1; ++x) row[x] ^= mask;
    }
  });
}

void CRaster::Plot(long long x, long long y, std::uint32_t pixel) {
  if (!Contains(x, y)) return;
  const int ix = static_cast<int>(x);
  const int iy = static_cast<int>(y);
  *Pixel(ix, iy) = pixel;
  Touch(pixman_box32_t{ix, iy, ix + 1, iy + 1});
}

void CRaster::XorPixel(long long x, long long y, std::uint32_t mask) {
  if (!Contains(x, y)) return;
  const int ix = static_cast<int>(x);
  const int iy = static_cast<int>(y);
  *Pixel(ix, iy) ^= mask;
  Touch(pixman_box32_t{ix, iy, ix + 1, iy + 1});
}

void CRaster::Blend(long long x, long long y, int width, int height, const std::uint8_t* alpha,
                    std::uint32_t pixel, const pixman_box32_t* limit) {
  long long x0 = x;
  long long y0 = y;
  long long x1 = x + width;
  long long y1 = y + height;
  if (limit != nullptr) {
    x0 = std::max<long long>(x0, limit->x1);
    y0 = std::max<long long>(y0, limit->y1);
    x1 = std::min<long long>(x1, limit->x2);
    y1 = std::min<long long>(y1, limit->y2);
  }
  ForEachBox(x0, y0, x1, y1, [&](const pixman_box32_t& box) {
    for (int row = box.y1; row < box.y2; ++row) {
      const std::uint8_t* coverage =
          alpha + static_cast<std::ptrdiff_t>(row - y) * width + (box.x1 - x);
      std::uint32_t* dest = Pixel(box.x1, row);
      for (int i = 0; i < box.x2 - box.x1; ++i) {
        const std::uint32_t a = coverage[i];
        if (a == 255U) {
          dest[i] = pixel;
        } else if (a != 0U) {
          dest[i] = BlendPixel(pixel, dest[i], a);
        }
      }
    }
  });
}

}  // namespace gdi
