#include "platform/win/dlg/color_space.h"

#include <algorithm>

namespace dlg {

namespace {

constexpr int kRgbMax = 255;

// One channel from the two levels of the hue's sextant.
int HueToChannel(int low, int high, int hue) {
  hue = ((hue % kHlsMax) + kHlsMax) % kHlsMax;
  if (hue < kHlsMax / 6) return low + ((high - low) * hue + kHlsMax / 12) / (kHlsMax / 6);
  if (hue < kHlsMax / 2) return high;
  if (hue < kHlsMax * 2 / 3) {
    return low + ((high - low) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6);
  }
  return low;
}

int ToByte(int level) { return std::clamp((level * kRgbMax + kHlsMax / 2) / kHlsMax, 0, kRgbMax); }

}  // namespace

SHls RgbToHls(COLORREF color) {
  const int r = GetRValue(color);
  const int g = GetGValue(color);
  const int b = GetBValue(color);
  const int hi = std::max({r, g, b});
  const int lo = std::min({r, g, b});
  SHls out{kUndefinedHue, ((hi + lo) * kHlsMax + kRgbMax) / (2 * kRgbMax), 0};
  if (hi == lo) return out;
  const int spread = hi - lo;
  if (out.lum <= kHlsMax / 2) {
    out.sat = (spread * kHlsMax + (hi + lo) / 2) / (hi + lo);
  } else {
    out.sat = (spread * kHlsMax + (2 * kRgbMax - hi - lo) / 2) / (2 * kRgbMax - hi - lo);
  }
  const int dr = ((hi - r) * (kHlsMax / 6) + spread / 2) / spread;
  const int dg = ((hi - g) * (kHlsMax / 6) + spread / 2) / spread;
  const int db = ((hi - b) * (kHlsMax / 6) + spread / 2) / spread;
  int hue = 0;
  if (r == hi) {
    hue = db - dg;
  } else if (g == hi) {
    hue = kHlsMax / 3 + dr - db;
  } else {
    hue = kHlsMax * 2 / 3 + dg - dr;
  }
  out.hue = ((hue % kHlsMax) + kHlsMax) % kHlsMax;
  return out;
}

COLORREF HlsToRgb(int hue, int lum, int sat) {
  hue = ((hue % kHlsMax) + kHlsMax) % kHlsMax;
  lum = std::clamp(lum, 0, kHlsMax);
  sat = std::clamp(sat, 0, kHlsMax);
  if (sat == 0) {
    const auto grey = static_cast<BYTE>(ToByte(lum));
    return RGB(grey, grey, grey);
  }
  const int high = lum <= kHlsMax / 2 ? (lum * (kHlsMax + sat) + kHlsMax / 2) / kHlsMax
                                      : lum + sat - (lum * sat + kHlsMax / 2) / kHlsMax;
  const int low = 2 * lum - high;
  return RGB(static_cast<BYTE>(ToByte(HueToChannel(low, high, hue + kHlsMax / 3))),
             static_cast<BYTE>(ToByte(HueToChannel(low, high, hue))),
             static_cast<BYTE>(ToByte(HueToChannel(low, high, hue - kHlsMax / 3))));
}

}  // namespace dlg
