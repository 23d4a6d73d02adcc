#include "platform/host/sdl/sdl_blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace host {
namespace {

// One row of `count` source pixels as `width` target pixels: each pixel
// `scale` times, the last as many times as are left.
void WidenRow(const std::uint32_t* in, int count, int scale, int width, std::uint32_t* out) {
  int left = width;
  int x = 0;
  // Double size, the common high density, in a loop the compiler can
  // unroll: every whole block but the last.
  if (scale == 2) {
    const int whole = std::min(count - 1, left / 2);
    for (; x < whole; ++x) {
      out[0] = in[x];
      out[1] = in[x];
      out += 2;
    }
    left -= 2 * whole;
  }
  for (; x < count && left > 0; ++x) {
    const int times = x + 1 == count ? left : std::min(scale, left);
    const std::uint32_t pixel = in[x];
    for (int i = 0; i < times; ++i) out[i] = pixel;
    out += times;
    left -= times;
  }
}

}  // namespace

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

bool BlitScaledToSurface(SDL_Surface* target, const std::uint32_t* pixels, int stride,
                         const Rect& rect, int scale, int width, int height) {
  if (scale == 1 && width == rect.width && height == rect.height) {
    return BlitToSurface(target, pixels, stride, rect);
  }
  if (rect.width <= 0 || rect.height <= 0 || width <= 0 || height <= 0) return true;
  const auto* src = reinterpret_cast<const Uint8*>(pixels) +
                    static_cast<std::ptrdiff_t>(rect.y) * stride +
                    static_cast<std::ptrdiff_t>(rect.x) * 4;
  const int bytes_per_pixel = target->format->BytesPerPixel;
  auto* dst = static_cast<Uint8*>(target->pixels) +
              static_cast<std::ptrdiff_t>(rect.y) * scale * target->pitch +
              static_cast<std::ptrdiff_t>(rect.x) * scale * bytes_per_pixel;
  // Each source row is widened once, straight into the target where it
  // takes the layer's own format and through a converted row elsewhere;
  // the rest of its block is copies of that first row.
  const bool own_format = target->format->format == SDL_PIXELFORMAT_RGB888;
  std::vector<std::uint32_t> widened(own_format ? 0 : static_cast<std::size_t>(width));
  const std::size_t row_bytes = static_cast<std::size_t>(width) * bytes_per_pixel;
  int rows_left = height;
  for (int y = 0; y < rect.height && rows_left > 0; ++y) {
    const int rows = y + 1 == rect.height ? rows_left : std::min(scale, rows_left);
    const auto* row = reinterpret_cast<const std::uint32_t*>(src);
    if (own_format) {
      WidenRow(row, rect.width, scale, width, reinterpret_cast<std::uint32_t*>(dst));
    } else {
      WidenRow(row, rect.width, scale, width, widened.data());
      if (SDL_ConvertPixels(width, 1, SDL_PIXELFORMAT_RGB888, widened.data(), width * 4,
                            target->format->format, dst, target->pitch) != 0) {
        return false;
      }
    }
    for (int r = 1; r < rows; ++r) {
      std::memcpy(dst + static_cast<std::ptrdiff_t>(r) * target->pitch, dst, row_bytes);
    }
    dst += static_cast<std::ptrdiff_t>(rows) * target->pitch;
    rows_left -= rows;
    src += stride;
  }
  return true;
}

}  // namespace host
