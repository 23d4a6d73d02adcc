// The menu window: class "#32768", which shows one drop-down menu while the
// menu loop has it open: a child of the frame under its menu bar, or a
// top-level pop-up of its own at the pointer for a context menu, which may
// reach past the window that opened it. It takes neither the focus nor the
// mouse (the loop holds the capture and reads the input); it only paints,
// and the window manager repaints what it covered when it goes. It answers
// MN_GETHMENU with the menu it shows.
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
  // Opens a pop-up for `popup` owned by `owner`'s top-level window, its
  // top-left at `screenPoint`, or to the left of it and above it where the
  // work area ends; never activated. Null when it cannot be made.
  static HWND OpenAt(HWND owner, HMENU popup, POINT screenPoint);
  // The menu a drop-down shows; null for any other window.
  static HMENU MenuOf(HWND dropDown);
  static void InvalidateItem(HWND dropDown, int index);

 private:
  static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace menus
