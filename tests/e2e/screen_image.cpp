#include "tests/e2e/screen_image.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "platform/host/headless/png_file.h"

namespace {

// Shorter shadow runs are letters and bevels of controls, not pane edges.
constexpr int kMinBoxEdge = 8;

}  // namespace

CScreenImage::CScreenImage(int width, int height, std::vector<std::uint32_t> pixels) {
  if (width <= 0 || height <= 0 ||
      pixels.size() != static_cast<size_t>(width) * static_cast<size_t>(height)) {
    return;
  }
  m_width = width;
  m_height = height;
  m_pixels = std::move(pixels);
}

bool CScreenImage::Load(const std::string& path) {
  std::vector<std::uint32_t> pixels;
  int width = 0;
  int height = 0;
  *this = CScreenImage();
  if (!host::ReadPngFile(path, &pixels, &width, &height)) return false;
  *this = CScreenImage(width, height, std::move(pixels));
  return m_width > 0;
}

std::uint32_t CScreenImage::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return kOutside;
  return m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
}

SScreenRect CScreenImage::Clip(const SScreenRect& rect) const {
  SScreenRect r{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, m_width),
                std::min(rect.bottom, m_height)};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

long long CScreenImage::CountDifferences(const CScreenImage& other, const SScreenRect& rect) const {
  if (other.m_width != m_width || other.m_height != m_height) return -1;
  const SScreenRect r = Clip(rect);
  long long count = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (Pixel(x, y) != other.Pixel(x, y)) ++count;
    }
  }
  return count;
}

long long CScreenImage::CountColour(const SScreenRect& rect, std::uint32_t colour) const {
  const SScreenRect r = Clip(rect);
  long long count = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (Pixel(x, y) == colour) ++count;
    }
  }
  return count;
}

// Along either axis through the centre, offsets run from -r - 1 (the field
// beside the square) to r (the field just past its excluded edge). The
// outer ellipse covers [-r, r - 1] with its pen on both ends, the inner one
// [-r + 3, r - 4], so the colour shows in two pixels on each side.
std::uint32_t CScreenImage::ExpectedOnBodyAxis(int offset, int radius, std::uint32_t colour) const {
  if (offset == 0) return kWhite;
  const bool leftRing = offset == -radius + 1 || offset == -radius + 2;
  const bool rightRing = offset == radius - 3 || offset == radius - 2;
  return leftRing || rightRing ? colour : kBlack;
}

bool CScreenImage::MatchesBody(int cx, int cy, int radius, std::uint32_t colour,
                               std::string* why) const {
  if (radius < kMinBodyRadius || radius > kMaxBodyRadius) {
    if (why != nullptr) {
      *why = "a body's radius is from " + std::to_string(kMinBodyRadius) + " to " +
             std::to_string(kMaxBodyRadius);
    }
    return false;
  }
  if (Pixel(cx, cy) == kOutside) {
    if (why != nullptr) *why = "the centre is outside the image";
    return false;
  }
  // The centre first: it settles almost every point of a scan at once.
  for (int axis = 0; axis < 2; ++axis) {
    for (int step = 0; step <= 2 * radius + 1; ++step) {
      const int offset = step == 0 ? 0 : (step % 2 == 1 ? -(step + 1) / 2 : step / 2);
      const int x = axis == 0 ? cx + offset : cx;
      const int y = axis == 0 ? cy : cy + offset;
      const std::uint32_t expected = ExpectedOnBodyAxis(offset, radius, colour);
      const std::uint32_t actual = Pixel(x, y);
      if (actual == expected) continue;
      if (why != nullptr) {
        *why = "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
               (actual == kOutside ? std::string("outside the image") : ColourText(actual)) +
               ", expected " + ColourText(expected);
      }
      return false;
    }
  }
  return true;
}

std::vector<SScreenPoint> CScreenImage::FindBodies(const SScreenRect& area, int radius,
                                                   std::uint32_t colour) const {
  std::vector<SScreenPoint> found;
  const SScreenRect r = Clip(area);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (Pixel(x, y) == kWhite && MatchesBody(x, y, radius, colour, nullptr)) {
        found.push_back({x, y});
      }
    }
  }
  return found;
}

std::vector<SScreenRect> CScreenImage::FindSunkenBoxes(const SScreenRect& area) const {
  std::vector<SScreenRect> boxes;
  const SScreenRect r = Clip(area);
  for (int y = r.top; y < r.bottom && boxes.empty(); ++y) {
    int x = r.left;
    while (x < r.right) {
      if (Pixel(x, y) != kShadow) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < r.right && Pixel(x, y) == kShadow) ++x;
      if (x - start < kMinBoxEdge || x >= r.right || Pixel(x, y) != kHighlight) continue;
      int bottom = y + 1;
      while (bottom < r.bottom && Pixel(start, bottom) == kShadow) ++bottom;
      if (bottom >= r.bottom || bottom == y + 1 || Pixel(start, bottom) != kHighlight) continue;
      boxes.push_back({start, y, x + 1, bottom + 1});
    }
  }
  return boxes;
}

std::string ColourText(std::uint32_t colour) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(colour & 0xFFFFFFU));
  return text;
}
