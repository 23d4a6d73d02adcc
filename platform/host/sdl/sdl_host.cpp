#include "platform/host/sdl/sdl_host.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <poll.h>
#endif

#include "platform/host/sdl/sdl_blit.h"
#include "platform/host/sdl/sdl_display.h"
#include "platform/host/sdl/sdl_events.h"
#include "platform/host/sdl/sdl_keys.h"
#include "platform/host/sdl/sdl_scale.h"
#include "platform/host/sdl/sdl_x11.h"

namespace host {
namespace {

// Beyond this SDL and the window systems refuse windows anyway.
constexpr int kMaxWindowSide = 16384;

bool g_hostAlive = false;

int ClampSide(int side) { return std::clamp(side, 1, kMaxWindowSide); }

// Screen pixels to surface pixels: the surface pixel whose block holds the
// screen pixel, also left of and above a window, where a drag that left it
// goes on.
int FloorDiv(long long value, int divisor) {
  const long long quotient = value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
  return static_cast<int>(std::clamp<long long>(quotient, INT_MIN, INT_MAX));
}
int CeilDiv(long long value, int divisor) { return -FloorDiv(-value, divisor); }

int FrameIntervalOfDisplay() {
  SDL_DisplayMode mode;
  if (SDL_GetCurrentDisplayMode(0, &mode) != 0 || mode.refresh_rate <= 0) return 16;
  // Rounded down, so that presenting never falls behind the display.
  return std::max(1, 1000 / mode.refresh_rate);
}

// SDL would put an OpenGL texture behind every window surface, even where
// the driver has a framebuffer of its own. For a program that draws every
// pixel itself that only adds a GL context, a full upload per update and
// llvmpipe on machines without a GPU; the driver's own (XShm on X11) copies
// just the rectangles presented. Elsewhere SDL's choice stands, and an
// SDL_FRAMEBUFFER_ACCELERATION set by the user overrides ours.
void PreferDriverFramebuffer(const char* driver) {
  const char* const own[] = {"x11", "windows", "offscreen", "dummy"};
  for (const char* name : own) {
    if (driver != nullptr && SDL_strcmp(driver, name) == 0) {
      SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
  }
}

std::unique_ptr<CSdlHost> Fail(std::string* error, std::string message) {
  if (error != nullptr) *error = std::move(message);
  return nullptr;
}

}  // namespace

CSdlHost::CSdlHost() = default;

std::unique_ptr<CSdlHost> CSdlHost::Create(std::string* error) {
  if (g_hostAlive) return Fail(error, "astrolathe: the SDL host is already running");
  const char* requested = std::getenv("SDL_VIDEODRIVER");
#if defined(__unix__) && !defined(__APPLE__) && !defined(__ANDROID__)
  std::string problem =
      NoDisplayBeforeInit(requested, std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
  if (!problem.empty()) return Fail(error, problem);
#endif
  // The layer captures the mouse itself; SDL's own capture would report a
  // drag that leaves one of two windows as happening in the wrong one.
  SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
  // The first click into an inactive window is a click, as on Windows.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // Closing the last window is the program's decision (it may ask first),
  // so its close box must only ask, never end the session by itself.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    return Fail(error, std::string("astrolathe: cannot open the display (") + SDL_GetError() + ")");
  }
  std::string fallback = NoDisplayAfterInit(requested, SDL_GetCurrentVideoDriver());
  if (!fallback.empty()) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
    return Fail(error, fallback);
  }
  PreferDriverFramebuffer(SDL_GetCurrentVideoDriver());
  std::unique_ptr<CSdlHost> host(new CSdlHost());
  host->m_frameIntervalMs = FrameIntervalOfDisplay();
  g_hostAlive = true;
  return host;
}

CSdlHost::~CSdlHost() {
  for (auto& entry : m_windows) SDL_DestroyWindow(entry.second.window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  SDL_Quit();
  g_hostAlive = false;
}

CSdlHost::SWindow* CSdlHost::Find(SurfaceId id) {
  auto it = m_windows.find(id);
  return it == m_windows.end() ? nullptr : &it->second;
}

// The desktop's scale is read through the first window, since on X11 its
// resources come with SDL's connection to the display, which only a window
// hands out. The work area, not the whole screen, is what the main window
// has to fit in: beyond it, it would reach under the desktop's panels.
void CSdlHost::SettleScale(SDL_Window* window, int width, int height) {
  m_scaleSettled = true;
  SDL_Rect area{};
  if (SDL_GetDisplayUsableBounds(0, &area) != 0 && SDL_GetDisplayBounds(0, &area) != 0) area = {};
  const std::string dpi = X11XftDpi(window);
  m_scale = ChooseScale(std::getenv("GDK_SCALE"), dpi.c_str(), area.w, area.h, ClampSide(width),
                        ClampSide(height));
}

int CSdlHost::ScreenSide(int side) const {
  return static_cast<int>(
      std::min<long long>(static_cast<long long>(ClampSide(side)) * m_scale, kMaxWindowSide));
}

int CSdlHost::ToScreen(int coordinate, int phase) const {
  return static_cast<int>(std::clamp<long long>(
      static_cast<long long>(coordinate) * m_scale + phase, INT_MIN, INT_MAX));
}

void CSdlHost::TakeScreenPosition(SWindow* window, int x, int y) const {
  window->x = FloorDiv(x, m_scale);
  window->y = FloorDiv(y, m_scale);
  window->phaseX = static_cast<int>(x - static_cast<long long>(window->x) * m_scale);
  window->phaseY = static_cast<int>(y - static_cast<long long>(window->y) * m_scale);
}

SurfaceId CSdlHost::CreateSurface(int width, int height, const std::string& caption) {
  if (m_nextId == kNoSurface) return kNoSurface;
  SDL_Window* window =
      SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                       ScreenSide(width), ScreenSide(height), SDL_WINDOW_HIDDEN);
  if (window == nullptr) return kNoSurface;
  if (!m_scaleSettled) {
    SettleScale(window, width, height);
    // Still hidden, so nobody sees it grow; SDL centred it for its old
    // size, and so it is centred again for the new one.
    if (m_scale > 1) {
      SDL_SetWindowSize(window, ScreenSide(width), ScreenSide(height));
      SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
  }
  PositionX11WindowByClient(window);
  const SurfaceId id = m_nextId++;
  SWindow& made = m_windows[id];
  made.window = window;
  int x = 0;
  int y = 0;
  SDL_GetWindowPosition(window, &x, &y);
  TakeScreenPosition(&made, x, y);
  m_byWindowId[SDL_GetWindowID(window)] = id;
  return id;
}

void CSdlHost::DestroySurface(SurfaceId id) {
  SWindow* window = Find(id);
  if (window == nullptr) return;
  m_byWindowId.erase(SDL_GetWindowID(window->window));
  SDL_DestroyWindow(window->window);
  m_windows.erase(id);
}

void CSdlHost::SetCaption(SurfaceId id, const std::string& utf8) {
  if (SWindow* window = Find(id)) SDL_SetWindowTitle(window->window, utf8.c_str());
}

void CSdlHost::Show(SurfaceId id, bool visible) {
  SWindow* window = Find(id);
  if (window == nullptr) return;
  if (visible && window->role.kind == SurfaceKind::kPopup) {
    // Without a window manager SDL gives every window it shows the
    // keyboard; a pop-up leaves it with the window that had it.
    SDL_Window* had = SDL_GetKeyboardFocus();
    SDL_ShowWindow(window->window);
    if (had != nullptr && had != window->window) SDL_SetWindowInputFocus(had);
  } else if (visible) {
    SDL_ShowWindow(window->window);
  } else {
    SDL_HideWindow(window->window);
  }
}

void CSdlHost::Resize(SurfaceId id, int width, int height) {
  SWindow* window = Find(id);
  if (window == nullptr) return;
  // A window the user may not resize but the window manager may maximize
  // can still be made no smaller than the program makes it.
  if (!window->role.sizingBorder && window->state == SurfaceState::kNormal) {
    SDL_SetWindowMinimumSize(window->window, ScreenSide(width), ScreenSide(height));
  }
  SDL_SetWindowSize(window->window, ScreenSide(width), ScreenSide(height));
}

void CSdlHost::SetPosition(SurfaceId id, int x, int y) {
  SWindow* window = Find(id);
  if (window == nullptr) return;
  // A window with an owner goes on the owner's blocks, so that a menu or a
  // dialog lines up with the pixels of the window it belongs to, wherever
  // the window manager put that one.
  const SWindow* owner = window->role.owner != id ? Find(window->role.owner) : nullptr;
  window->phaseX = owner != nullptr ? owner->phaseX : 0;
  window->phaseY = owner != nullptr ? owner->phaseY : 0;
  window->x = x;
  window->y = y;
  const int screen_x = ToScreen(x, window->phaseX);
  const int screen_y = ToScreen(y, window->phaseY);
  // SDL takes the window manager's frame off the position it is given,
  // once it knows the frame, as if the frame were placed; ours is the
  // client area's own (see PositionX11WindowByClient).
  if (!MoveX11Window(window->window, screen_x, screen_y)) {
    SDL_SetWindowPosition(window->window, screen_x, screen_y);
  }
}

void CSdlHost::GetPosition(SurfaceId id, int* x, int* y) {
  const SWindow* window = Find(id);
  if (x != nullptr) *x = window != nullptr ? window->x : 0;
  if (y != nullptr) *y = window != nullptr ? window->y : 0;
}

void CSdlHost::SetState(SurfaceId id, SurfaceState state) {
  SWindow* window = Find(id);
  if (window == nullptr) return;
  window->state = state;
  switch (state) {
    case SurfaceState::kMinimized:
      SDL_MinimizeWindow(window->window);
      break;
    case SurfaceState::kMaximized:
      SDL_MaximizeWindow(window->window);
      break;
    case SurfaceState::kNormal:
      SDL_RestoreWindow(window->window);
      break;
  }
}

void CSdlHost::Raise(SurfaceId id) {
  SWindow* window = Find(id);
  if (window == nullptr) return;
  SDL_RaiseWindow(window->window);
  // Focusing a window that is not mapped is an error on X11.
  if ((SDL_GetWindowFlags(window->window) & SDL_WINDOW_SHOWN) != 0) {
    SDL_SetWindowInputFocus(window->window);
  }
}

void CSdlHost::SetRole(SurfaceId id, const SurfaceRole& role) {
  SWindow* window = Find(id);
  if (window == nullptr) return;
  window->role = role;
  if (role.kind == SurfaceKind::kPopup) {
    MakePopup(id, window);
    return;
  }
  // SDL fixes the size of a window that is not resizable, and X window
  // managers maximize no window of a fixed size.
  const bool resizable = role.sizingBorder || role.maximizeBox;
  SDL_SetWindowResizable(window->window, resizable ? SDL_TRUE : SDL_FALSE);
  if (resizable && !role.sizingBorder) {
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window->window, &w, &h);
    SDL_SetWindowMinimumSize(window->window, w, h);
  }
  if (SWindow* owner = role.owner != id ? Find(role.owner) : nullptr) {
    SDL_SetWindowModalFor(window->window, owner->window);
  }
  SetX11WindowRole(window->window, role);
}

void CSdlHost::MakePopup(SurfaceId id, SWindow* window) {
  // SDL makes a window a pop-up (override-redirect on X11: no frame, no
  // place in the task list, never given the keyboard by the window
  // manager) only when it creates it, so the hidden window is made anew.
  int w = 0;
  int h = 0;
  SDL_GetWindowSize(window->window, &w, &h);
  SDL_Window* popup = SDL_CreateWindow(
      SDL_GetWindowTitle(window->window), ToScreen(window->x, window->phaseX),
      ToScreen(window->y, window->phaseY), w, h,
      SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR);
  if (popup == nullptr) return;  // it stays an ordinary window
  m_byWindowId.erase(SDL_GetWindowID(window->window));
  SDL_DestroyWindow(window->window);
  window->window = popup;
  m_byWindowId[SDL_GetWindowID(popup)] = id;
}

void CSdlHost::SetIcon(SurfaceId id, const IconImage* images, int count) {
  SWindow* window = Find(id);
  if (window == nullptr || SetX11WindowIcon(window->window, images, count)) return;
  // Elsewhere SDL takes one image: the largest.
  const IconImage* best = nullptr;
  for (int i = 0; images != nullptr && i < count; ++i) {
    if (images[i].argb != nullptr && images[i].width > 0 && images[i].height > 0 &&
        (best == nullptr || images[i].width > best->width)) {
      best = &images[i];
    }
  }
  if (best == nullptr) return;
  std::vector<std::uint32_t> copy(
      best->argb, best->argb + static_cast<std::size_t>(best->width) * best->height);
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(copy.data(), best->width, best->height, 32,
                                                         best->width * 4, SDL_PIXELFORMAT_ARGB8888);
  if (icon == nullptr) return;
  SDL_SetWindowIcon(window->window, icon);
  SDL_FreeSurface(icon);
}

void CSdlHost::Present(SurfaceId id, const std::uint32_t* pixels, int width, int height, int stride,
                       const Rect* rects, int count) {
  SWindow* window = Find(id);
  if (window == nullptr || pixels == nullptr || rects == nullptr || count <= 0 || width <= 0 ||
      height <= 0 || stride % 4 != 0 || stride / 4 < width) {
    return;
  }
  // SDL makes a new surface when the window's size changed and hands back
  // the same one otherwise, so asking every time is both cheap and safe.
  SDL_Surface* target = SDL_GetWindowSurface(window->window);
  if (target == nullptr) return;
  if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return;
  m_updateRects.clear();
  // The part of the surface the window shows: all of it, unless the window
  // manager made the window smaller and the layer has yet to follow.
  const int n = m_scale;
  const int shown_width = std::min(width, CeilDiv(target->w, n));
  const int shown_height = std::min(height, CeilDiv(target->h, n));
  // A window manager may give a size that is no multiple of the scale (a
  // maximized window): the surface's last column and row fill the strip
  // left over, rather than leave it unpainted.
  const bool fill_right = target->w / n == width;
  const bool fill_bottom = target->h / n == height;
  for (int i = 0; i < count; ++i) {
    Rect clipped{};
    if (!ClipRect(rects[i], shown_width, shown_height, &clipped)) continue;
    const int right = clipped.x + clipped.width;
    const int bottom = clipped.y + clipped.height;
    const int screen_right =
        fill_right && right == width ? target->w : std::min(right * n, target->w);
    const int screen_bottom =
        fill_bottom && bottom == height ? target->h : std::min(bottom * n, target->h);
    const SDL_Rect on_screen{clipped.x * n, clipped.y * n, screen_right - clipped.x * n,
                             screen_bottom - clipped.y * n};
    if (!BlitScaledToSurface(target, pixels, stride, clipped, n, on_screen.w, on_screen.h)) break;
    m_updateRects.push_back(on_screen);
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  if (!m_updateRects.empty()) {
    SDL_UpdateWindowSurfaceRects(window->window, m_updateRects.data(),
                                 static_cast<int>(m_updateRects.size()));
  }
}

bool CSdlHost::Deliver(const SDL_Event& sdl, Event* event) {
  Uint32 window_id = 0;
  if (!TranslateSdlEvent(sdl, ModifiersFromSdl(SDL_GetModState()), event, &window_id)) {
    return false;
  }
  if (event->type == EventType::kQuit) return true;
  const auto it = m_byWindowId.find(window_id);
  if (it == m_byWindowId.end()) return false;
  event->surface = it->second;
  ToSurfacePixels(event);
  SWindow* window = Find(it->second);
  SurfaceState state{};
  switch (event->type) {
    case EventType::kMoved:
      TakeScreenPosition(window, event->x, event->y);
      event->x = window->x;
      event->y = window->y;
      return true;
    case EventType::kMinimized:
      state = SurfaceState::kMinimized;
      break;
    case EventType::kMaximized:
      state = SurfaceState::kMaximized;
      break;
    case EventType::kRestored:
      state = SurfaceState::kNormal;
      break;
    default:
      return true;
  }
  if (state == window->state) return false;
  window->state = state;
  return true;
}

void CSdlHost::ToSurfacePixels(Event* event) const {
  if (m_scale == 1) return;
  switch (event->type) {
    case EventType::kMouseMove:
    case EventType::kMouseDown:
    case EventType::kMouseUp:
    case EventType::kMouseWheel:
      event->x = FloorDiv(event->x, m_scale);
      event->y = FloorDiv(event->y, m_scale);
      return;
    case EventType::kResized:
      // A window has a size of at least one surface pixel, however thin
      // the window manager made it.
      event->width = std::max(1, FloorDiv(event->width, m_scale));
      event->height = std::max(1, FloorDiv(event->height, m_scale));
      return;
    default:
      return;
  }
}

bool CSdlHost::PollEvent(Event* event) {
  if (event == nullptr) return false;
  // Asking the display server costs microseconds, and a busy loop asks many
  // times a millisecond: events already fetched are handed out at once, and
  // the server is asked again at most once a millisecond, which no user can
  // tell from at once.
  SDL_Event sdl;
  const Uint64 now = SDL_GetTicks64();
  if (now != m_lastPump) {
    m_lastPump = now;
    SDL_PumpEvents();
  }
  while (SDL_PeepEvents(&sdl, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
    if (Deliver(sdl, event)) return true;
  }
  return false;
}

bool CSdlHost::WaitEvent(Event* event, int timeout_ms) {
  if (event == nullptr) return false;
  if (timeout_ms == 0) return PollEvent(event);
  const int fd = DisplayConnection();
  if (fd < 0) return WaitEventThroughSdl(event, timeout_ms);
  const Uint64 deadline = SDL_GetTicks64() + static_cast<Uint64>(std::max(timeout_ms, 0));
  for (;;) {
    // Pumping flushes what was drawn and reads what arrived; only with
    // nothing left to hand out does the wait begin.
    m_lastPump = SDL_GetTicks64();
    SDL_PumpEvents();
    SDL_Event sdl;
    while (SDL_PeepEvents(&sdl, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
      if (Deliver(sdl, event)) return true;
    }
    int wait = -1;
    if (timeout_ms > 0) {
      const Uint64 now = SDL_GetTicks64();
      if (now >= deadline) return false;
      wait = static_cast<int>(deadline - now);
    }
    pollfd connection{fd, POLLIN, 0};
    if (poll(&connection, 1, wait) < 0 && errno != EINTR) return false;
  }
}

// SDL's own wait, where there is no connection of ours to wait on.
bool CSdlHost::WaitEventThroughSdl(Event* event, int timeout_ms) {
  SDL_Event sdl;
  if (timeout_ms < 0) {
    while (SDL_WaitEvent(&sdl) != 0) {
      if (Deliver(sdl, event)) return true;
    }
    return false;
  }
  // Dropped events must not stretch the wait beyond what was asked.
  const Uint64 deadline = SDL_GetTicks64() + static_cast<Uint64>(timeout_ms);
  for (Uint64 now = SDL_GetTicks64(); now < deadline; now = SDL_GetTicks64()) {
    if (SDL_WaitEventTimeout(&sdl, static_cast<int>(deadline - now)) == 0) return false;
    if (Deliver(sdl, event)) return true;
  }
  return false;
}

// The X11 connection's descriptor, or -1 (another driver, or no window yet
// to ask). SDL's own wait on X11 wakes itself by sending an event to one of
// our windows over a second connection; when the program destroys that
// window just then (a dialog closing, the program ending), the send reaches
// the server after the window is gone and Xlib's default error handler ends
// the process with status 1. Waiting on the connection ourselves sends
// nothing.
int CSdlHost::DisplayConnection() {
#if defined(SDL_VIDEO_DRIVER_X11)
  if (m_displayFd >= 0) return m_displayFd;
  if (m_windows.empty()) return -1;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(m_windows.begin()->second.window, &info) != SDL_TRUE ||
      info.subsystem != SDL_SYSWM_X11 || info.info.x11.display == nullptr) {
    return -1;
  }
  m_displayFd = ConnectionNumber(info.info.x11.display);
  return m_displayFd;
#else
  return -1;
#endif
}

std::uint64_t CSdlHost::NowMs() { return SDL_GetTicks64(); }

std::string CSdlHost::GetClipboardText() {
  char* text = SDL_GetClipboardText();
  if (text == nullptr) return {};
  std::string result(text);
  SDL_free(text);
  return result;
}

void CSdlHost::SetClipboardText(const std::string& utf8) { SDL_SetClipboardText(utf8.c_str()); }

Rect CSdlHost::GetWorkArea() {
  SDL_Rect bounds;
  if (SDL_GetDisplayUsableBounds(0, &bounds) != 0 && SDL_GetDisplayBounds(0, &bounds) != 0) {
    return {0, 0, 1024, 768};
  }
  // The surface pixels wholly inside it.
  const int left = CeilDiv(bounds.x, m_scale);
  const int top = CeilDiv(bounds.y, m_scale);
  const int right = FloorDiv(static_cast<long long>(bounds.x) + bounds.w, m_scale);
  const int bottom = FloorDiv(static_cast<long long>(bounds.y) + bounds.h, m_scale);
  return {left, top, right - left, bottom - top};
}

std::uint32_t CSdlHost::WindowIdOf(SurfaceId id) const {
  const auto it = m_windows.find(id);
  return it == m_windows.end() ? 0 : SDL_GetWindowID(it->second.window);
}

}  // namespace host
