// Creating and destroying windows, the window tree, texts and window data.
#include <algorithm>
#include <cstring>

#include "platform/win/wm/wnd.h"

namespace {

// Sizes a window may be given: a negative width or height is none, and
// nothing grows past what a surface or a 16-bit coordinate can hold.
int ClampSize(int v) { return std::clamp(v, 0, 32767); }
int ClampCoord(int v) { return std::clamp(v, -32768, 32767); }

void Unlink(HWND hwnd) {
  Session& s = WM();
  if (hwnd->parent != nullptr) {
    auto& sib = hwnd->parent->children;
    sib.erase(std::remove(sib.begin(), sib.end(), hwnd), sib.end());
  } else {
    s.topLevels.erase(std::remove(s.topLevels.begin(), s.topLevels.end(), hwnd), s.topLevels.end());
    if (hwnd->hostId != host::kNoSurface) s.bySurface.erase(hwnd->hostId);
  }
}

void SendDestroy(HWND hwnd) {
  SendMessageA(hwnd, WM_DESTROY, 0, 0);
  // Children may have gone while their parent handled WM_DESTROY.
  const std::vector<HWND> children = hwnd->children;
  for (HWND c : children) {
    if (WM().live.Contains(c)) SendDestroy(c);
  }
}

void SendNcDestroyAndFree(HWND hwnd) {
  const std::vector<HWND> children = hwnd->children;
  for (HWND c : children) {
    if (WM().live.Contains(c)) SendNcDestroyAndFree(c);
  }
  Session& s = WM();
  SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
  s.timers.erase(std::remove_if(s.timers.begin(), s.timers.end(),
                                [hwnd](const Timer& t) { return t.hwnd == hwnd; }),
                 s.timers.end());
  s.queue.erase(std::remove_if(s.queue.begin(), s.queue.end(),
                               [hwnd](const MSG& m) { return m.hwnd == hwnd; }),
                s.queue.end());
  if (s.focus == hwnd) s.focus = nullptr;
  if (s.capture == hwnd) s.capture = nullptr;
  if (s.active == hwnd) s.active = nullptr;
  if (s.rightPressed == hwnd) s.rightPressed = nullptr;
  if (s.rightClicked == hwnd) s.rightClicked = nullptr;
  ClearUpdate(hwnd);
  if (hwnd->ncDirty) {
    hwnd->ncDirty = false;
    --s.pendingPaints;
  }
  Unlink(hwnd);
  if (hwnd->hostId != host::kNoSurface && s.host != nullptr) s.host->DestroySurface(hwnd->hostId);
  if (hwnd->surface != nullptr) DestroySurface(hwnd->surface);
  s.live.Erase(hwnd);
  delete hwnd;
}

}  // namespace

int NonClientBorder(DWORD style) {
  if ((style & WS_CHILD) != 0) return 0;
  if ((style & (WS_CAPTION | WS_THICKFRAME | WS_DLGFRAME)) != 0) return kFrameBorder;
  return (style & WS_BORDER) != 0 ? 1 : 0;
}

