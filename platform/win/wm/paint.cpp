// Update regions, visible regions and the paint device contexts. A window
// paints only what is invalid and visible: its own client area minus the
// children and higher siblings that cover it (group boxes cover nothing, so
// whatever is beneath them shows through and repaints them when it changes).
#include <algorithm>

#include "platform/win/gdi/dc_internal.h"
#include "platform/win/gdi/region.h"
#include "platform/win/wm/wnd.h"

namespace {

using gdi::CRegion;

RECT ClientRectAt(HWND w, POINT origin) {
  const SIZE c = ClientSize(w);
  return RECT{origin.x, origin.y, origin.x + c.cx, origin.y + c.cy};
}

void Subtract(pixman_region32_t* region, const RECT& r) {
  CRegion cut(r);
  pixman_region32_subtract(region, region, cut.Get());
}

bool IsEmpty(pixman_region32_t* r) { return pixman_region32_not_empty(r) == 0; }

// Adds `region` (client coordinates of w) to w and to every descendant it
// covers.
void InvalidateTree(HWND w, pixman_region32_t* region, bool erase) {
  AddToUpdate(w, region, erase);
  for (HWND c : w->children) {
    if ((c->style & WS_VISIBLE) == 0) continue;
    CRegion part(c->rect);
    pixman_region32_intersect(part.Get(), part.Get(), region);
    if (IsEmpty(part.Get())) continue;
    pixman_region32_translate(part.Get(), -c->rect.left, -c->rect.top);
    InvalidateTree(c, part.Get(), erase);
  }
}

void AddTransparentParts(HWND w, pixman_region32_t* clientRegion, bool erase) {
  for (HWND c : w->children) {
    if ((c->style & WS_VISIBLE) == 0 || !IsPaintTransparent(c)) continue;
    CRegion part(c->rect);
    pixman_region32_intersect(part.Get(), part.Get(), clientRegion);
    if (IsEmpty(part.Get())) continue;
    pixman_region32_translate(part.Get(), -c->rect.left, -c->rect.top);
    AddToUpdate(c, part.Get(), erase);
  }
  if (w->parent == nullptr) return;
  // Group boxes above w draw over it: repaint where w's new pixels meet them.
  for (HWND sib : w->parent->children) {
    if (sib == w) break;
    if ((sib->style & WS_VISIBLE) == 0 || !IsPaintTransparent(sib)) continue;
    CRegion part(sib->rect);
    CRegion mine;
    pixman_region32_copy(mine.Get(), clientRegion);
    pixman_region32_translate(mine.Get(), w->rect.left, w->rect.top);
    pixman_region32_intersect(part.Get(), part.Get(), mine.Get());
    if (IsEmpty(part.Get())) continue;
    pixman_region32_translate(part.Get(), -sib->rect.left, -sib->rect.top);
    AddToUpdate(sib, part.Get(), erase);
  }
}

HWND FindIn(HWND w, HWND filter) {
  if (!IsShowing(w)) return nullptr;
  if (!IsEmpty(&w->update) && (filter == nullptr || w == filter || IsChild(filter, w))) return w;
  // Lower windows first, so that what lies above paints over them.
  for (size_t i = w->children.size(); i-- > 0;) {
    if (HWND found = FindIn(w->children[i], filter)) return found;
  }
  return nullptr;
}

HDC MakeDC(HWND hwnd, pixman_region32_t* clip) {
  HWND top = TopLevelOf(hwnd);
  return CreateSurfaceDC(top->surface, ClientOriginInSurface(hwnd), clip);
}

}  // namespace

void AddToUpdate(HWND hwnd, const pixman_region32_t* clientRegion, bool erase) {
  if (!IsShowing(hwnd) || hwnd->destroying) return;
  const SIZE size = ClientSize(hwnd);
  CRegion add(RECT{0, 0, size.cx, size.cy});
  pixman_region32_intersect(add.Get(), add.Get(), const_cast<pixman_region32_t*>(clientRegion));
  if (IsEmpty(add.Get())) return;
  const bool wasEmpty = IsEmpty(&hwnd->update);
  pixman_region32_union(&hwnd->update, &hwnd->update, add.Get());
  if (wasEmpty) {
    ++WM().pendingPaints;
    WM().lastToPaint = hwnd;
  }
  hwnd->erase = hwnd->erase || erase;
  AddTransparentParts(hwnd, add.Get(), erase);
}

void ClearUpdate(HWND hwnd) {
  if (!IsEmpty(&hwnd->update)) {
    --WM().pendingPaints;
    pixman_region32_clear(&hwnd->update);
  }
  hwnd->erase = false;
}

