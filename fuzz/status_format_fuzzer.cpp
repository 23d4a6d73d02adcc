// The status-bar texts on every number: CString::Format with the program's
// status formats, and doubles and ints taken from the input bit for bit
// (NaN, infinities, subnormals, the extremes), against the C library's
// printf with the exponent of %e widened to three digits before any field
// width applies, as the classic runtime prints. Overflows are the address
// sanitizer's to catch; a different text stops the run with both texts.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/afx/cstring.h"

namespace {

enum class EArgs { kDouble, kInt, kTwoInts };

struct SFormat {
  const char* prefix;
  const char* conversion;
  const char* suffix;
  EArgs args;
  bool exponent;  // %e: the exponent is widened
  int width;      // applied after widening; negative pads on the right
};

// Those the status bar and the Properties dialog print, and two with a
// field width to hold the widen-then-pad rule.
constexpr SFormat kFormats[] = {
    {"t: ", "%e", " s", EArgs::kDouble, true, 0},
    {"", "%.4e", "", EArgs::kDouble, true, 0},
    {"", "%.2e", "", EArgs::kDouble, true, 0},
    {"", "%.1f", "", EArgs::kDouble, false, 0},
    {"", "%10d", " s", EArgs::kInt, false, 0},
    {"", "%d", "", EArgs::kInt, false, 0},
    {"Cannot add bodies (", "%d", " max)", EArgs::kInt, false, 0},
    {"", "%de+009", "", EArgs::kInt, false, 0},
    {"x: ", "%de+009  y:%de+009", "", EArgs::kTwoInts, false, 0},
    {"[", "%.4e", "]", EArgs::kDouble, true, 14},
    {"[", "%.2e", "]", EArgs::kDouble, true, -13},
};

template <typename... T>
std::string Printf(const char* format, T... values) {
  const int n = std::snprintf(nullptr, 0, format, values...);
  if (n < 0) return "<printf failed>";
  std::string out(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(out.data(), out.size(), format, values...);
  out.resize(static_cast<size_t>(n));
  return out;
}

std::string Widened(std::string text) {
  const size_t e = text.find_first_of("eE");
  if (e == std::string::npos || e + 2 > text.size()) return text;
  if (text[e + 1] != '+' && text[e + 1] != '-') return text;
  const size_t digits = text.size() - (e + 2);
  if (digits < 3) text.insert(e + 2, 3 - digits, '0');
  return text;
}

template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
  unsigned char bytes[sizeof(T)] = {};
  const std::size_t n = size < sizeof(T) ? size : sizeof(T);
  std::memcpy(bytes, data, n);
  data += n;
  size -= n;
  T value;
  std::memcpy(&value, bytes, sizeof(T));
  return value;
}

[[noreturn]] void Differs(const std::string& format, const std::string& got,
                          const std::string& want) {
  std::fprintf(stderr, "Format(\"%s\") gave \"%s\", printf \"%s\"\n", format.c_str(), got.c_str(),
               want.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const SFormat& f = kFormats[data[0] % (sizeof kFormats / sizeof kFormats[0])];
  ++data;
  --size;
  const auto d = Take<double>(data, size);
  const auto i = Take<int>(data, size);
  const auto j = Take<int>(data, size);

  const std::string format = std::string(f.prefix) +
                             (f.width != 0 ? "%" + std::to_string(f.width) + (f.conversion + 1)
                                           : std::string(f.conversion)) +
                             f.suffix;
  CString got;
  std::string want;
  switch (f.args) {
    case EArgs::kDouble: {
      got.Format(format.c_str(), d);
      std::string number = Printf(f.conversion, d);
      if (f.exponent && std::isfinite(d)) number = Widened(number);
      const size_t width = static_cast<size_t>(f.width < 0 ? -f.width : f.width);
      if (number.size() < width) {
        number = f.width < 0 ? number + std::string(width - number.size(), ' ')
                             : std::string(width - number.size(), ' ') + number;
      }
      want = f.prefix + number + f.suffix;
      break;
    }
    case EArgs::kInt:
      got.Format(format.c_str(), i);
      want = Printf(format.c_str(), i);
      break;
    case EArgs::kTwoInts:
      got.Format(format.c_str(), i, j);
      want = Printf(format.c_str(), i, j);
      break;
  }
  if (got.GetLength() != static_cast<int>(want.size()) || want != static_cast<LPCSTR>(got))
    Differs(format, static_cast<LPCSTR>(got), want);
  return 0;
}
