// One SDL host for the whole benchmark process. SDL's X11 driver does not
// always come back once SDL has been shut down in a process (a second start
// falls back to the offscreen driver, which shows nothing), so the
// benchmarks that need a display share one host, made at first use and
// kept until the process ends.
#pragma once

#include <string>

#include "platform/host/sdl/sdl_host.h"

// The host, or null with the reason in *error when there is no display
// (DISPLAY or SDL_VIDEODRIVER unset) or SDL cannot start; a failure is
// remembered, not retried.
host::CSdlHost* SharedSdlHost(std::string* error);