void ClearUpdateTree(HWND hwnd) {
  ClearUpdate(hwnd);
  for (HWND c : hwnd->children) ClearUpdateTree(c);
}

void InvalidateParentArea(HWND hwnd) {
  HWND parent = hwnd->parent;
  if (parent == nullptr) return;
  CRegion area(hwnd->rect);
  AddToUpdate(parent, area.Get(), true);
  // Siblings, and their children, that the window covered show again.
  for (HWND sib : parent->children) {
    if (sib == hwnd || (sib->style & WS_VISIBLE) == 0) continue;
    CRegion part(sib->rect);
    pixman_region32_intersect(part.Get(), part.Get(), area.Get());
    if (IsEmpty(part.Get())) continue;
    pixman_region32_translate(part.Get(), -sib->rect.left, -sib->rect.top);
    InvalidateTree(sib, part.Get(), true);
  }
}

void VisibleRegion(HWND hwnd, pixman_region32_t* out, const pixman_box32_t* within) {
  pixman_region32_clear(out);
  if (!IsLive(hwnd) && !WM().live.Contains(hwnd)) return;
  if (!IsShowing(hwnd)) return;
  HWND top = TopLevelOf(hwnd);
  const POINT origin = ClientOriginInSurface(hwnd);
  CRegion vis(ClientRectAt(hwnd, origin));
  RECT limit{0, 0, top->surface->width, top->surface->height};
  if (within != nullptr) {
    limit = RECT{std::max<LONG>(limit.left, within->x1), std::max<LONG>(limit.top, within->y1),
                 std::min<LONG>(limit.right, within->x2), std::min<LONG>(limit.bottom, within->y2)};
  }
  CRegion bounds(limit);
  pixman_region32_intersect(vis.Get(), vis.Get(), bounds.Get());
  // Windows that cannot touch the limit cannot take anything from it: a
  // small repaint need not cut out every sibling of the window.
  auto cut = [&](RECT r) {
    if (r.right <= limit.left || r.left >= limit.right || r.bottom <= limit.top ||
        r.top >= limit.bottom) {
      return;
    }
    Subtract(vis.Get(), r);
  };
  for (HWND w = hwnd; w->parent != nullptr; w = w->parent) {
    HWND p = w->parent;
    const POINT po = ClientOriginInSurface(p);
    CRegion pc(ClientRectAt(p, po));
    pixman_region32_intersect(vis.Get(), vis.Get(), pc.Get());
    for (HWND sib : p->children) {
      if (sib == w) break;
      if ((sib->style & WS_VISIBLE) == 0 || IsPaintTransparent(sib)) continue;
      RECT r = sib->rect;
      OffsetRect(&r, po.x, po.y);
      cut(r);
    }
  }
  for (HWND c : hwnd->children) {
    if ((c->style & WS_VISIBLE) == 0 || IsPaintTransparent(c)) continue;
    RECT r = c->rect;
    OffsetRect(&r, origin.x, origin.y);
    cut(r);
  }
  pixman_region32_copy(out, vis.Get());
}

HWND FindWindowToPaint(HWND filter, bool* nonClient) {
  Session& s = WM();
  *nonClient = false;
  if (s.pendingPaints <= 0) return nullptr;
  // One window waiting, and the last to have been given an update region
  // still has one: it is the one. The run loop asks after every step, with
  // the status bar's few changed digits waiting.
  HWND last = s.lastToPaint;
  if (s.pendingPaints == 1 && IsLive(last) && !IsEmpty(&last->update) && IsShowing(last) &&
      (filter == nullptr || last == filter || IsChild(filter, last))) {
    return last;
  }
  for (HWND top : s.topLevels) {
    if (!IsShowing(top) || top->destroying) continue;
    if (top->ncDirty && (filter == nullptr || filter == top)) {
      *nonClient = true;
      return top;
    }
    if (HWND w = FindIn(top, filter)) return w;
  }
  return nullptr;
}

