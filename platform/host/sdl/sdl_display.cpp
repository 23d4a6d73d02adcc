#include "platform/host/sdl/sdl_display.h"

#include <cstring>

namespace host {
namespace {

bool IsSet(const char* value) { return value != nullptr && value[0] != '\0'; }

}  // namespace

std::string NoDisplayBeforeInit(const char* video_driver, const char* display,
                                const char* wayland_display) {
  if (IsSet(video_driver) || IsSet(display) || IsSet(wayland_display)) return {};
  return "astrolathe: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)";
}

std::string NoDisplayAfterInit(const char* video_driver, const char* chosen_driver) {
  if (IsSet(video_driver)) return {};
  if (!IsSet(chosen_driver)) return "astrolathe: no display to show the window on";
  if (std::strcmp(chosen_driver, "offscreen") == 0 || std::strcmp(chosen_driver, "dummy") == 0) {
    return std::string("astrolathe: no display to show the window on (only the \"") +
           chosen_driver + "\" video driver started)";
  }
  return {};
}

}  // namespace host
