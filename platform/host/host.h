// The host: whatever really shows the program's top-level windows and
// delivers input to them. The window-system layer above speaks only to this
// interface; `sdl` drives real windows, `headless` keeps everything in memory
// for tests and the scripted driver.
//
// Index
//   Event, EventType        input and window-manager happenings, per surface
//   Rect, ClipRect          rectangles of surface pixels
//   SurfaceRole, IconImage  what a surface is to the desktop's window manager
//   IHost                   surfaces, presentation, input, clock, clipboard
//
// Coordinates are surface pixels: (0, 0) is the top-left pixel of a surface,
// which holds a top-level window's menu bar and client area (the caption and
// borders are the host's own). Keys are Windows virtual-key numbers, so that
// the layer above needs no table of its own.
#pragma once

#include <cstdint>
#include <string>

namespace host {

using SurfaceId = std::uint32_t;  // 0 is no surface
inline constexpr SurfaceId kNoSurface = 0;

enum class EventType {
  kMouseMove,
  kMouseDown,
  kMouseUp,
  kMouseWheel,
  kKeyDown,
  kKeyUp,
  kText,          // typed characters, UTF-8, after keyboard layout
  kCloseRequest,  // the close box of a surface
  kFocusGained,
  kFocusLost,
  kExposed,    // the host lost the surface's pixels: present it all again
  kMinimized,  // the user minimized, maximized or restored through the
  kMaximized,  // host's own decorations
  kRestored,
  kMoved,    // the window manager put the surface elsewhere: x, y on the screen
  kResized,  // the window manager gave the surface another size: width, height
  kQuit,     // the session is ending (all windows, e.g. a signal)
};

enum class MouseButton { kLeft = 0, kRight = 1, kMiddle = 2 };

inline constexpr unsigned kModShift = 1U;
inline constexpr unsigned kModCtrl = 2U;
inline constexpr unsigned kModAlt = 4U;

struct Event {
  EventType type = EventType::kMouseMove;
  SurfaceId surface = kNoSurface;
  int x = 0;  // mouse position, surface pixels (all mouse events)
  int y = 0;
  MouseButton button = MouseButton::kLeft;  // kMouseDown, kMouseUp
  int wheel = 0;                            // notches, positive away from the user
  int vkey = 0;                             // kKeyDown, kKeyUp
  bool repeat = false;                      // kKeyDown from auto-repeat
  unsigned modifiers = 0;                   // kMod* bits held at the time
  char text[32] = {};                       // kText: UTF-8, NUL-terminated
  int width = 0;                            // kResized
  int height = 0;
};

struct Rect {
  int x;
  int y;
  int width;
  int height;
};

// The part of `rect` inside a width by height image, false when nothing is
// left. Both hosts clip presented rectangles by it, so that they agree on
// which pixels a Present touches; computed wide so that no rectangle a
// caller passes can overflow.
inline bool ClipRect(const Rect& rect, int width, int height, Rect* out) {
  const long long left = rect.x > 0 ? rect.x : 0;
  const long long top = rect.y > 0 ? rect.y : 0;
  long long right = static_cast<long long>(rect.x) + (rect.width > 0 ? rect.width : 0);
  long long bottom = static_cast<long long>(rect.y) + (rect.height > 0 ? rect.height : 0);
  right = right < width ? right : width;
  bottom = bottom < height ? bottom : height;
  if (left >= right || top >= bottom) return false;
  *out = {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
          static_cast<int>(bottom - top)};
  return true;
}

enum class SurfaceState { kNormal, kMinimized, kMaximized };

// What a surface is to the desktop, so that its window manager decorates,
// stacks and minimizes it as the layer's window would be. A dialog stays
// above its owner and goes with it; the boxes are the buttons its title bar
// offers. Without a sizing border the user cannot resize the surface, but a
// maximize box still lets the window manager maximize it. A pop-up (a menu
// the program opens at the pointer) is no window to the window manager at
// all: no frame, no place in the task list, above everything, and it never
// takes the keyboard, which stays with the window that opened it.
enum class SurfaceKind { kNormal, kDialog, kPopup };
struct SurfaceRole {
  SurfaceKind kind = SurfaceKind::kNormal;
  SurfaceId owner = kNoSurface;
  bool closeBox = true;
  bool minimizeBox = true;
  bool maximizeBox = true;
  bool sizingBorder = true;
};

// One size of a window's icon: width by height pixels, 0xAARRGGBB, rows top
// to bottom.
struct IconImage {
  int width = 0;
  int height = 0;
  const std::uint32_t* argb = nullptr;
};

class IHost {
 public:
  virtual ~IHost() = default;

  // Surfaces. Create returns kNoSurface when the host cannot make one. A new
  // surface is hidden; its position is the host's choice unless SetPosition
  // says otherwise. Sizes are the surface's pixels, without host decorations.
  virtual SurfaceId CreateSurface(int width, int height, const std::string& caption) = 0;
  virtual void DestroySurface(SurfaceId id) = 0;
  virtual void SetCaption(SurfaceId id, const std::string& utf8) = 0;
  virtual void Show(SurfaceId id, bool visible) = 0;
  virtual void Resize(SurfaceId id, int width, int height) = 0;
  virtual void SetPosition(SurfaceId id, int x, int y) = 0;  // screen pixels
  virtual void GetPosition(SurfaceId id, int* x, int* y) = 0;
  virtual void SetState(SurfaceId id, SurfaceState state) = 0;
  virtual void Raise(SurfaceId id) = 0;  // bring to front and give it the keyboard
  // What the surface is to the window manager; said before it is first
  // shown, since some window managers read it only then.
  virtual void SetRole(SurfaceId id, const SurfaceRole& role) = 0;
  // The sizes of its icon, for the title bar and the task list; the images
  // are copied. No images: none.
  virtual void SetIcon(SurfaceId id, const IconImage* images, int count) = 0;

  // Presentation: copy the given rectangles of a surface's pixels (32-bit
  // 0x00RRGGBB, `stride` bytes a row) to the screen. The layer calls this
  // at most once per display frame and always before it waits for input.
  virtual void Present(SurfaceId id, const std::uint32_t* pixels, int width, int height, int stride,
                       const Rect* rects, int count) = 0;

  // Input. PollEvent returns false at once when nothing is waiting.
  // WaitEvent blocks up to timeout_ms (negative: without limit) and returns
  // false when the time ran out.
  virtual bool PollEvent(Event* event) = 0;
  virtual bool WaitEvent(Event* event, int timeout_ms) = 0;

  // Milliseconds on a monotonic clock (a virtual one on the headless host).
  virtual std::uint64_t NowMs() = 0;
  // How long a display frame lasts, for rate-limiting presentation.
  virtual int FrameIntervalMs() = 0;

  virtual std::string GetClipboardText() = 0;  // UTF-8
  virtual void SetClipboardText(const std::string& utf8) = 0;

  // The part of the screen a maximized window may fill, screen pixels.
  virtual Rect GetWorkArea() = 0;
};

}  // namespace host