void PaintNonClient(HWND top) {
  Session& s = WM();
  if (!top->ncDirty) return;
  top->ncDirty = false;
  --s.pendingPaints;
  const int bar = MenuBarHeight(top);
  if (bar == 0 || !IsShowing(top)) return;
  CRegion clip(RECT{0, 0, top->surface->width, bar});
  HDC hdc = CreateSurfaceDC(top->surface, POINT{0, 0}, clip.Get());
  if (s.menuHooks.paintBar != nullptr) {
    s.menuHooks.paintBar(top, hdc, top->surface->width, bar);
  } else {
    RECT r{0, 0, top->surface->width, bar};
    FillRect(hdc, &r, GetSysColorBrush(COLOR_MENU));
  }
  DeleteSurfaceDC(hdc);
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  if (hwnd == nullptr) {
    for (HWND top : WM().topLevels)
      RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    return TRUE;
  }
  if (!IsLive(hwnd)) return FALSE;
  const SIZE size = ClientSize(hwnd);
  CRegion region(rect != nullptr ? *rect : RECT{0, 0, size.cx, size.cy});
  AddToUpdate(hwnd, region.Get(), erase != FALSE);
  return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
  if (!IsLive(hwnd)) return FALSE;
  if (rect == nullptr) {
    ClearUpdate(hwnd);
    return TRUE;
  }
  CRegion cut(*rect);
  const bool wasEmpty = IsEmpty(&hwnd->update);
  pixman_region32_subtract(&hwnd->update, &hwnd->update, cut.Get());
  if (!wasEmpty && IsEmpty(&hwnd->update)) {
    --WM().pendingPaints;
    hwnd->erase = false;
  }
  return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN /*region*/, UINT flags) {
  if (!IsLive(hwnd)) return FALSE;
  const bool erase = (flags & RDW_ERASE) != 0;
  if ((flags & RDW_INVALIDATE) != 0) {
    const SIZE size = ClientSize(hwnd);
    CRegion region(rect != nullptr ? *rect : RECT{0, 0, size.cx, size.cy});
    if ((flags & RDW_ALLCHILDREN) != 0) {
      InvalidateTree(hwnd, region.Get(), erase);
    } else {
      AddToUpdate(hwnd, region.Get(), erase);
    }
  }
  if ((flags & RDW_FRAME) != 0) DrawMenuBar(hwnd);
  if ((flags & RDW_UPDATENOW) != 0) UpdateWindow(hwnd);
  return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL /*erase*/) {
  if (!IsLive(hwnd)) return FALSE;
  const pixman_box32_t* box = pixman_region32_extents(&hwnd->update);
  const bool any = !IsEmpty(&hwnd->update);
  if (rect != nullptr) {
    *rect = any ? RECT{box->x1, box->y1, box->x2, box->y2} : RECT{0, 0, 0, 0};
  }
  return any ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND hwnd) {
  if (!IsLive(hwnd)) return FALSE;
  if (IsTopLevel(hwnd) && hwnd->ncDirty) SendMessageA(hwnd, WM_NCPAINT, 1, 0);
  if (IsLive(hwnd) && !IsEmpty(&hwnd->update) && IsShowing(hwnd)) {
    hwnd->beganPaint = false;
    SendMessageA(hwnd, WM_PAINT, 0, 0);
    if (IsLive(hwnd) && !hwnd->beganPaint) ClearUpdate(hwnd);
  }
  return TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
  if (!IsLive(hwnd) || paint == nullptr) return nullptr;
  CRegion area;
  pixman_region32_copy(area.Get(), &hwnd->update);
  const bool erase = hwnd->erase;
  ClearUpdate(hwnd);
  hwnd->beganPaint = true;
  const pixman_box32_t* box = pixman_region32_extents(area.Get());
  *paint = PAINTSTRUCT{};
  if (!IsEmpty(area.Get())) paint->rcPaint = RECT{box->x1, box->y1, box->x2, box->y2};
  CRegion clip;
  const POINT origin = ClientOriginInSurface(hwnd);
  pixman_region32_translate(area.Get(), origin.x, origin.y);
  VisibleRegion(hwnd, clip.Get(), pixman_region32_extents(area.Get()));
  pixman_region32_intersect(clip.Get(), clip.Get(), area.Get());
  paint->hdc = MakeDC(hwnd, clip.Get());
  if (erase) {
    paint->fErase = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) != 0
                        ? FALSE
                        : TRUE;
  }
  return paint->hdc;
}

BOOL EndPaint(HWND /*hwnd*/, const PAINTSTRUCT* paint) {
  if (paint == nullptr || paint->hdc == nullptr) return FALSE;
  DeleteSurfaceDC(paint->hdc);
  return TRUE;
}

HDC GetDC(HWND hwnd) {
  if (!IsLive(hwnd)) return nullptr;
  CRegion clip;
  VisibleRegion(hwnd, clip.Get());
  return MakeDC(hwnd, clip.Get());
}

int ReleaseDC(HWND /*hwnd*/, HDC hdc) {
  if (hdc == nullptr) return 0;
  DeleteSurfaceDC(hdc);
  return 1;
}

BOOL DrawMenuBar(HWND hwnd) {
  if (!IsLive(hwnd) || !IsTopLevel(hwnd) || hwnd->menu == nullptr) return FALSE;
  if (!hwnd->ncDirty) {
    hwnd->ncDirty = true;
    ++WM().pendingPaints;
  }
  return TRUE;
}
