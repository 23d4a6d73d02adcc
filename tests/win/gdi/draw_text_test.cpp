// DrawTextA: prefixes, alignment, wrapping, measuring, tabs, ellipsis and
// clipping, each checked against the same text put down with TextOutA.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/win/gdi/canvas.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

class DrawTextTest : public testing::Test {
 protected:
  DrawTextTest() : m_drawn(80, 40), m_expected(80, 40) {
    SetBkMode(m_drawn.Dc(), TRANSPARENT);
    SetBkMode(m_expected.Dc(), TRANSPARENT);
  }

  int Draw(const char* text, RECT rect, UINT format) {
    return DrawTextA(m_drawn.Dc(), text, -1, &rect, format);
  }
  void Expect(int x, int y, const char* text) {
    TextOutA(m_expected.Dc(), x, y, text, static_cast<int>(std::strlen(text)));
  }
  LONG Width(const char* text) {
    SIZE size{};
    GetTextExtentPoint32A(m_drawn.Dc(), text, static_cast<int>(std::strlen(text)), &size);
    return size.cx;
  }
  std::vector<std::string> Drawn() const { return m_drawn.Picture(m_legend); }
  std::vector<std::string> Expected() const { return m_expected.Picture(m_legend); }
  bool Same() const { return Pixels(m_drawn) == Pixels(m_expected); }

  static std::vector<COLORREF> Pixels(const CCanvas& canvas) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 80; ++x) pixels.push_back(canvas.At(x, y));
    }
    return pixels;
  }

  CCanvas m_drawn;
  CCanvas m_expected;
  // Coarse enough to print, for failure messages only.
  std::map<COLORREF, char> m_legend{{kWhite, '.'}, {RGB(0, 0, 0), '#'}};
};

TEST_F(DrawTextTest, MnemonicIsUnderlinedOneRowBelowTheLetters) {
  Draw("&File", RECT{0, 0, 80, 40}, DT_SINGLELINE);
  Expect(0, 0, "File");
  const LONG f = Width("F");
  // Row 11 (ascent 10, plus one) carries the underline under the F only.
  for (int x = 0; x < 80; ++x) {
    EXPECT_EQ(m_drawn.At(x, 11), x < f ? RGB(0, 0, 0) : kWhite) << x;
  }
  for (int y = 0; y < 40; ++y) {
    if (y == 11) continue;
    for (int x = 0; x < 80; ++x) ASSERT_EQ(m_drawn.At(x, y), m_expected.At(x, y)) << x << "," << y;
  }
}

TEST_F(DrawTextTest, DoubleAmpersandShowsOneAmpersand) {
  Draw("Fish && Chips", RECT{0, 0, 80, 40}, DT_SINGLELINE);
  Expect(0, 0, "Fish & Chips");
  EXPECT_TRUE(Same()) << testing::PrintToString(Drawn());
}

TEST_F(DrawTextTest, NoPrefixDrawsTheAmpersand) {
  Draw("&File", RECT{0, 0, 80, 40}, DT_SINGLELINE | DT_NOPREFIX);
  Expect(0, 0, "&File");
  EXPECT_TRUE(Same());
}

TEST_F(DrawTextTest, HidePrefixTakesTheAmpersandOutWithoutUnderlining) {
  Draw("&File", RECT{0, 0, 80, 40}, DT_SINGLELINE | DT_HIDEPREFIX);
  Expect(0, 0, "File");
  EXPECT_TRUE(Same());
}

