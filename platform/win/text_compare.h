// Names that the classic system compares without regard to case: window
// classes, resource modules, the lines of a sorted list box. Letters fold
// as ASCII does, every other byte of the 8-bit code page stands as it is,
// so that the order is the same on every machine and in every locale.
#pragma once

#include <cstddef>
#include <string_view>

inline int CompareIgnoringCase(std::string_view a, std::string_view b) {
  auto fold = [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? u - 'A' + 'a' : static_cast<int>(u);
  };
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (fold(a[i]) != fold(b[i])) return fold(a[i]) < fold(b[i]) ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareIgnoringCase(a, b) == 0;
}
