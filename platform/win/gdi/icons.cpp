// Icons: pixel art with a one-bit mask, drawn where the mask is set.
#include <algorithm>

#include "platform/win/gdi/handle_table.h"
#include "platform/win/gdi/raster.h"
#include "platform/win/gdi/sys_colors.h"

using gdi::CDeviceContext;
using gdi::CRaster;

namespace {

// The classic large icon, for DI_DEFAULTSIZE.
constexpr int kDefaultIconSize = 32;
constexpr int kMaxIconSide = 1024;

}  // namespace

HICON CreateIconFromPixels(int width, int height, const std::uint32_t* argb) {
  if (argb == nullptr || width <= 0 || height <= 0 || width > kMaxIconSide ||
      height > kMaxIconSide) {
    return nullptr;
  }
  auto* icon = new gdi::CGdiIcon;
  icon->m_width = width;
  icon->m_height = height;
  icon->m_argb.assign(argb, argb + static_cast<std::size_t>(width) * height);
  gdi::CHandleTable::Instance().Add(static_cast<HICON>(icon), gdi::ObjectKind::kIcon);
  return icon;
}

BOOL DestroyIcon(HICON icon) {
  gdi::CGdiIcon* live = gdi::FindIcon(icon);
  if (live == nullptr) return FALSE;
  gdi::CHandleTable::Instance().Remove(static_cast<HICON>(live));
  delete live;
  return TRUE;
}

BOOL GetIconSize(HICON icon, SIZE* size) {
  const gdi::CGdiIcon* live = gdi::FindIcon(icon);
  if (live == nullptr || size == nullptr) return FALSE;
  *size = SIZE{live->m_width, live->m_height};
  return TRUE;
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int cx, int cy, UINT /*step*/, HBRUSH background,
                UINT flags) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  const gdi::CGdiIcon* live = gdi::FindIcon(icon);
  if (dc == nullptr || live == nullptr || cx < 0 || cy < 0) return FALSE;
  const bool defaultSize = (flags & DI_DEFAULTSIZE) != 0;
  if (cx == 0) cx = defaultSize ? kDefaultIconSize : live->m_width;
  if (cy == 0) cy = defaultSize ? kDefaultIconSize : live->m_height;
  CRaster raster(*dc);
  const long long x0 = raster.X(x);
  const long long y0 = raster.Y(y);
  if (const gdi::CGdiBrush* brush = gdi::ResolveBrush(background); brush && !brush->m_null) {
    raster.Fill(x0, y0, x0 + cx, y0 + cy, gdi::ToPixel(brush->m_color));
  }
  const bool image = (flags & DI_IMAGE) != 0;
  const bool mask = (flags & DI_MASK) != 0;
  if (!image && !mask) return TRUE;
  raster.ForEachBox(x0, y0, x0 + cx, y0 + cy, [&](const pixman_box32_t& box) {
    for (int row = box.y1; row < box.y2; ++row) {
      const long long iy = (row - y0) * live->m_height / cy;
      const std::uint32_t* source = live->m_argb.data() + iy * live->m_width;
      std::uint32_t* out = raster.Pixel(box.x1, row);
      for (int col = box.x1; col < box.x2; ++col, ++out) {
        const std::uint32_t pixel = source[(col - x0) * live->m_width / cx];
        const bool opaque = (pixel >> 24U) != 0;
        // The mask alone blackens the icon's shape; the image alone is the
        // colours without the mask, as the classic flags have it.
        if (image && (opaque || !mask)) {
          *out = pixel & 0x00FFFFFFU;
        } else if (mask && !image && opaque) {
          *out = 0U;
        }
      }
    }
  });
  return TRUE;
}

BOOL DrawIcon(HDC hdc, int x, int y, HICON icon) {
  return DrawIconEx(hdc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
}
