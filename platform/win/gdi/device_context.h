// The state behind an HDC: where it draws (a window's surface at the
// window's client origin, or a memory DC's bitmap), what it clips to, the
// selected objects, colours and modes, and the stack SaveDC pushes onto.
//
// Clip regions are kept in surface pixels and always lie inside the
// surface, so drawing code never has to check the surface bounds again.
#pragma once

#include <vector>

#include "platform/win/gdi/gdi_objects.h"
#include "platform/win/gdi/region.h"

namespace gdi {

struct SDcState {
  CGdiPen* pen = nullptr;
  CGdiBrush* brush = nullptr;
  CGdiFont* font = nullptr;
  CGdiBitmap* bitmap = nullptr;  // memory DCs only
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  int bkMode = OPAQUE;
  UINT textAlign = TA_LEFT | TA_TOP;
  POINT position{0, 0};
  CRegion clip;
};

class CDeviceContext : public HDC__ {
 public:
  // A window DC over `surface`; `clip` may be null for the whole surface.
  CDeviceContext(Surface* surface, POINT origin, const pixman_region32_t* clip);
  // A memory DC, holding the stock 1x1 bitmap until another is selected.
  CDeviceContext();
  ~CDeviceContext();
  CDeviceContext(const CDeviceContext&) = delete;
  CDeviceContext& operator=(const CDeviceContext&) = delete;

  // The live DC behind `hdc`, or null.
  static CDeviceContext* Find(HDC hdc);

  bool IsMemory() const { return m_memory; }
  Surface* GetSurface() const { return m_surface; }
  POINT Origin() const { return m_origin; }
  const pixman_region32_t* Clip() const { return m_state.clip.Get(); }
  SDcState& State() { return m_state; }
  const SDcState& State() const { return m_state; }

  // Selects a live object of any kind and returns the previous one of that
  // kind; null when it cannot be selected here.
  HGDIOBJ Select(HGDIOBJ object);
  HGDIOBJ Current(ObjectKind kind) const;

  int Save();
  bool Restore(int saved);

  // Logical rectangles, narrowing the clip; region complexity or ERROR.
  int IntersectClip(long long left, long long top, long long right, long long bottom);
  int ExcludeClip(long long left, long long top, long long right, long long bottom);

 private:
  void RetainState(const SDcState& state);
  void ReleaseState(const SDcState& state);
  void ResetClipToSurface(const pixman_region32_t* within);
  bool ClipRectToSurface(long long left, long long top, long long right, long long bottom,
                         pixman_box32_t* box) const;

  Surface* m_surface = nullptr;
  POINT m_origin{0, 0};
  bool m_memory = false;
  SDcState m_state;
  std::vector<SDcState> m_saved;
};

// The default objects every new DC starts with.
CGdiPen* StockBlackPen();
CGdiBrush* StockWhiteBrush();
CGdiFont* StockDialogFont();
CGdiBitmap* StockBitmap();

}  // namespace gdi
