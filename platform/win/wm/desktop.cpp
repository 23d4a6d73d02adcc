// Among other windows: what the host is told of each top-level window (what
// kind of window it is, whose it is, its icon) and what the host reports of
// the desktop's window manager (where it put the window, what size it gave
// it), and what a window that goes or moves away leaves to be painted.
#include <algorithm>
#include <vector>

#include "platform/win/gdi/handle_table.h"
#include "platform/win/wm/resource_loaders.h"
#include "platform/win/wm/wnd.h"

namespace {

// Where a top-level window's surface lies on the screen.
RECT SurfaceOnScreen(HWND top) {
  const int border = NonClientBorder(top->style);
  const int nct = NonClientTop(top->style);
  return RECT{top->rect.left + border, top->rect.top + nct,
              top->rect.left + border + top->surface->width,
              top->rect.top + nct + top->surface->height};
}

bool IsOwnedBy(HWND top, HWND owner) {
  for (HWND o = top->owner; o != nullptr; o = o->owner) {
    if (o == owner) return true;
  }
  return false;
}

void TellIcon(HWND top) {
  HICON icon = top->cls != nullptr ? top->cls->wc.hIcon : nullptr;
  if (icon == nullptr) return;
  std::vector<host::IconImage> images;
  for (HICON size : IconSizesOf(icon)) {
    if (const gdi::CGdiIcon* live = gdi::FindIcon(size)) {
      images.push_back({live->m_width, live->m_height, live->m_argb.data()});
    }
  }
  if (!images.empty())
    WM().host->SetIcon(top->hostId, images.data(), static_cast<int>(images.size()));
}

}  // namespace

void DescribeToHost(HWND top) {
  host::SurfaceRole role;
  // A window with an owner is one of its dialogs, as every owned window of
  // the program is; it stays above the owner and goes with it. A pop-up
  // without a caption is a menu, which the window manager leaves alone.
  if ((top->style & WS_POPUP) != 0 && (top->style & WS_CAPTION) == 0) {
    role.kind = host::SurfaceKind::kPopup;
  } else if (top->owner != nullptr) {
    role.kind = host::SurfaceKind::kDialog;
  }
  role.owner = top->owner != nullptr ? top->owner->hostId : host::kNoSurface;
  // The title-bar buttons come with the system menu, as the classic
  // captions draw them.
  const bool sysMenu = (top->style & WS_SYSMENU) != 0;
  role.closeBox = sysMenu;
  role.minimizeBox = sysMenu && (top->style & WS_MINIMIZEBOX) != 0;
  role.maximizeBox = sysMenu && (top->style & WS_MAXIMIZEBOX) != 0;
  role.sizingBorder = (top->style & WS_THICKFRAME) != 0;
  WM().host->SetRole(top->hostId, role);
  TellIcon(top);
}

void FollowHostMove(HWND top, int x, int y) {
  // A minimized window keeps the place it is restored to.
  if (top->sizeState == SIZE_MINIMIZED) return;
  const RECT old = top->rect;
  const RECT surface = SurfaceOnScreen(top);
  RECT now = old;
  OffsetRect(&now, x - surface.left, y - surface.top);
  if (EqualRect(&now, &old)) return;
  top->rect = now;
  // Only the place: coming back from maximized, the window manager may move
  // the window before it gives back its size.
  if (top->sizeState == SIZE_RESTORED) {
    OffsetRect(&top->restoreRect, now.left - top->restoreRect.left, now.top - top->restoreRect.top);
  }
  if (IsShowing(top)) InvalidateCovered(top, old);
  SendMessageA(top, WM_MOVE, 0,
               MAKELPARAM(static_cast<UINT>(now.left), static_cast<UINT>(now.top)));
}

