// Bitmaps 134 to 137 and icon group 128, pixel by pixel where the picture
// has to say something exact: where the line and the arrowheads are, that
// "50%" stands under the other two, which colours the icons use.

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "platform/win/res/pixel_art.h"
#include "platform/win/res/resources.h"
#include "res/resource.h"
#include "res/resources.h"

namespace {

constexpr int kInk = static_cast<int>(StdColor::Black);
constexpr int kGrey = static_cast<int>(StdColor::Silver);

const PixelArt& Bitmap(UINT id) {
  const PixelArt* art =
      FindBitmapResource(RegisterResourceModule(AstrolatheResources()), MAKEINTRESOURCEA(id));
  static const PixelArt kNone{0, 0, 0, {}, {}, {}};
  return art != nullptr ? *art : kNone;
}

bool Ink(const PixelArt& art, int x, int y) { return PixelArtIndexAt(art, x, y) == kInk; }

bool ColumnHasInk(const PixelArt& art, int x) {
  for (int y = 0; y < art.height; ++y) {
    if (Ink(art, x, y)) return true;
  }
  return false;
}

// Column ranges [first, last] of ink separated by blank columns: the glyphs.
std::vector<std::pair<int, int>> Glyphs(const PixelArt& art) {
  std::vector<std::pair<int, int>> glyphs;
  for (int x = 0; x < art.width; ++x) {
    if (!ColumnHasInk(art, x)) continue;
    if (glyphs.empty() || glyphs.back().second != x - 1) {
      glyphs.push_back({x, x});
    } else {
      glyphs.back().second = x;
    }
  }
  return glyphs;
}

bool SameColumns(const PixelArt& a, const PixelArt& b, int first, int last) {
  for (int x = first; x <= last; ++x) {
    for (int y = 0; y < a.height; ++y) {
      if (Ink(a, x, y) != Ink(b, x, y)) return false;
    }
  }
  return true;
}

// ---- All four -------------------------------------------------------------------------------
TEST(ScaleBitmaps, AreBlackOnLightGreyAtFourBits) {
  const std::pair<UINT, std::pair<int, int>> sizes[] = {{IDB_G_150, {25, 10}},
                                                        {IDB_G_100, {25, 10}},
                                                        {IDB_G_50, {25, 10}},
                                                        {IDB_DT_SCALE, {15, 150}}};
  for (const auto& [id, size] : sizes) {
    const PixelArt& art = Bitmap(id);
    EXPECT_EQ(art.width, size.first) << id;
    EXPECT_EQ(art.height, size.second) << id;
    EXPECT_EQ(art.bitsPerPixel, 4) << id;
    ASSERT_EQ(art.palette.size(), 16U) << id;
    EXPECT_EQ(art.palette.data(), kStandardPalette16) << id;
    for (std::uint32_t pixel : DecodeBitmap(art)) {
      ASSERT_TRUE(pixel == 0x000000 || pixel == 0xC0C0C0) << id << ": " << std::hex << pixel;
    }
  }
}

// ---- 134 to 136 -------------------------------------------------------------------------------
TEST(PercentBitmaps, SpellFourFourAndThreeGlyphs) {
  EXPECT_EQ(Glyphs(Bitmap(IDB_G_150)).size(), 4U);
  EXPECT_EQ(Glyphs(Bitmap(IDB_G_100)).size(), 4U);
  EXPECT_EQ(Glyphs(Bitmap(IDB_G_50)).size(), 3U);
}

TEST(PercentBitmaps, FiftyIsRightAlignedUnderTheOthers) {
  const PixelArt& p150 = Bitmap(IDB_G_150);
  const PixelArt& p100 = Bitmap(IDB_G_100);
  const PixelArt& p50 = Bitmap(IDB_G_50);
  const auto g150 = Glyphs(p150);
  const auto g100 = Glyphs(p100);
  const auto g50 = Glyphs(p50);
  ASSERT_EQ(g150.size(), 4U);
  ASSERT_EQ(g100.size(), 4U);
  ASSERT_EQ(g50.size(), 3U);
  // The same last column of ink, and the same glyph columns.
  EXPECT_EQ(g50.back().second, g150.back().second);
  EXPECT_EQ(g100.back().second, g150.back().second);
  EXPECT_EQ(g100, g150);
  EXPECT_EQ(std::vector(g150.begin() + 1, g150.end()), g50);
  // "50%" in 136 is the "50%" of 134, pixel for pixel; "1" and "0%" of 135
  // are those of 134.
  EXPECT_TRUE(SameColumns(p50, p150, g50.front().first, p50.width - 1));
  EXPECT_TRUE(SameColumns(p100, p150, 0, g150[0].second));
  EXPECT_TRUE(SameColumns(p100, p150, g150[2].first, p150.width - 1));
}

TEST(PercentBitmaps, ShareOneBaseline) {
  for (UINT id : {IDB_G_150, IDB_G_100, IDB_G_50}) {
    const PixelArt& art = Bitmap(id);
    int top = art.height;
    int bottom = -1;
    for (int y = 0; y < art.height; ++y) {
      for (int x = 0; x < art.width; ++x) {
        if (Ink(art, x, y)) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
      }
    }
    EXPECT_EQ(top, 1) << id;
    EXPECT_EQ(bottom, 7) << id;
  }
}

// ---- 137 ----------------------------------------------------------------------------------------
TEST(DeltaTScale, HasALineDownColumnElevenWithAnArrowheadAtEachEnd) {
  const PixelArt& art = Bitmap(IDB_DT_SCALE);
  ASSERT_EQ(art.height, 150);
  // Columns 9 to 14 hold the arrow and nothing else: the shaft, and heads
  // one, three and five pixels wide at each end.
  for (int y = 0; y < art.height; ++y) {
    const int fromEnd = std::min(y, art.height - 1 - y);
    const int half = fromEnd < 3 ? fromEnd : 0;
    for (int x = 9; x <= 14; ++x) {
      EXPECT_EQ(Ink(art, x, y), x >= 11 - half && x <= 11 + half) << x << ", " << y;
    }
  }
}

// Row ranges of ink in the text columns, separated by blank rows: letters.
std::vector<std::pair<int, int>> TextLetters(const PixelArt& art) {
  std::vector<std::pair<int, int>> letters;
  for (int y = 0; y < art.height; ++y) {
    bool ink = false;
    for (int x = 0; x <= 8; ++x) ink = ink || Ink(art, x, y);
    if (!ink) continue;
    if (letters.empty() || letters.back().second != y - 1) {
      letters.push_back({y, y});
    } else {
      letters.back().second = y;
    }
  }
  return letters;
}

TEST(DeltaTScale, SaysFasterAtTheTopAndMoreAccurateInTheLowerHalf) {
  const PixelArt& art = Bitmap(IDB_DT_SCALE);
  const auto letters = TextLetters(art);
  // "faster" is six letters, "more accurate" twelve.
  ASSERT_EQ(letters.size(), 18U);
  EXPECT_GE(letters[0].first, 3);
  EXPECT_LT(letters[5].second, 45);
  EXPECT_GE(letters[6].first, 75);
  EXPECT_LT(letters[17].second, 147);
  // Top down that is "etarucca" and "erom": the word gap, between
  // letters 13 and 14, is wider than the gaps between letters.
  EXPECT_GT(letters[14].first - letters[13].second, letters[13].first - letters[12].second);
  // A blank column keeps the text off the arrowheads.
  for (int y = 0; y < art.height; ++y) {
    EXPECT_FALSE(Ink(art, 8, y)) << y;
  }
}

TEST(DeltaTScale, ReadsFromBottomToTop) {
  // Turned anticlockwise, the letters' tops face left, so the ascenders of
  // "f" and "t" reach further left than the x-height letters beside them.
  const PixelArt& art = Bitmap(IDB_DT_SCALE);
  const auto letters = TextLetters(art);
  ASSERT_EQ(letters.size(), 18U);
  auto leftmost = [&](std::pair<int, int> rows) {
    int left = 9;
    for (int y = rows.first; y <= rows.second; ++y) {
      for (int x = 0; x <= 8; ++x) {
        if (Ink(art, x, y)) left = std::min(left, x);
      }
    }
    return left;
  };
  // Bottom to top: f a s t e r, so "f" is the lowest letter of the word.
  EXPECT_LT(leftmost(letters[5]), leftmost(letters[4]));  // f against a
  EXPECT_LT(leftmost(letters[2]), leftmost(letters[3]));  // t against s
  EXPECT_LT(leftmost(letters[2]), leftmost(letters[1]));  // t against e
}

// ---- Icon group 128 ---------------------------------------------------------------------------
const IconGroup* MainIcon() {
  return FindIconGroup(RegisterResourceModule(AstrolatheResources()),
                       MAKEINTRESOURCEA(IDR_MAINFRAME));
}

std::set<int> ColoursOf(const PixelArt& art) {
  std::set<int> colours;
  for (int y = 0; y < art.height; ++y) {
    for (int x = 0; x < art.width; ++x) colours.insert(PixelArtIndexAt(art, x, y));
  }
  return colours;
}

int Index(StdColor c) { return static_cast<int>(c); }

TEST(MainIcon, HasAThirtyTwoAndASixteenPixelImage) {
  const IconGroup* icon = MainIcon();
  ASSERT_NE(icon, nullptr);
  ASSERT_EQ(icon->images.size(), 2U);
  EXPECT_EQ(icon->images[0].width, 32);
  EXPECT_EQ(icon->images[0].height, 32);
  EXPECT_EQ(icon->images[1].width, 16);
  EXPECT_EQ(icon->images[1].height, 16);
  for (const PixelArt& image : icon->images) {
    EXPECT_EQ(image.bitsPerPixel, 4);
    EXPECT_EQ(image.palette.data(), kStandardPalette16);
  }
}

TEST(MainIcon, UsesOnlyItsColoursAndIsOpaque) {
  const IconGroup* icon = MainIcon();
  ASSERT_NE(icon, nullptr);
  ASSERT_EQ(icon->images.size(), 2U);
  using S = StdColor;
  EXPECT_EQ(ColoursOf(icon->images[0]),
            (std::set<int>{Index(S::Black), Index(S::Green), Index(S::Yellow), Index(S::Aqua),
                           Index(S::White)}));
  EXPECT_EQ(ColoursOf(icon->images[1]),
            (std::set<int>{Index(S::Black), Index(S::Navy), Index(S::Blue), Index(S::Aqua),
                           Index(S::White)}));
}

TEST(MainIcon, LargeImageShowsSunPlanetOrbitAndVersion) {
  const IconGroup* icon = MainIcon();
  ASSERT_NE(icon, nullptr);
  const PixelArt& art = icon->images[0];
  auto centroid = [&](StdColor c, int x0, int y0, int x1, int y1) {
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        if (PixelArtIndexAt(art, x, y) == Index(c)) {
          sx += x;
          sy += y;
          ++n;
        }
      }
    }
    return std::make_pair(n > 0 ? sx / n : -1.0, n > 0 ? sy / n : -1.0);
  };
  const auto sun = centroid(StdColor::Yellow, 0, 0, 32, 32);
  EXPECT_LT(sun.first, 11.0);  // at the left
  const auto centre = centroid(StdColor::White, 0, 0, 16, 24);
  EXPECT_NEAR(centre.first, sun.first, 1.0);  // in the ring
  EXPECT_NEAR(centre.second, sun.second, 1.0);
  const auto planet = centroid(StdColor::Green, 0, 0, 32, 32);
  EXPECT_LT(planet.second, 11.0);  // above the middle
  EXPECT_NEAR(planet.first, 16.0, 4.0);
  // The orbit reaches the right edge region, the bottom half and the lower left.
  EXPECT_GT(centroid(StdColor::Aqua, 26, 0, 32, 32).first, 0.0);
  EXPECT_GT(centroid(StdColor::Aqua, 0, 20, 32, 26).first, 0.0);
  EXPECT_GT(centroid(StdColor::Aqua, 0, 18, 12, 32).first, 0.0);
  // "v1.0" lies in the lower right, below everything else.
  const auto version = centroid(StdColor::White, 16, 24, 32, 32);
  EXPECT_GT(version.first, 20.0);
  EXPECT_EQ(centroid(StdColor::White, 16, 0, 32, 24).first, -1.0);
  EXPECT_EQ(centroid(StdColor::Aqua, 16, 24, 32, 32).first, -1.0);
}

}  // namespace
