// What a window does with a message its own procedure leaves alone.
#include <algorithm>
#include <cstring>

#include "platform/win/wm/wnd.h"

namespace {

HBRUSH ClassBrush(HWND hwnd) {
  HBRUSH b = hwnd->cls->wc.hbrBackground;
  const auto v = reinterpret_cast<UINT_PTR>(b);
  // A small number stands for a system colour plus one, as classes give it.
  if (v != 0 && v <= 31) return GetSysColorBrush(static_cast<int>(v - 1));
  return b;
}

LRESULT SetText(HWND hwnd, LPCSTR text) {
  hwnd->text = text != nullptr ? text : "";
  if (IsTopLevel(hwnd) && WM().host != nullptr) WM().host->SetCaption(hwnd->hostId, hwnd->text);
  return TRUE;
}

}  // namespace

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Session& s = WM();
  if (hwnd == nullptr || !s.live.Contains(hwnd)) return 0;
  switch (message) {
    case WM_NCCREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (cs != nullptr && cs->lpszName != nullptr && !IS_INTRESOURCE(cs->lpszName)) {
        SetText(hwnd, cs->lpszName);
      }
      return TRUE;
    }
    case WM_SETTEXT:
      return SetText(hwnd, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<LPSTR>(lParam);
      const int size = static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFF));
      if (buffer == nullptr || size <= 0) return 0;
      const int n = std::min(static_cast<int>(hwnd->text.size()), size - 1);
      std::memcpy(buffer, hwnd->text.data(), static_cast<size_t>(n));
      buffer[n] = '\0';
      return n;
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(hwnd->text.size());
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_NCPAINT:
      if (IsTopLevel(hwnd)) PaintNonClient(hwnd);
      return 0;
    case WM_MOUSEWHEEL: {
      // The wheel goes to the window under the pointer. Left alone there it
      // goes up to the parent, and from the top-level window once to the
      // control that has the keyboard focus, so that a focused slider moves
      // wherever the pointer is.
      if (!IsTopLevel(hwnd)) return SendMessageA(hwnd->parent, message, wParam, lParam);
      static bool toFocus = false;
      HWND focus = s.focus;
      if (toFocus || !IsLive(focus) || focus == hwnd || TopLevelOf(focus) != hwnd) return 0;
      toFocus = true;
      const LRESULT result = SendMessageA(focus, message, wParam, lParam);
      toFocus = false;
      return result;
    }
    case WM_ERASEBKGND: {
      HBRUSH brush = ClassBrush(hwnd);
      if (brush == nullptr) return 0;
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
      return 1;
    }
    case WM_NCHITTEST:
      return HTCLIENT;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0U) {
        case SC_CLOSE:
          SendMessageA(hwnd, WM_CLOSE, 0, 0);
          break;
        case SC_MINIMIZE:
          ShowWindow(hwnd, SW_MINIMIZE);
          break;
        case SC_MAXIMIZE:
          ShowWindow(hwnd, SW_MAXIMIZE);
          break;
        case SC_RESTORE:
          ShowWindow(hwnd, SW_RESTORE);
          break;
        default:
          break;
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && IsTopLevel(hwnd) && hwnd->sizeState != SIZE_MINIMIZED) {
        HWND want = hwnd->lastFocus;
        SetFocus(IsLive(want) && TopLevelOf(want) == hwnd ? want : hwnd);
      }
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_ACTIVATE;
    case WM_NCLBUTTONDOWN:
      if (wParam == HTMENU && IsTopLevel(hwnd) && hwnd->menu != nullptr &&
          s.menuHooks.track != nullptr) {
        s.menuHooks.track(hwnd, 0, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, 0);
      }
      return 0;
    case WM_SYSKEYDOWN:
      if (static_cast<int>(wParam) == VK_F10 && GetKeyState(VK_SHIFT) < 0) {
        // Shift+F10 is the keyboard's way to the context menu.
        SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), -1);
      } else if (static_cast<int>(wParam) == VK_F10) {
        HWND top = TopLevelOf(hwnd);
        if (top->menu != nullptr && s.menuHooks.track != nullptr) {
          s.menuHooks.track(top, 1, POINT{0, 0}, 0);
        }
      } else if (static_cast<int>(wParam) == VK_F4 && (lParam & (1L << 29)) != 0) {
        PostMessageA(TopLevelOf(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_SYSKEYUP:
      // Alt pressed and released alone selects the menu bar.
      if (static_cast<int>(wParam) == VK_MENU && s.altAlone) {
        s.altAlone = false;
        HWND top = TopLevelOf(hwnd);
        if (top->menu != nullptr && s.menuHooks.track != nullptr) {
          s.menuHooks.track(top, 1, POINT{0, 0}, 0);
        }
      }
      return 0;
    case WM_SYSCHAR: {
      HWND top = TopLevelOf(hwnd);
      if (top->menu != nullptr && s.menuHooks.track != nullptr) {
        s.menuHooks.track(top, 1, POINT{0, 0}, static_cast<int>(wParam));
      }
      return 0;
    }
    case WM_KEYDOWN:
      if (static_cast<int>(wParam) == VK_F1) SendMessageA(hwnd, WM_HELP, 0, 0);
      return 0;
    case WM_KEYUP:
      // The Menu key asks for the context menu where the keyboard is.
      if (static_cast<int>(wParam) == VK_APPS) {
        SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), -1);
      }
      return 0;
    case WM_RBUTTONUP:
      // A right click, pressed and released here, asks for the context menu
      // at the pointer, in screen coordinates.
      if (s.rightClicked == hwnd) {
        s.rightClicked = nullptr;
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &p);
        SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                     MAKELPARAM(static_cast<UINT>(p.x), static_cast<UINT>(p.y)));
      }
      return 0;
    case WM_CONTEXTMENU:
      // Left alone, it goes up to the parent, which may have a menu for
      // the whole of itself.
      if (hwnd->parent != nullptr) return SendMessageA(hwnd->parent, message, wParam, lParam);
      return 0;
    case WM_HELP:
      // Help goes up to whoever answers it: the frame, in the end.
      if (hwnd->parent != nullptr) return SendMessageA(hwnd->parent, WM_HELP, wParam, lParam);
      if (hwnd->owner != nullptr) return SendMessageA(hwnd->owner, WM_HELP, wParam, lParam);
      return 0;
    case WM_GETMINMAXINFO:
    case WM_CREATE:
    default:
      return 0;
  }
}