namespace {

// A window without a sizing border that the window manager resized while it
// is neither maximized nor minimized is put back after this long, unless a
// new state has come by then: X window managers maximize only what they
// may resize, and they report the new size before the new state.
constexpr UINT_PTR kSizeCheckTimer = 0xA57F;
constexpr UINT kSizeCheckMs = 200;

SIZE NormalSurfaceSize(HWND top) {
  const int border = NonClientBorder(top->style);
  const int nct = NonClientTop(top->style);
  return SIZE{top->restoreRect.right - top->restoreRect.left - 2 * border,
              top->restoreRect.bottom - top->restoreRect.top - nct - border};
}

bool KeepsItsSize(HWND top) {
  return top->sizeState == SIZE_RESTORED && (top->style & WS_THICKFRAME) == 0;
}

void TakeSize(HWND top, int width, int height) {
  if (width == top->surface->width && height == top->surface->height) return;
  const RECT old = top->rect;
  ResizeSurface(top->surface, width, height);
  const int border = NonClientBorder(top->style);
  const int nct = NonClientTop(top->style);
  top->rect.right = top->rect.left + width + 2 * border;
  top->rect.bottom = top->rect.top + nct + height + border;
  if (top->sizeState == SIZE_RESTORED) top->restoreRect = top->rect;
  if (IsShowing(top)) InvalidateCovered(top, old);
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  const SIZE client = ClientSize(top);
  SendMessageA(top, WM_SIZE, top->sizeState,
               MAKELPARAM(static_cast<UINT>(client.cx), static_cast<UINT>(client.cy)));
}

void CheckSize(HWND top, UINT /*message*/, UINT_PTR id, DWORD /*time*/) {
  KillTimer(top, id);
  if (!IsLive(top) || !KeepsItsSize(top)) return;
  const SIZE normal = NormalSurfaceSize(top);
  if (top->hostSize.cx == normal.cx && top->hostSize.cy == normal.cy) return;
  top->hostSize = normal;
  WM().host->Resize(top->hostId, normal.cx, normal.cy);
  TakeSize(top, normal.cx, normal.cy);
}

}  // namespace

namespace {

// Takes the size the host last reported, or, for a window that keeps its
// size, waits to see whether a new state comes with it.
void TakeHostSize(HWND top) {
  if (KeepsItsSize(top)) {
    const SIZE normal = NormalSurfaceSize(top);
    if (top->hostSize.cx != normal.cx || top->hostSize.cy != normal.cy) {
      SetTimer(top, kSizeCheckTimer, kSizeCheckMs, &CheckSize);
      return;
    }
  }
  KillTimer(top, kSizeCheckTimer);
  TakeSize(top, top->hostSize.cx, top->hostSize.cy);
}

}  // namespace

void FollowHostResize(HWND top, int width, int height) {
  if (width <= 0 || height <= 0) return;
  top->hostSize = SIZE{width, height};
  if (top->sizeState != SIZE_MINIMIZED) TakeHostSize(top);
}

void FollowHostState(HWND top) {
  // The size the window manager gave with the new state, if it came first.
  if (top->sizeState != SIZE_MINIMIZED && top->hostSize.cx > 0) TakeHostSize(top);
}

void InvalidateCovered(HWND gone, const RECT& outer) {
  Session& s = WM();
  const std::vector<HWND> tops = s.topLevels;
  for (HWND t : tops) {
    if (t == gone || !IsLive(t) || !IsShowing(t) || IsOwnedBy(t, gone)) continue;
    RECT covered{};
    const RECT surface = SurfaceOnScreen(t);
    if (!IntersectRect(&covered, &outer, &surface)) continue;
    OffsetRect(&covered, -surface.left, -surface.top);
    const int bar = MenuBarHeight(t);
    if (covered.top < bar) DrawMenuBar(t);
    OffsetRect(&covered, 0, -bar);
    RedrawWindow(t, &covered, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
}

HWND EnabledOwnedBy(HWND top) {
  if ((top->style & WS_DISABLED) == 0) return top;
  const std::vector<HWND>& tops = WM().topLevels;
  for (size_t i = tops.size(); i-- > 0;) {
    HWND t = tops[i];
    if (t->owner == top && IsShowing(t)) return EnabledOwnedBy(t);
  }
  return nullptr;
}

void BringForward(HWND top) {
  Session& s = WM();
  HWND want = EnabledOwnedBy(top);
  if (want == nullptr) return;
  if (want == top) {
    // The window manager has already put it where the user wanted it.
    s.raiseOnActivate = false;
    SetActiveWindow(top);
    s.raiseOnActivate = true;
    return;
  }
  // A click on a window that waits on a dialog brings the dialog forward,
  // over the window the window manager has just raised, even when the
  // dialog was the active window all along.
  if (s.active == want) {
    s.host->Raise(want->hostId);
  } else {
    SetActiveWindow(want);
  }
}
