// What stands behind an HWND, and the window manager's shared state. For the
// parts of the system tier that build on the window manager (controls,
// menus, the dialog manager); the program never sees it.
#pragma once

#include <pixman.h>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/win/gdi/surface.h"
#include "platform/win/pointer_table.h"
#include "platform/win/wm/user.h"

struct WindowClass {
  WNDCLASSA wc{};
  std::string name;
  std::string menuName;
  // Whether a window of the class with this style lets its parent paint
  // beneath it and the mouse through it; null for none (SetClassTransparency).
  bool (*isTransparent)(DWORD style) = nullptr;
};

struct HWND__ {
  HWND__();
  ~HWND__();
  HWND__(const HWND__&) = delete;
  HWND__& operator=(const HWND__&) = delete;

  const WindowClass* cls = nullptr;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  int id = 0;
  std::string text;
  HWND parent = nullptr;       // children only
  HWND owner = nullptr;        // top-level windows only
  std::vector<HWND> children;  // topmost first
  // Where this window last stood among its siblings: walking them with
  // GetWindow asks after every one (the idle work does it after every step).
  std::size_t siblingHint = 0;
  // A child's rectangle is in its parent's client coordinates; a top-level
  // window's is its outer rectangle on the screen.
  RECT rect{};
  std::vector<LONG_PTR> extra;  // the class's window data, 8 bytes a slot
  LONG_PTR userData = 0;

  // Top-level windows.
  Surface* surface = nullptr;
  host::SurfaceId hostId = host::kNoSurface;
  HMENU menu = nullptr;
  RECT restoreRect{};  // outer rectangle to come back to from maximized
  UINT sizeState = SIZE_RESTORED;
  UINT sizeBeforeMinimize = SIZE_RESTORED;
  SIZE hostSize{};  // the surface size the host last reported, 0 before any
  bool shownOnce = false;
  bool ncDirty = false;  // the menu bar needs drawing
  HWND lastFocus = nullptr;

  // Painting: the update region is in client coordinates.
  pixman_region32_t update;
  bool erase = false;
  bool beganPaint = false;
  bool destroying = false;
};

struct Timer {
  HWND hwnd;
  UINT_PTR id;
  UINT elapse;
  std::uint64_t due;
  TIMERPROC proc;
};

struct MenuHooks {
  // Draws the menu bar of a top-level window into `hdc`, whose origin is the
  // top-left of the bar.
  void (*paintBar)(HWND top, HDC hdc, int width, int height) = nullptr;
  // Runs the menu loop: `mode` 0 for a press on the bar at `screenPoint`,
  // 1 to open from the keyboard with mnemonic `key` (0: just select the bar).
  void (*track)(HWND top, int mode, POINT screenPoint, int key) = nullptr;
};

struct Session {
  host::IHost* host = nullptr;
  std::vector<std::unique_ptr<WindowClass>> classes;
  CPointerTable<bool> live;
  std::vector<HWND> topLevels;  // creation order
  std::unordered_map<host::SurfaceId, HWND> bySurface;
  HWND focus = nullptr;
  HWND capture = nullptr;
  HWND active = nullptr;
  std::deque<MSG> queue;
  // Host events not yet turned into messages: input is routed only when the
  // program takes it, so that a press can take the capture before the
  // moves after it are routed.
  std::deque<host::Event> pendingInput;
  bool quitPosted = false;
  int quitCode = 0;
  std::vector<Timer> timers;
  WindowCreateHook createHook = nullptr;
  void* createHookContext = nullptr;
  MenuHooks menuHooks;
  int pendingPaints = 0;       // windows with a non-empty update region or menu bar to draw
  HWND lastToPaint = nullptr;  // the window whose update region was last made non-empty
  DWORD messageTime = 0;
  POINT cursor{};  // screen
  unsigned char keys[256] = {};
  unsigned buttons = 0;   // MK_LBUTTON | MK_RBUTTON | MK_MBUTTON held
  bool altAlone = false;  // Alt went down and no other key since
  // A right click asks for a context menu only when its press and its
  // release reach the same window: the window the press went to, then the
  // one whose release follows it.
  HWND rightPressed = nullptr;
  HWND rightClicked = nullptr;
  bool raiseOnActivate = true;  // false while following the host's own focus change
  bool presentedOnce = false;
  std::uint64_t lastPresent = 0;
};