int NonClientTop(DWORD style) {
  const int caption =
      (style & WS_CHILD) == 0 && (style & WS_CAPTION) == WS_CAPTION ? kCaptionHeight : 0;
  return caption + NonClientBorder(style);
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                     void* param) {
  Session& s = WM();
  const WindowClass* cls = FindWindowClass(className);
  if (cls == nullptr || s.host == nullptr) return nullptr;
  const bool child = (style & WS_CHILD) != 0;
  if (child && !IsLive(parent)) return nullptr;
  if (!child && parent != nullptr && !IsLive(parent)) return nullptr;

  HWND hwnd = new HWND__;
  hwnd->cls = cls;
  hwnd->proc = cls->wc.lpfnWndProc;
  hwnd->style = style;
  hwnd->exStyle = exStyle;
  hwnd->extra.assign(static_cast<size_t>((cls->wc.cbWndExtra + 7) / 8), 0);
  if (x == CW_USEDEFAULT) x = 0;
  if (y == CW_USEDEFAULT && child) y = 0;
  if (width == CW_USEDEFAULT) width = child ? 0 : 400;
  if (height == CW_USEDEFAULT) height = child ? 0 : 300;
  width = ClampSize(width);
  height = ClampSize(height);

  if (child) {
    hwnd->parent = parent;
    hwnd->id = static_cast<int>(reinterpret_cast<std::intptr_t>(menuOrId));
    hwnd->rect = RECT{ClampCoord(x), ClampCoord(y), ClampCoord(x) + width, ClampCoord(y) + height};
    parent->children.push_back(hwnd);
  } else {
    hwnd->owner = parent != nullptr ? TopLevelOf(parent) : nullptr;
    hwnd->menu = menuOrId;
    const int border = NonClientBorder(style);
    const int top = NonClientTop(style);
    const int sw = std::max(1, width - 2 * border);
    const int sh = std::max(1, height - top - border);
    hwnd->surface = CreateSurface(sw, sh);
    hwnd->hostId = s.host->CreateSurface(sw, sh, windowName != nullptr ? windowName : "");
    if (hwnd->hostId == host::kNoSurface) {
      DestroySurface(hwnd->surface);
      delete hwnd;
      return nullptr;
    }
    DescribeToHost(hwnd);
    if (y != CW_USEDEFAULT) s.host->SetPosition(hwnd->hostId, x + border, y + top);
    int px = 0;
    int py = 0;
    s.host->GetPosition(hwnd->hostId, &px, &py);
    hwnd->rect = RECT{px - border, py - top, px - border + width, py - top + height};
    hwnd->restoreRect = hwnd->rect;
    hwnd->ncDirty = hwnd->menu != nullptr;
    if (hwnd->ncDirty) ++s.pendingPaints;
    s.topLevels.push_back(hwnd);
    s.bySurface[hwnd->hostId] = hwnd;
  }
  s.live[hwnd] = true;
  if (s.createHook != nullptr) s.createHook(hwnd, s.createHookContext);

  CREATESTRUCTA cs{};
  cs.lpCreateParams = param;
  cs.hInstance = instance;
  cs.hMenu = menuOrId;
  cs.hwndParent = parent;
  cs.cx = width;
  cs.cy = height;
  cs.x = x;
  cs.y = y;
  cs.style = static_cast<LONG>(style);
  cs.lpszName = windowName;
  cs.lpszClass = className;
  cs.dwExStyle = exStyle;
  if (SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) == 0) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (!IsLive(hwnd)) return nullptr;
  if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (!IsLive(hwnd)) return nullptr;
  const SIZE client = ClientSize(hwnd);
  SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.cx, client.cy));
  if (!IsLive(hwnd)) return nullptr;
  if ((hwnd->style & WS_VISIBLE) != 0) {
    if (child) {
      InvalidateRect(hwnd, nullptr, TRUE);
    } else {
      hwnd->style &= ~WS_VISIBLE;
      ShowWindow(hwnd, SW_SHOW);
    }
  }
  return IsLive(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
  Session& s = WM();
  if (hwnd == nullptr || !s.live.Contains(hwnd)) return FALSE;
  if (hwnd->destroying) return TRUE;
  // Owned windows (dialogs over a frame) go first, as the system does it.
  if (IsTopLevel(hwnd)) {
    const std::vector<HWND> tops = s.topLevels;
    for (HWND t : tops) {
      if (t != hwnd && s.live.Contains(t) && t->owner == hwnd) DestroyWindow(t);
    }
    if (!s.live.Contains(hwnd)) return TRUE;
  }
  if (IsShowing(hwnd) && !IsTopLevel(hwnd)) InvalidateParentArea(hwnd);
  if (s.capture != nullptr && IsSelfOrDescendant(hwnd, s.capture)) ReleaseCapture();
  if (s.focus != nullptr && IsSelfOrDescendant(hwnd, s.focus)) {
    HWND old = s.focus;
    s.focus = nullptr;
    if (IsLive(old)) SendMessageA(old, WM_KILLFOCUS, 0, 0);
  }
  if (IsTopLevel(hwnd) && hwnd->hostId != host::kNoSurface) {
    if (IsShowing(hwnd)) InvalidateCovered(hwnd, hwnd->rect);
    s.host->Show(hwnd->hostId, false);
  }
  const bool wasActive = s.active == hwnd;
  SendDestroy(hwnd);
  if (!s.live.Contains(hwnd)) return TRUE;
  // From here on the window takes no more messages but its last.
  std::vector<HWND> stack{hwnd};
  while (!stack.empty()) {
    HWND w = stack.back();
    stack.pop_back();
    w->destroying = true;
    stack.insert(stack.end(), w->children.begin(), w->children.end());
  }
  HWND owner = IsTopLevel(hwnd) ? hwnd->owner : nullptr;
  SendNcDestroyAndFree(hwnd);
  if (wasActive && IsLive(owner) && IsWindowEnabled(owner)) SetActiveWindow(owner);
  return TRUE;
}

