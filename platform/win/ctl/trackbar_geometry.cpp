#include "platform/win/ctl/trackbar_geometry.h"

#include <algorithm>

#include "platform/win/commctrl.h"

namespace ctl {

namespace {

constexpr int kHalfThumb = CTrackbarGeometry::kThumbLength / 2;
constexpr int kTickSpace = 1 + CTrackbarGeometry::kTickLength;  // a pixel of gap, then the tick

LONG Clamp(long long v) {
  return static_cast<LONG>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
}

// n / d rounded to the nearest integer, halves upwards; d > 0.
long long RoundDiv(long long n, long long d) {
  const long long twice = 2 * n + d;
  const long long q = twice / (2 * d);
  return (twice % (2 * d) != 0 && twice < 0) ? q - 1 : q;
}

}  // namespace

CTrackbarGeometry::CTrackbarGeometry(int width, int height, DWORD style, int min, int max, int pos)
    : m_vertical((style & TBS_VERT) != 0),
      m_min(min),
      m_max(std::max(min, max)),
      m_pos(std::clamp<long long>(pos, m_min, m_max)) {
  if ((style & TBS_NOTICKS) != 0) {
    m_ticks = Ticks::kNone;
  } else if ((style & TBS_BOTH) != 0) {
    m_ticks = Ticks::kBoth;
  } else if ((style & TBS_LEFT) != 0) {
    m_ticks = Ticks::kBefore;
  } else {
    m_ticks = Ticks::kAfter;
  }
  m_length = std::max(0, m_vertical ? height : width);
  m_breadth = std::max(0, m_vertical ? width : height);

  // Across: a two-pixel margin beside the thumb and one beyond the ticks,
  // which leaves the outermost pixels to the focus rectangle.
  int breadth = 0;
  switch (m_ticks) {
    case Ticks::kNone:
      breadth = std::clamp(m_breadth - 4, 1, kThumbBreadth);
      m_thumbFrom = (m_breadth - breadth) / 2;
      break;
    case Ticks::kAfter:
      breadth = std::clamp(m_breadth - 3 - kTickSpace, 1, kThumbBreadth);
      m_thumbFrom = 2;
      break;
    case Ticks::kBefore:
      breadth = std::clamp(m_breadth - 3 - kTickSpace, 1, kThumbBreadth);
      m_thumbFrom = 1 + kTickSpace;
      break;
    case Ticks::kBoth:
      breadth = std::clamp(m_breadth - 2 - 2 * kTickSpace, 1, kThumbBreadth);
      m_thumbFrom = (m_breadth - breadth) / 2;
      break;
  }
  m_thumbTo = m_thumbFrom + breadth;

  // Along: a thumb at either limit ends kEndMargin from the edge.
  m_channelFrom = kEndMargin + kHalfThumb;
  m_channelTo = std::max(m_channelFrom + 1, m_length - kEndMargin - kHalfThumb);
}

RECT CTrackbarGeometry::Make(long long alongFrom, long long alongTo, long long acrossFrom,
                             long long acrossTo) const {
  if (m_vertical) return RECT{Clamp(acrossFrom), Clamp(alongFrom), Clamp(acrossTo), Clamp(alongTo)};
  return RECT{Clamp(alongFrom), Clamp(acrossFrom), Clamp(alongTo), Clamp(acrossTo)};
}

RECT CTrackbarGeometry::Channel() const {
  const int middle = (m_thumbFrom + m_thumbTo) / 2;
  return Make(m_channelFrom, m_channelTo, middle - kChannelWidth / 2,
              middle - kChannelWidth / 2 + kChannelWidth);
}

RECT CTrackbarGeometry::Thumb() const {
  const long long centre = PixelOf(m_pos);
  return Make(centre - kHalfThumb, centre - kHalfThumb + kThumbLength, m_thumbFrom, m_thumbTo);
}

int CTrackbarGeometry::PixelOf(long long pos) const {
  const long long range = m_max - m_min;
  const long long span = m_channelTo - m_channelFrom - 1;
  if (range == 0) return m_channelFrom;
  const long long k = std::clamp(pos, m_min, m_max) - m_min;
  return static_cast<int>(m_channelFrom + RoundDiv(k * span, range));
}

int CTrackbarGeometry::PositionAt(long long along) const {
  const long long range = m_max - m_min;
  const long long span = m_channelTo - m_channelFrom - 1;
  if (range == 0 || span == 0) return static_cast<int>(m_min);
  // Pointer coordinates are 16-bit; anything further out is as far as that.
  const long long offset = std::clamp(along, -65536LL, 65536LL) - m_channelFrom;
  const long long k = RoundDiv(offset * range, span);
  return static_cast<int>(m_min + std::clamp(k, 0LL, range));
}

void CTrackbarGeometry::TickSpan(bool after, int* from, int* to) const {
  *from = after ? m_thumbTo + 1 : m_thumbFrom - kTickSpace;
  *to = *from + kTickLength;
}

}  // namespace ctl
