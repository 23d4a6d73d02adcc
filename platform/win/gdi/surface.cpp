#include "platform/win/gdi/surface.h"

#include <algorithm>
#include <cstring>

namespace {

// Larger than any screen we expect; keeps a mistaken size from asking for
// gigabytes.
constexpr int kMaxSide = 16384;

int ClampSide(int side) { return std::clamp(side, 1, kMaxSide); }

void AttachImage(Surface* surface) {
  surface->image = pixman_image_create_bits(PIXMAN_x8r8g8b8, surface->width, surface->height,
                                            surface->pixels.data(), surface->Stride());
}

}  // namespace

Surface* CreateSurface(int width, int height) {
  auto* surface = new Surface;
  surface->width = ClampSide(width);
  surface->height = ClampSide(height);
  surface->pixels.assign(static_cast<std::size_t>(surface->width) * surface->height, 0U);
  AttachImage(surface);
  pixman_region32_init(&surface->dirty);
  return surface;
}

void DestroySurface(Surface* surface) {
  if (surface == nullptr) return;
  if (surface->image != nullptr) pixman_image_unref(surface->image);
  pixman_region32_fini(&surface->dirty);
  delete surface;
}

void ResizeSurface(Surface* surface, int width, int height) {
  if (surface == nullptr) return;
  width = ClampSide(width);
  height = ClampSide(height);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0U);
  const int keepWidth = std::min(width, surface->width);
  const int keepHeight = std::min(height, surface->height);
  for (int y = 0; y < keepHeight; ++y) {
    std::memcpy(&pixels[static_cast<std::size_t>(y) * width],
                &surface->pixels[static_cast<std::size_t>(y) * surface->width],
                static_cast<std::size_t>(keepWidth) * 4);
  }
  if (surface->image != nullptr) pixman_image_unref(surface->image);
  surface->pixels.swap(pixels);
  surface->width = width;
  surface->height = height;
  AttachImage(surface);
  pixman_region32_fini(&surface->dirty);
  pixman_region32_init_rect(&surface->dirty, 0, 0, static_cast<unsigned>(width),
                            static_cast<unsigned>(height));
}

void MarkDirty(Surface* surface, int x, int y, int width, int height) {
  if (surface == nullptr || width <= 0 || height <= 0) return;
  // Compute in 64 bits: callers may pass rectangles far outside the surface.
  const long long x0 = std::max<long long>(x, 0);
  const long long y0 = std::max<long long>(y, 0);
  const long long x1 = std::min<long long>(static_cast<long long>(x) + width, surface->width);
  const long long y1 = std::min<long long>(static_cast<long long>(y) + height, surface->height);
  if (x0 >= x1 || y0 >= y1) return;
  const pixman_box32_t box{static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1),
                           static_cast<int>(y1)};
  // The status bar redraws the same few pixels after every step; most calls
  // land inside what is already dirty and should cost no allocation.
  const pixman_box32_t& dirty = surface->dirty.extents;
  const bool inExtents =
      box.x1 >= dirty.x1 && box.y1 >= dirty.y1 && box.x2 <= dirty.x2 && box.y2 <= dirty.y2;
  if (inExtents && surface->dirty.data == nullptr) return;  // one rectangle, and it holds the box
  if (inExtents && pixman_region32_contains_rectangle(&surface->dirty, &box) == PIXMAN_REGION_IN) {
    return;
  }
  pixman_region32_union_rect(&surface->dirty, &surface->dirty, box.x1, box.y1,
                             static_cast<unsigned>(box.x2 - box.x1),
                             static_cast<unsigned>(box.y2 - box.y1));
}