BOOL IsWindow(HWND hwnd) { return IsLive(hwnd) ? TRUE : FALSE; }

BOOL IsChild(HWND parent, HWND hwnd) {
  if (!IsLive(parent) || !IsLive(hwnd) || parent == hwnd) return FALSE;
  return IsSelfOrDescendant(parent, hwnd) ? TRUE : FALSE;
}

HWND GetParent(HWND hwnd) {
  if (!IsLive(hwnd)) return nullptr;
  return hwnd->parent != nullptr ? hwnd->parent : hwnd->owner;
}

bool IsSelfOrDescendant(HWND ancestor, HWND hwnd) {
  for (HWND w = hwnd; w != nullptr; w = w->parent) {
    if (w == ancestor) return true;
  }
  return false;
}

HWND TopLevelOf(HWND hwnd) {
  while (hwnd != nullptr && hwnd->parent != nullptr) hwnd = hwnd->parent;
  return hwnd;
}

HWND GetAncestorTopLevel(HWND hwnd) { return IsLive(hwnd) ? TopLevelOf(hwnd) : nullptr; }

HWND GetWindow(HWND hwnd, UINT relation) {
  if (!IsLive(hwnd)) return nullptr;
  if (relation == GW_OWNER) return hwnd->owner;
  if (relation == GW_CHILD) return hwnd->children.empty() ? nullptr : hwnd->children.front();
  const std::vector<HWND>& sib = hwnd->parent != nullptr ? hwnd->parent->children : WM().topLevels;
  switch (relation) {
    case GW_HWNDFIRST:
      return sib.empty() ? nullptr : sib.front();
    case GW_HWNDLAST:
      return sib.empty() ? nullptr : sib.back();
    case GW_HWNDNEXT:
    case GW_HWNDPREV: {
      std::size_t i = hwnd->siblingHint;
      if (i >= sib.size() || sib[i] != hwnd) {
        i = static_cast<std::size_t>(std::find(sib.begin(), sib.end(), hwnd) - sib.begin());
        if (i == sib.size()) return nullptr;
        hwnd->siblingHint = i;
      }
      if (relation == GW_HWNDNEXT) return i + 1 < sib.size() ? sib[i + 1] : nullptr;
      return i > 0 ? sib[i - 1] : nullptr;
    }
    default:
      return nullptr;
  }
}

HWND GetTopWindow(HWND hwnd) {
  if (hwnd == nullptr) return WM().topLevels.empty() ? nullptr : WM().topLevels.back();
  return GetWindow(hwnd, GW_CHILD);
}