// The window manager alone, without the system's control classes and menus
// (InitWindowSystem is both); tests of the window manager use these.
void InitWindowManager(host::IHost* host);
void ShutdownWindowManager();

// The session of the running window system. Functions called before
// start-up (or after shut-down) get an empty one rather than none; without a
// host nothing can be shown. Inline, with IsLive, because every public call
// of the layer starts with them.
extern Session* g_wmSession;
Session& IdleSession();
inline Session& WM() { return g_wmSession != nullptr ? *g_wmSession : IdleSession(); }
const WindowClass* FindWindowClass(LPCSTR name);
// A window that exists and is not yet destroyed.
inline bool IsLive(HWND hwnd) {
  return hwnd != nullptr && WM().live.Contains(hwnd) && !hwnd->destroying;
}
inline bool IsTopLevel(HWND hwnd) { return (hwnd->style & WS_CHILD) == 0; }
HWND TopLevelOf(HWND hwnd);
// Whether `hwnd` is `ancestor` or lies anywhere inside it.
bool IsSelfOrDescendant(HWND ancestor, HWND hwnd);
// Whether the window lets its parent draw beneath it and clicks through
// it, as its class said at registration (a group box does).
bool IsPaintTransparent(HWND hwnd);
// Says which windows of a registered class are transparent: those whose
// style `isTransparent` accepts. FALSE when no such class is registered.
BOOL SetClassTransparency(LPCSTR className, bool (*isTransparent)(DWORD style));
// Whether the window is of the registered class `name`.
inline bool IsOfClass(HWND hwnd, LPCSTR name) {
  return hwnd->cls != nullptr && hwnd->cls == FindWindowClass(name);
}
// Visible here and in every ancestor, and not on a minimized top-level window.
bool IsShowing(HWND hwnd);
// Where the window's client (0, 0) lies on its top-level surface.
POINT ClientOriginInSurface(HWND hwnd);
SIZE ClientSize(HWND hwnd);
int MenuBarHeight(HWND top);
void SetMenuHooks(const MenuHooks& hooks);

// Update regions (paint.cpp).
void AddToUpdate(HWND hwnd, const pixman_region32_t* clientRegion, bool erase);
void InvalidateParentArea(HWND hwnd);  // the area a child covers, in its parent
void ClearUpdate(HWND hwnd);
void ClearUpdateTree(HWND hwnd);  // a window that stops showing has nothing to paint
void PaintNonClient(HWND top);    // the menu bar, if it needs it
// Surface coordinates; only what lies within `within` when it is given.
void VisibleRegion(HWND hwnd, pixman_region32_t* out, const pixman_box32_t* within = nullptr);
HWND FindWindowToPaint(HWND filter, bool* nonClient);

// Presentation (queue.cpp): hands dirty surfaces to the host, at most once a
// display frame unless `blocking`, which is what the program is about to do.
void PresentSurfaces(bool blocking);

// Input (input.cpp): turns one host event into queued messages.
void HandleHostEvent(const host::Event& event);
// Host input taken but not yet handled by the program: raw events, or
// routed input messages still in the queue.
bool InputPending();
void PostInput(const MSG& msg);

// Among other windows (desktop.cpp). DescribeToHost tells the host what a
// new top-level window is (dialog or not, its owner, its title-bar buttons,
// its icon). The Follow functions take what the host reports the window
// manager did, in surface pixels on the screen. InvalidateCovered marks for
// painting what `gone`, whose outer rectangle on the screen was `outer`,
// covered of every other showing top-level window but those it owns.
// EnabledOwnedBy is the window that answers for `top`: itself, or the
// enabled dialog it waits on; BringForward activates and raises that one.
void DescribeToHost(HWND top);
void FollowHostMove(HWND top, int x, int y);
void FollowHostResize(HWND top, int width, int height);
void FollowHostState(HWND top);  // after a new size state that the host reported
void InvalidateCovered(HWND gone, const RECT& outer);
HWND EnabledOwnedBy(HWND top);
void BringForward(HWND top);

// Geometry (window.cpp).
void ApplySizeState(HWND top, UINT state, bool fromHost);
int NonClientTop(DWORD style);     // caption + border above the surface
int NonClientBorder(DWORD style);  // border on each side
