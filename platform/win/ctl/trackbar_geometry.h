// Where a trackbar's parts lie for a given size, style, range and position:
// the channel, the thumb, the ticks, and the mapping between positions and
// pixels along the channel. Painting, the mouse and TBM_GETTHUMBRECT /
// TBM_GETCHANNELRECT all use this one mapping.
//
// "Along" runs from the minimum end (top of an upright trackbar, left of a
// horizontal one) to the maximum end; "across" is the other axis. The thumb
// is kThumbLength along and up to kThumbBreadth across; its centre pixel
// for position P is
//
//   channel.start + round((P - min) * (channel length - 1) / (max - min)),
//
// so the channel's first pixel is the minimum's and its last the maximum's,
// and the channel is inset from the travel's ends by half the thumb. A drag
// rounds the pointer back to the nearest position by the same formula.
#pragma once

#include "platform/win/windef.h"

namespace ctl {

class CTrackbarGeometry {
 public:
  static constexpr int kThumbLength = 11;
  static constexpr int kThumbBreadth = 20;
  static constexpr int kChannelWidth = 4;
  static constexpr int kEndMargin = 2;  // between a thumb at either limit and the edge
  static constexpr int kTickLength = 3;

  enum class Ticks { kNone, kAfter, kBefore, kBoth };  // after: right, or below

  CTrackbarGeometry(int width, int height, DWORD style, int min, int max, int pos);

  bool Vertical() const { return m_vertical; }
  Ticks TickSides() const { return m_ticks; }
  // The thumb points towards the ticks when they are on one side.
  bool PointedAfter() const { return m_ticks == Ticks::kAfter; }
  bool PointedBefore() const { return m_ticks == Ticks::kBefore; }

  RECT Channel() const;
  RECT Thumb() const;
  // Centre pixel, along, of a position (clamped to the range).
  int PixelOf(long long pos) const;
  // The position whose centre is nearest to an along pixel, clamped.
  int PositionAt(long long along) const;
  int Along(POINT client) const { return m_vertical ? client.y : client.x; }
  // The across span [from, to) of the ticks on one side.
  void TickSpan(bool after, int* from, int* to) const;

 private:
  RECT Make(long long alongFrom, long long alongTo, long long acrossFrom, long long acrossTo) const;

  bool m_vertical;
  Ticks m_ticks;
  long long m_min;
  long long m_max;
  long long m_pos;
  int m_length;     // along
  int m_breadth;    // across, of the control
  int m_thumbFrom;  // across
  int m_thumbTo;
  int m_channelFrom;  // along, the first position's pixel
  int m_channelTo;    // along, one past the last position's pixel
};

}  // namespace ctl
