#include "platform/win/dlg/scroll_bar_part.h"

#include <algorithm>

#include "platform/win/gdi/style_painter.h"
#include "platform/win/wm/user.h"

namespace dlg {

namespace {

// The classic track is a checkerboard of two greys.
void Dither(HDC hdc, const RECT& r, PaletteRole even, PaletteRole odd) {
  const COLORREF a = CStylePainter::Color(even);
  const COLORREF b = CStylePainter::Color(odd);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) SetPixel(hdc, x, y, ((x + y) & 1) == 0 ? a : b);
  }
}

void ArrowButton(HDC hdc, const RECT& r, ArrowDirection direction, bool pushed) {
  RECT inner = pushed ? CStylePainter::PressedButton(hdc, r) : CStylePainter::RaisedButton(hdc, r);
  if (pushed) OffsetRect(&inner, 1, 1);
  const int rows =
      std::clamp<int>((std::min(inner.right - inner.left, inner.bottom - inner.top) + 1) / 3, 1, 4);
  const int width = 2 * rows - 1;
  const int x = inner.left + (inner.right - inner.left - width) / 2;
  const int y = inner.top + (inner.bottom - inner.top - rows) / 2;
  CStylePainter::Arrow(hdc, RECT{x, y, x + width, y + rows}, direction, PaletteRole::kButtonText);
}

}  // namespace

void CScrollBarPart::SetRange(int count, int page) {
  m_count = std::max(0, count);
  m_page = std::max(1, page);
  SetPos(m_pos);
}

int CScrollBarPart::MaxPos() const { return std::max(0, m_count - m_page); }

void CScrollBarPart::SetPos(int pos) { m_pos = std::clamp(pos, 0, MaxPos()); }

int CScrollBarPart::ArrowHeight() const {
  return std::min<int>(kWidth, (m_rect.bottom - m_rect.top) / 2);
}

RECT CScrollBarPart::Track() const {
  const int arrow = ArrowHeight();
  return RECT{m_rect.left, m_rect.top + arrow, m_rect.right, m_rect.bottom - arrow};
}

int CScrollBarPart::ThumbLength() const {
  const RECT track = Track();
  const int length = track.bottom - track.top;
  if (length < kMinThumb || m_count <= 0) return 0;
  const long long proportional = static_cast<long long>(length) * m_page / m_count;
  return static_cast<int>(std::clamp<long long>(proportional, kMinThumb, length));
}

RECT CScrollBarPart::PartRect(Part part) const {
  const int arrow = ArrowHeight();
  const RECT track = Track();
  const int thumb = ThumbLength();
  const int travel = track.bottom - track.top - thumb;
  const int max = MaxPos();
  const int thumbTop =
      track.top + (max > 0 ? static_cast<int>(static_cast<long long>(travel) * m_pos / max) : 0);
  switch (part) {
    case Part::kUpArrow:
      return RECT{m_rect.left, m_rect.top, m_rect.right, m_rect.top + arrow};
    case Part::kDownArrow:
      return RECT{m_rect.left, m_rect.bottom - arrow, m_rect.right, m_rect.bottom};
    case Part::kThumb:
      return thumb > 0 ? RECT{track.left, thumbTop, track.right, thumbTop + thumb} : RECT{};
    case Part::kPageUp:
      return RECT{track.left, track.top, track.right, thumb > 0 ? thumbTop : track.top};
    case Part::kPageDown:
      return RECT{track.left, thumb > 0 ? thumbTop + thumb : track.top, track.right, track.bottom};
    case Part::kNone:
      break;
  }
  return RECT{};
}

CScrollBarPart::Part CScrollBarPart::HitTest(POINT client) const {
  for (const Part p :
       {Part::kUpArrow, Part::kDownArrow, Part::kThumb, Part::kPageUp, Part::kPageDown}) {
    const RECT r = PartRect(p);
    if (PtInRect(&r, client)) return p;
  }
  return Part::kNone;
}

int CScrollBarPart::PosForThumbTop(int y) const {
  const RECT track = Track();
  const int travel = track.bottom - track.top - ThumbLength();
  const int max = MaxPos();
  if (travel <= 0 || max <= 0) return 0;
  const long long along = std::clamp<long long>(y - track.top, 0, travel);
  return static_cast<int>((along * max + travel / 2) / travel);
}

void CScrollBarPart::Paint(HDC hdc, Part pressed) const {
  ArrowButton(hdc, PartRect(Part::kUpArrow), ArrowDirection::kUp, pressed == Part::kUpArrow);
  ArrowButton(hdc, PartRect(Part::kDownArrow), ArrowDirection::kDown, pressed == Part::kDownArrow);
  for (const Part p : {Part::kPageUp, Part::kPageDown}) {
    if (pressed == p) {
      Dither(hdc, PartRect(p), PaletteRole::kDarkShadow, PaletteRole::kShadow);
    } else {
      Dither(hdc, PartRect(p), PaletteRole::kHighlight, PaletteRole::kFace);
    }
  }
  const RECT thumb = PartRect(Part::kThumb);
  if (!IsRectEmpty(&thumb)) CStylePainter::RaisedButton(hdc, thumb);
}

}  // namespace dlg
