// The colour dialog's own painting: the rainbow with its cross, the
// luminance bar with its pointer, and the Color|Solid swatch (the grids
// paint themselves). Greys come from the style painter; the colours shown are the data.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/win/dlg/color_chooser.h"
#include "platform/win/dlg/color_layout.h"
#include "platform/win/gdi/style_painter.h"

namespace dlg {

namespace {

void FillColor(HDC hdc, const RECT& r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(hdc, &r, brush);
  DeleteObject(brush);
}

std::uint32_t PixelOf(COLORREF c) {
  return (static_cast<std::uint32_t>(GetRValue(c)) << 16U) |
         (static_cast<std::uint32_t>(GetGValue(c)) << 8U) | GetBValue(c);
}

RECT Inset(RECT r, int by) {
  InflateRect(&r, -by, -by);
  return r;
}

}  // namespace

void CColorChooser::Paint(HDC hdc) const {
  if (!m_full) return;
  PaintRainbow(hdc);
  PaintLumBar(hdc);
  PaintSwatch(hdc);
}

void CColorChooser::MakeRainbow() {
  const RECT r = Inset(Pixels(kRainbowArea), 2);
  const int w = std::max<int>(1, r.right - r.left);
  const int h = std::max<int>(2, r.bottom - r.top);
  std::vector<std::uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int y = 0; y < h; ++y) {
    const int sat = kHlsMax - y * kHlsMax / (h - 1);
    for (int x = 0; x < w; ++x) {
      pixels[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] =
          PixelOf(HlsToRgb(x * kHlsMax / w, kHlsMax / 2, sat));
    }
  }
  m_rainbow = CreateBitmapFromPixels(w, h, pixels.data());
}

void CColorChooser::PaintRainbow(HDC hdc) const {
  const RECT inner =
      CStylePainter::PaintBevel(hdc, Pixels(kRainbowArea), CStylePainter::kSunkenField);
  const int w = inner.right - inner.left;
  const int h = inner.bottom - inner.top;
  HDC source = CreateCompatibleDC(hdc);
  HGDIOBJ old = SelectObject(source, m_rainbow);
  if (old != nullptr) {
    BitBlt(hdc, inner.left, inner.top, w, h, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
  }
  DeleteDC(source);
  // The cross: four short thick arms around the chosen hue and saturation.
  const int cx = inner.left + m_hls.hue * w / kHlsMax;
  const int cy = inner.top + (kHlsMax - m_hls.sat) * std::max(1, h - 1) / kHlsMax;
  const int saved = SaveDC(hdc);
  IntersectClipRect(hdc, inner.left, inner.top, inner.right, inner.bottom);
  HBRUSH ink = CStylePainter::Brush(PaletteRole::kWindowText);
  const RECT arms[] = {
      {cx - 10, cy - 1, cx - 3, cy + 1},
      {cx + 3, cy - 1, cx + 10, cy + 1},
      {cx - 1, cy - 10, cx + 1, cy - 3},
      {cx - 1, cy + 3, cx + 1, cy + 10},
  };
  for (const RECT& arm : arms) FillRect(hdc, &arm, ink);
  RestoreDC(hdc, saved);
}

void CColorChooser::PaintLumBar(HDC hdc) const {
  const RECT inner =
      CStylePainter::PaintBevel(hdc, Pixels(kLumBarArea), CStylePainter::kSunkenField);
  const int h = std::max<int>(2, inner.bottom - inner.top);
  for (int y = inner.top; y < inner.bottom; ++y) {
    const int lum = kHlsMax - (y - inner.top) * kHlsMax / (h - 1);
    FillColor(hdc, RECT{inner.left, y, inner.right, y + 1}, HlsToRgb(m_hls.hue, lum, m_hls.sat));
  }
  const RECT pointer = Pixels(kLumPointerArea);
  CStylePainter::Fill(hdc, pointer, PaletteRole::kFace);
  const int y = inner.top + (kHlsMax - std::clamp(m_hls.lum, 0, kHlsMax)) * (h - 1) / kHlsMax;
  const RECT glyph{pointer.left + 1, y - 4, pointer.left + 6, y + 5};
  CStylePainter::Arrow(hdc, glyph, ArrowDirection::kLeft, PaletteRole::kWindowText);
}

void CColorChooser::PaintSwatch(HDC hdc) const {
  // Every colour is solid on these surfaces, so both halves show the same.
  const RECT inner =
      CStylePainter::PaintBevel(hdc, Pixels(kSwatchArea), CStylePainter::kSunkenField);
  const int middle = inner.left + (inner.right - inner.left) / 2;
  FillColor(hdc, RECT{inner.left, inner.top, middle, inner.bottom}, m_color);
  FillColor(hdc, RECT{middle, inner.top, inner.right, inner.bottom}, m_color);
}

}  // namespace dlg
