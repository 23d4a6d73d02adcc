#include "core/scales.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {

// Decimal literals are rounded correctly by the compiler, so this table holds
// exactly the doubles nearest to the powers of ten; a pow() from the runtime
// need not be correctly rounded.
constexpr double kPowersOfTen[] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11, 1e12,
    1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22, 1e23, 1e24, 1e25,
    1e26, 1e27, 1e28, 1e29, 1e30, 1e31, 1e32, 1e33, 1e34, 1e35, 1e36,
};
constexpr int kMaxPower = static_cast<int>(std::size(kPowersOfTen)) - 1;

constexpr int kMassPositions = 100;  // the search runs past the slider's 90
constexpr double kMassTolerance = 100.0;
constexpr double kStandardG = 6.67259e-11;

}  // namespace

double PowerOfTen(int n) { return kPowersOfTen[std::clamp(n, 0, kMaxPower)]; }

double MassFromSliderPos(int pos) {
  const int p = std::clamp(pos, 0, kMassPositions);
  const int n = p / 9 + 25;
  const int k = p % 9 + 1;
  return PowerOfTen(n) * static_cast<double>(k);
}

std::optional<int> SliderPosFromMass(double mass) {
  for (int p = 0; p <= kMassPositions; ++p) {
    if (mass - MassFromSliderPos(p) < kMassTolerance) {
      return p;
    }
  }
  return std::nullopt;
}

double TimeStepFromSlider(int pos, int max) {
  // In 64 bits, so that no pair of ints overflows before the clamp.
  const std::int64_t n = std::int64_t{max} - pos;
  return PowerOfTen(static_cast<int>(std::clamp<std::int64_t>(n, 0, kMaxPower)));
}

double GravityFromSlider(int pos) {
  const double scale = static_cast<double>(std::int64_t{200} - pos);
  // Two separate roundings, in this order: folding the constants into
  // 6.67259e-13, or dividing by 100, gives other doubles.
  const double g = scale * kStandardG;
  return g * 0.01;
}

DragVelocity VelocityFromDrag(POINT start, POINT end) {
  const double dx = static_cast<double>(std::int64_t{end.x} - start.x);
  const double dy = static_cast<double>(std::int64_t{end.y} - start.y);
  return DragVelocity{dx * kVelocityPerPixel, dy * kVelocityPerPixel};
}
