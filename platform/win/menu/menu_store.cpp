#include "platform/win/menu/menu_store.h"

#include <algorithm>
#include <unordered_set>

#include "platform/win/res/resource_types.h"

namespace menus {

namespace {

// Never destroyed, so that menus still alive at exit stay reachable rather
// than counting as leaks.
std::unordered_set<HMENU>& Live() {
  static auto* live = new std::unordered_set<HMENU>;
  return *live;
}

int Depth(HMENU menu) {
  int depth = 0;
  for (HMENU m = menu; m != nullptr && depth <= kMaxMenuDepth; m = m->parent) ++depth;
  return depth;
}

// Levels below and including `menu`; the adoption rule keeps this bounded.
int Height(HMENU menu, int guard) {
  HMENU__* data = CMenuStore::Find(menu);
  if (data == nullptr || guard > kMaxMenuDepth) return 0;
  int below = 0;
  for (const SMenuItem& item : data->items) {
    if (item.popup != nullptr) below = std::max(below, Height(item.popup, guard + 1));
  }
  return below + 1;
}

SMenuItem* FindCommand(HMENU menu, UINT id, int depth, HMENU* holder, int* position) {
  HMENU__* data = CMenuStore::Find(menu);
  if (data == nullptr || depth > kMaxMenuDepth) return nullptr;
  for (size_t i = 0; i < data->items.size(); ++i) {
    SMenuItem& item = data->items[i];
    if (!IsPopup(item) && !IsSeparator(item) && item.id == id) {
      if (holder != nullptr) *holder = menu;
      if (position != nullptr) *position = static_cast<int>(i);
      return &item;
    }
    if (item.popup != nullptr) {
      if (SMenuItem* found = FindCommand(item.popup, id, depth + 1, holder, position)) return found;
    }
  }
  return nullptr;
}

void DestroyTree(HMENU menu, int depth) {
  HMENU__* data = CMenuStore::Find(menu);
  if (data == nullptr) return;
  Live().erase(menu);
  if (depth <= kMaxMenuDepth) {
    for (SMenuItem& item : data->items) DestroyTree(item.popup, depth + 1);
  }
  delete data;
}

}  // namespace

bool IsSeparator(const SMenuItem& item) { return (item.flags & MF_SEPARATOR) != 0; }
bool IsPopup(const SMenuItem& item) { return (item.flags & MF_POPUP) != 0; }

bool IsChoosable(const SMenuItem& item) {
  return (item.flags & (MF_SEPARATOR | MF_POPUP | MF_GRAYED | MF_DISABLED)) == 0;
}

int LowerKey(int key) { return key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key; }

int MnemonicOf(const std::string& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return LowerKey(static_cast<unsigned char>(text[i + 1]));
  }
  return 0;
}

HMENU CMenuStore::Create(bool popup) {
  auto* menu = new HMENU__;
  menu->popup = popup;
  Live().insert(menu);
  return menu;
}

HMENU__* CMenuStore::Find(HMENU menu) {
  return menu != nullptr && Live().contains(menu) ? menu : nullptr;
}

void CMenuStore::Destroy(HMENU menu) {
  HMENU__* data = Find(menu);
  if (data == nullptr) return;
  if (HMENU__* holder = Find(data->parent)) {
    for (SMenuItem& item : holder->items) {
      if (item.popup == menu) item.popup = nullptr;
    }
  }
  DestroyTree(menu, 0);
}

void CMenuStore::DestroyAll() {
  while (!Live().empty()) {
    HMENU menu = *Live().begin();
    Live().erase(Live().begin());
    // Drop-downs are destroyed on their own turn, so nothing recurses here.
    delete menu;
  }
}

SMenuItem* CMenuStore::Locate(HMENU menu, UINT item, UINT flags, HMENU* holder, int* position) {
  HMENU__* data = Find(menu);
  if (data == nullptr) return nullptr;
  if ((flags & MF_BYPOSITION) != 0) {
    if (item >= data->items.size()) return nullptr;
    if (holder != nullptr) *holder = menu;
    if (position != nullptr) *position = static_cast<int>(item);
    return &data->items[item];
  }
  return FindCommand(menu, item, 0, holder, position);
}

bool CMenuStore::CanAdopt(HMENU menu, HMENU popup) {
  HMENU__* child = Find(popup);
  if (Find(menu) == nullptr || child == nullptr || child->parent != nullptr) return false;
  for (HMENU m = menu; m != nullptr; m = m->parent) {
    if (m == popup) return false;
  }
  return Depth(menu) + Height(popup, 0) <= kMaxMenuDepth;
}

bool CMenuStore::MakeItem(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text, HMENU keepPopup,
                          SMenuItem* item) {
  *item = SMenuItem{};
  item->flags = flags & kItemFlags;
  if ((flags & MF_SEPARATOR) != 0) {
    item->flags &= ~MF_POPUP;
    return true;
  }
  if (text != nullptr) item->text = text;
  if ((flags & MF_POPUP) != 0) {
    HMENU popup = reinterpret_cast<HMENU>(idOrPopup);
    if (popup != keepPopup && !CanAdopt(menu, popup)) return false;
    item->popup = popup;
    return true;
  }
  item->id = static_cast<UINT>(idOrPopup);
  return true;
}

}  // namespace menus
