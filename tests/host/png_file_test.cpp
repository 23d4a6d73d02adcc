#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/host/headless/png_file.h"

namespace {

using host::ReadPngFile;
using host::WritePngFile;

std::string TempPath(const std::string& name) { return ::testing::TempDir() + name; }

std::vector<unsigned char> Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void SaveBytes(const std::string& path, const std::vector<unsigned char>& bytes, size_t count) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(count));
}

// Files in colour types our writer never makes, written with libpng itself.
struct SPngSpec {
  int width;
  int height;
  int bit_depth;
  int colour_type;
  int interlace;
  std::vector<png_color> palette;
  std::vector<std::vector<png_byte>> rows;
};

// Holds nothing that needs a destructor, as libpng's longjmp requires.
bool WriteSpecRows(png_structp png, png_infop info, std::FILE* file, const SPngSpec& spec,
                   png_bytepp rows) {
  if (setjmp(png_jmpbuf(png)) != 0) return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, spec.width, spec.height, spec.bit_depth, spec.colour_type, spec.interlace,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!spec.palette.empty()) {
    png_set_PLTE(png, info, spec.palette.data(), static_cast<int>(spec.palette.size()));
  }
  png_set_rows(png, info, rows);
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  return true;
}

bool WriteSpec(const std::string& path, SPngSpec& spec) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  std::vector<png_bytep> rows;
  for (auto& row : spec.rows) rows.push_back(row.data());
  const bool ok = WriteSpecRows(png, info, file, spec, rows.data());
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
  return ok;
}

std::vector<std::uint32_t> ReadOrDie(const std::string& path, int* width, int* height) {
  std::vector<std::uint32_t> pixels;
  EXPECT_TRUE(ReadPngFile(path, &pixels, width, height));
  return pixels;
}

std::vector<std::uint32_t> Gradient(int width, int height) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels.push_back((static_cast<std::uint32_t>(x * 17) << 16) |
                       (static_cast<std::uint32_t>(y * 29) << 8) |
                       static_cast<std::uint32_t>((x + y) * 7));
    }
  }
  return pixels;
}

TEST(PngRoundTrip, PixelsComeBackExactly) {
  const auto pixels = Gradient(15, 9);
  const std::string path = TempPath("round_trip.png");
  ASSERT_TRUE(WritePngFile(path, pixels.data(), 15, 9, 15 * 4));
  int width = 0;
  int height = 0;
  EXPECT_EQ(ReadOrDie(path, &width, &height), pixels);
  EXPECT_EQ(width, 15);
  EXPECT_EQ(height, 9);
  std::remove(path.c_str());
}

TEST(PngRoundTrip, WritesOnlyWidthPixelsOfEachStrideAndIgnoresTheTopByte) {
  // Each row is 6 wide, of which 4 are the image; the rest and the top byte
  // of every pixel must not reach the file.
  std::vector<std::uint32_t> rows(6 * 3, 0xFFFFFFFFU);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x)
      rows[y * 6 + x] = 0xAB000000U | static_cast<std::uint32_t>(y * 4 + x);
  }
  const std::string path = TempPath("stride.png");
  ASSERT_TRUE(WritePngFile(path, rows.data(), 4, 3, 6 * 4));
  int width = 0;
  int height = 0;
  const auto read = ReadOrDie(path, &width, &height);
  ASSERT_EQ(read.size(), 12U);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(read[i], static_cast<std::uint32_t>(i)) << i;
  std::remove(path.c_str());
}

TEST(PngWrite, RefusesWhatMakesNoImageAndLeavesNoFile) {
  const std::uint32_t pixel = 0;
  const std::string path = TempPath("refused.png");
  std::remove(path.c_str());
  EXPECT_FALSE(WritePngFile(path, nullptr, 1, 1, 4));
  EXPECT_FALSE(WritePngFile(path, &pixel, 0, 1, 4));
  EXPECT_FALSE(WritePngFile(path, &pixel, 1, -1, 4));
  EXPECT_FALSE(WritePngFile(path, &pixel, 1, 1, 3));
  EXPECT_FALSE(WritePngFile(path, &pixel, 2, 1, 4));
  EXPECT_FALSE(WritePngFile(path, &pixel, 1, 1, -4));
  EXPECT_FALSE(WritePngFile(path, &pixel, host::kMaxPngSide + 1, 1, 4 * (host::kMaxPngSide + 1)));
  EXPECT_FALSE(std::ifstream(path).good());
  EXPECT_FALSE(WritePngFile("/nonexistent-folder/x.png", &pixel, 1, 1, 4));
}

TEST(PngRead, ExpandsPaletteImages) {
  SPngSpec spec{3,
                1,
                2,
                PNG_COLOR_TYPE_PALETTE,
                PNG_INTERLACE_NONE,
                {{255, 0, 0}, {0, 128, 0}, {1, 2, 3}},
                {{0b00011000}}};  // indices 0, 1, 2 at two bits each
  const std::string path = TempPath("palette.png");
  ASSERT_TRUE(WriteSpec(path, spec));
  int width = 0;
  int height = 0;
  EXPECT_EQ(ReadOrDie(path, &width, &height),
            (std::vector<std::uint32_t>{0xFF0000, 0x008000, 0x010203}));
  std::remove(path.c_str());
}

