// Putting the layer's pixels into an SDL window's surface, whatever pixel
// format the window system gave it, and at a whole-number scale on screens
// of high density.
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

// Copies `rect` of `pixels` to `target` with each pixel a `scale` by `scale`
// block, no smoothing: pixel (x, y) covers target pixels x * scale to
// (x + 1) * scale - 1 across and the same down. The copy covers `width` by
// `height` target pixels from the block of rect's top-left pixel, which
// must lie inside the target: blocks beyond that are cut off, and where it
// reaches past the last block, the last column and row are repeated to fill
// it (a window whose size is no multiple of the scale). Scale 1 with the
// rectangle's own size is BlitToSurface. Returns false when SDL cannot
// convert to the target's format.
bool BlitScaledToSurface(SDL_Surface* target, const std::uint32_t* pixels, int stride,
                         const Rect& rect, int scale, int width, int height);

}  // namespace host
