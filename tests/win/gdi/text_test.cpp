// The dialog font's metrics, text extents, and how TextOutA and ExtTextOutA
// put glyphs down.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/win/gdi/font_library.h"
#include "tests/win/gdi/canvas.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

SIZE Extent(HDC dc, const char* text) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
  return size;
}

// The surface as colours, for comparing two drawings.
std::vector<COLORREF> Pixels(const CCanvas& canvas) {
  std::vector<COLORREF> pixels;
  const Surface* surface = canvas.GetSurface();
  for (int y = 0; y < surface->height; ++y) {
    for (int x = 0; x < surface->width; ++x) pixels.push_back(canvas.At(x, y));
  }
  return pixels;
}

int InkCount(const CCanvas& canvas, COLORREF background) {
  int count = 0;
  for (COLORREF pixel : Pixels(canvas)) count += pixel != background ? 1 : 0;
  return count;
}

TEST(DialogFontTest, MetricsGiveTheClassicDialogUnits) {
  CCanvas canvas;
  TEXTMETRICA metrics{};
  ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &metrics));
  EXPECT_EQ(metrics.tmHeight, 13);
  EXPECT_EQ(metrics.tmAveCharWidth, 6);
  EXPECT_EQ(metrics.tmAscent + metrics.tmDescent, metrics.tmHeight);
  EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 11) << "the 11-pixel em";
  EXPECT_EQ(metrics.tmWeight, FW_NORMAL);
}

TEST(DialogFontTest, DigitsAreSixPixelsWide) {
  CCanvas canvas;
  for (char digit = '0'; digit <= '9'; ++digit) {
    const char text[2] = {digit, '\0'};
    EXPECT_EQ(Extent(canvas.Dc(), text).cx, 6) << digit;
  }
}

