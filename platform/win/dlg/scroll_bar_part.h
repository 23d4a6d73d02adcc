// The classic vertical scroll bar, as a part that a control lays into its
// own client area (the list box, inside its border): two arrow buttons, the
// dithered track and the thumb, whose length shows the page against the
// whole. Positions run from 0 to Count() - Page(). Geometry, hit testing
// and painting only; the control decides what a press does.
#pragma once

#include "platform/win/wingdi.h"

namespace dlg {

class CScrollBarPart {
 public:
  enum class Part { kNone, kUpArrow, kDownArrow, kPageUp, kPageDown, kThumb };

  static constexpr int kWidth = 16;
  static constexpr int kMinThumb = 8;

  void SetRect(const RECT& rect) { m_rect = rect; }
  // `count` lines of which `page` show at once; the position is held to
  // the new range.
  void SetRange(int count, int page);
  void SetPos(int pos);
  int Pos() const { return m_pos; }
  int MaxPos() const;
  const RECT& Rect() const { return m_rect; }

  RECT PartRect(Part part) const;
  Part HitTest(POINT client) const;
  // The position that puts the thumb's top at client y (held to the range).
  int PosForThumbTop(int y) const;
  // `pressed` draws that part held down (an arrow pushed in, a page area
  // darkened).
  void Paint(HDC hdc, Part pressed) const;

 private:
  int ArrowHeight() const;
  RECT Track() const;
  int ThumbLength() const;  // 0: no room for a thumb

  RECT m_rect{};
  int m_count = 0;
  int m_page = 1;
  int m_pos = 0;
};

}  // namespace dlg
