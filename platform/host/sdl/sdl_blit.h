// Putting the layer's pixels into an SDL window's surface, whatever pixel
// format the window system gave it.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "platform/host/host.h"

namespace host {

// Copies `rect` of `pixels` (0x00RRGGBB, `stride` bytes a row) to the same
// place in `target`, which the caller has locked if SDL_MUSTLOCK says so.
// The rectangle must lie inside both images (ClipRect). Returns false when
// SDL cannot convert to the target's format.
bool BlitToSurface(SDL_Surface* target, const std::uint32_t* pixels, int stride, const Rect& rect);

}  // namespace host
