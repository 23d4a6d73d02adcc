// Making and ending device contexts, and the state calls that only read or
// write the DC: colours, modes, position, saved states, clipping.
#include <algorithm>
#include <utility>

#include "platform/win/gdi/dc_internal.h"
#include "platform/win/gdi/device_context.h"
#include "platform/win/gdi/handle_table.h"

using gdi::CDeviceContext;

HDC CreateSurfaceDC(Surface* surface, POINT origin, const pixman_region32_t* clip) {
  if (surface == nullptr) return nullptr;
  return new CDeviceContext(surface, origin, clip);
}

void DeleteSurfaceDC(HDC hdc) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc != nullptr && !dc->IsMemory()) delete dc;
}

HDC CreateCompatibleDC(HDC hdc) {
  if (hdc != nullptr && CDeviceContext::Find(hdc) == nullptr) return nullptr;
  return new CDeviceContext();
}

BOOL DeleteDC(HDC hdc) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr || !dc->IsMemory()) return FALSE;
  delete dc;
  return TRUE;
}

int SaveDC(HDC hdc) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  return dc == nullptr ? 0 : dc->Save();
}

BOOL RestoreDC(HDC hdc, int saved) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  return dc != nullptr && dc->Restore(saved) ? TRUE : FALSE;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr) return CLR_INVALID;
  return std::exchange(dc->State().textColor, color & 0x00FFFFFFU);
}

COLORREF GetTextColor(HDC hdc) {
  const CDeviceContext* dc = CDeviceContext::Find(hdc);
  return dc == nullptr ? CLR_INVALID : dc->State().textColor;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr) return CLR_INVALID;
  return std::exchange(dc->State().bkColor, color & 0x00FFFFFFU);
}

COLORREF GetBkColor(HDC hdc) {
  const CDeviceContext* dc = CDeviceContext::Find(hdc);
  return dc == nullptr ? CLR_INVALID : dc->State().bkColor;
}

int SetBkMode(HDC hdc, int mode) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return std::exchange(dc->State().bkMode, mode);
}

int GetBkMode(HDC hdc) {
  const CDeviceContext* dc = CDeviceContext::Find(hdc);
  return dc == nullptr ? 0 : dc->State().bkMode;
}

UINT SetTextAlign(HDC hdc, UINT align) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr) return GDI_ERROR;
  return std::exchange(dc->State().textAlign, align & (TA_UPDATECP | TA_CENTER | TA_BASELINE));
}

UINT GetTextAlign(HDC hdc) {
  const CDeviceContext* dc = CDeviceContext::Find(hdc);
  return dc == nullptr ? GDI_ERROR : dc->State().textAlign;
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr) return FALSE;
  if (previous != nullptr) *previous = dc->State().position;
  dc->State().position = POINT{x, y};
  return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, POINT* position) {
  const CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr || position == nullptr) return FALSE;
  *position = dc->State().position;
  return TRUE;
}

int GetDeviceCaps(HDC hdc, int index) {
  const CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr) return 0;
  switch (index) {
    case HORZRES:
      return dc->GetSurface()->width;
    case VERTRES:
      return dc->GetSurface()->height;
    case BITSPIXEL:
      return 32;
    case PLANES:
      return 1;
    case NUMCOLORS:
      return -1;
    case LOGPIXELSX:
    case LOGPIXELSY:
      return 96;
    default:
      return 0;
  }
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  return dc == nullptr ? ERROR : dc->IntersectClip(left, top, right, bottom);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  return dc == nullptr ? ERROR : dc->ExcludeClip(left, top, right, bottom);
}

int GetClipBox(HDC hdc, RECT* rect) {
  const CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr || rect == nullptr) return ERROR;
  const gdi::CRegion& clip = dc->State().clip;
  const pixman_box32_t* box = pixman_region32_extents(clip.Get());
  const int complexity = clip.Complexity();
  if (complexity == NULLREGION) {
    *rect = RECT{0, 0, 0, 0};
  } else {
    const POINT origin = dc->Origin();
    *rect = RECT{box->x1 - origin.x, box->y1 - origin.y, box->x2 - origin.x, box->y2 - origin.y};
  }
  return complexity;
}
