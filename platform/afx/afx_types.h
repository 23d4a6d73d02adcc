// The framework's point, size and rectangle: the system's structs with the
// arithmetic the framework puts on them.
#pragma once

#include "platform/win/wm/user.h"

class CSize : public SIZE {
 public:
  CSize() : SIZE{0, 0} {}
  CSize(int x, int y) : SIZE{x, y} {}
  CSize(SIZE s) : SIZE(s) {}  // NOLINT(google-explicit-constructor): as the framework has it
  bool operator==(const SIZE& o) const { return cx == o.cx && cy == o.cy; }
};

class CPoint : public POINT {
 public:
  CPoint() : POINT{0, 0} {}
  CPoint(int x0, int y0) : POINT{x0, y0} {}
  CPoint(POINT p) : POINT(p) {}  // NOLINT(google-explicit-constructor)
  void Offset(int dx, int dy) {
    x += dx;
    y += dy;
  }
  bool operator==(const POINT& o) const { return x == o.x && y == o.y; }
  CPoint operator+(SIZE s) const { return CPoint(x + s.cx, y + s.cy); }
  CPoint operator-(SIZE s) const { return CPoint(x - s.cx, y - s.cy); }
  CSize operator-(POINT p) const { return CSize(x - p.x, y - p.y); }
};

class CRect : public RECT {
 public:
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  CRect(const RECT& r) : RECT(r) {}  // NOLINT(google-explicit-constructor)
  CRect(POINT p, SIZE s) : RECT{p.x, p.y, p.x + s.cx, p.y + s.cy} {}

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint TopLeft() const { return CPoint(left, top); }
  CPoint BottomRight() const { return CPoint(right, bottom); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
  bool IsRectEmpty() const { return ::IsRectEmpty(this) != FALSE; }
  bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  bool PtInRect(POINT p) const { return ::PtInRect(this, p) != FALSE; }
  void SetRect(int l, int t, int r, int b) { ::SetRect(this, l, t, r, b); }
  void SetRectEmpty() { ::SetRectEmpty(this); }
  void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
  void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
  void DeflateRect(int dx, int dy) { ::InflateRect(this, -dx, -dy); }
  bool IntersectRect(const RECT* a, const RECT* b) { return ::IntersectRect(this, a, b) != FALSE; }
  bool UnionRect(const RECT* a, const RECT* b) { return ::UnionRect(this, a, b) != FALSE; }
  bool operator==(const RECT& o) const { return ::EqualRect(this, &o) != FALSE; }
  bool operator!=(const RECT& o) const { return !(*this == o); }
  operator RECT*() { return this; }              // NOLINT(google-explicit-constructor)
  operator const RECT*() const { return this; }  // NOLINT(google-explicit-constructor)
};
