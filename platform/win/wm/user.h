// The window manager's functions, as the classic user tier has them.
//
// Index
//   Start-up            GetWindowSystemHost
//   Classes             RegisterClassA, GetClassInfoA
//   Windows             CreateWindowExA, DestroyWindow, tree and geometry, text, styles
//   State               EnableWindow, ShowWindow, focus, capture, activation
//   Messages            SendMessageA, PostMessageA, PeekMessageA, GetMessageA, ...
//   Painting            InvalidateRect, ValidateRect, UpdateWindow, BeginPaint, GetDC
//   Timers              SetTimer, KillTimer
//   Rectangles          PtInRect, EqualRect, IntersectRect, ...
//
// One thread. Handles that are null or no longer name a window give the
// documented failure result (FALSE, 0, nullptr) and never fault.
#pragma once

#include "platform/host/host.h"
#include "platform/win/wingdi.h"
#include "platform/win/winuser.h"

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
};

struct WNDCLASSA {
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;  // bytes of window data, read with GetWindowLongPtrA(hwnd, 0, 8, ...)
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;  // a brush, or a COLOR_* index + 1
  LPCSTR lpszMenuName;
  LPCSTR lpszClassName;
};

struct CREATESTRUCTA {
  void* lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  LPCSTR lpszName;
  LPCSTR lpszClass;
  DWORD dwExStyle;
};

struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
  BOOL fRestore;
  BOOL fIncUpdate;
};

struct MINMAXINFO {
  POINT ptReserved;
  POINT ptMaxSize;
  POINT ptMaxPosition;
  POINT ptMinTrackSize;
  POINT ptMaxTrackSize;
};

inline constexpr UINT CS_VREDRAW = 0x0001;
inline constexpr UINT CS_HREDRAW = 0x0002;
inline constexpr UINT CS_DBLCLKS = 0x0008;

// SetWindowPos
inline const HWND HWND_TOP = nullptr;
inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT SWP_NOZORDER = 0x0004;
inline constexpr UINT SWP_NOREDRAW = 0x0008;
inline constexpr UINT SWP_NOACTIVATE = 0x0010;
inline constexpr UINT SWP_SHOWWINDOW = 0x0040;
inline constexpr UINT SWP_HIDEWINDOW = 0x0080;

// GetWindow
inline constexpr UINT GW_HWNDFIRST = 0;
inline constexpr UINT GW_HWNDLAST = 1;
inline constexpr UINT GW_HWNDNEXT = 2;
inline constexpr UINT GW_HWNDPREV = 3;
inline constexpr UINT GW_OWNER = 4;
inline constexpr UINT GW_CHILD = 5;

// RedrawWindow
inline constexpr UINT RDW_INVALIDATE = 0x0001;
inline constexpr UINT RDW_ERASE = 0x0004;
inline constexpr UINT RDW_ALLCHILDREN = 0x0080;
inline constexpr UINT RDW_UPDATENOW = 0x0100;
inline constexpr UINT RDW_FRAME = 0x0400;

inline constexpr UINT WA_INACTIVE = 0;
inline constexpr UINT WA_ACTIVE = 1;
inline constexpr UINT WA_CLICKACTIVE = 2;
inline constexpr UINT MA_ACTIVATE = 1;
inline constexpr UINT MA_NOACTIVATE = 3;

// Nominal frame of a captioned top-level window, which the host draws.
inline constexpr int kCaptionHeight = 19;
inline constexpr int kFrameBorder = 3;
inline constexpr int kMenuBarHeight = 19;

// ---- Start-up ----------------------------------------------------------------
// InitWindowSystem and ShutdownWindowSystem (platform/win/system/system.h) bring
// the whole system tier up and down; this is the host they were given.
host::IHost* GetWindowSystemHost();

// ---- Classes -------------------------------------------------------------------
// Class names compare without regard to case, as the system's do.
BOOL RegisterClassA(const WNDCLASSA* wc);
BOOL GetClassInfoA(HINSTANCE instance, LPCSTR className, WNDCLASSA* wc);
int GetClassNameA(HWND hwnd, LPSTR buffer, int size);

