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

namespace {

// Which group each loaded icon came from, so that the other sizes of the
// same icon can be found for it.
std::map<HICON, const IconGroup*>& GroupOfIcon() {
  static std::map<HICON, const IconGroup*> groups;
  return groups;
}

HICON LoadIconImage(const IconGroup& group, const PixelArt& image) {
  static std::map<const PixelArt*, HICON> loaded;
  HICON& icon = loaded[&image];
  if (icon == nullptr) {
    const std::vector<std::uint32_t> pixels = DecodeIconImage(image);
    if (pixels.empty()) return nullptr;
    icon = CreateIconFromPixels(image.width, image.height, pixels.data());
    if (icon != nullptr) GroupOfIcon()[icon] = &group;
  }
  return icon;
}

}  // namespace

HICON LoadIconSized(HINSTANCE instance, LPCSTR name, int size) {
  const IconGroup* group = FindIconGroup(instance, name);
  if (group == nullptr || group->images.empty()) return nullptr;
  const PixelArt* best = group->images.data();
  for (const PixelArt& image : group->images) {
    if (std::abs(image.width - size) < std::abs(best->width - size)) best = &image;
  }
  return LoadIconImage(*group, *best);
}

std::vector<HICON> IconSizesOf(HICON icon) {
  const auto found = GroupOfIcon().find(icon);
  if (found == GroupOfIcon().end()) return {icon};
  std::vector<HICON> sizes;
  for (const PixelArt& image : found->second->images) {
    if (HICON each = LoadIconImage(*found->second, image)) sizes.push_back(each);
  }
  return sizes;
}

HICON LoadIconA(HINSTANCE instance, LPCSTR name) { return LoadIconSized(instance, name, 32); }
