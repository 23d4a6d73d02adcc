#include "platform/win/gdi/device_context.h"

#include <algorithm>
#include <utility>

#include "platform/win/gdi/handle_table.h"

namespace gdi {

CDeviceContext::CDeviceContext(Surface* surface, POINT origin, const pixman_region32_t* clip)
    : m_surface(surface) {
  // Far beyond any surface, and small enough that logical-to-surface sums
  // never overflow.
  constexpr LONG kLimit = 1 << 28;
  m_origin = POINT{std::clamp(origin.x, -kLimit, kLimit), std::clamp(origin.y, -kLimit, kLimit)};
  m_state.pen = StockBlackPen();
  m_state.brush = StockWhiteBrush();
  m_state.font = StockDialogFont();
  ResetClipToSurface(clip);
  CHandleTable::Instance().Add(static_cast<HDC>(this), ObjectKind::kDC);
}

CDeviceContext::CDeviceContext() : m_memory(true) {
  m_state.pen = StockBlackPen();
  m_state.brush = StockWhiteBrush();
  m_state.font = StockDialogFont();
  m_state.bitmap = StockBitmap();
  m_surface = m_state.bitmap->m_surface;
  ResetClipToSurface(nullptr);
  CHandleTable::Instance().Add(static_cast<HDC>(this), ObjectKind::kDC);
}

CDeviceContext::~CDeviceContext() {
  CHandleTable::Instance().Remove(static_cast<HDC>(this));
  if (m_state.bitmap != nullptr && m_state.bitmap->m_dc == this) m_state.bitmap->m_dc = nullptr;
  ReleaseState(m_state);
  for (const SDcState& saved : m_saved) ReleaseState(saved);
}

CDeviceContext* CDeviceContext::Find(HDC hdc) {
  if (!CHandleTable::Instance().IsLive(hdc, ObjectKind::kDC)) return nullptr;
  return static_cast<CDeviceContext*>(hdc);
}

void CDeviceContext::RetainState(const SDcState& state) {
  CHandleTable& table = CHandleTable::Instance();
  table.Retain(state.pen);
  table.Retain(state.brush);
  table.Retain(state.font);
  if (state.bitmap != nullptr) table.Retain(state.bitmap);
}

void CDeviceContext::ReleaseState(const SDcState& state) {
  CHandleTable& table = CHandleTable::Instance();
  table.Release(state.pen);
  table.Release(state.brush);
  table.Release(state.font);
  if (state.bitmap != nullptr) table.Release(state.bitmap);
}

void CDeviceContext::ResetClipToSurface(const pixman_region32_t* within) {
  pixman_region32_t* clip = m_state.clip.Get();
  pixman_region32_fini(clip);
  pixman_region32_init_rect(clip, 0, 0, static_cast<unsigned>(m_surface->width),
                            static_cast<unsigned>(m_surface->height));
  if (within != nullptr) pixman_region32_intersect(clip, clip, within);
}

HGDIOBJ CDeviceContext::Select(HGDIOBJ object) {
  CHandleTable& table = CHandleTable::Instance();
  ObjectKind kind;
  if (!table.KindOf(object, &kind)) return nullptr;
  HGDIOBJ previous = nullptr;
  switch (kind) {
    case ObjectKind::kPen:
      previous = std::exchange(m_state.pen, static_cast<CGdiPen*>(static_cast<HPEN__*>(object)));
      break;
    case ObjectKind::kBrush:
      previous =
          std::exchange(m_state.brush, static_cast<CGdiBrush*>(static_cast<HBRUSH__*>(object)));
      break;
    case ObjectKind::kFont:
      previous = std::exchange(m_state.font, static_cast<CGdiFont*>(static_cast<HFONT__*>(object)));
      break;
    case ObjectKind::kBitmap: {
      auto* bitmap = static_cast<CGdiBitmap*>(static_cast<HBITMAP__*>(object));
      if (!m_memory) return nullptr;
      if (bitmap->m_dc != nullptr && bitmap->m_dc != this) return nullptr;
      if (m_state.bitmap->m_dc == this) m_state.bitmap->m_dc = nullptr;
      previous = std::exchange(m_state.bitmap, bitmap);
      if (!table.IsStock(object)) bitmap->m_dc = this;
      m_surface = bitmap->m_surface;
      ResetClipToSurface(nullptr);
      break;
    }
    case ObjectKind::kDC:
    case ObjectKind::kIcon:
      return nullptr;
  }
  table.Retain(object);
  table.Release(previous);
  return previous;
}

HGDIOBJ CDeviceContext::Current(ObjectKind kind) const {
  switch (kind) {
    case ObjectKind::kPen:
      return m_state.pen;
    case ObjectKind::kBrush:
      return m_state.brush;
    case ObjectKind::kFont:
      return m_state.font;
    case ObjectKind::kBitmap:
      return m_state.bitmap;
    case ObjectKind::kDC:
    case ObjectKind::kIcon:
      break;
  }
  return nullptr;
}

int CDeviceContext::Save() {
  m_saved.push_back(m_state);
  RetainState(m_state);
  return static_cast<int>(m_saved.size());
}

bool CDeviceContext::Restore(int saved) {
  const long long depth = static_cast<long long>(m_saved.size());
  const long long target = saved > 0 ? saved : depth + saved + 1;
  if (saved == 0 || target < 1 || target > depth) return false;
  if (m_state.bitmap != nullptr && m_state.bitmap->m_dc == this) m_state.bitmap->m_dc = nullptr;
  ReleaseState(m_state);
  const auto index = static_cast<std::size_t>(target - 1);
  m_state = std::move(m_saved[index]);
  for (std::size_t i = index + 1; i < m_saved.size(); ++i) ReleaseState(m_saved[i]);
  m_saved.resize(index);
  if (m_memory) {
    if (!CHandleTable::Instance().IsStock(static_cast<HGDIOBJ>(m_state.bitmap)) &&
        m_state.bitmap->m_dc == nullptr) {
      m_state.bitmap->m_dc = this;
    }
    m_surface = m_state.bitmap->m_surface;
  }
  return true;
}

bool CDeviceContext::ClipRectToSurface(long long left, long long top, long long right,
                                       long long bottom, pixman_box32_t* box) const {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  left = std::clamp<long long>(left + m_origin.x, 0, m_surface->width);
  right = std::clamp<long long>(right + m_origin.x, 0, m_surface->width);
  top = std::clamp<long long>(top + m_origin.y, 0, m_surface->height);
  bottom = std::clamp<long long>(bottom + m_origin.y, 0, m_surface->height);
  *box = pixman_box32_t{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                        static_cast<int>(bottom)};
  return left < right && top < bottom;
}

int CDeviceContext::IntersectClip(long long left, long long top, long long right,
                                  long long bottom) {
  pixman_box32_t box;
  if (!ClipRectToSurface(left, top, right, bottom, &box)) {
    pixman_region32_clear(m_state.clip.Get());
    return NULLREGION;
  }
  pixman_region32_intersect_rect(m_state.clip.Get(), m_state.clip.Get(), box.x1, box.y1,
                                 static_cast<unsigned>(box.x2 - box.x1),
                                 static_cast<unsigned>(box.y2 - box.y1));
  return m_state.clip.Complexity();
}

int CDeviceContext::ExcludeClip(long long left, long long top, long long right, long long bottom) {
  pixman_box32_t box;
  if (ClipRectToSurface(left, top, right, bottom, &box)) {
    CRegion cut(box.x1, box.y1, box.x2 - box.x1, box.y2 - box.y1);
    pixman_region32_subtract(m_state.clip.Get(), m_state.clip.Get(), cut.Get());
  }
  return m_state.clip.Complexity();
}

}  // namespace gdi
