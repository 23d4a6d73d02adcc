#include "platform/win/res/resource_validation.h"

#include <array>
#include <cstddef>
#include <set>
#include <string_view>
#include <utility>

namespace {

using Problems = std::vector<std::string>;

void Append(Problems& into, const std::string& where, const Problems& from) {
  for (const std::string& problem : from) {
    std::string line = where;
    line += ": ";
    line += problem;
    into.push_back(std::move(line));
  }
}

std::string Quoted(char c) {
  if (c >= ' ' && c <= '~') {
    return std::string("'") + c + "'";
  }
  return "character " + std::to_string(static_cast<unsigned char>(c));
}

// The length of a row, looking no further than one past `limit`.
std::size_t BoundedLength(const char* row, std::size_t limit) {
  std::size_t n = 0;
  while (n <= limit && row[n] != '\0') {
    ++n;
  }
  return n;
}

bool IsFlagSet(UINT flags, UINT flag) { return (flags & flag) != 0; }

void CheckMenuLevel(std::span<const MenuItemTemplate> items, const std::string& where, int depth,
                    Problems& problems) {
  if (depth > kMaxMenuDepth) {
    problems.push_back(where + ": nested deeper than " + std::to_string(kMaxMenuDepth));
    return;
  }
  if (items.empty()) {
    problems.push_back(where + ": a level without items");
    return;
  }
  constexpr UINT kTemplateFlags =
      MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_MENUBARBREAK | MF_END | MF_SEPARATOR;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const MenuItemTemplate& item = items[i];
    const std::string at = where + " item " + std::to_string(i);
    const bool last = i + 1 == items.size();
    if (last && !IsFlagSet(item.flags, MF_END)) {
      problems.push_back(at + ": last item of its level without MF_END");
    }
    if (!last && IsFlagSet(item.flags, MF_END)) {
      problems.push_back(at + ": MF_END before the last item of its level");
    }
    if ((item.flags & ~kTemplateFlags) != 0) {
      problems.push_back(at + ": flags that menu templates do not have");
    }
    const bool popup = IsFlagSet(item.flags, MF_POPUP);
    const bool separator = IsFlagSet(item.flags, MF_SEPARATOR);
    if (popup && separator) {
      problems.push_back(at + ": both a popup and a separator");
    }
    if (separator && ((item.text != nullptr && item.text[0] != '\0') || item.id != 0)) {
      problems.push_back(at + ": a separator with a text or an id");
    }
    if (!separator && item.text == nullptr) {
      problems.push_back(at + ": no text (use \"\" for an empty one)");
    }
    if (popup && item.id != 0) {
      problems.push_back(at + ": a popup with a command id");
    }
    if (popup != !item.popup.empty()) {
      problems.push_back(at + (popup ? ": MF_POPUP without items" : ": items without MF_POPUP"));
    }
    if (popup && !item.popup.empty()) {
      CheckMenuLevel(item.popup, at, depth + 1, problems);
    }
  }
}

void CheckTemplateText(const TemplateText& text, const std::string& at, Problems& problems) {
  if (text.IsNone()) {
    problems.push_back(at + ": neither a text nor an ordinal");
  }
}

template <typename T>
void CheckIds(std::span<const ResourceEntry<T>> entries, const std::string& kind,
              Problems& problems, Problems (*validate)(const T&)) {
  std::set<WORD> ids;
  for (const ResourceEntry<T>& entry : entries) {
    const std::string at = kind + " " + std::to_string(entry.id);
    if (entry.id == 0) {
      problems.push_back(kind + " with id 0");
    } else if (!ids.insert(entry.id).second) {
      problems.push_back(at + ": id used twice");
    }
    if (entry.resource == nullptr) {
      problems.push_back(at + ": no table");
    } else {
      Append(problems, at, validate(*entry.resource));
    }
  }
}

}  // namespace

std::vector<std::string> ValidatePixelArt(const PixelArt& art) {
  Problems problems;
  if (art.width < 1 || art.width > kMaxPixelArtSide || art.height < 1 ||
      art.height > kMaxPixelArtSide) {
    problems.push_back("size " + std::to_string(art.width) + " by " + std::to_string(art.height) +
                       " outside 1 to " + std::to_string(kMaxPixelArtSide));
    return problems;
  }
  if (art.bitsPerPixel != 1 && art.bitsPerPixel != 4 && art.bitsPerPixel != 8) {
    problems.push_back(std::to_string(art.bitsPerPixel) + " bits per pixel (1, 4 or 8)");
  } else if (art.palette.size() > (std::size_t{1} << static_cast<unsigned>(art.bitsPerPixel))) {
    problems.push_back("more palette entries than " + std::to_string(art.bitsPerPixel) +
                       " bits can index");
  }
  if (art.palette.empty()) {
    problems.push_back("no palette");
  }

  std::array<bool, 256> known{};
  for (const LegendEntry& entry : art.legend) {
    const auto c = static_cast<unsigned char>(entry.symbol);
    if (c == 0) {
      problems.push_back("a legend entry for the NUL character");
      continue;
    }
    if (known[c]) {
      problems.push_back("legend lists " + Quoted(entry.symbol) + " twice");
    }
    if (entry.symbol == art.transparent) {
      problems.push_back("legend lists the transparent " + Quoted(entry.symbol));
    }
    if (entry.index >= art.palette.size()) {
      problems.push_back("legend maps " + Quoted(entry.symbol) + " to index " +
                         std::to_string(entry.index) + ", not in the palette");
    }
    known[c] = true;
  }
  if (art.transparent != '\0') {
    known[static_cast<unsigned char>(art.transparent)] = true;
  }

  if (art.rows.size() != static_cast<std::size_t>(art.height)) {
    problems.push_back(std::to_string(art.rows.size()) + " rows for a height of " +
                       std::to_string(art.height));
  }
  const auto width = static_cast<std::size_t>(art.width);
  for (std::size_t y = 0; y < art.rows.size() && y < static_cast<std::size_t>(art.height); ++y) {
    const std::string at = "row " + std::to_string(y);
    const char* row = art.rows[y];
    if (row == nullptr) {
      problems.push_back(at + ": missing");
      continue;
    }
    const std::size_t length = BoundedLength(row, width);
    if (length != width) {
      problems.push_back(at + (length < width ? ": shorter" : ": longer") + " than " +
                         std::to_string(width));
    }
    for (std::size_t x = 0; x < length && x < width; ++x) {
      if (!known[static_cast<unsigned char>(row[x])]) {
        problems.push_back(at + ": " + Quoted(row[x]) + " at column " + std::to_string(x) +
                           " is not in the legend");
        break;
      }
    }
  }
  return problems;
}

