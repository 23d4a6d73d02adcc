// The start-up of the whole system tier: the window manager, the control
// classes and the menus, in that order. The program's main (through the
// framework's start-up) calls InitWindowSystem once with its host before any
// other function of the layer, and ShutdownWindowSystem at the end.
//
// The classes registered: "BUTTON" (push buttons, default push buttons,
// group boxes), "STATIC" (text, bitmaps, icons), "msctls_trackbar32",
// "msctls_statusbar32", the dialog part's "EDIT", "LISTBOX",
// "msctls_updown32" and dialog classes, and the menus' drop-down "#32768".
#pragma once

#include "platform/win/commctrl.h"
#include "platform/win/wm/user.h"

void InitWindowSystem(host::IHost* host);
// Destroys the windows that are left, then the menus, and forgets the host.
void ShutdownWindowSystem();

// ---- Numbers the common headers do not carry yet --------------------------------
// SB_SETTEXTA's wParam: the part index in the low byte, these drawing flags
// above it.
inline constexpr UINT SBT_NOBORDERS = 0x0100;
inline constexpr UINT SBT_POPOUT = 0x0200;
// A static control with SS_NOTIFY reports a click to its parent so.
inline constexpr UINT STN_CLICKED = 0;
