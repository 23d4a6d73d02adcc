// The classic look of menus: the bar on the face colour with its
// highlighted item as a thin sunken pane, and drop-downs in a raised border
// with the highlighted item on the selection colour. What is highlighted is
// the items' MF_HILITE, which the menu loop sets.
#pragma once

#include "platform/win/menu/menu_store.h"

namespace menus {

class CMenuPainter {
 public:
  // The window manager's paintBar hook: `hdc` has its origin at the bar's
  // top-left; a window whose menu handle names no menu gets a plain bar.
  static void PaintBar(HWND top, HDC hdc, int width, int height);
  // A drop-down's client area, `size` its client size.
  static void PaintDropDown(HDC hdc, HMENU popup, SIZE size);
};

}  // namespace menus
