// The icon renderer's PNGs: colours as the image has them, alpha as its
// mask has it, each pixel a whole block when scaled, and no file when there
// is nothing to write.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/install/icon_png.h"
#include "tests/install/argb_png.h"

namespace {

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() /
          ("astrolathe-icon-" + std::to_string(getpid()) + "-" + name))
      .string();
}

SArgbImage WriteAndRead(const PixelArt& image, int scale, const char* name) {
  const std::string path = TempPath(name);
  SArgbImage png;
  EXPECT_TRUE(WriteIconPng(image, scale, path));
  EXPECT_TRUE(ReadArgbPng(path, &png));
  std::filesystem::remove(path);
  return png;
}

constexpr LegendEntry kLegend[] = {
    {'R', StdColor::Red}, {'Y', StdColor::Yellow}, {'W', StdColor::White}};

// Row 0: red, transparent, yellow; row 1: white, a character the legend
// lacks, and a pixel past the end of a short row.
constexpr const char* kRows[] = {"R Y", "W?"};
constexpr PixelArt kMasked{3, 2, 4, kStandardPalette16, kLegend, kRows, ' '};
constexpr std::uint32_t kRed = 0xFFFF0000U;
constexpr std::uint32_t kYellow = 0xFFFFFF00U;
constexpr std::uint32_t kWhite = 0xFFFFFFFFU;
constexpr std::uint32_t kClear = 0;

TEST(IconPng, ColoursAreOpaqueAndTheMaskIsTransparent) {
  const SArgbImage png = WriteAndRead(kMasked, 1, "masked.png");
  EXPECT_EQ(png.width, 3);
  EXPECT_EQ(png.height, 2);
  const std::vector<std::uint32_t> expected = {kRed, kClear, kYellow, kWhite, kClear, kClear};
  EXPECT_EQ(png.pixels, expected);
}

TEST(IconPng, ScaledEachPixelIsAWholeBlockAndTheMaskScalesWithIt) {
  const SArgbImage png = WriteAndRead(kMasked, 2, "scaled.png");
  EXPECT_EQ(png.width, 6);
  EXPECT_EQ(png.height, 4);
  const std::vector<std::uint32_t> expected = {
      kRed,   kRed,   kClear, kClear, kYellow, kYellow,  //
      kRed,   kRed,   kClear, kClear, kYellow, kYellow,  //
      kWhite, kWhite, kClear, kClear, kClear,  kClear,   //
      kWhite, kWhite, kClear, kClear, kClear,  kClear,   //
  };
  EXPECT_EQ(png.pixels, expected);
}

TEST(IconPng, AnImageWithNoTransparentCharacterIsOpaqueEverywhere) {
  static constexpr const char* kRows2[] = {"RY", "YR"};
  constexpr PixelArt opaque{2, 2, 4, kStandardPalette16, kLegend, kRows2, '\0'};
  const SArgbImage png = WriteAndRead(opaque, 1, "opaque.png");
  const std::vector<std::uint32_t> expected = {kRed, kYellow, kYellow, kRed};
  EXPECT_EQ(png.pixels, expected);
}

TEST(IconPng, AnImageThatDoesNotDecodeOrABadScaleWritesNoFile) {
  constexpr PixelArt empty{0, 2, 4, kStandardPalette16, kLegend, kRows, ' '};
  constexpr PixelArt huge{kMaxPixelArtSide + 1, 1, 4, kStandardPalette16, kLegend, kRows, ' '};
  const std::string path = TempPath("none.png");
  EXPECT_FALSE(WriteIconPng(empty, 1, path));
  EXPECT_FALSE(WriteIconPng(huge, 1, path));
  EXPECT_FALSE(WriteIconPng(kMasked, 0, path));
  EXPECT_FALSE(WriteIconPng(kMasked, -2, path));
  // 3 by 342 is past the largest side; 3 by 341 is not.
  EXPECT_FALSE(WriteIconPng(kMasked, kMaxIconPngSide / 3 + 1, path));
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(WriteIconPng(kMasked, kMaxIconPngSide / 3, path));
  std::filesystem::remove(path);
}

TEST(IconPng, AFileThatCannotBeMadeIsAFailure) {
  EXPECT_FALSE(WriteIconPng(kMasked, 1, TempPath("no-such-folder") + "/icon.png"));
}

}  // namespace
