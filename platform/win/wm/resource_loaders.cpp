#include "platform/win/wm/resource_loaders.h"

#include <cstdlib>
#include <map>
#include <utility>

#include "platform/win/res/pixel_art.h"
#include "platform/win/res/resources.h"

HBITMAP LoadBitmapA(HINSTANCE instance, LPCSTR name) {
  const PixelArt* art = FindBitmapResource(instance, name);
  if (art == nullptr) return nullptr;
  const std::vector<std::uint32_t> pixels = DecodeBitmap(*art);
  if (pixels.empty()) return nullptr;
  return CreateBitmapFromPixels(art->width, art->height, pixels.data());
}

HICON LoadIconSized(HINSTANCE instance, LPCSTR name, int size) {
  const IconGroup* group = FindIconGroup(instance, name);
  if (group == nullptr || group->images.empty()) return nullptr;
  const PixelArt* best = group->images.data();
  for (const PixelArt& image : group->images) {
    if (std::abs(image.width - size) < std::abs(best->width - size)) best = &image;
  }
  static std::map<const PixelArt*, HICON> loaded;
  HICON& icon = loaded[best];
  if (icon == nullptr) {
    const std::vector<std::uint32_t> pixels = DecodeIconImage(*best);
    if (pixels.empty()) return nullptr;
    icon = CreateIconFromPixels(best->width, best->height, pixels.data());
  }
  return icon;
}

HICON LoadIconA(HINSTANCE instance, LPCSTR name) { return LoadIconSized(instance, name, 32); }
