// A top-level window's pixels: its menu bar and client area, drawn into by
// the GDI and handed to the host for presentation. Child windows draw into
// their top-level window's surface at their own offset.
#pragma once

#include <pixman.h>

#include <cstdint>
#include <vector>

struct Surface {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, width pixels a row
  pixman_image_t* image = nullptr;    // over `pixels`
  pixman_region32_t dirty;            // drawn since the last presentation

  int Stride() const { return width * 4; }
};

// Surfaces start black with nothing dirty; sizes below 1 are raised to 1.
Surface* CreateSurface(int width, int height);
void DestroySurface(Surface* surface);
// Keeps the pixels that still fit; new area is black; the whole surface is
// then dirty.
void ResizeSurface(Surface* surface, int width, int height);
// Marks a rectangle (surface pixels, clipped to the surface) as drawn.
void MarkDirty(Surface* surface, int x, int y, int width, int height);
