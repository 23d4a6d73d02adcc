// Where the items of a menu bar and of a drop-down lie. Painting, hit
// testing in the menu loop and GetMenuItemRect all ask here, so what is
// drawn is what is clicked.
//
// Bar coordinates have (0, 0) at the top-left of the bar; drop-down
// coordinates are the drop-down window's client pixels. Texts are measured
// once in the menu font (the dialog font) and remembered in the items.
#pragma once

#include "platform/win/menu/menu_store.h"

namespace menus {

class CMenuLayout {
 public:
  // The bar: each item is its label's width plus kBarPadding on either side,
  // left to right from x = 0; the rectangle is what the highlight covers.
  static constexpr int kBarPadding = 6;
  static constexpr int kBarItemTop = 1;

  // Drop-downs: a raised two-pixel border and one pixel of face inside it,
  // items kItemHeight high (separators kSeparatorHeight), the label
  // kTextLeft pixels from the left edge and as much room again on the right.
  static constexpr int kFrame = 3;
  static constexpr int kItemHeight = 18;
  static constexpr int kSeparatorHeight = 8;
  static constexpr int kTextLeft = 18;
  static constexpr int kRightGap = 12;  // between a label and its right-hand text

  static HFONT Font();
  // Measures what in `menu` has not been measured yet.
  static void Measure(HMENU menu);

  // Empty when there is no such item.
  static RECT BarItemRect(HMENU bar, int index);
  // The item whose column holds bar x `x`; -1 for none.
  static int BarItemAt(HMENU bar, int x);

  static SIZE DropDownSize(HMENU popup);
  static RECT DropDownItemRect(HMENU popup, int index);
  // The item (separators included) under a drop-down client point; -1 for
  // the border or anywhere outside.
  static int DropDownItemAt(HMENU popup, POINT point);
};

}  // namespace menus
