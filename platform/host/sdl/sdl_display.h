// Whether SDL has a display to show windows on. Without one SDL may settle
// for a driver that draws nowhere, and the program would run unseen; these
// say why, in one line for the user, so that start-up can stop instead.
#pragma once

#include <string>

namespace host {

// Before SDL starts, on systems whose windows live on an X11 or Wayland
// server. The arguments are the values of SDL_VIDEODRIVER, DISPLAY and
// WAYLAND_DISPLAY, null or empty when unset. "" when a display may exist or
// a driver was asked for by name.
std::string NoDisplayBeforeInit(const char* video_driver, const char* display,
                                const char* wayland_display);

// After SDL started with `chosen_driver` (SDL_GetCurrentVideoDriver): a
// driver that shows nothing is only acceptable when asked for by name.
std::string NoDisplayAfterInit(const char* video_driver, const char* chosen_driver);

}  // namespace host
