// The drop-down window: class "#32768", a child of the frame that shows one
// drop-down menu while the menu loop has it open. It takes neither the
// focus nor the mouse (the loop holds the capture and reads the input); it
// only paints, and the window manager repaints what it covered when it goes.
#pragma once

#include "platform/win/wm/user.h"

namespace menus {

class CDropDown {
 public:
  static constexpr const char* kClassName = "#32768";

  // Registers the class; once per session.
  static BOOL Register();
  // Opens a drop-down for `popup` at the top of `frame`'s client area, its
  // left edge at client x `left` or further left if that makes it fit, above
  // every other child. Null when it cannot be made.
  static HWND Open(HWND frame, HMENU popup, int left);
  // The menu a drop-down shows; null for any other window.
  static HMENU MenuOf(HWND dropDown);
  static void InvalidateItem(HWND dropDown, int index);

 private:
  static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace menus
