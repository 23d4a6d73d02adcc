// A small surface with a window DC over it, for pixel tests: draw through
// the DC, then compare the pixels with a picture written as one string per
// row, one letter per pixel.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/win/gdi/dc_internal.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/wingdi.h"

class CCanvas {
 public:
  // The surface starts in `background` with nothing dirty; `clip` null is
  // the whole surface.
  explicit CCanvas(int width = 16, int height = 16, COLORREF background = RGB(255, 255, 255),
                   POINT origin = POINT{0, 0}, const pixman_region32_t* clip = nullptr);
  ~CCanvas();
  CCanvas(const CCanvas&) = delete;
  CCanvas& operator=(const CCanvas&) = delete;

  HDC Dc() const { return m_dc; }
  Surface* GetSurface() const { return m_surface; }
  // Surface pixel (not logical) as a COLORREF.
  COLORREF At(int x, int y) const;
  void Clear(COLORREF color);
  void ClearDirty();

  // Rows of letters: each pixel's colour looked up in `legend`, '?' for a
  // colour not in it.
  std::vector<std::string> Picture(const std::map<COLORREF, char>& legend) const;
  // Only the rectangle [x, x + width) by [y, y + height).
  std::vector<std::string> Picture(const std::map<COLORREF, char>& legend, int x, int y, int width,
                                   int height) const;

 private:
  Surface* m_surface;
  HDC m_dc;
};

// The colours the pictures use most.
inline const std::map<COLORREF, char> kBlackWhite{{RGB(0, 0, 0), '#'}, {RGB(255, 255, 255), '.'}};
