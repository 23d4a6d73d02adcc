#include "platform/win/ctl/trackbar_painter.h"

#include <algorithm>
#include <cstdlib>

namespace ctl {

namespace {

constexpr int kHalf = CTrackbarGeometry::kThumbLength / 2;

}  // namespace

void CTrackbarPainter::Tick(int along) {
  const auto draw = [&](bool after) {
    int from = 0;
    int to = 0;
    m_g.TickSpan(after, &from, &to);
    const RECT r =
        m_g.Vertical() ? RECT{from, along, to, along + 1} : RECT{along, from, along + 1, to};
    CStylePainter::Fill(m_hdc, r, PaletteRole::kButtonText);
  };
  const CTrackbarGeometry::Ticks sides = m_g.TickSides();
  if (sides == CTrackbarGeometry::Ticks::kAfter || sides == CTrackbarGeometry::Ticks::kBoth) {
    draw(true);
  }
  if (sides == CTrackbarGeometry::Ticks::kBefore || sides == CTrackbarGeometry::Ticks::kBoth) {
    draw(false);
  }
}

void CTrackbarPainter::Ticks(int min, int max, bool everyPosition) {
  if (m_g.TickSides() == CTrackbarGeometry::Ticks::kNone) return;
  const long long range = std::max(0LL, static_cast<long long>(max) - min);
  const int first = m_g.PixelOf(min);
  const int last = m_g.PixelOf(max);
  if (!everyPosition || range == 0) {
    Tick(first);
    if (last != first) Tick(last);
    return;
  }
  if (range >= last - first) {
    // More positions than pixels: every pixel of the channel has its tick.
    for (int along = first; along <= last; ++along) Tick(along);
    return;
  }
  for (long long p = min; p <= max; ++p) Tick(m_g.PixelOf(p));
}

void CTrackbarPainter::Channel() {
  CStylePainter::SunkenField(m_hdc, m_g.Channel(), PaletteRole::kWindow);
}

void CTrackbarPainter::Row(int along, int from, int to, PaletteRole role) {
  if (from >= to) return;
  const RECT thumb = m_g.Thumb();
  const int y = (m_g.Vertical() ? thumb.top : thumb.left) + along;
  const RECT r = m_g.Vertical() ? RECT{from, y, to, y + 1} : RECT{y, from, y + 1, to};
  CStylePainter::Fill(m_hdc, r, role);
}

void CTrackbarPainter::Thumb() {
  const RECT thumb = m_g.Thumb();
  const bool after = m_g.PointedAfter();
  const bool before = m_g.PointedBefore();
  const int from = m_g.Vertical() ? thumb.left : thumb.top;
  const int to = m_g.Vertical() ? thumb.right : thumb.bottom;
  const int body = to - from - kHalf;
  if ((!after && !before) || body < 2) {
    CStylePainter::RaisedButton(m_hdc, thumb);
    return;
  }
  // Row by row, as a raised button's bevel would run round this outline: lit
  // on the sides facing the minimum end and the across-start, dark on the
  // others, the point's edge lit up to the tip and dark from it.
  constexpr PaletteRole face = PaletteRole::kFace;
  constexpr PaletteRole highlight = PaletteRole::kHighlight;
  constexpr PaletteRole light = PaletteRole::kLight;
  constexpr PaletteRole shadow = PaletteRole::kShadow;
  constexpr PaletteRole dark = PaletteRole::kDarkShadow;
  const int last = CTrackbarGeometry::kThumbLength - 1;
  for (int r = 0; r <= last; ++r) {
    const int point = kHalf - std::abs(r - kHalf);
    const int lo = before ? to - body - point : from;
    const int hi = after ? from + body + point : to;
    const bool litLo = !before || r < kHalf;
    const bool litHi = after && r < kHalf;
    Row(r, lo, hi, face);
    if (r == 0) {
      Row(r, lo, hi, highlight);
      if (!litHi) Row(r, hi - 1, hi, dark);
    } else if (r == last) {
      Row(r, lo, hi, dark);
    } else {
      Row(r, lo, lo + 1, litLo ? highlight : dark);
      Row(r, hi - 1, hi, litHi ? highlight : dark);
      if (r == 1) {
        Row(r, lo + 1, hi - 1, light);
        if (!litHi) Row(r, hi - 2, hi - 1, shadow);
      } else if (r == last - 1) {
        Row(r, lo + 1, hi - 1, shadow);
      } else {
        Row(r, lo + 1, lo + 2, litLo ? light : shadow);
        Row(r, hi - 2, hi - 1, litHi ? light : shadow);
      }
    }
  }
}

}  // namespace ctl
