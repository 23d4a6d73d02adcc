// What stands behind an HMENU, and the one place that knows which menus
// exist. The menu functions, the layout, the painter and the menu loop all
// reach a menu through CMenuStore::Find, so a stale or made-up handle is
// never dereferenced.
#pragma once

#include <string>
#include <vector>

#include "platform/win/wm/user.h"

namespace menus {

// The item flags a menu keeps; MF_HILITE is set only by the menu loop.
inline constexpr UINT kItemFlags =
    MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR | MF_MENUBARBREAK;

struct SMenuItem {
  UINT flags = 0;
  UINT id = 0;  // 0 for drop-downs and separators
  std::string text;
  HMENU popup = nullptr;  // with MF_POPUP; may be null for an empty drop-down
  // Measured in the menu font when first laid out; -1 until then. The text
  // is split at its first tab into the label and what is shown at the right.
  int labelWidth = -1;
  int rightWidth = -1;
};

bool IsSeparator(const SMenuItem& item);
bool IsPopup(const SMenuItem& item);
// A command that choosing runs: not a separator, not a drop-down, enabled.
bool IsChoosable(const SMenuItem& item);
// The character after the first single '&', lower-cased; 0 when none.
int MnemonicOf(const std::string& text);
int LowerKey(int key);

}  // namespace menus

struct HMENU__ {
  std::vector<menus::SMenuItem> items;
  bool popup = false;
  HMENU parent = nullptr;  // the menu one of whose items opens this one
};

namespace menus {

class CMenuStore {
 public:
  static HMENU Create(bool popup);
  // The menu behind a handle that names a live menu; null for anything else.
  static HMENU__* Find(HMENU menu);
  // Destroys a menu and the drop-downs it holds; a drop-down that another
  // menu holds is unhooked from it first.
  static void Destroy(HMENU menu);
  // Every menu still alive, when the window system shuts down.
  static void DestroyAll();

  // The item `item` names: a position with MF_BYPOSITION, else a command id
  // searched for in the menu and its drop-downs. `holder` and `position`
  // receive where it was found. Null when there is none.
  static SMenuItem* Locate(HMENU menu, UINT item, UINT flags, HMENU* holder = nullptr,
                           int* position = nullptr);
  // Whether `popup` may become a drop-down of `menu`: it must be free, not
  // `menu` or one of its holders, and the nesting must stay within
  // kMaxMenuDepth.
  static bool CanAdopt(HMENU menu, HMENU popup);
  // Builds the item AppendMenuA and ModifyMenuA describe; false when the
  // arguments name no valid item.
  static bool MakeItem(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text, HMENU keepPopup,
                       SMenuItem* item);
};

}  // namespace menus
