// What the window manager should know of a window and SDL has no call for,
// said through the X11 handle SDL gives: its type, the functions and
// decorations it offers, its icon at several sizes; and what the desktop
// says of its screen. Everything here does nothing, and says so, where the
// window is not an X11 one or the program was built without X11.
#pragma once

#include <string>

#include "platform/host/host.h"

struct SDL_Window;

namespace host {

// Types the window as a dialog or as a normal window, and tells the window
// manager which title-bar buttons and border it offers. Before the window is
// first mapped, since most window managers read it only then.
bool SetX11WindowRole(SDL_Window* window, const SurfaceRole& role);

// Positions of the window are its own, the client area's, not its frame's:
// asked for at creation, before the window manager places it, and used by
// MoveX11Window. Without it a window manager puts the frame where the
// client should be, and the window lands a title bar lower than asked.
bool PositionX11WindowByClient(SDL_Window* window);
// Moves the window's client area to left, top of the screen.
bool MoveX11Window(SDL_Window* window, int left, int top);

// Every image as one property, so that the window manager picks the size it
// draws; false when that cannot be done here.
bool SetX11WindowIcon(SDL_Window* window, const IconImage* images, int count);

// The Xft.dpi resource of the window's display, as the desktop set it in the
// X resource database (the RESOURCE_MANAGER property, read when SDL opened
// the display); "" when it is not set or the window is no X11 window.
std::string X11XftDpi(SDL_Window* window);

}  // namespace host
