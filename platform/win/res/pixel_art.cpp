#include "platform/win/res/pixel_art.h"

#include <array>
#include <cstddef>

namespace {

// Palette index for every character, -1 for none. The transparent
// character wins over a legend entry for the same character, and the first
// of two entries for one character counts (the validator reports both).
std::array<int, 256> IndexTable(const PixelArt& art) {
  std::array<int, 256> table{};
  table.fill(-1);
  std::array<bool, 256> seen{};
  for (const LegendEntry& entry : art.legend) {
    const auto c = static_cast<unsigned char>(entry.symbol);
    if (c == 0 || seen[c]) {
      continue;
    }
    seen[c] = true;
    if (entry.index < art.palette.size()) {
      table[c] = entry.index;
    }
  }
  if (art.transparent != '\0') {
    table[static_cast<unsigned char>(art.transparent)] = -1;
  }
  return table;
}

bool HasDecodableSize(const PixelArt& art) {
  return art.width >= 1 && art.width <= kMaxPixelArtSide && art.height >= 1 &&
         art.height <= kMaxPixelArtSide;
}

// Calls pixel(i, index) for every pixel in reading order, with -1 for the
// transparent and the bad ones. Rows are read only up to their terminating
// NUL, so a short row never leads past its end.
template <typename PixelFn>
void ForEachIndex(const PixelArt& art, PixelFn pixel) {
  const std::array<int, 256> table = IndexTable(art);
  std::size_t i = 0;
  for (int y = 0; y < art.height; ++y) {
    const char* row = static_cast<std::size_t>(y) < art.rows.size()
                          ? art.rows[static_cast<std::size_t>(y)]
                          : nullptr;
    bool ended = row == nullptr;
    for (int x = 0; x < art.width; ++x, ++i) {
      if (!ended && row[x] == '\0') {
        ended = true;
      }
      pixel(i, ended ? -1 : table[static_cast<unsigned char>(row[x])]);
    }
  }
}

std::uint32_t Rgb(const PaletteColor& c) {
  return (static_cast<std::uint32_t>(c.r) << 16U) | (static_cast<std::uint32_t>(c.g) << 8U) |
         static_cast<std::uint32_t>(c.b);
}

}  // namespace

std::vector<std::uint32_t> DecodeBitmap(const PixelArt& art) {
  if (!HasDecodableSize(art)) {
    return {};
  }
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(art.width) *
                                    static_cast<std::size_t>(art.height));
  ForEachIndex(art, [&](std::size_t i, int index) {
    pixels[i] = index < 0 ? 0U : Rgb(art.palette[static_cast<std::size_t>(index)]);
  });
  return pixels;
}

std::vector<std::uint32_t> DecodeIconImage(const PixelArt& art) {
  if (!HasDecodableSize(art)) {
    return {};
  }
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(art.width) *
                                    static_cast<std::size_t>(art.height));
  ForEachIndex(art, [&](std::size_t i, int index) {
    pixels[i] = index < 0 ? 0U : 0xFF000000U | Rgb(art.palette[static_cast<std::size_t>(index)]);
  });
  return pixels;
}

int PixelArtIndexAt(const PixelArt& art, int x, int y) {
  if (!HasDecodableSize(art) || x < 0 || y < 0 || x >= art.width || y >= art.height ||
      static_cast<std::size_t>(y) >= art.rows.size()) {
    return -1;
  }
  const char* row = art.rows[static_cast<std::size_t>(y)];
  if (row == nullptr) {
    return -1;
  }
  for (int i = 0; i < x; ++i) {
    if (row[i] == '\0') {
      return -1;
    }
  }
  return IndexTable(art)[static_cast<unsigned char>(row[x])];
}
