// Puts a run of text into a raster: glyph by glyph at integer advances,
// each glyph's coverage blended with the text colour, and the one-pixel
// lines under mnemonics and underlined fonts. Shared by TextOutA,
// ExtTextOutA and DrawTextA; it neither allocates nor measures twice.
#pragma once

#include "platform/win/gdi/font_face.h"
#include "platform/win/gdi/raster.h"

namespace gdi {

class CTextPainter {
 public:
  // `limit`, when given, is a box (surface pixels) the text must stay in on
  // top of the DC's clip.
  CTextPainter(CRaster& raster, CFontFace& face, COLORREF color, const pixman_box32_t* limit);

  // Draws `count` bytes with the cell's top-left corner at (x, top), in
  // surface pixels; `dx`, when given, replaces each glyph's advance.
  // `marks`, when given, says per byte whether to underline it (mnemonics).
  // Returns the total advance.
  long long Paint(long long x, long long top, const char* text, int count, const int* dx,
                  const char* marks);
  // The one-pixel line under the row the glyphs stand on, from x0 to x1.
  void Underline(long long x0, long long x1, long long top);
  // The line through the middle of the lower-case letters, from x0 to x1.
  void StrikeOut(long long x0, long long x1, long long top);

 private:
  void Line(long long x0, long long x1, long long y);

  CRaster& m_raster;
  CFontFace& m_face;
  std::uint32_t m_pixel;
  const pixman_box32_t* m_limit;
  // The columns a glyph can reach at all (the clip's and the limit's):
  // a repaint of a few changed digits leaves most glyphs of the text
  // outside them.
  long long m_visibleLeft;
  long long m_visibleRight;
};

}  // namespace gdi
