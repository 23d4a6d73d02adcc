#include "tests/fuzz/reference.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace reference {

namespace {

double Decimal(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

LONG Saturated(long long v) {
  if (v > std::numeric_limits<LONG>::max()) return std::numeric_limits<LONG>::max();
  if (v < std::numeric_limits<LONG>::min()) return std::numeric_limits<LONG>::min();
  return static_cast<LONG>(v);
}

}  // namespace

double SliderMass(int pos) {
  const int p = pos < 0 ? 0 : pos > 90 ? 90 : pos;
  return Decimal("1e" + std::to_string(p / 9 + 25)) * static_cast<double>(p % 9 + 1);
}

bool IsSliderMass(double mass) {
  for (int p = 0; p <= 90; ++p) {
    if (SliderMass(p) == mass) return true;
  }
  return false;
}

LONG Radius(double mass) {
  // 6 pixels below 1e27 kg, one more from each power of ten on, 14 from 1e34.
  LONG r = 6;
  for (int n = 27; n <= 34; ++n) {
    if (mass >= Decimal("1e" + std::to_string(n))) r = 6 + (n - 26);
  }
  return r;
}

LONG Pixel(double metres) {
  const double p = metres * 1e-9;
  if (std::isnan(p)) return 0;
  if (p >= 2147483648.0) return std::numeric_limits<LONG>::max();
  if (p <= -2147483649.0) return std::numeric_limits<LONG>::min();
  return static_cast<LONG>(std::trunc(p));
}

RECT Square(POINT centre, double mass) {
  const long long r = Radius(mass);
  return RECT{Saturated(centre.x - r), Saturated(centre.y - r), Saturated(centre.x + r),
              Saturated(centre.y + r)};
}

double TimeStep(int pos) {
  const int n = 5 - pos;
  return Decimal("1e" + std::to_string(n < 0 ? 0 : n));
}

double Gravity(int pos) {
  const double scale = static_cast<double>(200 - pos);
  const double g = scale * kStandardG;
  return g * 0.01;
}

std::string WidenExponent(std::string text) {
  const size_t e = text.find_first_of("eE");
  if (e == std::string::npos || e + 1 >= text.size()) return text;
  if (text[e + 1] != '+' && text[e + 1] != '-') return text;
  size_t digits = 0;
  while (e + 2 + digits < text.size() && text[e + 2 + digits] >= '0' &&
         text[e + 2 + digits] <= '9') {
    ++digits;
  }
  if (digits < 3) text.insert(e + 2, 3 - digits, '0');
  return text;
}

std::string Classic(const char* format, double value) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format, value);
  return std::isfinite(value) ? WidenExponent(buffer) : std::string(buffer);
}

std::string Classic(const char* format, int value) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

}  // namespace reference