TEST(DialogFontTest, LettersAverageSixPixels) {
  CCanvas canvas;
  // The classic dialog-unit rule: the 52 letters' width over 26, halved
  // with rounding.
  const SIZE letters = Extent(canvas.Dc(), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ((letters.cx / 26 + 1) / 2, 6);
  EXPECT_EQ(letters.cy, 13);
}

TEST(FontTest, CellHeightThirteenIsTheDialogFont) {
  CCanvas canvas;
  HFONT cell = CreateFontA(13, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
  const SIZE dialog = Extent(canvas.Dc(), "Gravity 123");
  SelectObject(canvas.Dc(), cell);
  EXPECT_EQ(Extent(canvas.Dc(), "Gravity 123").cx, dialog.cx);
  SelectObject(canvas.Dc(), GetStockObject(SYSTEM_FONT));
  DeleteObject(cell);
}

TEST(FontTest, BoldIsWiderAndReportsItsWeight) {
  CCanvas canvas;
  HFONT bold = CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Courier");
  const LONG regular = Extent(canvas.Dc(), "Hello world").cx;
  SelectObject(canvas.Dc(), bold);
  EXPECT_GT(Extent(canvas.Dc(), "Hello world").cx, regular);
  TEXTMETRICA metrics{};
  GetTextMetricsA(canvas.Dc(), &metrics);
  EXPECT_EQ(metrics.tmWeight, FW_BOLD);
  SelectObject(canvas.Dc(), GetStockObject(SYSTEM_FONT));
  DeleteObject(bold);
}

TEST(TextOutTest, ExtentIsTheDistanceTheDrawingAdvances) {
  CCanvas whole(120, 16);
  CCanvas pieces(120, 16);
  SetBkMode(whole.Dc(), TRANSPARENT);
  SetBkMode(pieces.Dc(), TRANSPARENT);
  TextOutA(whole.Dc(), 2, 1, "t: 1.000000e+002 s", 18);
  TextOutA(pieces.Dc(), 2, 1, "t: 1.0000", 9);
  TextOutA(pieces.Dc(), 2 + Extent(pieces.Dc(), "t: 1.0000").cx, 1, "00e+002 s", 9);
  EXPECT_EQ(Pixels(whole), Pixels(pieces));
}

TEST(TextExtentTest, PrefixExtentsAreTheExtentsOfEachPrefix) {
  CCanvas canvas(8, 8);
  const char* text = "Wi: 1.5e+003 s";
  const int n = static_cast<int>(std::strlen(text));
  std::vector<int> dx(static_cast<size_t>(n), -1);
  SIZE size{};
  ASSERT_TRUE(GetTextExtentExPointA(canvas.Dc(), text, n, 0, nullptr, dx.data(), &size));
  EXPECT_EQ(size.cx, Extent(canvas.Dc(), text).cx);
  for (int i = 0; i < n; ++i) {
    SIZE prefix{};
    GetTextExtentPoint32A(canvas.Dc(), text, i + 1, &prefix);
    EXPECT_EQ(dx[static_cast<size_t>(i)], prefix.cx) << i;
  }
  // With a limit: how many fit, and entries only for those.
  std::vector<int> some(static_cast<size_t>(n), -1);
  int fit = -1;
  ASSERT_TRUE(GetTextExtentExPointA(canvas.Dc(), text, n, dx[4], &fit, some.data(), &size));
  EXPECT_EQ(fit, 5);
  EXPECT_EQ(some[4], dx[4]);
  EXPECT_EQ(some[5], -1);
  EXPECT_FALSE(GetTextExtentExPointA(canvas.Dc(), text, n, 0, nullptr, dx.data(), nullptr));
  EXPECT_FALSE(GetTextExtentExPointA(canvas.Dc(), nullptr, 3, 0, nullptr, nullptr, &size));
  EXPECT_FALSE(GetTextExtentExPointA(nullptr, text, n, 0, nullptr, nullptr, &size));
}

TEST(TextOutTest, UpdateCpAdvancesByTheExtent) {
  CCanvas canvas(120, 16);
  SetTextAlign(canvas.Dc(), TA_UPDATECP);
  MoveToEx(canvas.Dc(), 3, 0, nullptr);
  TextOutA(canvas.Dc(), 50, 50, "Orbit", 5);
  POINT position{};
  GetCurrentPositionEx(canvas.Dc(), &position);
  EXPECT_EQ(position.x, 3 + Extent(canvas.Dc(), "Orbit").cx);
  EXPECT_EQ(position.y, 0);
}

TEST(TextOutTest, OpaqueFillsExactlyTheCellWithTheBackground) {
  CCanvas canvas(40, 20);
  SetBkColor(canvas.Dc(), kYellow);
  TextOutA(canvas.Dc(), 3, 2, "Wg", 2);
  const SIZE size = Extent(canvas.Dc(), "Wg");
  bool partial = false;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      const COLORREF pixel = canvas.At(x, y);
      const bool inCell = x >= 3 && x < 3 + size.cx && y >= 2 && y < 2 + size.cy;
      if (!inCell) {
        ASSERT_EQ(pixel, kWhite) << x << "," << y;
        continue;
      }
      // Black blended over yellow: red and green fall together, blue stays 0.
      ASSERT_EQ(GetBValue(pixel), 0) << x << "," << y;
      ASSERT_EQ(GetRValue(pixel), GetGValue(pixel)) << x << "," << y;
      if (GetRValue(pixel) > 0 && GetRValue(pixel) < 255) partial = true;
    }
  }
  EXPECT_TRUE(partial) << "glyph edges should be antialiased";
}

TEST(TextOutTest, TransparentBlendsTheTextColourOverWhatIsBeneath) {
  CCanvas canvas(30, 16, RGB(0, 0, 255));
  SetBkMode(canvas.Dc(), TRANSPARENT);
  SetTextColor(canvas.Dc(), RGB(255, 0, 0));
  TextOutA(canvas.Dc(), 1, 1, "Ag", 2);
  int ink = 0;
  for (COLORREF pixel : Pixels(canvas)) {
    EXPECT_EQ(GetGValue(pixel), 0);
    EXPECT_NEAR(GetRValue(pixel) + GetBValue(pixel), 255, 1);
    ink += GetRValue(pixel) > 0 ? 1 : 0;
  }
  EXPECT_GT(ink, 10);
}

TEST(TextOutTest, AlignmentMovesTheReferencePoint) {
  CCanvas left(60, 30);
  CCanvas right(60, 30);
  CCanvas center(60, 30);
  CCanvas baseline(60, 30);
  const LONG width = Extent(left.Dc(), "Mass").cx;
  TextOutA(left.Dc(), 40 - width, 4, "Mass", 4);
  SetTextAlign(right.Dc(), TA_RIGHT);
  TextOutA(right.Dc(), 40, 4, "Mass", 4);
  EXPECT_EQ(Pixels(left), Pixels(right));
  SetTextAlign(center.Dc(), TA_CENTER);
  TextOutA(center.Dc(), 40 - width + width / 2, 4, "Mass", 4);
  EXPECT_EQ(Pixels(left), Pixels(center));
  SetTextAlign(baseline.Dc(), TA_RIGHT | TA_BASELINE);
  TextOutA(baseline.Dc(), 40, 14, "Mass", 4);
  EXPECT_EQ(Pixels(left), Pixels(baseline));
}

