#include "platform/host/sdl/sdl_scale.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace host {
namespace {

// Digits stop adding to a number here, far beyond any screen, so that a
// value of any length is still a number, only one too large to fit.
constexpr long long kHuge = 1LL << 40;
// The density every scale is a multiple of: X's nominal 96 dots per inch.
constexpr long long kDotsPerScale = 96;

std::string_view Trimmed(const char* text) {
  if (text == nullptr) return {};
  const std::string_view view(text);
  const std::size_t first = view.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = view.find_last_not_of(" \t");
  return view.substr(first, last - first + 1);
}

// The decimal digits at the start of `text`, and in *used how many there are.
long long LeadingDigits(std::string_view text, std::size_t* used) {
  long long value = 0;
  std::size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min(kHuge, value * 10 + (text[i] - '0'));
  }
  *used = i;
  return value;
}

// GDK_SCALE: digits and nothing else; 0 when it is not that.
long long ScaleOfGdk(const char* text) {
  const std::string_view view = Trimmed(text);
  std::size_t used = 0;
  const long long value = LeadingDigits(view, &used);
  return used != 0 && used == view.size() ? value : 0;
}

// Xft.dpi, digits with an optional fraction, as a scale; 0 when it is not
// such a number.
long long ScaleOfDpi(const char* text) {
  const std::string_view view = Trimmed(text);
  std::size_t used = 0;
  const long long dots = LeadingDigits(view, &used);
  if (used == 0) return 0;
  std::string_view rest = view.substr(used);
  if (!rest.empty() && rest.front() == '.') {
    std::size_t fraction = 0;
    LeadingDigits(rest.substr(1), &fraction);
    rest = rest.substr(1 + fraction);
  }
  if (!rest.empty()) return 0;
  // The nearest multiple of 96, halves up: 144 dots, one and a half times
  // the usual, gives 2, since text a little large reads better than text a
  // little small. The fraction never changes the result: for whole d and a
  // fraction below 1, (d + f + 48) / 96 rounds down to (d + 48) / 96.
  return (dots + kDotsPerScale / 2) / kDotsPerScale;
}

}  // namespace

int ChooseScale(const char* gdk_scale, const char* xft_dpi, int screen_width, int screen_height,
                int window_width, int window_height) {
  long long wanted = ScaleOfGdk(gdk_scale);
  if (wanted < 1) wanted = ScaleOfDpi(xft_dpi);
  if (wanted <= 1 || screen_width <= 0 || screen_height <= 0 || window_width <= 0 ||
      window_height <= 0) {
    return 1;
  }
  const int fits = std::min(screen_width / window_width, screen_height / window_height);
  return static_cast<int>(std::max(1LL, std::min<long long>(wanted, fits)));
}

}  // namespace host