// ---- Windows -----------------------------------------------------------------------
// A window with WS_CHILD has a parent and lives in its client area; any other
// is top-level, shown by the host on a surface of its own, and `parent` is its
// owner. The rectangle of a top-level window is its outer one, caption and
// borders included (CW_USEDEFAULT lets the host place it). WM_NCCREATE and
// WM_CREATE are sent during creation; a -1 from WM_CREATE destroys the window
// and returns null. A new child goes to the bottom of its siblings' z-order,
// so the first one created is the topmost (and first in tab order).
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                     void* param);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);
BOOL IsChild(HWND parent, HWND hwnd);
HWND GetParent(HWND hwnd);  // a child's parent, or a top-level window's owner
HWND GetWindow(HWND hwnd, UINT relation);
HWND GetTopWindow(HWND hwnd);
HWND GetAncestorTopLevel(HWND hwnd);
HWND GetDlgItem(HWND parent, int id);
// The newest top-level window of class `className` captioned `windowName`;
// a null argument matches any.
HWND FindWindowA(LPCSTR className, LPCSTR windowName);
int GetDlgCtrlID(HWND hwnd);

// Called for each window right after it is allocated, before its first
// message; the framework uses it to attach its object to the new window.
using WindowCreateHook = void (*)(HWND hwnd, void* context);
void SetWindowCreateHook(WindowCreateHook hook, void* context);

BOOL SetWindowTextA(HWND hwnd, LPCSTR text);
int GetWindowTextA(HWND hwnd, LPSTR buffer, int size);
int GetWindowTextLengthA(HWND hwnd);

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index);
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value);
LONG GetWindowLongA(HWND hwnd, int index);
LONG SetWindowLongA(HWND hwnd, int index, LONG value);
LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Geometry. Client rectangles start at (0, 0). A child's window rectangle is
// reported in screen coordinates like any other.
BOOL GetClientRect(HWND hwnd, RECT* rect);
BOOL GetWindowRect(HWND hwnd, RECT* rect);
BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags);
HWND WindowFromPoint(POINT screenPoint);
HWND ChildWindowFromPoint(HWND parent, POINT clientPoint);

// ---- State ---------------------------------------------------------------------------
// A disabled window gets no input: clicks on a disabled child go to its
// parent, and input for a disabled top-level window is dropped.
BOOL EnableWindow(HWND hwnd, BOOL enable);  // returns whether it was disabled before
BOOL IsWindowEnabled(HWND hwnd);
BOOL ShowWindow(HWND hwnd, int command);  // returns whether it was visible before
BOOL IsWindowVisible(HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
short GetKeyState(int vkey);
BOOL GetCursorPos(POINT* point);

// ---- Messages -----------------------------------------------------------------------
// SendMessageA calls the window procedure at once. Posted messages and input
// wait in one queue; a WM_PAINT is made only when nothing else waits and a
// window has something to repaint, and a WM_TIMER only after that.
LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove);
BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax);  // FALSE at WM_QUIT
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
BOOL WaitMessage();
DWORD GetMessageTime();
DWORD GetTickCount();

// ---- Painting -----------------------------------------------------------------------
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);  // null rect: the client area
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND hwnd);
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);
// The menu bar of a top-level window needs drawing again.
BOOL DrawMenuBar(HWND hwnd);

// ---- Timers ---------------------------------------------------------------------------
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);

// ---- Rectangles -----------------------------------------------------------------------
// A point is inside when left <= x < right and top <= y < bottom.
BOOL PtInRect(const RECT* rect, POINT point);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL IsRectEmpty(const RECT* rect);
BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* rect);
BOOL CopyRect(RECT* dst, const RECT* src);
BOOL IntersectRect(RECT* dst, const RECT* a, const RECT* b);
BOOL UnionRect(RECT* dst, const RECT* a, const RECT* b);
BOOL OffsetRect(RECT* rect, int dx, int dy);
BOOL InflateRect(RECT* rect, int dx, int dy);
