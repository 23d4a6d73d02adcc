#include "bench/shared_sdl_host.h"

#include <cstdlib>
#include <memory>

host::CSdlHost* SharedSdlHost(std::string* error) {
  static std::string s_error;
  static const std::unique_ptr<host::CSdlHost> s_host = []() -> std::unique_ptr<host::CSdlHost> {
    if (std::getenv("DISPLAY") == nullptr && std::getenv("SDL_VIDEODRIVER") == nullptr) {
      s_error = "no display";
      return nullptr;
    }
    return host::CSdlHost::Create(&s_error);
  }();
  if (!s_host && error != nullptr) *error = s_error;
  return s_host.get();
}
