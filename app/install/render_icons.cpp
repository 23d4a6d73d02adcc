// render-icons OUTDIR
//
// Writes OUTDIR/astrolathe-16.png and OUTDIR/astrolathe-32.png from the
// 16 by 16 and 32 by 32 images of icon group IDR_MAINFRAME, for the
// install's hicolor theme. Exit status 1, with a line on standard error,
// when the group or one of the sizes is missing or a file cannot be written;
// 2 for bad arguments.
#include <cstdio>
#include <string>

#include "app/install/icon_png.h"
#include "platform/win/res/resources.h"
#include "res/resource.h"
#include "res/resources.h"

namespace {

const PixelArt* ImageOfSize(const IconGroup& group, int side) {
  for (const PixelArt& image : group.images) {
    if (image.width == side && image.height == side) return &image;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: render-icons OUTDIR\n");
    return 2;
  }
  const std::string outDir = argv[1];
  const HINSTANCE module = RegisterResourceModule(AstrolatheResources());
  const IconGroup* group = FindIconGroup(module, MAKEINTRESOURCEA(IDR_MAINFRAME));
  if (group == nullptr) {
    std::fprintf(stderr, "render-icons: no icon group %u\n", IDR_MAINFRAME);
    return 1;
  }
  for (const int side : {16, 32}) {
    const PixelArt* image = ImageOfSize(*group, side);
    if (image == nullptr) {
      std::fprintf(stderr, "render-icons: the icon has no %d by %d image\n", side, side);
      return 1;
    }
    const std::string path = outDir + "/astrolathe-" + std::to_string(side) + ".png";
    if (!WriteIconPng(*image, path)) {
      std::fprintf(stderr, "render-icons: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
