// The random numbers of the script fuzzer: the standard 64-bit Mersenne
// Twister, whose sequence the standard fixes, under distributions of our
// own (the library's may differ from one implementation to the next), so
// that one seed gives the same script on every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <random>

class CFuzzRandom {
 public:
  explicit CFuzzRandom(std::uint64_t seed) : m_engine(seed) {}

  // ---- Draws ----------------------------------------------------------------
  // Between is uniform over [lo, hi], both included (lo <= hi); Percent is
  // true with that many chances in a hundred; Weighted gives the index of
  // one weight with the chance of its share of the sum (at least one
  // weight positive); Pick is one element of an array, uniformly.
  std::uint64_t Bits() { return m_engine(); }
  std::int64_t Between(std::int64_t lo, std::int64_t hi);
  int Int(int lo, int hi) { return static_cast<int>(Between(lo, hi)); }
  bool Percent(int percent) { return Between(0, 99) < percent; }
  std::size_t Weighted(std::initializer_list<int> weights);
  template <typename T, std::size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[static_cast<std::size_t>(Between(0, static_cast<std::int64_t>(N) - 1))];
  }

 private:
  std::mt19937_64 m_engine;
};
