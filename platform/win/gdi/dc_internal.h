// How the window manager gets device contexts for its windows. Not for the
// program: it uses GetDC, BeginPaint and CreateCompatibleDC.
#pragma once

#include <pixman.h>

#include "platform/win/gdi/surface.h"
#include "platform/win/wingdi.h"

// A device context drawing on `surface`, with its logical (0, 0) at `origin`
// (surface pixels; a window's client origin) and every pixel it touches kept
// inside `clip` (surface pixels, copied). Drawing marks what it touches
// dirty on the surface. It starts with the default objects: the black
// one-pixel pen, the white brush, the dialog font, black text on an opaque
// white background.
HDC CreateSurfaceDC(Surface* surface, POINT origin, const pixman_region32_t* clip);
// Deletes such a context; the objects selected into it are not deleted.
void DeleteSurfaceDC(HDC hdc);
