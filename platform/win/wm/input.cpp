// Host input to window messages: the pointer goes to the window under it
// (or to the one holding the capture), keys to the focus, and a window that
// is disabled gets nothing.
#include <algorithm>
#include <string>

#include "platform/win/wm/wnd.h"

namespace {

UINT ButtonBit(host::MouseButton b) {
  switch (b) {
    case host::MouseButton::kLeft:
      return MK_LBUTTON;
    case host::MouseButton::kRight:
      return MK_RBUTTON;
    case host::MouseButton::kMiddle:
      return MK_MBUTTON;
  }
  return 0;
}

int ButtonKey(host::MouseButton b) {
  return b == host::MouseButton::kLeft    ? VK_LBUTTON
         : b == host::MouseButton::kRight ? VK_RBUTTON
                                          : 4;
}

UINT ButtonMessage(host::MouseButton b, bool down) {
  switch (b) {
    case host::MouseButton::kLeft:
      return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case host::MouseButton::kRight:
      return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case host::MouseButton::kMiddle:
      return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
  }
  return WM_NULL;
}

WPARAM MouseKeys() {
  Session& s = WM();
  WPARAM k = s.buttons;
  if (GetKeyState(VK_SHIFT) < 0) k |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) < 0) k |= MK_CONTROL;
  return k;
}

LPARAM PackPoint(POINT p) { return MAKELPARAM(static_cast<UINT>(p.x), static_cast<UINT>(p.y)); }

void SyncModifiers(unsigned mods) {
  Session& s = WM();
  s.keys[VK_SHIFT] = (mods & host::kModShift) != 0 ? 0x80 : 0;
  s.keys[VK_CONTROL] = (mods & host::kModCtrl) != 0 ? 0x80 : 0;
  s.keys[VK_MENU] = (mods & host::kModAlt) != 0 ? 0x80 : 0;
}

// The deepest enabled, visible window at a client point of `w` that does
// not let the pointer through; a disabled child passes it to its parent.
HWND HitTest(HWND w, POINT clientPoint, POINT screen) {
  for (;;) {
    HWND next = nullptr;
    for (HWND c : w->children) {
      if (c->destroying || (c->style & WS_VISIBLE) == 0 || !PtInRect(&c->rect, clientPoint)) {
        continue;
      }
      if ((c->style & WS_DISABLED) != 0) break;  // the parent takes it
      if (SendMessageA(c, WM_NCHITTEST, 0, PackPoint(screen)) == HTTRANSPARENT) continue;
      next = c;
      break;
    }
    if (next == nullptr) return w;
    clientPoint.x -= next->rect.left;
    clientPoint.y -= next->rect.top;
    w = next;
  }
}

void HandleMouse(const host::Event& e, HWND top) {
  Session& s = WM();
  const int border = NonClientBorder(top->style);
  const int nct = NonClientTop(top->style);
  const POINT screen{top->rect.left + border + e.x, top->rect.top + nct + e.y};
  s.cursor = screen;
  const bool down = e.type == host::EventType::kMouseDown;
  const bool up = e.type == host::EventType::kMouseUp;
  if (down) s.buttons |= ButtonBit(e.button);
  if (up) s.buttons &= ~ButtonBit(e.button);
  if (down || up) s.keys[ButtonKey(e.button)] = down ? 0x80 : 0;

  if (IsLive(s.capture)) {
    POINT p = screen;
    ScreenToClient(s.capture, &p);
    UINT message = WM_MOUSEMOVE;
    if (down || up) message = ButtonMessage(e.button, down);
    if (e.type == host::EventType::kMouseWheel) return;
    MSG m{s.capture, message, MouseKeys(), PackPoint(p), 0, screen};
    PostInput(m);
    return;
  }
  if ((top->style & WS_DISABLED) != 0) {
    if (down) BringForward(top);
    return;
  }
  if (down && s.active != top) SetActiveWindow(top);
  if (!IsLive(top)) return;

  const int bar = MenuBarHeight(top);
  if (e.type == host::EventType::kMouseWheel) {
    // The window under the pointer takes it (see DefWindowProcA). One
    // message carries what its 16 bits can: a wheel spun further than that
    // at once goes as far as they reach.
    constexpr int kMostNotches = 0x7FFF / WHEEL_DELTA;
    const int notches = std::clamp(e.wheel, -kMostNotches, kMostNotches);
    HWND target = e.y < bar ? top : HitTest(top, POINT{e.x, e.y - bar}, screen);
    const WPARAM wp =
        MAKEWPARAM(static_cast<UINT>(MouseKeys()), static_cast<UINT>(notches * WHEEL_DELTA));
    PostInput(MSG{target, WM_MOUSEWHEEL, wp, PackPoint(screen), 0, screen});
    return;
  }
  if (e.y < bar) {
    const UINT message = down ? WM_NCLBUTTONDOWN : up ? WM_NCLBUTTONUP : WM_NCMOUSEMOVE;
    if ((down || up) && e.button != host::MouseButton::kLeft) return;
    PostInput(MSG{top, message, static_cast<WPARAM>(HTMENU), PackPoint(screen), 0, screen});
    return;
  }
  const POINT client{e.x, e.y - bar};
  HWND target = HitTest(top, client, screen);
  if (e.button == host::MouseButton::kRight && down) s.rightPressed = target;
  if (e.button == host::MouseButton::kRight && up) {
    s.rightClicked = s.rightPressed == target ? target : nullptr;
    s.rightPressed = nullptr;
  }
  POINT p = screen;
  ScreenToClient(target, &p);
  UINT message = WM_MOUSEMOVE;
  if (down || up) message = ButtonMessage(e.button, down);
  PostInput(MSG{target, message, MouseKeys(), PackPoint(p), 0, screen});
}

