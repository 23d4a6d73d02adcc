#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/host/sdl/sdl_blit.h"

namespace {

// Reads back one pixel of any format as 0x00RRGGBB.
std::uint32_t ReadPixel(SDL_Surface* surface, int x, int y) {
  const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
  const Uint8* at = row + x * surface->format->BytesPerPixel;
  Uint32 raw = 0;
  switch (surface->format->BytesPerPixel) {
    case 2:
      raw = *reinterpret_cast<const Uint16*>(at);
      break;
    case 3:
      raw = SDL_BYTEORDER == SDL_LIL_ENDIAN ? (at[0] | (at[1] << 8) | (at[2] << 16))
                                            : ((at[0] << 16) | (at[1] << 8) | at[2]);
      break;
    default:
      raw = *reinterpret_cast<const Uint32*>(at);
      break;
  }
  Uint8 r = 0;
  Uint8 g = 0;
  Uint8 b = 0;
  SDL_GetRGB(raw, surface->format, &r, &g, &b);
  return (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}

class SdlBlit : public ::testing::TestWithParam<Uint32> {};

// Colours every format here holds exactly, so the copy can be checked to
// the bit: full and empty channels.
TEST_P(SdlBlit, CopiesTheRectangleIntoAnyFormat) {
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, 8, 6, 32, GetParam());
  ASSERT_NE(target, nullptr) << SDL_GetError();
  SDL_FillRect(target, nullptr, 0);
  const std::uint32_t colours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0xFFFF00};
  std::vector<std::uint32_t> source(10 * 6);
  for (size_t i = 0; i < source.size(); ++i) source[i] = colours[i % 5];
  const host::Rect rect{2, 1, 5, 3};
  ASSERT_TRUE(host::BlitToSurface(target, source.data(), 10 * 4, rect));
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool in = x >= 2 && x < 7 && y >= 1 && y < 4;
      EXPECT_EQ(ReadPixel(target, x, y), in ? source[static_cast<size_t>(y) * 10 + x] : 0U)
          << x << "," << y;
    }
  }
  SDL_FreeSurface(target);
}

// Each pixel a 3 by 3 block, and the copy 2 pixels wider and 1 taller than
// the blocks reach: the last column and row fill the rest.
TEST_P(SdlBlit, ScalesTheRectangleIntoAnyFormat) {
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, 20, 14, 32, GetParam());
  ASSERT_NE(target, nullptr) << SDL_GetError();
  SDL_FillRect(target, nullptr, 0);
  const std::uint32_t colours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0xFFFF00};
  std::vector<std::uint32_t> source(7 * 5);
  for (size_t i = 0; i < source.size(); ++i) source[i] = colours[i % 5];
  const host::Rect rect{1, 1, 4, 3};
  ASSERT_TRUE(
      host::BlitScaledToSurface(target, source.data(), 7 * 4, rect, 3, 4 * 3 + 2, 3 * 3 + 1));
  for (int y = 0; y < 14; ++y) {
    for (int x = 0; x < 20; ++x) {
      const bool in = x >= 3 && x < 3 + 14 && y >= 3 && y < 3 + 10;
      const int sx = std::min(x / 3, 4);
      const int sy = std::min(y / 3, 3);
      EXPECT_EQ(ReadPixel(target, x, y), in ? source[static_cast<size_t>(sy) * 7 + sx] : 0U)
          << x << "," << y;
    }
  }
  SDL_FreeSurface(target);
}

INSTANTIATE_TEST_SUITE_P(Formats, SdlBlit,
                         ::testing::Values(SDL_PIXELFORMAT_RGB888, SDL_PIXELFORMAT_ARGB8888,
                                           SDL_PIXELFORMAT_BGR888, SDL_PIXELFORMAT_RGB565,
                                           SDL_PIXELFORMAT_RGB24));

TEST(SdlBlitOpaque, AlphaFormatsGetOpaquePixels) {
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, 1, 1, 32, SDL_PIXELFORMAT_ARGB8888);
  ASSERT_NE(target, nullptr);
  const std::uint32_t pixel = 0x123456;
  ASSERT_TRUE(host::BlitToSurface(target, &pixel, 4, host::Rect{0, 0, 1, 1}));
  EXPECT_EQ(*static_cast<const Uint32*>(target->pixels), 0xFF123456U);
  SDL_FreeSurface(target);
}

}  // namespace
