// The menu functions that involve windows: a frame's menu bar, where items
// are on the screen, ending the menu loop, and joining the window manager.
#include "platform/win/menu/drop_down.h"
#include "platform/win/menu/menu.h"
#include "platform/win/menu/menu_layout.h"
#include "platform/win/menu/menu_loop.h"
#include "platform/win/menu/menu_painter.h"
#include "platform/win/menu/menu_system.h"
#include "platform/win/wm/wnd.h"

using menus::CMenuLayout;
using menus::CMenuLoop;
using menus::CMenuStore;

HMENU GetMenu(HWND hwnd) {
  if (!IsLive(hwnd) || !IsTopLevel(hwnd)) return nullptr;
  return CMenuStore::Find(hwnd->menu);
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
  if (!IsLive(hwnd) || !IsTopLevel(hwnd)) return FALSE;
  if (menu != nullptr && CMenuStore::Find(menu) == nullptr) return FALSE;
  if (CMenuLoop* loop = CMenuLoop::Current(); loop != nullptr && loop->Frame() == hwnd) {
    loop->End();
  }
  const bool hadBar = MenuBarHeight(hwnd) > 0;
  hwnd->menu = menu;
  DrawMenuBar(hwnd);
  if (hadBar != (menu != nullptr)) {
    // The client area grows or shrinks by the bar: everything moves.
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    const SIZE client = ClientSize(hwnd);
    SendMessageA(hwnd, WM_SIZE, hwnd->sizeState,
                 MAKELPARAM(static_cast<UINT>(client.cx), static_cast<UINT>(client.cy)));
  }
  return TRUE;
}

BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT position, RECT* rect) {
  if (rect == nullptr || CMenuStore::Find(menu) == nullptr ||
      position >= static_cast<UINT>(GetMenuItemCount(menu))) {
    return FALSE;
  }
  const int index = static_cast<int>(position);
  if (GetMenu(hwnd) == menu) {
    if (!IsShowing(hwnd)) return FALSE;
    RECT r = CMenuLayout::BarItemRect(menu, index);
    if (r.left >= hwnd->surface->width) return FALSE;
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    OffsetRect(&r, origin.x, origin.y - MenuBarHeight(hwnd));
    *rect = r;
    return TRUE;
  }
  const CMenuLoop* loop = CMenuLoop::Current();
  if (loop == nullptr || loop->OpenPopup() != menu) return FALSE;
  RECT r = CMenuLayout::DropDownItemRect(menu, index);
  POINT origin{0, 0};
  ClientToScreen(loop->DropDown(), &origin);
  OffsetRect(&r, origin.x, origin.y);
  *rect = r;
  return TRUE;
}

BOOL EndMenu() {
  CMenuLoop* loop = CMenuLoop::Current();
  if (loop == nullptr) return FALSE;
  loop->End();
  return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int /*reserved*/, HWND owner,
                    const RECT* /*rect*/) {
  if (CMenuLoop::Current() != nullptr || !IsLive(owner) || GetMenuItemCount(menu) <= 0) {
    return FALSE;
  }
  const UINT command = CMenuLoop::TrackPopup(menu, flags, POINT{x, y}, owner);
  if ((flags & TPM_RETURNCMD) != 0) return static_cast<BOOL>(command);
  return TRUE;
}

bool InstallMenuSystem() {
  if (!menus::CDropDown::Register()) return false;
  MenuHooks hooks;
  hooks.paintBar = &menus::CMenuPainter::PaintBar;
  hooks.track = &CMenuLoop::Track;
  SetMenuHooks(hooks);
  return true;
}

void DestroyAllMenus() { CMenuStore::DestroyAll(); }