HWND GetDlgItem(HWND parent, int id) {
  if (!IsLive(parent)) return nullptr;
  for (HWND c : parent->children) {
    if (c->id == id && !c->destroying) return c;
  }
  return nullptr;
}

int GetDlgCtrlID(HWND hwnd) { return IsLive(hwnd) ? hwnd->id : 0; }

HWND FindWindowA(LPCSTR className, LPCSTR windowName) {
  const WindowClass* cls = className != nullptr ? FindWindowClass(className) : nullptr;
  if (className != nullptr && cls == nullptr) return nullptr;
  const std::vector<HWND>& tops = WM().topLevels;
  for (std::size_t i = tops.size(); i-- > 0;) {
    HWND t = tops[i];
    if (t->destroying || (cls != nullptr && t->cls != cls)) continue;
    if (windowName == nullptr || t->text == windowName) return t;
  }
  return nullptr;
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
  if (!IsLive(hwnd)) return FALSE;
  return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int GetWindowTextA(HWND hwnd, LPSTR buffer, int size) {
  if (!IsLive(hwnd) || buffer == nullptr || size <= 0) return 0;
  return static_cast<int>(
      SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd) {
  if (!IsLive(hwnd)) return 0;
  return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

// A window being destroyed still answers: its procedure frees its data on
// WM_NCDESTROY and must be able to read it there.
LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
  if (hwnd == nullptr || !WM().live.Contains(hwnd)) return 0;
  switch (index) {
    case GWL_WNDPROC:
      return reinterpret_cast<LONG_PTR>(hwnd->proc);
    case GWL_ID:
      return hwnd->id;
    case GWL_STYLE:
      return static_cast<LONG_PTR>(hwnd->style);
    case GWL_EXSTYLE:
      return static_cast<LONG_PTR>(hwnd->exStyle);
    case GWL_USERDATA:
      return hwnd->userData;
    default:
      break;
  }
  if (index >= 0 && index % 8 == 0 && static_cast<size_t>(index / 8) < hwnd->extra.size()) {
    return hwnd->extra[static_cast<size_t>(index / 8)];
  }
  return 0;
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
  if (hwnd == nullptr || !WM().live.Contains(hwnd)) return 0;
  const LONG_PTR old = GetWindowLongPtrA(hwnd, index);
  switch (index) {
    case GWL_WNDPROC:
      if (value != 0) hwnd->proc = reinterpret_cast<WNDPROC>(value);
      return old;
    case GWL_ID:
      hwnd->id = static_cast<int>(value);
      return old;
    case GWL_STYLE:
      // Visibility and enabling change only through ShowWindow and
      // EnableWindow, which keep focus, capture and painting right.
      hwnd->style = (static_cast<DWORD>(value) & ~(WS_VISIBLE | WS_DISABLED | WS_CHILD)) |
                    (hwnd->style & (WS_VISIBLE | WS_DISABLED | WS_CHILD));
      return old;
    case GWL_EXSTYLE:
      hwnd->exStyle = static_cast<DWORD>(value);
      return old;
    case GWL_USERDATA:
      hwnd->userData = value;
      return old;
    default:
      break;
  }
  if (index >= 0 && index % 8 == 0 && static_cast<size_t>(index / 8) < hwnd->extra.size()) {
    hwnd->extra[static_cast<size_t>(index / 8)] = value;
  }
  return old;
}

LONG GetWindowLongA(HWND hwnd, int index) {
  return static_cast<LONG>(GetWindowLongPtrA(hwnd, index));
}

LONG SetWindowLongA(HWND hwnd, int index, LONG value) {
  return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, value));
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (proc == nullptr) return 0;
  return proc(hwnd, message, wParam, lParam);
}

bool IsPaintTransparent(HWND hwnd) {
  if ((hwnd->exStyle & WS_EX_TRANSPARENT) != 0) return true;
  return hwnd->cls != nullptr && hwnd->cls->isTransparent != nullptr &&
         hwnd->cls->isTransparent(hwnd->style);
}