TEST(PngRead, ExpandsGreyAndDropsAlpha) {
  SPngSpec grey{
      2, 1, 8, PNG_COLOR_TYPE_GRAY_ALPHA, PNG_INTERLACE_NONE, {}, {{0x40, 0x00, 0xC0, 0x80}}};
  const std::string path = TempPath("grey_alpha.png");
  ASSERT_TRUE(WriteSpec(path, grey));
  int width = 0;
  int height = 0;
  EXPECT_EQ(ReadOrDie(path, &width, &height), (std::vector<std::uint32_t>{0x404040, 0xC0C0C0}));

  SPngSpec low{4, 1, 1, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, {}, {{0b10100000}}};
  ASSERT_TRUE(WriteSpec(path, low));
  EXPECT_EQ(ReadOrDie(path, &width, &height),
            (std::vector<std::uint32_t>{0xFFFFFF, 0, 0xFFFFFF, 0}));
  std::remove(path.c_str());
}

TEST(PngRead, ScalesSixteenBitChannels) {
  SPngSpec deep{1,
                1,
                16,
                PNG_COLOR_TYPE_RGB_ALPHA,
                PNG_INTERLACE_NONE,
                {},
                {{0xFF, 0xFF, 0x80, 0x80, 0x01, 0x00, 0x00, 0x00}}};
  const std::string path = TempPath("deep.png");
  ASSERT_TRUE(WriteSpec(path, deep));
  int width = 0;
  int height = 0;
  EXPECT_EQ(ReadOrDie(path, &width, &height), (std::vector<std::uint32_t>{0xFF8001}));
  std::remove(path.c_str());
}

TEST(PngRead, ReadsInterlacedImages) {
  SPngSpec spec{9, 9, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_ADAM7, {}, {}};
  std::vector<std::uint32_t> expected;
  for (int y = 0; y < 9; ++y) {
    spec.rows.emplace_back();
    for (int x = 0; x < 9; ++x) {
      const auto r = static_cast<png_byte>(x * 20);
      const auto g = static_cast<png_byte>(y * 20);
      spec.rows.back().insert(spec.rows.back().end(), {r, g, 7});
      expected.push_back((std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | 7U);
    }
  }
  const std::string path = TempPath("interlaced.png");
  ASSERT_TRUE(WriteSpec(path, spec));
  int width = 0;
  int height = 0;
  EXPECT_EQ(ReadOrDie(path, &width, &height), expected);
  EXPECT_EQ(width, 9);
  EXPECT_EQ(height, 9);
  std::remove(path.c_str());
}

TEST(PngRead, RefusesImagesBeyondTheSideLimit) {
  SPngSpec wide{host::kMaxPngSide + 1, 1, 1, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, {}, {}};
  wide.rows.emplace_back((host::kMaxPngSide + 8) / 8, 0);
  const std::string path = TempPath("too_wide.png");
  ASSERT_TRUE(WriteSpec(path, wide));
  std::vector<std::uint32_t> pixels{1};
  int width = 1;
  int height = 1;
  EXPECT_FALSE(ReadPngFile(path, &pixels, &width, &height));
  EXPECT_TRUE(pixels.empty());
  EXPECT_EQ(width, 0);
  std::remove(path.c_str());
}

TEST(PngRead, MissingAndForeignFilesFail) {
  std::vector<std::uint32_t> pixels;
  int width = 0;
  int height = 0;
  EXPECT_FALSE(ReadPngFile(TempPath("does_not_exist.png"), &pixels, &width, &height));
  const std::string path = TempPath("not_a_png.png");
  SaveBytes(path, {'G', 'I', 'F', '8', '9', 'a', 0, 0}, 8);
  EXPECT_FALSE(ReadPngFile(path, &pixels, &width, &height));
  EXPECT_FALSE(ReadPngFile(path, nullptr, &width, &height));
  std::remove(path.c_str());
}

// Every prefix of a good file is a truncated file.
TEST(PngRead, EveryTruncationFailsCleanly) {
  const auto pixels = Gradient(6, 5);
  const std::string good = TempPath("to_truncate.png");
  ASSERT_TRUE(WritePngFile(good, pixels.data(), 6, 5, 6 * 4));
  const auto bytes = Bytes(good);
  const std::string cut = TempPath("truncated.png");
  for (size_t length = 0; length < bytes.size(); ++length) {
    SaveBytes(cut, bytes, length);
    std::vector<std::uint32_t> read{1};
    int width = 1;
    int height = 1;
    // The last bytes are the IEND chunk, which a reader need not see.
    if (ReadPngFile(cut, &read, &width, &height)) {
      EXPECT_GE(length, bytes.size() - 12) << length;
      EXPECT_EQ(read, pixels);
    } else {
      EXPECT_TRUE(read.empty()) << length;
      EXPECT_EQ(width, 0);
      EXPECT_EQ(height, 0);
    }
  }
  std::remove(good.c_str());
  std::remove(cut.c_str());
}

// A flipped byte anywhere either fails or still yields a whole image.
TEST(PngRead, CorruptBytesFailOrReadWhole) {
  const auto pixels = Gradient(5, 4);
  const std::string good = TempPath("to_corrupt.png");
  ASSERT_TRUE(WritePngFile(good, pixels.data(), 5, 4, 5 * 4));
  const auto bytes = Bytes(good);
  const std::string bad = TempPath("corrupt.png");
  int failures = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    auto corrupt = bytes;
    corrupt[i] ^= 0x5A;
    SaveBytes(bad, corrupt, corrupt.size());
    std::vector<std::uint32_t> read;
    int width = 0;
    int height = 0;
    if (ReadPngFile(bad, &read, &width, &height)) {
      EXPECT_EQ(read.size(), static_cast<size_t>(width) * height) << i;
    } else {
      ++failures;
    }
  }
  // The chunk checksums catch damage to the header and the image data.
  EXPECT_GT(failures, static_cast<int>(bytes.size()) / 2);
  std::remove(good.c_str());
  std::remove(bad.c_str());
}

}  // namespace
