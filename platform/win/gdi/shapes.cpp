// Lines, rectangles and ellipses, with the classic pixel rules: end points
// and right/bottom edges are outside, outlines lie inside the box.
#include <algorithm>
#include <cstdlib>

#include "platform/win/gdi/ellipse_spans.h"
#include "platform/win/gdi/raster.h"

using gdi::CDeviceContext;
using gdi::CRaster;

namespace {

// Far outside every surface; clamping here keeps the line arithmetic inside
// 64 bits (a line reaching further only changes slope imperceptibly).
constexpr long long kCoordLimit = 1LL << 26;

long long ClampCoord(long long value) { return std::clamp(value, -kCoordLimit, kCoordLimit); }

// How a pen puts its pixels down: the pattern of on and off runs of a styled
// pen (gaps in the background colour when the DC is OPAQUE), and the square
// stamp of a wide one.
class CPenStroke {
 public:
  CPenStroke(CRaster& raster, const CDeviceContext& dc)
      : m_raster(raster), m_width(dc.State().pen->m_width) {
    const gdi::SDcState& state = dc.State();
    m_pixel = gdi::ToPixel(state.pen->m_color);
    m_gapPixel = gdi::ToPixel(state.bkColor);
    m_opaqueGaps = state.bkMode == OPAQUE;
    // The classic one-pixel pen patterns, on and off runs in pixels.
    static constexpr int kDash[] = {18, 6};
    static constexpr int kDot[] = {3, 3};
    static constexpr int kDashDot[] = {9, 6, 3, 6};
    static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (state.pen->m_style) {
      case PS_DASH:
        SetPattern(kDash, 2);
        break;
      case PS_DOT:
        SetPattern(kDot, 2);
        break;
      case PS_DASHDOT:
        SetPattern(kDashDot, 4);
        break;
      case PS_DASHDOTDOT:
        SetPattern(kDashDotDot, 6);
        break;
      default:
        break;
    }
  }

  int Width() const { return m_width; }

  // The `index`-th pixel along the stroke, at (x, y) in surface pixels.
  void Dot(long long x, long long y, long long index) {
    if (m_runCount > 0 && !On(index)) {
      if (m_opaqueGaps) m_raster.Plot(x, y, m_gapPixel);
      return;
    }
    if (m_width == 1) {
      m_raster.Plot(x, y, m_pixel);
      return;
    }
    const long long half = m_width / 2;
    m_raster.Fill(x - half, y - half, x - half + m_width, y - half + m_width, m_pixel);
  }

 private:
  void SetPattern(const int* runs, int count) {
    m_runs = runs;
    m_runCount = count;
    m_period = 0;
    for (int i = 0; i < count; ++i) m_period += runs[i];
  }

  bool On(long long index) const {
    long long position = index % m_period;
    for (int i = 0; i < m_runCount; ++i) {
      if (position < m_runs[i]) return i % 2 == 0;
      position -= m_runs[i];
    }
    return true;
  }

  CRaster& m_raster;
  int m_width;
  std::uint32_t m_pixel = 0;
  std::uint32_t m_gapPixel = 0;
  bool m_opaqueGaps = false;
  const int* m_runs = nullptr;
  int m_runCount = 0;
  long long m_period = 1;
};

// Bresenham from (x0, y0) towards (x1, y1), end excluded, in closed form so
// that only the steps whose major coordinate can be visible are visited.
// Where the ideal line passes exactly between two pixels the one nearer the
// start's minor coordinate is taken. Returns the number of steps.
long long StrokeLine(CPenStroke& stroke, const pixman_box32_t& visible, long long x0, long long y0,
                     long long x1, long long y1, long long firstIndex) {
  x0 = ClampCoord(x0);
  y0 = ClampCoord(y0);
  x1 = ClampCoord(x1);
  y1 = ClampCoord(y1);
  const long long adx = std::llabs(x1 - x0);
  const long long ady = std::llabs(y1 - y0);
  const long long sx = x1 >= x0 ? 1 : -1;
  const long long sy = y1 >= y0 ? 1 : -1;
  const bool xMajor = adx >= ady;
  const long long steps = xMajor ? adx : ady;
  const long long major0 = xMajor ? x0 : y0;
  const long long majorStep = xMajor ? sx : sy;
  const long long margin = stroke.Width();
  const long long low = (xMajor ? visible.x1 : visible.y1) - margin;
  const long long high = (xMajor ? visible.x2 : visible.y2) + margin;
  long long first = 0;
  long long last = steps - 1;
  if (majorStep > 0) {
    first = std::max(first, low - major0);
    last = std::min(last, high - 1 - major0);
  } else {
    first = std::max(first, major0 - (high - 1));
    last = std::min(last, major0 - low);
  }
  const long long along = xMajor ? adx : ady;
  const long long across = xMajor ? ady : adx;
  for (long long i = first; i <= last; ++i) {
    const long long offset = along == 0 ? 0 : (2 * i * across + along - 1) / (2 * along);
    const long long x = xMajor ? x0 + sx * i : x0 + sx * offset;
    const long long y = xMajor ? y0 + sy * offset : y0 + sy * i;
    stroke.Dot(x, y, firstIndex + i);
  }
  return steps;
}

bool HasPen(const CDeviceContext& dc) { return dc.State().pen->m_style != PS_NULL; }
bool HasBrush(const CDeviceContext& dc) { return !dc.State().brush->m_null; }
std::uint32_t BrushPixel(const CDeviceContext& dc) {
  return gdi::ToPixel(dc.State().brush->m_color);
}

}  // namespace

