// The application's icon as the files a desktop looks for: one PNG per
// image of the icon group, with the image's colours and its mask's
// transparency. The build's icon renderer calls it; nothing in the program
// does.
#pragma once

#include <string>

#include "platform/win/res/resource_types.h"

// Writes one icon image as an 8-bit RGBA PNG: opaque where the image has a
// pixel, fully transparent (and black) where its mask leaves none, which is
// the transparent character and every pixel the table leaves undefined.
// False, leaving no file behind, when the image does not decode (a side
// outside 1 to kMaxPixelArtSide) or the file cannot be written.
bool WriteIconPng(const PixelArt& image, const std::string& path);