void HandleKey(const host::Event& e, HWND top) {
  Session& s = WM();
  SyncModifiers(e.modifiers);
  const bool down = e.type == host::EventType::kKeyDown;
  if (e.vkey > 0 && e.vkey < 256) s.keys[e.vkey] = down ? 0x80 : 0;
  if (down) s.altAlone = e.vkey == VK_MENU;
  HWND target = IsLive(s.focus) ? s.focus : IsLive(s.active) ? s.active : top;
  if (target == nullptr || (TopLevelOf(target)->style & WS_DISABLED) != 0) return;
  const bool alt = (e.modifiers & host::kModAlt) != 0;
  const bool sys = alt || e.vkey == VK_MENU || e.vkey == VK_F10;
  UINT message = 0;
  if (down) {
    message = sys ? WM_SYSKEYDOWN : WM_KEYDOWN;
  } else {
    message = sys ? WM_SYSKEYUP : WM_KEYUP;
  }
  LPARAM lp = 1;
  if (alt) lp |= 1L << 29;
  if (e.repeat) lp |= 1L << 30;
  if (!down) lp |= (1L << 30) | (1L << 31);
  PostInput(MSG{target, message, static_cast<WPARAM>(e.vkey), lp, 0, s.cursor});
}

// Unicode to the 8-bit code page the program's texts use; characters it
// cannot hold are dropped.
int ToCodePage(char32_t c) {
  static const char32_t kHigh[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int i = 0; i < 32; ++i) {
    if (kHigh[i] == c && c != 0) return 0x80 + i;
  }
  return -1;
}

void HandleText(const host::Event& e, HWND top) {
  Session& s = WM();
  if ((e.modifiers & (host::kModAlt | host::kModCtrl)) != 0) return;
  HWND target = IsLive(s.focus) ? s.focus : IsLive(s.active) ? s.active : top;
  if (target == nullptr || (TopLevelOf(target)->style & WS_DISABLED) != 0) return;
  const auto* p = reinterpret_cast<const unsigned char*>(e.text);
  const unsigned char* end = p + sizeof(e.text);
  while (p < end && *p != 0) {
    char32_t c = *p;
    int extra = 0;
    if (c >= 0xF0) {
      c &= 0x07;
      extra = 3;
    } else if (c >= 0xE0) {
      c &= 0x0F;
      extra = 2;
    } else if (c >= 0xC0) {
      c &= 0x1F;
      extra = 1;
    } else if (c >= 0x80) {
      ++p;  // a stray continuation byte
      continue;
    }
    ++p;
    for (; extra > 0 && p < end && (*p & 0xC0) == 0x80; --extra, ++p) c = (c << 6) | (*p & 0x3F);
    if (extra != 0) continue;
    const int ch = ToCodePage(c);
    if (ch < 0x20 || ch == 0x7F) continue;
    PostInput(MSG{target, WM_CHAR, static_cast<WPARAM>(ch), 1, 0, s.cursor});
  }
}

}  // namespace

void HandleHostEvent(const host::Event& e) {
  Session& s = WM();
  if (e.type == host::EventType::kQuit) {
    PostQuitMessage(0);
    return;
  }
  const auto found = s.bySurface.find(e.surface);
  HWND top = found != s.bySurface.end() && IsLive(found->second) ? found->second : nullptr;
  switch (e.type) {
    case host::EventType::kMouseMove:
    case host::EventType::kMouseDown:
    case host::EventType::kMouseUp:
    case host::EventType::kMouseWheel:
      SyncModifiers(e.modifiers);
      if (top != nullptr) HandleMouse(e, top);
      return;
    case host::EventType::kKeyDown:
    case host::EventType::kKeyUp:
      HandleKey(e, top);
      return;
    case host::EventType::kText:
      HandleText(e, top);
      return;
    case host::EventType::kCloseRequest:
      if (top != nullptr && (top->style & WS_DISABLED) == 0) {
        PostInput(MSG{top, WM_SYSCOMMAND, SC_CLOSE, 0, 0, s.cursor});
      }
      return;
    case host::EventType::kFocusGained:
      if (top != nullptr) BringForward(top);
      return;
    case host::EventType::kFocusLost:
      return;
    case host::EventType::kExposed:
      if (top != nullptr) MarkDirty(top->surface, 0, 0, top->surface->width, top->surface->height);
      return;
    case host::EventType::kMinimized:
      if (top != nullptr) ApplySizeState(top, SIZE_MINIMIZED, true);
      return;
    case host::EventType::kMaximized:
      if (top != nullptr) {
        ApplySizeState(top, SIZE_MAXIMIZED, true);
        if (IsLive(top)) FollowHostState(top);
      }
      return;
    case host::EventType::kRestored:
      if (top != nullptr) {
        ApplySizeState(
            top, top->sizeState == SIZE_MINIMIZED ? top->sizeBeforeMinimize : SIZE_RESTORED, true);
        if (IsLive(top)) FollowHostState(top);
      }
      return;
    case host::EventType::kMoved:
      if (top != nullptr) FollowHostMove(top, e.x, e.y);
      return;
    case host::EventType::kResized:
      if (top != nullptr) FollowHostResize(top, e.width, e.height);
      return;
    case host::EventType::kQuit:
      return;
  }
}
