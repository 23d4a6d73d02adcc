// Menus: menu bars and drop-downs as the classic system keeps them, loaded
// from the program's menu templates, drawn by the layer and run by a modal
// menu loop.
//
// Items are addressed by position (MF_BYPOSITION) or by command id
// (MF_BYCOMMAND, searching drop-downs too). A bad menu handle or position
// gives the documented failure result (-1, 0, FALSE or null) and never faults.
#pragma once

#include "platform/win/wm/user.h"

HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);  // drop-downs go with it
BOOL IsMenu(HMENU menu);
// Builds a menu bar from the menu template `name` of `instance`.
HMENU LoadMenuA(HINSTANCE instance, LPCSTR name);

HMENU GetMenu(HWND hwnd);
BOOL SetMenu(HWND hwnd, HMENU menu);
HMENU GetSubMenu(HMENU menu, int position);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position);          // -1 for a drop-down, 0 for a separator
UINT GetMenuState(HMENU menu, UINT item, UINT flags);  // MF_* bits; -1 when there is none
int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags);

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text);
BOOL ModifyMenuA(HMENU menu, UINT item, UINT flags, UINT_PTR idOrPopup, LPCSTR text);
BOOL DeleteMenu(HMENU menu, UINT item, UINT flags);
// Return the item's previous MF_ENABLED / MF_GRAYED / MF_DISABLED state, or -1.
UINT EnableMenuItem(HMENU menu, UINT item, UINT flags);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);

// Where an item is on the screen: a bar item of a window's menu bar, or an
// item of a drop-down that is open now. FALSE when it is not shown.
BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT position, RECT* rect);
// Ends the menu loop, if one runs.
BOOL EndMenu();
// Shows `menu` as a pop-up at screen point (x, y) for `owner` and runs the
// menu loop until an item is chosen or the menu is left. With
// TPM_RETURNCMD: the command chosen, 0 for none; without: nonzero when the
// menu was shown, and a chosen command is posted to `owner` as WM_COMMAND.
// FALSE while another menu loop runs. `reserved` and `rect` are unused.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                    const RECT* rect);
