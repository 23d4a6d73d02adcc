// The application's icon as the files a desktop looks for: one PNG per size
// the desktop asks for, with the image's colours and its mask's
// transparency. The build's icon renderer calls it; nothing in the program
// does.
#pragma once

#include <string>

#include "platform/win/res/resource_types.h"

// The largest icon a desktop asks for is 512 pixels; twice that leaves room
// and still refuses a scale that is a typing slip.
inline constexpr int kMaxIconPngSide = 1024;

// Writes one icon image as an 8-bit RGBA PNG, `scale` times its size with
// each pixel an exact `scale` by `scale` block, so that pixel art stays
// crisp at a desktop's larger sizes: opaque where the image has a pixel,
// fully transparent (and black) where its mask leaves none, which is the
// transparent character and every pixel the table leaves undefined.
// False, leaving no file behind, when the image does not decode (a side
// outside 1 to kMaxPixelArtSide), the scale is below 1 or takes a side past
// kMaxIconPngSide, or the file cannot be written.
bool WriteIconPng(const PixelArt& image, int scale, const std::string& path);
