#include "app/install/icon_png.h"

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/win/res/pixel_art.h"

bool WriteIconPng(const PixelArt& image, const std::string& path) {
  const std::vector<std::uint32_t> argb = DecodeIconImage(image);
  if (argb.empty()) return false;
  // Bytes in file order, so that the result does not hang on the machine's
  // byte order.
  std::vector<png_byte> rgba;
  rgba.reserve(argb.size() * 4);
  for (const std::uint32_t pixel : argb) {
    rgba.push_back(static_cast<png_byte>(pixel >> 16U));
    rgba.push_back(static_cast<png_byte>(pixel >> 8U));
    rgba.push_back(static_cast<png_byte>(pixel));
    rgba.push_back(static_cast<png_byte>(pixel >> 24U));
  }
  // libpng's simplified interface keeps its error jumps to itself.
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGBA;
  const bool written = png_image_write_to_file(&png, path.c_str(), 0, rgba.data(), 0, nullptr) != 0;
  png_image_free(&png);
  if (!written) std::remove(path.c_str());
  return written;
}
