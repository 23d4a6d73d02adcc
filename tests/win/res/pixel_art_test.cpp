#include "platform/win/res/pixel_art.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Pixels = std::vector<std::uint32_t>;

constexpr LegendEntry kLegend[] = {
    {'.', StdColor::Silver}, {'#', StdColor::Black}, {'r', StdColor::Red},
    {'n', StdColor::Navy},   {'w', StdColor::White},
};

PixelArt Art(int width, int height, std::span<const char* const> rows, char transparent = '\0') {
  return PixelArt{width, height, 4, kStandardPalette16, kLegend, rows, transparent};
}

// ---- Bitmaps ------------------------------------------------------------------------------
TEST(DecodeBitmap, MapsEachCharacterThroughLegendAndPalette) {
  static constexpr const char* kRows[] = {".#r", "nw."};
  EXPECT_EQ(DecodeBitmap(Art(3, 2, kRows)),
            (Pixels{0xC0C0C0, 0x000000, 0xFF0000, 0x000080, 0xFFFFFF, 0xC0C0C0}));
}

TEST(DecodeBitmap, TheStandardPaletteHasTheClassicColours) {
  const std::uint32_t expected[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                      0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                      0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  for (int i = 0; i < 16; ++i) {
    const LegendEntry legend[] = {{'x', static_cast<BYTE>(i)}};
    constexpr const char* kRows[] = {"x"};
    EXPECT_EQ(DecodeBitmap(PixelArt{1, 1, 4, kStandardPalette16, legend, kRows}),
              Pixels{expected[i]})
        << i;
  }
}

TEST(DecodeBitmap, BadPixelsComeOutBlack) {
  // An unknown character, a short row and a missing row.
  static constexpr const char* kRows[] = {"w?w", "w"};
  EXPECT_EQ(DecodeBitmap(Art(3, 3, kRows)),
            (Pixels{0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0, 0}));
  static constexpr const char* kNullRow[] = {nullptr, "ww"};
  EXPECT_EQ(DecodeBitmap(Art(2, 2, kNullRow)), (Pixels{0, 0, 0xFFFFFF, 0xFFFFFF}));
}

TEST(DecodeBitmap, IgnoresWhatALongRowHasBeyondTheWidth) {
  static constexpr const char* kRows[] = {"wwwwww", "r"};
  EXPECT_EQ(DecodeBitmap(Art(2, 2, kRows)), (Pixels{0xFFFFFF, 0xFFFFFF, 0xFF0000, 0}));
}

TEST(DecodeBitmap, AnIndexOutsideThePaletteIsBad) {
  static constexpr PaletteColor kTwo[] = {{1, 2, 3}, {4, 5, 6}};
  static constexpr LegendEntry kLegendBeyond[] = {{'a', 1}, {'b', 2}};
  static constexpr const char* kRows[] = {"ab"};
  EXPECT_EQ(DecodeBitmap(PixelArt{2, 1, 1, kTwo, kLegendBeyond, kRows}), (Pixels{0x040506, 0}));
}

TEST(DecodeBitmap, TheFirstOfTwoLegendEntriesCounts) {
  static constexpr LegendEntry kTwice[] = {{'x', StdColor::Red}, {'x', StdColor::Blue}};
  static constexpr const char* kRows[] = {"x"};
  EXPECT_EQ(DecodeBitmap(PixelArt{1, 1, 4, kStandardPalette16, kTwice, kRows}), Pixels{0xFF0000});
}

TEST(DecodeBitmap, ImpossibleSizesDecodeToNothing) {
  static constexpr const char* kRows[] = {"w"};
  EXPECT_TRUE(DecodeBitmap(Art(0, 1, kRows)).empty());
  EXPECT_TRUE(DecodeBitmap(Art(1, -3, kRows)).empty());
  EXPECT_TRUE(DecodeBitmap(Art(kMaxPixelArtSide + 1, 1, kRows)).empty());
  EXPECT_EQ(DecodeBitmap(Art(kMaxPixelArtSide, 1, kRows)).size(), std::size_t(kMaxPixelArtSide));
}

// ---- Icon images ---------------------------------------------------------------------------
TEST(DecodeIconImage, IsOpaqueExceptWhereTransparent) {
  static constexpr const char* kRows[] = {"r w", "  #"};
  EXPECT_EQ(DecodeIconImage(Art(3, 2, kRows, ' ')),
            (Pixels{0xFFFF0000, 0, 0xFFFFFFFF, 0, 0, 0xFF000000}));
}

TEST(DecodeIconImage, BadPixelsAreTransparent) {
  static constexpr const char* kRows[] = {"w?", "w"};
  EXPECT_EQ(DecodeIconImage(Art(2, 2, kRows, ' ')), (Pixels{0xFFFFFFFF, 0, 0xFFFFFFFF, 0}));
}

TEST(DecodeIconImage, TransparencyWinsOverALegendEntry) {
  static constexpr const char* kRows[] = {".#"};
  EXPECT_EQ(DecodeIconImage(Art(2, 1, kRows, '.')), (Pixels{0, 0xFF000000}));
}

// ---- Single pixels -----------------------------------------------------------------------------
TEST(PixelArtIndexAt, GivesThePaletteIndexOrMinusOne) {
  static constexpr const char* kRows[] = {".#", "r"};
  const PixelArt art = Art(2, 2, kRows, ' ');
  EXPECT_EQ(PixelArtIndexAt(art, 0, 0), 7);
  EXPECT_EQ(PixelArtIndexAt(art, 1, 0), 0);
  EXPECT_EQ(PixelArtIndexAt(art, 0, 1), 9);
  EXPECT_EQ(PixelArtIndexAt(art, 1, 1), -1);  // past the end of a short row
  EXPECT_EQ(PixelArtIndexAt(art, 2, 0), -1);
  EXPECT_EQ(PixelArtIndexAt(art, -1, 0), -1);
  EXPECT_EQ(PixelArtIndexAt(art, 0, 2), -1);
  static constexpr const char* kClear[] = {" "};
  EXPECT_EQ(PixelArtIndexAt(Art(1, 1, kClear, ' '), 0, 0), -1);
}

}  // namespace
