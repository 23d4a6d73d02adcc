// The window classes of the system's own controls: "BUTTON" (push buttons,
// default push buttons, group boxes), "STATIC" (text, bitmaps, icons),
// "msctls_trackbar32" and "msctls_statusbar32". The system's start-up calls
// RegisterControlClasses once, after the window manager is up.
#pragma once

#include "platform/win/commctrl.h"
#include "platform/win/wm/user.h"

void RegisterControlClasses();

// ---- Numbers the common headers do not carry yet --------------------------------
// SB_SETTEXTA's wParam: the part index in the low byte, these drawing flags
// above it.
inline constexpr UINT SBT_NOBORDERS = 0x0100;
inline constexpr UINT SBT_POPOUT = 0x0200;
// A static control with SS_NOTIFY reports a click to its parent so.
inline constexpr UINT STN_CLICKED = 0;
