// DrawEdge: the classic BDR_/EDGE_/BF_ bevels, expressed as style-painter
// bevel data.
//
// Per ring, top/left then bottom/right:
//   raised outer  light, dark shadow       raised inner  highlight, shadow
//   sunken outer  shadow, highlight        sunken inner  dark shadow, light
// BF_SOFT swaps the top/left colours of the two rings (a raised edge then
// starts with highlight, a sunken one with dark shadow), which is what push
// buttons use. BF_FLAT draws shadow outside and face inside on every side,
// BF_MONO window frame outside and window inside. Where both raised and
// sunken bits are set for a ring, raised wins.
#include "platform/win/gdi/device_context.h"
#include "platform/win/gdi/style_painter.h"

namespace {

struct SRing {
  char topLeft;
  char bottomRight;
};

bool RingFor(UINT edge, UINT raised, UINT sunken, char raisedTL, char raisedBR, char sunkenTL,
             char sunkenBR, SRing* ring) {
  if ((edge & raised) != 0) {
    *ring = SRing{raisedTL, raisedBR};
    return true;
  }
  if ((edge & sunken) != 0) {
    *ring = SRing{sunkenTL, sunkenBR};
    return true;
  }
  return false;
}

}  // namespace

BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags) {
  if (gdi::CDeviceContext::Find(hdc) == nullptr || rect == nullptr) return FALSE;
  SRing outer{};
  SRing inner{};
  const bool hasOuter = RingFor(edge, BDR_RAISEDOUTER, BDR_SUNKENOUTER, 'L', 'D', 'S', 'H', &outer);
  const bool hasInner = RingFor(edge, BDR_RAISEDINNER, BDR_SUNKENINNER, 'H', 'S', 'D', 'L', &inner);
  if ((flags & BF_SOFT) != 0 && hasOuter && hasInner) {
    const char swap = outer.topLeft;
    outer.topLeft = inner.topLeft;
    inner.topLeft = swap;
  }
  if ((flags & BF_MONO) != 0) {
    outer = SRing{'K', 'K'};
    inner = SRing{'W', 'W'};
  } else if ((flags & BF_FLAT) != 0) {
    outer = SRing{'S', 'S'};
    inner = SRing{'F', 'F'};
  }
  char topLeft[3] = {};
  char bottomRight[3] = {};
  int lines = 0;
  if (hasOuter) {
    topLeft[lines] = outer.topLeft;
    bottomRight[lines] = outer.bottomRight;
    ++lines;
  }
  if (hasInner) {
    topLeft[lines] = inner.topLeft;
    bottomRight[lines] = inner.bottomRight;
    ++lines;
  }
  const SBevel bevel{(flags & BF_TOP) != 0 ? topLeft : "", (flags & BF_LEFT) != 0 ? topLeft : "",
                     (flags & BF_BOTTOM) != 0 ? bottomRight : "",
                     (flags & BF_RIGHT) != 0 ? bottomRight : ""};
  const RECT inside = CStylePainter::PaintBevel(hdc, *rect, bevel);
  if ((flags & BF_MIDDLE) != 0) {
    CStylePainter::Fill(hdc, inside,
                        (flags & BF_MONO) != 0 ? PaletteRole::kWindow : PaletteRole::kFace);
  }
  if ((flags & BF_ADJUST) != 0) *rect = inside;
  return TRUE;
}
