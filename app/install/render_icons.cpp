// render-icons OUTDIR SIDE...
//
// Writes OUTDIR/astrolathe-SIDE.png for each SIDE, from icon group
// IDR_MAINFRAME, for the install's hicolor theme. The icon is pixel art at
// a few small sizes; a desktop asks for larger ones too, and smoothing
// would blur them, so each SIDE is made from the largest image whose side
// divides it, every pixel a whole block (48 from 16 by 3, 256 from 32 by 8).
// Exit status 1, with a line on standard error, when the group is missing,
// no image fits a SIDE or a file cannot be written; 2 for bad arguments.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/install/icon_png.h"
#include "platform/win/res/resources.h"
#include "res/resource.h"
#include "res/resources.h"

namespace {

// The largest square image of the group whose side divides `side`.
const PixelArt* ImageFor(const IconGroup& group, int side) {
  const PixelArt* best = nullptr;
  for (const PixelArt& image : group.images) {
    if (image.width != image.height || image.width < 1 || side % image.width != 0) continue;
    if (best == nullptr || image.width > best->width) best = &image;
  }
  return best;
}

// A side as the hicolor theme names its folders: a plain decimal number.
int ParseSide(const char* text) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 1 || value > kMaxIconPngSide) return 0;
  return static_cast<int>(value);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: render-icons OUTDIR SIDE...\n");
    return 2;
  }
  for (int i = 2; i < argc; ++i) {
    if (ParseSide(argv[i]) == 0) {
      std::fprintf(stderr, "render-icons: %s is not a side from 1 to %d\n", argv[i],
                   kMaxIconPngSide);
      return 2;
    }
  }
  const std::string outDir = argv[1];
  const HINSTANCE module = RegisterResourceModule(AstrolatheResources());
  const IconGroup* group = FindIconGroup(module, MAKEINTRESOURCEA(IDR_MAINFRAME));
  if (group == nullptr) {
    std::fprintf(stderr, "render-icons: no icon group %u\n", IDR_MAINFRAME);
    return 1;
  }
  for (int i = 2; i < argc; ++i) {
    const int side = ParseSide(argv[i]);
    const PixelArt* image = ImageFor(*group, side);
    if (image == nullptr) {
      std::fprintf(stderr, "render-icons: no image of the icon scales to %d by %d\n", side, side);
      return 1;
    }
    const std::string path = outDir + "/astrolathe-" + std::to_string(side) + ".png";
    if (!WriteIconPng(*image, side / image->width, path)) {
      std::fprintf(stderr, "render-icons: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
