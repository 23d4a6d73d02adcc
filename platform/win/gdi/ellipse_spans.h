// Which pixels of a box belong to the ellipse inscribed in it, row by row.
//
// A pixel belongs when its centre lies inside the ellipse that touches the
// box's outer edges, with two adjustments that keep the classic promises:
// the middle row (two rows for an even height) always spans the whole
// width, and every row keeps at least its middle pixel (two for an even
// width), so the outline touches all four sides of the box. Rows are
// symmetric about both axes by construction: only the left end is computed
// and the right end mirrors it.
#pragma once

namespace gdi {

class CEllipseSpans {
 public:
  // A box of width by height pixels; either below 1 gives no pixels.
  CEllipseSpans(long long width, long long height);

  // The columns (from the box's left, inclusive) that row `row` covers;
  // false when it covers none (rows outside the box).
  bool Span(long long row, long long* left, long long* right) const;
  // The part of row `row` that is neither outside nor on the one-pixel
  // outline (pixels whose four neighbours are all inside); false if none.
  bool Interior(long long row, long long* left, long long* right) const;

 private:
  long long m_width;
  long long m_height;
};

}  // namespace gdi