TEST_F(DrawTextTest, HorizontalAndVerticalAlignment) {
  const LONG width = Width("Go");
  Draw("Go", RECT{0, 0, 40, 40}, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  Expect((40 - width) / 2, (40 - 13) / 2, "Go");
  Draw("Go", RECT{40, 0, 80, 40}, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
  Expect(80 - width, 40 - 13, "Go");
  EXPECT_TRUE(Same()) << testing::PrintToString(Drawn());
}

TEST_F(DrawTextTest, VerticalCentreReturnsTheOffsetToTheTextsBottom) {
  RECT rect{0, 0, 40, 40};
  EXPECT_EQ(DrawTextA(m_drawn.Dc(), "Go", -1, &rect, DT_SINGLELINE | DT_VCENTER), 13 + 13);
  EXPECT_EQ(DrawTextA(m_drawn.Dc(), "Go", -1, &rect, DT_SINGLELINE | DT_BOTTOM), 40);
  EXPECT_EQ(DrawTextA(m_drawn.Dc(), "Go", -1, &rect, DT_SINGLELINE), 13);
}

TEST_F(DrawTextTest, WordBreakWrapsAtBlanks) {
  // Two pixels to spare: the last letter's ink may stand out of its advance.
  const LONG width = Width("alpha beta") + 2;
  EXPECT_EQ(Draw("alpha beta gamma", RECT{0, 0, width, 40}, DT_WORDBREAK), 26);
  Expect(0, 0, "alpha beta");
  Expect(0, 13, "gamma");
  EXPECT_TRUE(Same()) << testing::PrintToString(Drawn());
}

TEST_F(DrawTextTest, AWordWiderThanTheRectangleKeepsItsOwnLine) {
  Draw("a Gravitational b", RECT{0, 0, 20, 40}, DT_WORDBREAK | DT_NOCLIP);
  Expect(0, 0, "a");
  Expect(0, 13, "Gravitational");
  Expect(0, 26, "b");
  EXPECT_TRUE(Same()) << testing::PrintToString(Drawn());
}

TEST_F(DrawTextTest, LineEndsBreakLinesUnlessSingleLine) {
  RECT rect{0, 0, 80, 40};
  EXPECT_EQ(DrawTextA(m_drawn.Dc(), "a\r\nb", -1, &rect, 0), 26);
  Expect(0, 0, "a");
  Expect(0, 13, "b");
  EXPECT_TRUE(Same());
  EXPECT_EQ(DrawTextA(m_drawn.Dc(), "x\ny", -1, &rect, DT_SINGLELINE | DT_CALCRECT), 13);
  EXPECT_EQ(rect.right, Width("xy"));
}

TEST_F(DrawTextTest, CalcRectMeasuresWithoutDrawing) {
  RECT rect{5, 7, 100, 100};
  EXPECT_EQ(DrawTextA(m_drawn.Dc(), "Mass (kg)", -1, &rect, DT_SINGLELINE | DT_CALCRECT), 13);
  EXPECT_EQ(rect.left, 5);
  EXPECT_EQ(rect.top, 7);
  EXPECT_EQ(rect.right, 5 + Width("Mass (kg)"));
  EXPECT_EQ(rect.bottom, 7 + 13);
  RECT wrapped{0, 0, Width("one two"), 0};
  EXPECT_EQ(DrawTextA(m_drawn.Dc(), "one two three", -1, &wrapped, DT_WORDBREAK | DT_CALCRECT), 26);
  EXPECT_EQ(wrapped.right, Width("one two"));
  EXPECT_EQ(wrapped.bottom, 26);
  RECT prefixed{0, 0, 100, 0};
  DrawTextA(m_drawn.Dc(), "&Go", -1, &prefixed, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(prefixed.right, Width("Go"));
  EXPECT_TRUE(Same()) << "nothing drawn";
}

TEST_F(DrawTextTest, EndEllipsisCutsWhatDoesNotFit) {
  const char* text = "Gravitational constant";
  const LONG limit = 50;
  Draw(text, RECT{0, 0, limit, 20}, DT_SINGLELINE | DT_END_ELLIPSIS);
  std::string kept = text;
  while (!kept.empty() && Width((kept + "...").c_str()) > limit) kept.pop_back();
  ASSERT_FALSE(kept.empty());
  Expect(0, 0, (kept + "...").c_str());
  EXPECT_TRUE(Same()) << testing::PrintToString(Drawn());
}

TEST_F(DrawTextTest, ExpandTabsMovesToEightAverageCharacters) {
  Draw("a\tb", RECT{0, 0, 80, 20}, DT_SINGLELINE | DT_EXPANDTABS);
  Expect(0, 0, "a");
  Expect(48, 0, "b");
  EXPECT_TRUE(Same()) << testing::PrintToString(Drawn());
}

TEST_F(DrawTextTest, ClipsToTheRectangleUnlessNoClip) {
  Draw("WWWWWWWW", RECT{0, 0, 10, 10}, DT_SINGLELINE);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 80; ++x) {
      if (x >= 10 || y >= 10) {
        ASSERT_EQ(m_drawn.At(x, y), kWhite) << x << "," << y;
      }
    }
  }
  Draw("WWWWWWWW", RECT{0, 20, 10, 30}, DT_SINGLELINE | DT_NOCLIP);
  Expect(0, 20, "WWWWWWWW");
  for (int y = 20; y < 40; ++y) {
    for (int x = 0; x < 80; ++x) ASSERT_EQ(m_drawn.At(x, y), m_expected.At(x, y)) << x << "," << y;
  }
}

TEST_F(DrawTextTest, OpaqueFillsBehindEachLine) {
  SetBkMode(m_drawn.Dc(), OPAQUE);
  SetBkColor(m_drawn.Dc(), RGB(0, 0, 128));
  Draw("ab", RECT{0, 0, 80, 40}, DT_SINGLELINE);
  EXPECT_EQ(m_drawn.At(0, 0), RGB(0, 0, 128));
  EXPECT_EQ(m_drawn.At(Width("ab") - 1, 12), RGB(0, 0, 128));
  EXPECT_EQ(m_drawn.At(Width("ab"), 0), kWhite);
  EXPECT_EQ(m_drawn.At(0, 13), kWhite);
}

TEST_F(DrawTextTest, BadArgumentsFail) {
  RECT rect{0, 0, 10, 10};
  EXPECT_EQ(DrawTextA(m_drawn.Dc(), "a", 1, nullptr, 0), 0);
  EXPECT_EQ(DrawTextA(m_drawn.Dc(), nullptr, 3, &rect, 0), 0);
  EXPECT_EQ(DrawTextA(m_drawn.Dc(), "a", -5, &rect, 0), 0);
  EXPECT_EQ(DrawTextA(m_drawn.Dc(), "", 0, &rect, DT_CALCRECT), 13) << "one empty line";
  EXPECT_TRUE(Same());
}

}  // namespace
