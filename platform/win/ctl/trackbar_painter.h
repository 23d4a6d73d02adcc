// The classic trackbar look: ticks in the button-text colour, a sunken
// channel, and a raised thumb that points towards the ticks when they are
// on one side (rectangular with none or with ticks on both sides). The
// background and the focus rectangle are the control's own.
#pragma once

#include "platform/win/ctl/trackbar_geometry.h"
#include "platform/win/gdi/style_painter.h"

namespace ctl {

class CTrackbarPainter {
 public:
  CTrackbarPainter(HDC hdc, const CTrackbarGeometry& geometry) : m_hdc(hdc), m_g(geometry) {}

  // A tick at every position with `everyPosition`, else at the two ends.
  void Ticks(int min, int max, bool everyPosition);
  void Channel();
  void Thumb();

 private:
  // One row of the thumb, `along` pixels into it, across [from, to).
  void Row(int along, int from, int to, PaletteRole role);
  void Tick(int along);

  HDC m_hdc;
  const CTrackbarGeometry& m_g;
};

}  // namespace ctl
