// PNG files of 32-bit 0x00RRGGBB pixels: the headless host's snapshots, and
// the expected images the scripted tests compare them with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace host {

// Writes `width` by `height` pixels (`stride` bytes from one row to the next,
// a multiple of 4 and at least width * 4) as an 8-bit RGB PNG. Returns false,
// leaving no file behind, when the arguments make no image (null pixels, a
// size below 1 or beyond kMaxPngSide) or the file cannot be written.
bool WritePngFile(const std::string& path, const std::uint32_t* pixels, int width, int height,
                  int stride);

// Reads any PNG that libpng can expand to 8-bit RGB (palette, grey, 16-bit,
// interlaced) into width * height pixels, rows packed. Alpha is dropped: the
// colour channels are taken as stored, not composited. Returns false and
// leaves the outputs empty for a missing, truncated or corrupt file, or one
// larger than kMaxPngSide on either side.
bool ReadPngFile(const std::string& path, std::vector<std::uint32_t>* pixels, int* width,
                 int* height);

// Beyond this a file is more likely hostile than a window's snapshot.
inline constexpr int kMaxPngSide = 8192;

}  // namespace host
