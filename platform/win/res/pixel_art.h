// Turning the pixel art of bitmaps and icon images into pixels. The GDI
// calls these when it loads a bitmap or an icon; tests call them to look at
// the program's pictures.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win/res/resource_types.h"

// Both return width * height pixels, rows top to bottom, or nothing when a
// side lies outside 1 to kMaxPixelArtSide. A malformed table still decodes
// to a full picture: a pixel whose character is not in the legend, whose
// legend index is not in the palette, or that lies past the end of a short
// or missing row counts as bad. ValidatePixelArt reports every such table.

// 0x00RRGGBB; bad pixels are black.
std::vector<std::uint32_t> DecodeBitmap(const PixelArt& art);

// 0xAARRGGBB with alpha 0xFF; the transparent character, and every bad
// pixel, gives 0x00000000.
std::vector<std::uint32_t> DecodeIconImage(const PixelArt& art);

// The palette index of the pixel at (x, y), or -1 for a transparent, bad or
// outside pixel. For callers that keep palette indices (a 4-bit DIB) and for
// tests that check which colours a picture uses.
int PixelArtIndexAt(const PixelArt& art, int x, int y);