std::vector<std::string> ValidateIconGroup(const IconGroup& group) {
  Problems problems;
  if (group.images.empty()) {
    problems.push_back("no images");
  }
  std::set<std::pair<int, int>> sizes;
  for (std::size_t i = 0; i < group.images.size(); ++i) {
    const PixelArt& image = group.images[i];
    const std::string at = "image " + std::to_string(i);
    Append(problems, at, ValidatePixelArt(image));
    if (image.transparent == '\0') {
      problems.push_back(at + ": no transparent character");
    }
    if (!sizes.insert({image.width, image.height}).second) {
      problems.push_back(at + ": a second image of the same size");
    }
  }
  return problems;
}

std::vector<std::string> ValidateMenuTemplate(const MenuTemplate& menu) {
  Problems problems;
  CheckMenuLevel(menu.items, "bar", 1, problems);
  return problems;
}

std::vector<std::string> ValidateDialogTemplate(const DialogTemplate& dialog) {
  Problems problems;
  if (dialog.caption == nullptr) {
    problems.push_back("no caption (use \"\" for an empty one)");
  }
  if (IsFlagSet(dialog.style, DS_SETFONT) &&
      (dialog.pointSize == 0 || dialog.faceName == nullptr || dialog.faceName[0] == '\0')) {
    problems.push_back("DS_SETFONT without a point size and a face name");
  }
  if (dialog.cx < 0 || dialog.cy < 0) {
    problems.push_back("a negative size");
  }
  if (dialog.items.size() > 0xFFFFU) {
    problems.push_back("more items than a template can count");
  }
  for (std::size_t i = 0; i < dialog.items.size(); ++i) {
    const DialogItemTemplate& item = dialog.items[i];
    const std::string at = "item " + std::to_string(i);
    if (item.className == nullptr || item.className[0] == '\0') {
      problems.push_back(at + ": no class");
    }
    if (item.id < -1 || item.id > 0xFFFF) {
      problems.push_back(at + ": id " + std::to_string(item.id) + " outside -1 to 65535");
    }
    CheckTemplateText(item.text, at, problems);
    if (item.cx < 0 || item.cy < 0) {
      problems.push_back(at + ": a negative size");
    }
  }
  return problems;
}

std::vector<std::string> ValidateStringTable(std::span<const StringEntry> strings) {
  Problems problems;
  std::set<WORD> ids;
  for (const StringEntry& entry : strings) {
    const std::string at = "string " + std::to_string(entry.id);
    if (entry.id == 0) {
      problems.push_back("a string with id 0");
    } else if (!ids.insert(entry.id).second) {
      problems.push_back(at + ": id used twice");
    }
    if (entry.text == nullptr) {
      problems.push_back(at + ": no text");
    }
  }
  return problems;
}

std::vector<std::string> ValidateVersionInfo(const VersionInfo& version) {
  Problems problems;
  if (version.language == 0) {
    problems.push_back("no language");
  }
  constexpr std::array<std::string_view, 8> kKeys = {
      "CompanyName",    "FileDescription",  "FileVersion", "InternalName",
      "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"};
  for (std::string_view key : kKeys) {
    bool found = false;
    for (const VersionString& s : version.strings) {
      if (s.key != nullptr && key == s.key) {
        found = true;
        if (s.value == nullptr || s.value[0] == '\0') {
          problems.push_back(std::string(key) + " without a value");
        }
      }
    }
    if (!found) {
      problems.push_back("no " + std::string(key));
    }
  }
  return problems;
}

std::vector<std::string> ValidateResourceModule(const ResourceModule& module) {
  Problems problems;
  if (module.name == nullptr || module.name[0] == '\0') {
    problems.push_back("a module without a name");
  }
  if (module.language == 0) {
    problems.push_back("a module without a language");
  }
  CheckIds(module.menus, "menu", problems, &ValidateMenuTemplate);
  CheckIds(module.dialogs, "dialog", problems, &ValidateDialogTemplate);
  CheckIds(module.bitmaps, "bitmap", problems, &ValidatePixelArt);
  CheckIds(module.iconGroups, "icon group", problems, &ValidateIconGroup);
  Append(problems, "string table", ValidateStringTable(module.strings));
  for (const ResourceEntry<PixelArt>& bitmap : module.bitmaps) {
    if (bitmap.resource != nullptr && bitmap.resource->transparent != '\0') {
      problems.push_back("bitmap " + std::to_string(bitmap.id) + ": a transparent character");
    }
  }
  if (module.version != nullptr) {
    Append(problems, "version", ValidateVersionInfo(*module.version));
  }
  return problems;
}
