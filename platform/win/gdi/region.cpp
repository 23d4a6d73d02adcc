#include "platform/win/gdi/region.h"

#include "platform/win/wingdi.h"

namespace gdi {

int CRegion::Complexity() const {
  int count = 0;
  pixman_region32_rectangles(&m_region, &count);
  if (count == 0) return NULLREGION;
  return count == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace gdi
