#include "platform/win/gdi/ellipse_spans.h"

#include <algorithm>
#include <cmath>

namespace gdi {

CEllipseSpans::CEllipseSpans(long long width, long long height)
    : m_width(width), m_height(height) {}

bool CEllipseSpans::Span(long long row, long long* left, long long* right) const {
  if (m_width < 1 || m_height < 1 || row < 0 || row >= m_height) return false;
  const double dy = static_cast<double>(row) - static_cast<double>(m_height - 1) / 2.0;
  const long long middleLeft = (m_width - 1) / 2;
  long long first = 0;
  if (std::fabs(dy) > 0.5) {
    const double ry = dy / (static_cast<double>(m_height) / 2.0);
    const double halfWidth =
        static_cast<double>(m_width) / 2.0 * std::sqrt(std::max(0.0, 1.0 - ry * ry));
    const double centre = static_cast<double>(m_width - 1) / 2.0;
    // The tolerance keeps a pixel centre that lies exactly on the curve
    // inside, whatever the rounding of the square root.
    first = static_cast<long long>(std::ceil(centre - halfWidth - 1e-9));
    first = std::clamp(first, 0LL, middleLeft);
  }
  *left = first;
  *right = m_width - 1 - first;
  return true;
}

bool CEllipseSpans::Interior(long long row, long long* left, long long* right) const {
  long long l = 0;
  long long r = 0;
  long long aboveL = 0;
  long long aboveR = 0;
  long long belowL = 0;
  long long belowR = 0;
  if (!Span(row, &l, &r) || !Span(row - 1, &aboveL, &aboveR) || !Span(row + 1, &belowL, &belowR)) {
    return false;
  }
  *left = std::max({l + 1, aboveL, belowL});
  *right = std::min({r - 1, aboveR, belowR});
  return *left <= *right;
}

}  // namespace gdi
