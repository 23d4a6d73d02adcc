#include "tests/fuzz/fuzz_random.h"

#include <limits>

std::int64_t CFuzzRandom::Between(std::int64_t lo, std::int64_t hi) {
  if (hi <= lo) return lo;
  // The span in unsigned arithmetic, where hi - lo cannot overflow; a draw
  // from the uneven top of the engine's range is thrown back, so every
  // value has the same chance.
  const std::uint64_t span = static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo);
  if (span == std::numeric_limits<std::uint64_t>::max()) return static_cast<std::int64_t>(Bits());
  const std::uint64_t count = span + 1;
  const std::uint64_t limit =
      std::numeric_limits<std::uint64_t>::max() - std::numeric_limits<std::uint64_t>::max() % count;
  std::uint64_t draw = Bits();
  while (draw >= limit) draw = Bits();
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(lo) + draw % count);
}

std::size_t CFuzzRandom::Weighted(std::initializer_list<int> weights) {
  std::int64_t total = 0;
  for (const int w : weights) total += w > 0 ? w : 0;
  if (total <= 0) return 0;
  std::int64_t draw = Between(0, total - 1);
  std::size_t index = 0;
  for (const int w : weights) {
    if (w > 0) {
      if (draw < w) return index;
      draw -= w;
    }
    ++index;
  }
  return 0;
}
