#include "dialogs/velocity_text.h"

#include <cmath>
#include <cstdint>
#include <limits>

int VelocityTextValue(double velocity) {
  if (std::isnan(velocity)) return 0;
  // 2^31 and -2^31 are exact doubles; everything strictly between them
  // truncates into range.
  if (velocity >= 2147483648.0) return std::numeric_limits<int>::max();
  if (velocity <= -2147483649.0) return std::numeric_limits<int>::min();
  return static_cast<int>(velocity);
}

int ReadVelocityText(const char* text) {
  if (text == nullptr) return 0;
  const char* p = text;
  // The C locale's white space, as atoi skips it.
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') {
    negative = *p == '-';
    ++p;
  }
  // Accumulated as a negative number, which reaches one further than the
  // positive ones do, and stopped at the limit.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
  std::int64_t value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<int>(-value);
  return value >= kLimit ? std::numeric_limits<int>::max() : static_cast<int>(value);
}
