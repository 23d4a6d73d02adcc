// Hue, luminance and saturation as the classic colour dialog counts them:
// each on a scale of 0 to 240 (hue 0 to 239, going round), a grey's hue
// being 160. Integer arithmetic only, so the same colour always gives the
// same numbers.
#pragma once

#include "platform/win/windef.h"

namespace dlg {

inline constexpr int kHlsMax = 240;
inline constexpr int kUndefinedHue = kHlsMax * 2 / 3;

struct SHls {
  int hue;
  int lum;
  int sat;
};

SHls RgbToHls(COLORREF color);
// Values outside their scales are held to them (hue goes round).
COLORREF HlsToRgb(int hue, int lum, int sat);

}  // namespace dlg
