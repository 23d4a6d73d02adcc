// The menu functions of menu.h that work on the data alone: making,
// loading, reading and changing menus.
#include <algorithm>
#include <cstring>

#include "platform/win/menu/menu.h"
#include "platform/win/menu/menu_store.h"
#include "platform/win/res/resources.h"

using menus::CMenuStore;
using menus::SMenuItem;

namespace {

constexpr UINT kNoItem = static_cast<UINT>(-1);

void Adopt(HMENU holder, const SMenuItem& item) {
  if (HMENU__* child = CMenuStore::Find(item.popup)) child->parent = holder;
}

// One level of a template; deeper levels than the templates may have are
// left empty rather than followed.
void Build(HMENU menu, std::span<const MenuItemTemplate> items, int depth) {
  for (const MenuItemTemplate& t : items) {
    const UINT flags = t.flags & menus::kItemFlags;
    if ((flags & MF_POPUP) != 0) {
      HMENU popup = CreatePopupMenu();
      if (depth + 1 < kMaxMenuDepth) Build(popup, t.popup, depth + 1);
      AppendMenuA(menu, flags, reinterpret_cast<UINT_PTR>(popup), t.text);
    } else {
      AppendMenuA(menu, flags, t.id, t.text);
    }
  }
}

}  // namespace

HMENU CreateMenu() { return CMenuStore::Create(false); }
HMENU CreatePopupMenu() { return CMenuStore::Create(true); }

BOOL DestroyMenu(HMENU menu) {
  if (CMenuStore::Find(menu) == nullptr) return FALSE;
  CMenuStore::Destroy(menu);
  return TRUE;
}

BOOL IsMenu(HMENU menu) { return CMenuStore::Find(menu) != nullptr ? TRUE : FALSE; }

HMENU LoadMenuA(HINSTANCE instance, LPCSTR name) {
  const MenuTemplate* t = FindMenuTemplate(instance, name);
  if (t == nullptr) return nullptr;
  HMENU menu = CreateMenu();
  Build(menu, t->items, 0);
  return menu;
}

HMENU GetSubMenu(HMENU menu, int position) {
  if (position < 0) return nullptr;
  const SMenuItem* item = CMenuStore::Locate(menu, static_cast<UINT>(position), MF_BYPOSITION);
  return item != nullptr && menus::IsPopup(*item) ? CMenuStore::Find(item->popup) : nullptr;
}

int GetMenuItemCount(HMENU menu) {
  const HMENU__* data = CMenuStore::Find(menu);
  return data != nullptr ? static_cast<int>(data->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  if (position < 0) return kNoItem;
  const SMenuItem* item = CMenuStore::Locate(menu, static_cast<UINT>(position), MF_BYPOSITION);
  if (item == nullptr || menus::IsPopup(*item)) return kNoItem;
  return menus::IsSeparator(*item) ? 0 : item->id;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  const SMenuItem* found = CMenuStore::Locate(menu, item, flags);
  if (found == nullptr) return kNoItem;
  if (!menus::IsPopup(*found)) return found->flags;
  // A drop-down reports its item count in the high byte, as the system does.
  const int count = std::max(0, GetMenuItemCount(found->popup));
  return (static_cast<UINT>(count) << 8U) | (found->flags & 0xFFU);
}

int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags) {
  const SMenuItem* found = CMenuStore::Locate(menu, item, flags);
  if (found == nullptr) return 0;
  const int length = static_cast<int>(std::min<size_t>(found->text.size(), 0x7FFFFFFF));
  if (buffer == nullptr) return length;
  if (size <= 0) return 0;
  const int n = std::min(length, size - 1);
  std::memcpy(buffer, found->text.data(), static_cast<size_t>(n));
  buffer[n] = '\0';
  return n;
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text) {
  HMENU__* data = CMenuStore::Find(menu);
  SMenuItem item;
  if (data == nullptr || !CMenuStore::MakeItem(menu, flags, idOrPopup, text, nullptr, &item)) {
    return FALSE;
  }
  Adopt(menu, item);
  data->items.push_back(std::move(item));
  return TRUE;
}

BOOL ModifyMenuA(HMENU menu, UINT item, UINT flags, UINT_PTR idOrPopup, LPCSTR text) {
  HMENU holder = nullptr;
  int position = 0;
  SMenuItem* found = CMenuStore::Locate(menu, item, flags, &holder, &position);
  if (found == nullptr) return FALSE;
  const HMENU oldPopup = found->popup;
  SMenuItem replacement;
  if (!CMenuStore::MakeItem(holder, flags, idOrPopup, text, oldPopup, &replacement)) return FALSE;
  // The item takes the place of the old one and keeps its highlight.
  replacement.flags |= found->flags & MF_HILITE;
  *found = std::move(replacement);
  Adopt(holder, *found);
  // A drop-down that the item no longer opens goes with the old item.
  if (oldPopup != nullptr && oldPopup != found->popup) {
    if (HMENU__* old = CMenuStore::Find(oldPopup)) old->parent = nullptr;
    CMenuStore::Destroy(oldPopup);
  }
  return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT item, UINT flags) {
  HMENU holder = nullptr;
  int position = 0;
  const SMenuItem* found = CMenuStore::Locate(menu, item, flags, &holder, &position);
  if (found == nullptr) return FALSE;
  const HMENU popup = found->popup;
  HMENU__* data = CMenuStore::Find(holder);
  data->items.erase(data->items.begin() + position);
  if (HMENU__* child = CMenuStore::Find(popup)) child->parent = nullptr;
  CMenuStore::Destroy(popup);
  return TRUE;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT flags) {
  SMenuItem* found = CMenuStore::Locate(menu, item, flags);
  if (found == nullptr) return kNoItem;
  const UINT previous = found->flags & (MF_GRAYED | MF_DISABLED);
  found->flags = (found->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
  return previous;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
  SMenuItem* found = CMenuStore::Locate(menu, item, flags);
  if (found == nullptr) return static_cast<DWORD>(-1);
  const DWORD previous = found->flags & MF_CHECKED;
  found->flags = (found->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
  return previous;
}
