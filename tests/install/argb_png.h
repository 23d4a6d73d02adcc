// Reading back the PNGs the icon renderer writes, alpha and all, in the
// form the icon decoder gives (0xAARRGGBB), so that a test compares a file
// with the resource pixel for pixel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SArgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // rows top to bottom
};

// False, with `out` empty, for a missing or unreadable file.
bool ReadArgbPng(const std::string& path, SArgbImage* out);
