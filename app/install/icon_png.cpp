#include "app/install/icon_png.h"

#include <png.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/win/res/pixel_art.h"

bool WriteIconPng(const PixelArt& image, int scale, const std::string& path) {
  if (scale < 1 || image.width > kMaxIconPngSide / scale ||
      image.height > kMaxIconPngSide / scale) {
    return false;
  }
  const std::vector<std::uint32_t> argb = DecodeIconImage(image);
  if (argb.empty()) return false;
  const int width = image.width * scale;
  const int height = image.height * scale;
  // Bytes in file order, so that the result does not hang on the machine's
  // byte order. Each source row is written out once, widened, then repeated.
  std::vector<png_byte> rgba;
  rgba.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4U);
  for (int y = 0; y < image.height; ++y) {
    const std::size_t rowStart = rgba.size();
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t pixel = argb[static_cast<std::size_t>(y) * image.width + x];
      for (int i = 0; i < scale; ++i) {
        rgba.push_back(static_cast<png_byte>(pixel >> 16U));
        rgba.push_back(static_cast<png_byte>(pixel >> 8U));
        rgba.push_back(static_cast<png_byte>(pixel));
        rgba.push_back(static_cast<png_byte>(pixel >> 24U));
      }
    }
    const std::size_t rowEnd = rgba.size();
    for (int i = 1; i < scale; ++i) {
      for (std::size_t b = rowStart; b < rowEnd; ++b) rgba.push_back(rgba[b]);
    }
  }
  // libpng's simplified interface keeps its error jumps to itself.
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(width);
  png.height = static_cast<png_uint_32>(height);
  png.format = PNG_FORMAT_RGBA;
  const bool written = png_image_write_to_file(&png, path.c_str(), 0, rgba.data(), 0, nullptr) != 0;
  png_image_free(&png);
  if (!written) std::remove(path.c_str());
  return written;
}
