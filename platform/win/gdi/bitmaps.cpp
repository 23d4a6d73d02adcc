// Bitmaps, block transfers and pattern fills.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win/gdi/handle_table.h"
#include "platform/win/gdi/raster.h"

using gdi::CDeviceContext;
using gdi::CRaster;

namespace {

constexpr int kMaxSide = 16384;

HBITMAP MakeBitmap(int width, int height) {
  if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide) return nullptr;
  auto* bitmap = new gdi::CGdiBitmap;
  bitmap->m_surface = CreateSurface(std::max(width, 1), std::max(height, 1));
  gdi::CHandleTable::Instance().Add(static_cast<HGDIOBJ>(bitmap), gdi::ObjectKind::kBitmap);
  return bitmap;
}

bool NeedsSource(DWORD rop) {
  return rop == SRCCOPY || rop == SRCPAINT || rop == SRCAND || rop == SRCINVERT ||
         rop == NOTSRCCOPY;
}

std::uint32_t Combine(DWORD rop, std::uint32_t source, std::uint32_t dest) {
  switch (rop) {
    case SRCPAINT:
      return source | dest;
    case SRCAND:
      return source & dest;
    case SRCINVERT:
      return source ^ dest;
    case NOTSRCCOPY:
      return ~source & 0x00FFFFFFU;
    default:
      return source;
  }
}

// The pattern operations, on a box already in surface pixels.
bool PatternFill(CRaster& raster, const CDeviceContext& dc, long long x0, long long y0,
                 long long x1, long long y1, DWORD rop) {
  const gdi::CGdiBrush& brush = *dc.State().brush;
  switch (rop) {
    case PATCOPY:
      if (!brush.m_null) raster.Fill(x0, y0, x1, y1, gdi::ToPixel(brush.m_color));
      return true;
    case PATINVERT:
      if (!brush.m_null) raster.Xor(x0, y0, x1, y1, gdi::ToPixel(brush.m_color));
      return true;
    case DSTINVERT:
      raster.Xor(x0, y0, x1, y1, 0x00FFFFFFU);
      return true;
    case BLACKNESS:
      raster.Fill(x0, y0, x1, y1, 0U);
      return true;
    case WHITENESS:
      raster.Fill(x0, y0, x1, y1, 0x00FFFFFFU);
      return true;
    default:
      return false;
  }
}

}  // namespace

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
  if (CDeviceContext::Find(hdc) == nullptr) return nullptr;
  return MakeBitmap(width, height);
}

HBITMAP CreateBitmapFromPixels(int width, int height, const std::uint32_t* pixels) {
  if (pixels == nullptr || width <= 0 || height <= 0) return nullptr;
  HBITMAP handle = MakeBitmap(width, height);
  if (handle == nullptr) return nullptr;
  Surface* surface = gdi::FindBitmap(handle)->m_surface;
  for (std::size_t i = 0; i < surface->pixels.size(); ++i) {
    surface->pixels[i] = pixels[i] & 0x00FFFFFFU;
  }
  return handle;
}

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
  CDeviceContext* dc = CDeviceContext::Find(hdc);
  if (dc == nullptr) return FALSE;
  CRaster raster(*dc);
  long long x0 = raster.X(x);
  long long y0 = raster.Y(y);
  long long x1 = x0 + width;
  long long y1 = y0 + height;
  if (x1 < x0) std::swap(x0, x1);
  if (y1 < y0) std::swap(y0, y1);
  return PatternFill(raster, *dc, x0, y0, x1, y1, rop) ? TRUE : FALSE;
}

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
  CDeviceContext* target = CDeviceContext::Find(dst);
  if (target == nullptr) return FALSE;
  if (!NeedsSource(rop)) return PatBlt(dst, x, y, width, height, rop);
  const CDeviceContext* source = CDeviceContext::Find(src);
  if (source == nullptr) return FALSE;
  if (width <= 0 || height <= 0) return TRUE;
  const Surface* from = source->GetSurface();
  const long long sx = static_cast<long long>(srcX) + source->Origin().x;
  const long long sy = static_cast<long long>(srcY) + source->Origin().y;
  CRaster raster(*target);
  const long long dx = raster.X(x);
  const long long dy = raster.Y(y);
  // Only the part whose source lies inside the source surface moves.
  const long long x0 = dx + std::max(0LL, -sx);
  const long long y0 = dy + std::max(0LL, -sy);
  const long long x1 = dx + std::min<long long>(width, from->width - sx);
  const long long y1 = dy + std::min<long long>(height, from->height - sy);
  if (x0 >= x1 || y0 >= y1) return TRUE;
  // A blit within one surface may overlap itself; read from a copy of the
  // source rectangle then.
  const std::uint32_t* pixels = from->pixels.data();
  long long stride = from->width;
  long long readX = 0;
  long long readY = 0;
  std::vector<std::uint32_t> copy;
  if (from == target->GetSurface()) {
    readX = x0 - dx + sx;
    readY = y0 - dy + sy;
    stride = x1 - x0;
    copy.resize(static_cast<std::size_t>(stride * (y1 - y0)));
    for (long long row = 0; row < y1 - y0; ++row) {
      std::memcpy(&copy[static_cast<std::size_t>(row * stride)],
                  &from->pixels[static_cast<std::size_t>((readY + row) * from->width + readX)],
                  static_cast<std::size_t>(stride) * 4);
    }
    pixels = copy.data();
  }
  raster.ForEachBox(x0, y0, x1, y1, [&](const pixman_box32_t& box) {
    for (int row = box.y1; row < box.y2; ++row) {
      const long long fromX = box.x1 - dx + sx - readX;
      const long long fromY = row - dy + sy - readY;
      const std::uint32_t* in = pixels + fromY * stride + fromX;
      std::uint32_t* out = raster.Pixel(box.x1, row);
      const int count = box.x2 - box.x1;
      if (rop == SRCCOPY) {
        std::memcpy(out, in, static_cast<std::size_t>(count) * 4);
        continue;
      }
      for (int i = 0; i < count; ++i) out[i] = Combine(rop, in[i], out[i]);
    }
  });
  return TRUE;
}
