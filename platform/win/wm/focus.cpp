// Enabling, keyboard focus, mouse capture and activation.
#include "platform/win/wm/wnd.h"

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Session& s = WM();
  if (!IsLive(hwnd)) return FALSE;
  const BOOL wasDisabled = (hwnd->style & WS_DISABLED) != 0 ? TRUE : FALSE;
  if ((enable != FALSE) == (wasDisabled == FALSE)) return wasDisabled;
  if (enable != FALSE) {
    hwnd->style &= ~WS_DISABLED;
  } else {
    hwnd->style |= WS_DISABLED;
    // A disabled window can hold neither the keyboard nor the mouse.
    if (s.focus != nullptr && IsSelfOrDescendant(hwnd, s.focus)) SetFocus(nullptr);
    if (s.capture != nullptr && IsSelfOrDescendant(hwnd, s.capture)) ReleaseCapture();
  }
  SendMessageA(hwnd, WM_ENABLE, enable != FALSE ? TRUE : FALSE, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  return IsLive(hwnd) && (hwnd->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

HWND SetFocus(HWND hwnd) {
  Session& s = WM();
  HWND old = s.focus;
  if (hwnd == nullptr) {
    s.focus = nullptr;
    if (IsLive(old)) SendMessageA(old, WM_KILLFOCUS, 0, 0);
    return old;
  }
  if (!IsLive(hwnd)) return nullptr;
  for (HWND w = hwnd; w != nullptr; w = w->parent) {
    if ((w->style & WS_DISABLED) != 0) return nullptr;
  }
  HWND top = TopLevelOf(hwnd);
  if (s.active != top) {
    SetActiveWindow(top);
    if (!IsLive(hwnd)) return nullptr;
    old = s.focus;
  }
  top->lastFocus = hwnd;
  if (old == hwnd) return old;
  s.focus = hwnd;
  if (IsLive(old)) SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (IsLive(hwnd) && s.focus == hwnd) {
    SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(IsLive(old) ? old : nullptr), 0);
  }
  return old;
}

HWND GetFocus() { return IsLive(WM().focus) ? WM().focus : nullptr; }

HWND SetCapture(HWND hwnd) {
  Session& s = WM();
  HWND old = s.capture;
  if (!IsLive(hwnd) || old == hwnd) return IsLive(old) ? old : nullptr;
  s.capture = hwnd;
  if (IsLive(old)) SendMessageA(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  return IsLive(old) ? old : nullptr;
}

BOOL ReleaseCapture() {
  Session& s = WM();
  HWND old = s.capture;
  s.capture = nullptr;
  if (IsLive(old)) SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() { return IsLive(WM().capture) ? WM().capture : nullptr; }

HWND SetActiveWindow(HWND hwnd) {
  Session& s = WM();
  HWND old = IsLive(s.active) ? s.active : nullptr;
  if (!IsLive(hwnd)) return old;
  HWND top = TopLevelOf(hwnd);
  // A window that never activates (a pop-up menu) leaves the keyboard
  // where it is.
  if (top == old || (top->style & WS_DISABLED) != 0 || (top->exStyle & WS_EX_NOACTIVATE) != 0 ||
      !IsShowing(top)) {
    return old;
  }
  if (old != nullptr) {
    SendMessageA(old, WM_NCACTIVATE, FALSE, 0);
    SendMessageA(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(top));
    if (s.focus != nullptr && IsLive(s.focus) && TopLevelOf(s.focus) == old) {
      old->lastFocus = s.focus;
      SetFocus(nullptr);
    }
  }
  if (!IsLive(top)) return old;
  s.active = top;
  if (s.host != nullptr && s.raiseOnActivate) s.host->Raise(top->hostId);
  SendMessageA(top, WM_NCACTIVATE, TRUE, 0);
  SendMessageA(top, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(old));
  return old;
}

HWND GetActiveWindow() { return IsLive(WM().active) ? WM().active : nullptr; }

BOOL SetForegroundWindow(HWND hwnd) {
  if (!IsLive(hwnd)) return FALSE;
  SetActiveWindow(hwnd);
  return TRUE;
}

short GetKeyState(int vkey) {
  if (vkey < 0 || vkey > 255) return 0;
  // The high bit says the key is down, as the system reports it.
  return (WM().keys[vkey] & 0x80U) != 0 ? static_cast<short>(-32768) : static_cast<short>(0);
}

BOOL GetCursorPos(POINT* point) {
  if (point == nullptr) return FALSE;
  *point = WM().cursor;
  return TRUE;
}
