#include "platform/host/sdl/sdl_x11.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstring>
#include <vector>

#if defined(ASTROLATHE_HOST_X11) && defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>
#define ASTROLATHE_X11_PROPERTIES 1
#endif

namespace host {

#if defined(ASTROLATHE_X11_PROPERTIES)
namespace {

// The Motif window-manager hints, which most X window managers read for the
// functions and decorations a window wants.
constexpr unsigned long kMwmFlagFunctions = 1UL << 0U;
constexpr unsigned long kMwmFlagDecorations = 1UL << 1U;
constexpr unsigned long kMwmFuncResize = 1UL << 1U;
constexpr unsigned long kMwmFuncMove = 1UL << 2U;
constexpr unsigned long kMwmFuncMinimize = 1UL << 3U;
constexpr unsigned long kMwmFuncMaximize = 1UL << 4U;
constexpr unsigned long kMwmFuncClose = 1UL << 5U;
constexpr unsigned long kMwmDecorBorder = 1UL << 1U;
constexpr unsigned long kMwmDecorResizeHandle = 1UL << 2U;
constexpr unsigned long kMwmDecorTitle = 1UL << 3U;
constexpr unsigned long kMwmDecorMenu = 1UL << 4U;
constexpr unsigned long kMwmDecorMinimize = 1UL << 5U;
constexpr unsigned long kMwmDecorMaximize = 1UL << 6U;

struct SX11Window {
  Display* display = nullptr;
  Window window = 0;
};

bool X11Of(SDL_Window* window, SX11Window* out) {
  if (window == nullptr) return false;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11 ||
      info.info.x11.display == nullptr) {
    return false;
  }
  out->display = info.info.x11.display;
  out->window = info.info.x11.window;
  return true;
}

void SetCardinals(const SX11Window& x, const char* name, Atom type, const unsigned long* values,
                  int count) {
  const Atom property = XInternAtom(x.display, name, False);
  // Format 32 takes longs, whatever their width.
  XChangeProperty(x.display, x.window, property, type, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(values), count);
}

}  // namespace

bool SetX11WindowRole(SDL_Window* window, const SurfaceRole& role) {
  SX11Window x;
  if (!X11Of(window, &x)) return false;
  const Atom type = XInternAtom(x.display,
                                role.kind == SurfaceKind::kDialog ? "_NET_WM_WINDOW_TYPE_DIALOG"
                                                                  : "_NET_WM_WINDOW_TYPE_NORMAL",
                                False);
  const unsigned long types[] = {type};
  SetCardinals(x, "_NET_WM_WINDOW_TYPE", XA_ATOM, types, 1);

  // X window managers maximize only what they may resize, so a maximize box
  // asks for the resize function too; the missing handle decoration and the
  // size hints are what keep the user from dragging the border.
  unsigned long functions = kMwmFuncMove;
  unsigned long decorations = kMwmDecorBorder | kMwmDecorTitle;
  if (role.closeBox) functions |= kMwmFuncClose;
  if (role.closeBox || role.minimizeBox || role.maximizeBox) decorations |= kMwmDecorMenu;
  if (role.minimizeBox) {
    functions |= kMwmFuncMinimize;
    decorations |= kMwmDecorMinimize;
  }
  if (role.maximizeBox) {
    functions |= kMwmFuncMaximize | kMwmFuncResize;
    decorations |= kMwmDecorMaximize;
  }
  if (role.sizingBorder) {
    functions |= kMwmFuncResize;
    decorations |= kMwmDecorResizeHandle;
  }
  const unsigned long hints[5] = {kMwmFlagFunctions | kMwmFlagDecorations, functions, decorations,
                                  0, 0};
  const Atom motif = XInternAtom(x.display, "_MOTIF_WM_HINTS", False);
  SetCardinals(x, "_MOTIF_WM_HINTS", motif, hints, 5);
  XFlush(x.display);
  return true;
}

bool PositionX11WindowByClient(SDL_Window* window) {
  SX11Window x;
  if (!X11Of(window, &x)) return false;
  XSizeHints* hints = XAllocSizeHints();
  if (hints == nullptr) return false;
  long supplied = 0;
  // SDL keeps its own hints in the same property and reads them back before
  // it changes them, so the gravity set here stays.
  XGetWMNormalHints(x.display, x.window, hints, &supplied);
  hints->flags |= PWinGravity;
  hints->win_gravity = StaticGravity;
  XSetWMNormalHints(x.display, x.window, hints);
  XFree(hints);
  XFlush(x.display);
  return true;
}

bool MoveX11Window(SDL_Window* window, int left, int top) {
  SX11Window x;
  if (!X11Of(window, &x)) return false;
  XMoveWindow(x.display, x.window, left, top);
  XFlush(x.display);
  return true;
}

bool SetX11WindowIcon(SDL_Window* window, const IconImage* images, int count) {
  SX11Window x;
  if (!X11Of(window, &x)) return false;
  std::vector<unsigned long> data;
  for (int i = 0; images != nullptr && i < count; ++i) {
    const IconImage& image = images[i];
    if (image.argb == nullptr || image.width <= 0 || image.height <= 0) continue;
    data.push_back(static_cast<unsigned long>(image.width));
    data.push_back(static_cast<unsigned long>(image.height));
    const std::uint32_t* end = image.argb + static_cast<std::size_t>(image.width) * image.height;
    data.insert(data.end(), image.argb, end);
  }
  if (data.empty()) {
    XDeleteProperty(x.display, x.window, XInternAtom(x.display, "_NET_WM_ICON", False));
  } else {
    SetCardinals(x, "_NET_WM_ICON", XA_CARDINAL, data.data(), static_cast<int>(data.size()));
  }
  XFlush(x.display);
  return true;
}

std::string X11XftDpi(SDL_Window* window) {
  SX11Window x;
  if (!X11Of(window, &x)) return {};
  const char* resources = XResourceManagerString(x.display);
  if (resources == nullptr) return {};
  // Matched the way X resources are, so that a line such as "*dpi: 192"
  // counts as well as "Xft.dpi: 192".
  XrmInitialize();
  XrmDatabase database = XrmGetStringDatabase(resources);
  if (database == nullptr) return {};
  char* type = nullptr;
  XrmValue value{};
  std::string dpi;
  if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) == True &&
      value.addr != nullptr) {
    // The size counts the terminating NUL, when there is one.
    const char* begin = value.addr;
    const void* end = std::memchr(begin, '\0', value.size);
    dpi.assign(begin, end != nullptr ? static_cast<const char*>(end) : begin + value.size);
  }
  XrmDestroyDatabase(database);
  return dpi;
}

#else

bool SetX11WindowRole(SDL_Window* /*window*/, const SurfaceRole& /*role*/) { return false; }
bool PositionX11WindowByClient(SDL_Window* /*window*/) { return false; }
bool MoveX11Window(SDL_Window* /*window*/, int /*left*/, int /*top*/) { return false; }
bool SetX11WindowIcon(SDL_Window* /*window*/, const IconImage* /*images*/, int /*count*/) {
  return false;
}
std::string X11XftDpi(SDL_Window* /*window*/) { return {}; }

#endif

}  // namespace host
