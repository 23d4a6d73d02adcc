// A screenshot of the whole X screen, and the questions the end-to-end test
// asks of it: the colour of a pixel, how many pixels two screenshots differ
// in, where the bodies are, and where the status bar's panes lie.
//
// Coordinates are screen pixels with (0, 0) at the top-left. Rectangles are
// half-open (right and bottom excluded) and are clipped to the image, so
// that no rectangle a caller passes reads outside it. Colours are
// 0x00RRGGBB.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct SScreenPoint {
  int x = 0;
  int y = 0;
};

class CScreenImage {
 public:
  // What Pixel answers outside the image: no 24-bit colour equals it.
  static constexpr std::uint32_t kOutside = 0xFF000000U;
  static constexpr std::uint32_t kBlack = 0x000000U;
  static constexpr std::uint32_t kWhite = 0xFFFFFFU;
  static constexpr std::uint32_t kShadow = 0x808080U;
  static constexpr std::uint32_t kHighlight = 0xFFFFFFU;
  // The smallest ring that still has black between its colour and the
  // centre pixel.
  static constexpr int kMinBodyRadius = 4;
  // Far beyond the largest body; keeps every coordinate of a check in range.
  static constexpr int kMaxBodyRadius = 1000;

  CScreenImage() = default;
  // Pixels rows packed; an image whose pixel count does not match its sides
  // is taken as empty.
  CScreenImage(int width, int height, std::vector<std::uint32_t> pixels);

  // Reads a PNG file; false, leaving the image empty, when it cannot.
  bool Load(const std::string& path);

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  std::uint32_t Pixel(int x, int y) const;

  // Pixels inside `rect` where the two images differ. -1 when the images are
  // not the same size, since then no pixel pairs with another.
  long long CountDifferences(const CScreenImage& other, const SScreenRect& rect) const;
  // Pixels inside `rect` of exactly `colour`.
  long long CountColour(const SScreenRect& rect, std::uint32_t colour) const;

  // Whether a body of `radius` and `colour` is drawn with its centre pixel
  // at (cx, cy), as the frame paints one: a filled ellipse over the body's
  // square [cx - r, cx + r) in the body's colour, outlined by the black
  // pen, a black ellipse inset by 3 pixels inside it, and a white centre
  // pixel. Checked along the row and the column through the centre, one
  // pixel past the square on each side. On a mismatch *why names the first
  // pixel that differs.
  bool MatchesBody(int cx, int cy, int radius, std::uint32_t colour, std::string* why) const;
  // Every centre in `area` where MatchesBody holds, row by row.
  std::vector<SScreenPoint> FindBodies(const SScreenRect& area, int radius,
                                       std::uint32_t colour) const;

  // The sunken boxes (a shadow top edge with a highlight corner at its right
  // end and a highlight bottom edge) whose top edge is on the first row of
  // `area` that has any, left to right. A status bar's bordered panes.
  std::vector<SScreenRect> FindSunkenBoxes(const SScreenRect& area) const;

 private:
  SScreenRect Clip(const SScreenRect& rect) const;
  std::uint32_t ExpectedOnBodyAxis(int offset, int radius, std::uint32_t colour) const;

  int m_width = 0;
  int m_height = 0;
  std::vector<std::uint32_t> m_pixels;
};

// Six hex digits, as the probe prints colours.
std::string ColourText(std::uint32_t colour);
