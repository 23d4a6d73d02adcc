// Bitmaps and icons from the program's resources, made into GDI objects.
#pragma once

#include <vector>

#include "platform/win/wingdi.h"

// Null when the module has no such resource. Bitmaps belong to the caller
// (DeleteObject); icons are made once per resource and shared, as the system
// shares the icons it loads.
HBITMAP LoadBitmapA(HINSTANCE instance, LPCSTR name);
// The group's image closest to 32 by 32 pixels.
HICON LoadIconA(HINSTANCE instance, LPCSTR name);
// The group's image closest to the given size.
HICON LoadIconSized(HINSTANCE instance, LPCSTR name, int size);
// Every size of the icon group `icon` was loaded from, in the group's order;
// an icon made otherwise is its only size.
std::vector<HICON> IconSizesOf(HICON icon);
