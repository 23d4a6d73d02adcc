#include "tests/win/gdi/canvas.h"

#include <algorithm>

CCanvas::CCanvas(int width, int height, COLORREF background, POINT origin,
                 const pixman_region32_t* clip)
    : m_surface(CreateSurface(width, height)) {
  Clear(background);
  m_dc = CreateSurfaceDC(m_surface, origin, clip);
}

CCanvas::~CCanvas() {
  DeleteSurfaceDC(m_dc);
  DestroySurface(m_surface);
}

COLORREF CCanvas::At(int x, int y) const {
  const std::uint32_t pixel = m_surface->pixels[static_cast<std::size_t>(y) * m_surface->width + x];
  return RGB(static_cast<BYTE>(pixel >> 16U), static_cast<BYTE>(pixel >> 8U),
             static_cast<BYTE>(pixel));
}

void CCanvas::Clear(COLORREF color) {
  const std::uint32_t pixel = (static_cast<std::uint32_t>(GetRValue(color)) << 16U) |
                              (static_cast<std::uint32_t>(GetGValue(color)) << 8U) |
                              GetBValue(color);
  std::fill(m_surface->pixels.begin(), m_surface->pixels.end(), pixel);
  ClearDirty();
}

void CCanvas::ClearDirty() { pixman_region32_clear(&m_surface->dirty); }

std::vector<std::string> CCanvas::Picture(const std::map<COLORREF, char>& legend) const {
  return Picture(legend, 0, 0, m_surface->width, m_surface->height);
}

std::vector<std::string> CCanvas::Picture(const std::map<COLORREF, char>& legend, int x, int y,
                                          int width, int height) const {
  std::vector<std::string> rows;
  for (int row = y; row < y + height; ++row) {
    std::string line;
    for (int col = x; col < x + width; ++col) {
      const auto found = legend.find(At(col, row));
      line.push_back(found == legend.end() ? '?' : found->second);
    }
    rows.push_back(line);
  }
  return rows;
}
