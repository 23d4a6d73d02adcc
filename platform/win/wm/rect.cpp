// Rectangle arithmetic. Results that would overflow 32 bits saturate.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/win/wm/user.h"

namespace {

LONG Sat(std::int64_t v) {
  return static_cast<LONG>(std::clamp<std::int64_t>(v, std::numeric_limits<LONG>::min(),
                                                    std::numeric_limits<LONG>::max()));
}

}  // namespace

BOOL PtInRect(const RECT* rect, POINT p) {
  if (rect == nullptr) return FALSE;
  return p.x >= rect->left && p.x < rect->right && p.y >= rect->top && p.y < rect->bottom ? TRUE
                                                                                          : FALSE;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
  if (a == nullptr || b == nullptr) return FALSE;
  return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom
             ? TRUE
             : FALSE;
}

BOOL IsRectEmpty(const RECT* rect) {
  if (rect == nullptr) return TRUE;
  return rect->right <= rect->left || rect->bottom <= rect->top ? TRUE : FALSE;
}

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
  if (rect == nullptr) return FALSE;
  *rect = RECT{left, top, right, bottom};
  return TRUE;
}

BOOL SetRectEmpty(RECT* rect) { return SetRect(rect, 0, 0, 0, 0); }

BOOL CopyRect(RECT* dst, const RECT* src) {
  if (dst == nullptr || src == nullptr) return FALSE;
  *dst = *src;
  return TRUE;
}

BOOL IntersectRect(RECT* dst, const RECT* a, const RECT* b) {
  if (dst == nullptr || a == nullptr || b == nullptr) return FALSE;
  const RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
               std::min(a->bottom, b->bottom)};
  if (IsRectEmpty(&r)) {
    SetRectEmpty(dst);
    return FALSE;
  }
  *dst = r;
  return TRUE;
}

BOOL UnionRect(RECT* dst, const RECT* a, const RECT* b) {
  if (dst == nullptr || a == nullptr || b == nullptr) return FALSE;
  if (IsRectEmpty(a)) return CopyRect(dst, b) && !IsRectEmpty(b);
  if (IsRectEmpty(b)) return CopyRect(dst, a);
  *dst = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
              std::max(a->bottom, b->bottom)};
  return TRUE;
}

BOOL OffsetRect(RECT* rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  *rect = RECT{Sat(std::int64_t{rect->left} + dx), Sat(std::int64_t{rect->top} + dy),
               Sat(std::int64_t{rect->right} + dx), Sat(std::int64_t{rect->bottom} + dy)};
  return TRUE;
}

BOOL InflateRect(RECT* rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  *rect = RECT{Sat(std::int64_t{rect->left} - dx), Sat(std::int64_t{rect->top} - dy),
               Sat(std::int64_t{rect->right} + dx), Sat(std::int64_t{rect->bottom} + dy)};
  return TRUE;
}
