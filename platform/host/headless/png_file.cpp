#include "platform/host/headless/png_file.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace host {
namespace {

// libpng reports errors by longjmp. Every libpng call that can fail runs in
// one of the small functions below, which hold nothing that needs a
// destructor, so that the jump skips no C++ clean-up; the callers own the
// buffers and the file.

[[noreturn]] void OnPngError(png_structp png, png_const_charp /*message*/) { png_longjmp(png, 1); }

// A snapshot that fails to load is reported through the result, not on stderr.
void OnPngWarning(png_structp /*png*/, png_const_charp /*message*/) {}

struct SFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, SFileCloser>;

struct SPngHeader {
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  png_size_t rowbytes = 0;
};

bool ReadHeader(png_structp png, png_infop info, std::FILE* file, SPngHeader* header) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_user_limits(png, kMaxPngSide, kMaxPngSide);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_strip_alpha(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  header->width = png_get_image_width(png, info);
  header->height = png_get_image_height(png, info);
  header->rowbytes = png_get_rowbytes(png, info);
  return png_get_bit_depth(png, info) == 8 && png_get_channels(png, info) == 3;
}

bool ReadRows(png_structp png, png_infop info, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, info);
  return true;
}

// `row` has room for width * 3 bytes.
bool WriteRows(png_structp png, png_infop info, std::FILE* file, const std::uint32_t* pixels,
               int width, int height, int stride, png_bytep row) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const auto* bytes = reinterpret_cast<const unsigned char*>(pixels);
  for (int y = 0; y < height; ++y) {
    const auto* src = reinterpret_cast<const std::uint32_t*>(
        bytes + static_cast<size_t>(y) * static_cast<size_t>(stride));
    for (int x = 0; x < width; ++x) {
      row[x * 3 + 0] = static_cast<png_byte>(src[x] >> 16);
      row[x * 3 + 1] = static_cast<png_byte>(src[x] >> 8);
      row[x * 3 + 2] = static_cast<png_byte>(src[x]);
    }
    png_write_row(png, row);
  }
  png_write_end(png, nullptr);
  return true;
}

bool WriteOpenFile(std::FILE* file, const std::uint32_t* pixels, int width, int height,
                   int stride) {
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  std::vector<png_byte> row(static_cast<size_t>(width) * 3);
  const bool ok = WriteRows(png, info, file, pixels, width, height, stride, row.data());
  png_destroy_write_struct(&png, &info);
  return ok;
}

}  // namespace

bool WritePngFile(const std::string& path, const std::uint32_t* pixels, int width, int height,
                  int stride) {
  if (pixels == nullptr || width < 1 || height < 1 || width > kMaxPngSide || height > kMaxPngSide ||
      stride % 4 != 0 || stride / 4 < width) {
    return false;
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = WriteOpenFile(file, pixels, width, height, stride);
  const bool closed = std::fclose(file) == 0;
  if (written && closed) return true;
  std::remove(path.c_str());
  return false;
}

bool ReadPngFile(const std::string& path, std::vector<std::uint32_t>* pixels, int* width,
                 int* height) {
  if (pixels == nullptr || width == nullptr || height == nullptr) return false;
  pixels->clear();
  *width = 0;
  *height = 0;
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  png_structp png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  SPngHeader header;
  bool ok = ReadHeader(png, info, file.get(), &header) && header.width > 0 && header.height > 0;
  std::vector<png_byte> data;
  if (ok) {
    data.resize(header.rowbytes * header.height);
    std::vector<png_bytep> rows(header.height);
    for (png_uint_32 y = 0; y < header.height; ++y) rows[y] = data.data() + y * header.rowbytes;
    ok = ReadRows(png, info, rows.data());
  }
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) return false;

  pixels->resize(static_cast<size_t>(header.width) * header.height);
  for (png_uint_32 y = 0; y < header.height; ++y) {
    const png_byte* src = data.data() + y * header.rowbytes;
    std::uint32_t* dst = pixels->data() + static_cast<size_t>(y) * header.width;
    for (png_uint_32 x = 0; x < header.width; ++x, src += 3) {
      dst[x] = (std::uint32_t{src[0]} << 16) | (std::uint32_t{src[1]} << 8) | std::uint32_t{src[2]};
    }
  }
  *width = static_cast<int>(header.width);
  *height = static_cast<int>(header.height);
  return true;
}

}  // namespace host
