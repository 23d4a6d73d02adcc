// Where windows are: rectangles, coordinate mapping, moving, showing,
// maximizing and minimizing.
#include <algorithm>
#include <cstdint>

#include "platform/win/wm/wnd.h"

namespace {

RECT SurfaceRectOf(HWND top) {
  const int border = NonClientBorder(top->style);
  const int nct = NonClientTop(top->style);
  return RECT{top->rect.left + border, top->rect.top + nct, top->rect.right - border,
              top->rect.bottom - border};
}

// Gives a top-level window a new outer rectangle: its surface and host window
// follow, and the whole window is to be drawn again.
void SetTopLevelRect(HWND top, const RECT& outer) {
  Session& s = WM();
  const RECT old = top->rect;
  top->rect = outer;
  const RECT sr = SurfaceRectOf(top);
  const int w = std::max(1, static_cast<int>(sr.right - sr.left));
  const int h = std::max(1, static_cast<int>(sr.bottom - sr.top));
  if (w != top->surface->width || h != top->surface->height) {
    ResizeSurface(top->surface, w, h);
    s.host->Resize(top->hostId, w, h);
  }
  // A window asked to stay where it is is not moved: a window manager
  // places the frame around it, and a request for the same place can come
  // back shifted by that frame.
  if (outer.left != old.left || outer.top != old.top) {
    s.host->SetPosition(top->hostId, sr.left, sr.top);
    if (IsShowing(top)) InvalidateCovered(top, old);
  }
}

void RepaintAll(HWND top) {
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void SendSize(HWND hwnd, UINT type) {
  const SIZE c = ClientSize(hwnd);
  SendMessageA(hwnd, WM_SIZE, type, MAKELPARAM(c.cx, c.cy));
}

}  // namespace

bool IsShowing(HWND hwnd) {
  for (HWND w = hwnd; w != nullptr; w = w->parent) {
    if ((w->style & WS_VISIBLE) == 0) return false;
    if (w->parent == nullptr && w->sizeState == SIZE_MINIMIZED) return false;
  }
  return true;
}

int MenuBarHeight(HWND top) { return top->menu != nullptr ? kMenuBarHeight : 0; }

POINT ClientOriginInSurface(HWND hwnd) {
  POINT p{0, 0};
  for (HWND w = hwnd; w->parent != nullptr; w = w->parent) {
    p.x += w->rect.left;
    p.y += w->rect.top;
  }
  p.y += MenuBarHeight(TopLevelOf(hwnd));
  return p;
}

SIZE ClientSize(HWND hwnd) {
  if (hwnd->parent != nullptr) {
    return SIZE{std::max<LONG>(0, hwnd->rect.right - hwnd->rect.left),
                std::max<LONG>(0, hwnd->rect.bottom - hwnd->rect.top)};
  }
  if (hwnd->sizeState == SIZE_MINIMIZED) return SIZE{0, 0};
  return SIZE{hwnd->surface->width, std::max(0, hwnd->surface->height - MenuBarHeight(hwnd))};
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
  if (!IsLive(hwnd) || rect == nullptr) return FALSE;
  const SIZE c = ClientSize(hwnd);
  *rect = RECT{0, 0, c.cx, c.cy};
  return TRUE;
}

namespace {

LONG SaturatedLong(long long value) {
  return static_cast<LONG>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

BOOL ClientToScreen(HWND hwnd, POINT* point) {
  if (!IsLive(hwnd) || point == nullptr) return FALSE;
  const HWND top = TopLevelOf(hwnd);
  const POINT o = ClientOriginInSurface(hwnd);
  const RECT sr = SurfaceRectOf(top);
  // A point near the ends of the 32-bit range (scripted input, a drag far
  // off the screen) stops at them instead of wrapping.
  point->x = SaturatedLong(static_cast<long long>(point->x) + sr.left + o.x);
  point->y = SaturatedLong(static_cast<long long>(point->y) + sr.top + o.y);
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
  if (!IsLive(hwnd) || point == nullptr) return FALSE;
  POINT o{0, 0};
  ClientToScreen(hwnd, &o);
  point->x = SaturatedLong(static_cast<long long>(point->x) - o.x);
  point->y = SaturatedLong(static_cast<long long>(point->y) - o.y);
  return TRUE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
  if (!IsLive(hwnd) || rect == nullptr) return FALSE;
  if (IsTopLevel(hwnd)) {
    *rect = hwnd->rect;
    return TRUE;
  }
  POINT o{0, 0};
  ClientToScreen(hwnd->parent, &o);
  *rect = hwnd->rect;
  OffsetRect(rect, o.x, o.y);
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
  POINT a{0, 0};
  POINT b{0, 0};
  if (from != nullptr && !ClientToScreen(from, &a)) return 0;
  if (to != nullptr && !ClientToScreen(to, &b)) return 0;
  const int dx = a.x - b.x;
  const int dy = a.y - b.y;
  for (UINT i = 0; points != nullptr && i < count; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
  return static_cast<int>(MAKELONG(static_cast<UINT>(dx), static_cast<UINT>(dy)));
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0U : SWP_NOREDRAW));
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
  if (!IsLive(hwnd)) return FALSE;
  x = std::clamp(x, -32768, 32767);
  y = std::clamp(y, -32768, 32767);
  width = std::clamp(width, 0, 32767);
  height = std::clamp(height, 0, 32767);
  const RECT old = hwnd->rect;
  RECT now = old;
  if ((flags & SWP_NOMOVE) == 0) OffsetRect(&now, x - old.left, y - old.top);
  if ((flags & SWP_NOSIZE) == 0) {
    now.right = now.left + width;
    now.bottom = now.top + height;
  }
  const bool sized = (now.right - now.left) != (old.right - old.left) ||
                     (now.bottom - now.top) != (old.bottom - old.top);
  const bool moved = now.left != old.left || now.top != old.top;
  const bool redraw = (flags & SWP_NOREDRAW) == 0;

  if (!IsTopLevel(hwnd) && (flags & SWP_NOZORDER) == 0) {
    auto& sib = hwnd->parent->children;
    sib.erase(std::remove(sib.begin(), sib.end(), hwnd), sib.end());
    auto at = sib.begin();
    if (insertAfter != nullptr) {
      at = std::find(sib.begin(), sib.end(), insertAfter);
      at = at == sib.end() ? sib.end() : at + 1;
    }
    sib.insert(at, hwnd);
    if (redraw && IsShowing(hwnd)) InvalidateRect(hwnd, nullptr, TRUE);
  }
  if (sized || moved) {
    if (IsTopLevel(hwnd)) {
      SetTopLevelRect(hwnd, now);
      if (hwnd->sizeState == SIZE_RESTORED) hwnd->restoreRect = now;
      if (sized) RepaintAll(hwnd);
    } else {
      if (redraw && IsShowing(hwnd)) InvalidateParentArea(hwnd);
      hwnd->rect = now;
      if (redraw && IsShowing(hwnd)) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      }
    }
    if (moved)
      SendMessageA(hwnd, WM_MOVE, 0,
                   MAKELPARAM(static_cast<UINT>(now.left), static_cast<UINT>(now.top)));
    if (sized && IsLive(hwnd)) SendSize(hwnd, IsTopLevel(hwnd) ? hwnd->sizeState : SIZE_RESTORED);
  }
  if (IsLive(hwnd) && (flags & SWP_SHOWWINDOW) != 0) ShowWindow(hwnd, SW_SHOWNA);
  if (IsLive(hwnd) && (flags & SWP_HIDEWINDOW) != 0) ShowWindow(hwnd, SW_HIDE);
  return TRUE;
}

void ApplySizeState(HWND top, UINT state, bool fromHost) {
  Session& s = WM();
  const UINT old = top->sizeState;
  if (state == old) return;
  if (state == SIZE_MINIMIZED) {
    top->sizeBeforeMinimize = old;
    // What it covered shows again once it is gone.
    if (IsShowing(top)) InvalidateCovered(top, top->rect);
    top->sizeState = SIZE_MINIMIZED;
    top->style |= WS_MINIMIZE;
    if (!fromHost) s.host->SetState(top->hostId, host::SurfaceState::kMinimized);
    if (s.active == top) {
      SendMessageA(top, WM_ACTIVATE, WA_INACTIVE, 0);
      s.active = nullptr;
    }
    SendSize(top, SIZE_MINIMIZED);
    return;
  }
  top->style &= ~WS_MINIMIZE;
  // What the window manager did itself it reports as moves and sizes of
  // its own, before or after the new state; only what the program asks
  // for is placed here.
  if (state == SIZE_MAXIMIZED) {
    if (old == SIZE_RESTORED && !fromHost) top->restoreRect = top->rect;
    const host::Rect area = s.host->GetWorkArea();
    top->sizeState = SIZE_MAXIMIZED;
    top->style |= WS_MAXIMIZE;
    if (!fromHost) {
      s.host->SetState(top->hostId, host::SurfaceState::kMaximized);
      SetTopLevelRect(top, RECT{area.x, area.y, area.x + area.width, area.y + area.height});
    }
  } else {
    top->sizeState = SIZE_RESTORED;
    top->style &= ~WS_MAXIMIZE;
    if (!fromHost) {
      s.host->SetState(top->hostId, host::SurfaceState::kNormal);
      SetTopLevelRect(top, top->restoreRect);
    }
  }
  RepaintAll(top);
  SendSize(top, top->sizeState);
}

BOOL ShowWindow(HWND hwnd, int command) {
  Session& s = WM();
  if (!IsLive(hwnd)) return FALSE;
  const BOOL wasVisible = (hwnd->style & WS_VISIBLE) != 0 ? TRUE : FALSE;
  if (!IsTopLevel(hwnd)) {
    if (command == SW_HIDE) {
      if (wasVisible) {
        InvalidateParentArea(hwnd);
        hwnd->style &= ~WS_VISIBLE;
        ClearUpdateTree(hwnd);
        if (s.focus != nullptr && IsChild(hwnd, s.focus) == TRUE) SetFocus(nullptr);
        if (s.focus == hwnd) SetFocus(nullptr);
      }
    } else if (!wasVisible) {
      hwnd->style |= WS_VISIBLE;
      RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    return wasVisible;
  }

  switch (command) {
    case SW_HIDE:
      if (wasVisible) {
        if (IsShowing(hwnd)) InvalidateCovered(hwnd, hwnd->rect);
        hwnd->style &= ~WS_VISIBLE;
        ClearUpdateTree(hwnd);
        s.host->Show(hwnd->hostId, false);
        if (s.active == hwnd) {
          SendMessageA(hwnd, WM_ACTIVATE, WA_INACTIVE, 0);
          s.active = nullptr;
        }
      }
      return wasVisible;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
      hwnd->style |= WS_VISIBLE;
      s.host->Show(hwnd->hostId, true);
      ApplySizeState(hwnd, SIZE_MINIMIZED, false);
      return wasVisible;
    case SW_MAXIMIZE:
      hwnd->style |= WS_VISIBLE;
      s.host->Show(hwnd->hostId, true);
      ApplySizeState(hwnd, SIZE_MAXIMIZED, false);
      SetActiveWindow(hwnd);
      return wasVisible;
    case SW_RESTORE:
      hwnd->style |= WS_VISIBLE;
      s.host->Show(hwnd->hostId, true);
      ApplySizeState(hwnd,
                     hwnd->sizeState == SIZE_MINIMIZED ? hwnd->sizeBeforeMinimize : SIZE_RESTORED,
                     false);
      SetActiveWindow(hwnd);
      return wasVisible;
    default:
      break;
  }
  // SW_SHOW and its kin: visible in the state it has.
  if (!wasVisible) {
    hwnd->style |= WS_VISIBLE;
    s.host->Show(hwnd->hostId, true);
    RepaintAll(hwnd);
  }
  if (command != SW_SHOWNA && command != SW_SHOWNOACTIVATE && IsWindowEnabled(hwnd)) {
    SetActiveWindow(hwnd);
  }
  return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) { return IsLive(hwnd) && IsShowing(hwnd) ? TRUE : FALSE; }
BOOL IsIconic(HWND hwnd) {
  return IsLive(hwnd) && IsTopLevel(hwnd) && hwnd->sizeState == SIZE_MINIMIZED ? TRUE : FALSE;
}
BOOL IsZoomed(HWND hwnd) {
  return IsLive(hwnd) && IsTopLevel(hwnd) && hwnd->sizeState == SIZE_MAXIMIZED ? TRUE : FALSE;
}

HWND ChildWindowFromPoint(HWND parent, POINT clientPoint) {
  const POINT p = clientPoint;
  if (!IsLive(parent)) return nullptr;
  for (HWND c : parent->children) {
    if (!c->destroying && (c->style & WS_VISIBLE) != 0 && PtInRect(&c->rect, p)) return c;
  }
  const SIZE size = ClientSize(parent);
  const RECT client{0, 0, size.cx, size.cy};
  return PtInRect(&client, p) ? parent : nullptr;
}

HWND WindowFromPoint(POINT screen) {
  Session& s = WM();
  for (size_t i = s.topLevels.size(); i-- > 0;) {
    HWND top = s.topLevels[i];
    if (!IsShowing(top) || !PtInRect(&top->rect, screen)) continue;
    HWND w = top;
    for (;;) {
      POINT p = screen;
      ScreenToClient(w, &p);
      HWND next = nullptr;
      for (HWND c : w->children) {
        if (!c->destroying && (c->style & WS_VISIBLE) != 0 && (c->style & WS_DISABLED) == 0 &&
            PtInRect(&c->rect, p) &&
            SendMessageA(c, WM_NCHITTEST, 0,
                         MAKELPARAM(static_cast<UINT>(screen.x), static_cast<UINT>(screen.y))) !=
                HTTRANSPARENT) {
          next = c;
          break;
        }
      }
      if (next == nullptr) return w;
      w = next;
    }
  }
  return nullptr;
}
