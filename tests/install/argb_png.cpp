#include "tests/install/argb_png.h"

#include <png.h>

#include <cstddef>

bool ReadArgbPng(const std::string& path, SArgbImage* out) {
  *out = SArgbImage{};
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&png, path.c_str()) == 0) return false;
  png.format = PNG_FORMAT_RGBA;
  std::vector<png_byte> rgba(PNG_IMAGE_SIZE(png));
  const bool read = png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr) != 0;
  png_image_free(&png);
  if (!read) return false;
  out->width = static_cast<int>(png.width);
  out->height = static_cast<int>(png.height);
  out->pixels.reserve(rgba.size() / 4);
  for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) {
    out->pixels.push_back(std::uint32_t{rgba[i + 3]} << 24U | std::uint32_t{rgba[i]} << 16U |
                          std::uint32_t{rgba[i + 1]} << 8U | rgba[i + 2]);
  }
  return true;
}
