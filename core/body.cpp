#include "core/body.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr double kPixelsPerMetre = 1e-9;

// A centre near the 32-bit limits must not overflow when the radius is
// added, so the sides saturate like the centre does.
LONG Offset(LONG centre, LONG delta) {
  const std::int64_t v = std::int64_t{centre} + delta;
  if (v > std::numeric_limits<LONG>::max()) {
    return std::numeric_limits<LONG>::max();
  }
  if (v < std::numeric_limits<LONG>::min()) {
    return std::numeric_limits<LONG>::min();
  }
  return static_cast<LONG>(v);
}

}  // namespace

LONG PixelFromMetres(double metres) {
  const double p = metres * kPixelsPerMetre;
  if (std::isnan(p)) {
    return 0;
  }
  // 2^31 and -2^31 - 1 are exact doubles; everything strictly between them
  // truncates into range.
  if (p >= 2147483648.0) {
    return std::numeric_limits<LONG>::max();
  }
  if (p <= -2147483649.0) {
    return std::numeric_limits<LONG>::min();
  }
  return static_cast<LONG>(p);
}

LONG DisplayRadius(double mass) {
  // Each threshold literal is the double nearest its power of ten, which is
  // also what the mass slider produces at the start of each decade.
  if (mass >= 1e34) return 14;
  if (mass >= 1e33) return 13;
  if (mass >= 1e32) return 12;
  if (mass >= 1e31) return 11;
  if (mass >= 1e30) return 10;
  if (mass >= 1e29) return 9;
  if (mass >= 1e28) return 8;
  if (mass >= 1e27) return 7;
  return 6;
}

void CBody::SetScreenPos(int px, int py) {
  m_screenX = px;
  m_screenY = py;
  UpdateRect();
  // Exact for every 32-bit pixel: 31 bits times the 21 odd bits of 1e9.
  m_x = static_cast<double>(px) * kMetresPerPixel;
  m_y = static_cast<double>(py) * kMetresPerPixel;
}

void CBody::Move(double dt) {
  m_x = dt * m_vx + m_x;
  m_y = dt * m_vy + m_y;
  m_screenX = PixelFromMetres(m_x);
  m_screenY = PixelFromMetres(m_y);
  UpdateRect();
}

void CBody::UpdateRect() {
  const LONG r = DisplayRadius(m_mass);
  m_rect.left = Offset(m_screenX, -r);
  m_rect.top = Offset(m_screenY, -r);
  m_rect.right = Offset(m_screenX, r);
  m_rect.bottom = Offset(m_screenY, r);
}