TEST(TextOutTest, HighBytesAreWindows1252) {
  CCanvas copyright(20, 16);
  CCanvas letterC(20, 16);
  CCanvas euro(20, 16);
  CCanvas undefined(20, 16);
  TextOutA(copyright.Dc(), 1, 1, "\xA9", 1);
  TextOutA(letterC.Dc(), 1, 1, "c", 1);
  TextOutA(euro.Dc(), 1, 1, "\x80", 1);
  TextOutA(undefined.Dc(), 1, 1, "\x81", 1);
  EXPECT_GT(InkCount(copyright, kWhite), InkCount(letterC, kWhite)) << "the circled c";
  EXPECT_NE(Pixels(euro), Pixels(undefined)) << "0x80 is the euro sign, not a missing glyph";
  EXPECT_GT(InkCount(euro, kWhite), 0);
}

TEST(ExtTextOutTest, OpaqueFillsTheRectangleAndClippedKeepsTheTextInside) {
  CCanvas canvas(40, 20);
  SetBkColor(canvas.Dc(), kYellow);
  const RECT rect{2, 2, 12, 10};
  ExtTextOutA(canvas.Dc(), 0, 0, ETO_OPAQUE | ETO_CLIPPED, &rect, "WWWW", 4, nullptr);
  int ink = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool inside = x >= 2 && x < 12 && y >= 2 && y < 10;
      if (!inside) {
        ASSERT_EQ(canvas.At(x, y), kWhite) << x << "," << y;
      } else if (canvas.At(x, y) != kYellow) {
        ++ink;
      }
    }
  }
  EXPECT_GT(ink, 0);
}

TEST(ExtTextOutTest, OpaqueWithoutTextJustFills) {
  CCanvas canvas(10, 10);
  SetBkColor(canvas.Dc(), kYellow);
  const RECT rect{1, 1, 4, 4};
  EXPECT_TRUE(ExtTextOutA(canvas.Dc(), 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr));
  EXPECT_EQ(canvas.At(1, 1), kYellow);
  EXPECT_EQ(canvas.At(3, 3), kYellow);
  EXPECT_EQ(canvas.At(4, 4), kWhite);
}

TEST(ExtTextOutTest, DxReplacesTheAdvances) {
  CCanvas spaced(60, 16);
  CCanvas single(60, 16);
  SetBkMode(spaced.Dc(), TRANSPARENT);
  SetBkMode(single.Dc(), TRANSPARENT);
  const int dx[2] = {20, 20};
  ExtTextOutA(spaced.Dc(), 0, 0, 0, nullptr, "ab", 2, dx);
  TextOutA(single.Dc(), 0, 0, "a", 1);
  TextOutA(single.Dc(), 20, 0, "b", 1);
  EXPECT_EQ(Pixels(spaced), Pixels(single));
}

TEST(GlyphCacheTest, CachedAndFreshGlyphsDrawTheSame) {
  CCanvas first(100, 16);
  CCanvas second(100, 16);
  TextOutA(first.Dc(), 0, 0, "t: 1.000000e+002 s", 18);
  gdi::CFontLibrary::Instance().ClearGlyphCaches();
  TextOutA(second.Dc(), 0, 0, "t: 1.000000e+002 s", 18);
  EXPECT_EQ(Pixels(first), Pixels(second));
}

TEST(FontTest, UnderlinedFontDrawsALineOneRowBelowTheLetters) {
  CCanvas canvas(30, 16);
  HFONT underlined = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 1, 0, 0, 0, 0, 0, 0, "Arial");
  SelectObject(canvas.Dc(), underlined);
  SetBkMode(canvas.Dc(), TRANSPARENT);
  TextOutA(canvas.Dc(), 0, 0, "ab", 2);
  const LONG width = Extent(canvas.Dc(), "ab").cx;
  TEXTMETRICA metrics{};
  GetTextMetricsA(canvas.Dc(), &metrics);
  EXPECT_EQ(metrics.tmUnderlined, 1);
  for (int x = 0; x < 30; ++x) {
    EXPECT_EQ(canvas.At(x, metrics.tmAscent + 1), x < width ? RGB(0, 0, 0) : kWhite) << x;
  }
  SelectObject(canvas.Dc(), GetStockObject(SYSTEM_FONT));
  DeleteObject(underlined);
}

}  // namespace
