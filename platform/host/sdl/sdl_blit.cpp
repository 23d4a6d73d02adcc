#include "platform/host/sdl/sdl_blit.h"

#include <cstring>

namespace host {

bool BlitToSurface(SDL_Surface* target, const std::uint32_t* pixels, int stride, const Rect& rect) {
  const auto* src = reinterpret_cast<const Uint8*>(pixels) +
                    static_cast<std::ptrdiff_t>(rect.y) * stride +
                    static_cast<std::ptrdiff_t>(rect.x) * 4;
  auto* dst = static_cast<Uint8*>(target->pixels) +
              static_cast<std::ptrdiff_t>(rect.y) * target->pitch +
              static_cast<std::ptrdiff_t>(rect.x) * target->format->BytesPerPixel;
  // X11 and most others hand out 32-bit XRGB, the layer's own format: plain
  // row copies, the common case worth keeping fast.
  if (target->format->format == SDL_PIXELFORMAT_RGB888) {
    const size_t row_bytes = static_cast<size_t>(rect.width) * 4;
    for (int y = 0; y < rect.height; ++y) {
      std::memcpy(dst, src, row_bytes);
      src += stride;
      dst += target->pitch;
    }
    return true;
  }
  return SDL_ConvertPixels(rect.width, rect.height, SDL_PIXELFORMAT_RGB888, src, stride,
                           target->format->format, dst, target->pitch) == 0;
}

}  // namespace host