BOOL LineTo(HDC hdc, int x, int y) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr) return FALSE;
  const POINT from = dc->State().position;
  dc->State().position = POINT{x, y};
  if (!HasPen(*dc)) return TRUE;
  CRaster raster(*dc);
  if (raster.IsEmpty()) return TRUE;
  CPenStroke stroke(raster, *dc);
  StrokeLine(stroke, raster.Extents(), raster.X(from.x), raster.Y(from.y), raster.X(x), raster.Y(y),
             0);
  return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr || points == nullptr || count < 2) return FALSE;
  if (!HasPen(*dc)) return TRUE;
  CRaster raster(*dc);
  if (raster.IsEmpty()) return TRUE;
  CPenStroke stroke(raster, *dc);
  long long index = 0;
  for (int i = 1; i < count; ++i) {
    index +=
        StrokeLine(stroke, raster.Extents(), raster.X(points[i - 1].x), raster.Y(points[i - 1].y),
                   raster.X(points[i].x), raster.Y(points[i].y), index);
  }
  return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr) return FALSE;
  CRaster raster(*dc);
  const long long x0 = raster.X(std::min(left, right));
  const long long x1 = raster.X(std::max(left, right));
  const long long y0 = raster.Y(std::min(top, bottom));
  const long long y1 = raster.Y(std::max(top, bottom));
  if (!HasPen(*dc)) {
    if (HasBrush(*dc)) raster.Fill(x0, y0, x1 - 1, y1 - 1, BrushPixel(*dc));
    return TRUE;
  }
  const long long w = dc->State().pen->m_width;
  if (HasBrush(*dc)) raster.Fill(x0 + w, y0 + w, x1 - w, y1 - w, BrushPixel(*dc));
  if (dc->State().pen->m_style == PS_SOLID) {
    const std::uint32_t pixel = gdi::ToPixel(dc->State().pen->m_color);
    const long long innerTop = std::min(y0 + w, y1);
    const long long innerBottom = std::max(y1 - w, innerTop);
    raster.Fill(x0, y0, x1, innerTop, pixel);
    raster.Fill(x0, innerBottom, x1, y1, pixel);
    raster.Fill(x0, innerTop, std::min(x0 + w, x1), innerBottom, pixel);
    raster.Fill(std::max(x1 - w, x0 + w), innerTop, x1, innerBottom, pixel);
    return TRUE;
  }
  // Styled outlines run clockwise from the top-left corner so the pattern
  // flows around the corners.
  if (x1 <= x0 || y1 <= y0 || raster.IsEmpty()) return TRUE;
  CPenStroke stroke(raster, *dc);
  const pixman_box32_t& visible = raster.Extents();
  long long index = 0;
  index += StrokeLine(stroke, visible, x0, y0, x1 - 1, y0, index);
  index += StrokeLine(stroke, visible, x1 - 1, y0, x1 - 1, y1 - 1, index);
  if (y1 - 1 > y0) index += StrokeLine(stroke, visible, x1 - 1, y1 - 1, x0, y1 - 1, index);
  if (x1 - 1 > x0) StrokeLine(stroke, visible, x0, y1 - 1, x0, y0, index);
  if (x1 - 1 == x0 || y1 - 1 == y0) stroke.Dot(x1 - 1, y1 - 1, index);
  return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr) return FALSE;
  CRaster raster(*dc);
  if (raster.IsEmpty()) return TRUE;
  const long long x0 = raster.X(std::min(left, right));
  const long long y0 = raster.Y(std::min(top, bottom));
  long long width = static_cast<long long>(std::max(left, right)) - std::min(left, right);
  long long height = static_cast<long long>(std::max(top, bottom)) - std::min(top, bottom);
  if (!raster.Meets(x0, y0, x0 + width, y0 + height)) return TRUE;
  const bool pen = HasPen(*dc);
  const bool brush = HasBrush(*dc);
  if (!pen) {
    --width;
    --height;
  }
  // A wide pen's outline is what lies between this ellipse and the interior
  // of the one inset by the extra width.
  const long long inset = pen ? dc->State().pen->m_width - 1 : 0;
  const gdi::CEllipseSpans outer(width, height);
  const gdi::CEllipseSpans inner(width - 2 * inset, height - 2 * inset);
  const std::uint32_t penPixel = gdi::ToPixel(dc->State().pen->m_color);
  const std::uint32_t brushPixel = BrushPixel(*dc);
  const long long firstRow = std::max<long long>(0, raster.Extents().y1 - y0);
  const long long lastRow = std::min<long long>(height, raster.Extents().y2 - y0);
  for (long long row = firstRow; row < lastRow; ++row) {
    long long l = 0;
    long long r = 0;
    if (!outer.Span(row, &l, &r)) continue;
    const long long y = y0 + row;
    if (!pen) {
      if (brush) raster.Fill(x0 + l, y, x0 + r + 1, y + 1, brushPixel);
      continue;
    }
    long long il = 0;
    long long ir = 0;
    if (!inner.Interior(row - inset, &il, &ir)) {
      raster.Fill(x0 + l, y, x0 + r + 1, y + 1, penPixel);
      continue;
    }
    il += inset;
    ir += inset;
    raster.Fill(x0 + l, y, x0 + il, y + 1, penPixel);
    raster.Fill(x0 + ir + 1, y, x0 + r + 1, y + 1, penPixel);
    if (brush) raster.Fill(x0 + il, y, x0 + ir + 1, y + 1, brushPixel);
  }
  return TRUE;
}
