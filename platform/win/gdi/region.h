// A pixman region that cleans up after itself, so that device-context
// states holding clip regions can be copied into and out of the save stack
// without anyone forgetting a fini.
#pragma once

#include <pixman.h>

#include "platform/win/windef.h"

namespace gdi {

class CRegion {
 public:
  CRegion() { pixman_region32_init(&m_region); }
  CRegion(int x, int y, int width, int height) {
    pixman_region32_init_rect(&m_region, x, y, static_cast<unsigned>(width > 0 ? width : 0),
                              static_cast<unsigned>(height > 0 ? height : 0));
  }
  // A rectangle; an empty one for a RECT whose right or bottom lies before
  // its left or top.
  explicit CRegion(const RECT& r)
      : CRegion(r.left, r.top, r.right > r.left ? r.right - r.left : 0,
                r.bottom > r.top ? r.bottom - r.top : 0) {}
  CRegion(const CRegion& other) {
    pixman_region32_init(&m_region);
    pixman_region32_copy(&m_region, &other.m_region);
  }
  CRegion& operator=(const CRegion& other) {
    if (this != &other) pixman_region32_copy(&m_region, &other.m_region);
    return *this;
  }
  ~CRegion() { pixman_region32_fini(&m_region); }

  pixman_region32_t* Get() { return &m_region; }
  const pixman_region32_t* Get() const { return &m_region; }
  // NULLREGION, SIMPLEREGION or COMPLEXREGION, as the clip calls report it.
  int Complexity() const;

 private:
  pixman_region32_t m_region;
};

}  // namespace gdi
