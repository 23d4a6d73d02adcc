// The icon renderer's PNGs: colours as the image has them, alpha as its
// mask has it, and no file when there is nothing to write.
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/install/icon_png.h"

namespace {

struct SRgba {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bytes;  // R, G, B, A a pixel
};

bool ReadRgba(const std::string& path, SRgba* out) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&png, path.c_str()) == 0) return false;
  png.format = PNG_FORMAT_RGBA;
  out->width = static_cast<int>(png.width);
  out->height = static_cast<int>(png.height);
  out->bytes.assign(PNG_IMAGE_SIZE(png), 0);
  const bool ok = png_image_finish_read(&png, nullptr, out->bytes.data(), 0, nullptr) != 0;
  png_image_free(&png);
  return ok;
}

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() /
          ("astrolathe-icon-" + std::to_string(getpid()) + "-" + name))
      .string();
}

constexpr LegendEntry kLegend[] = {
    {'R', StdColor::Red}, {'Y', StdColor::Yellow}, {'W', StdColor::White}};

// Row 0: red, transparent, yellow; row 1: white, a character the legend
// lacks, and a pixel past the end of a short row.
constexpr const char* kRows[] = {"R Y", "W?"};
constexpr PixelArt kMasked{3, 2, 4, kStandardPalette16, kLegend, kRows, ' '};

TEST(IconPng, ColoursAreOpaqueAndTheMaskIsTransparent) {
  const std::string path = TempPath("masked.png");
  ASSERT_TRUE(WriteIconPng(kMasked, path));
  SRgba png;
  ASSERT_TRUE(ReadRgba(path, &png));
  std::filesystem::remove(path);
  EXPECT_EQ(png.width, 3);
  EXPECT_EQ(png.height, 2);
  const std::vector<std::uint8_t> expected = {
      255, 0,   0,   255, 0, 0, 0, 0, 255, 255, 0, 255,  // red, masked, yellow
      255, 255, 255, 255, 0, 0, 0, 0, 0,   0,   0, 0,    // white, undefined, past the row
  };
  EXPECT_EQ(png.bytes, expected);
}

TEST(IconPng, AnImageWithNoTransparentCharacterIsOpaqueEverywhere) {
  static constexpr const char* kRows2[] = {"RY", "YR"};
  constexpr PixelArt opaque{2, 2, 4, kStandardPalette16, kLegend, kRows2, '\0'};
  const std::string path = TempPath("opaque.png");
  ASSERT_TRUE(WriteIconPng(opaque, path));
  SRgba png;
  ASSERT_TRUE(ReadRgba(path, &png));
  std::filesystem::remove(path);
  ASSERT_EQ(png.bytes.size(), 16U);
  for (size_t i = 3; i < png.bytes.size(); i += 4) EXPECT_EQ(png.bytes[i], 255) << i;
  EXPECT_EQ(png.bytes[4], 255);  // yellow's red
  EXPECT_EQ(png.bytes[5], 255);  // and green
}

TEST(IconPng, AnImageThatDoesNotDecodeWritesNoFile) {
  constexpr PixelArt empty{0, 2, 4, kStandardPalette16, kLegend, kRows, ' '};
  constexpr PixelArt huge{kMaxPixelArtSide + 1, 1, 4, kStandardPalette16, kLegend, kRows, ' '};
  const std::string path = TempPath("none.png");
  EXPECT_FALSE(WriteIconPng(empty, path));
  EXPECT_FALSE(WriteIconPng(huge, path));
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(IconPng, AFileThatCannotBeMadeIsAFailure) {
  EXPECT_FALSE(WriteIconPng(kMasked, TempPath("no-such-folder") + "/icon.png"));
}

}  // namespace
