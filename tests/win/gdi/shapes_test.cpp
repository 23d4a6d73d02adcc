// Lines, rectangles and ellipses, pixel for pixel.
#include <gtest/gtest.h>

#include <climits>

#include "tests/win/gdi/canvas.h"

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kGray = RGB(192, 192, 192);
const std::map<COLORREF, char> kLegend{
    {RGB(0, 0, 0), '#'}, {RGB(255, 255, 255), '.'}, {kYellow, 'y'}, {kGray, 'g'}};

TEST(EllipseTest, SmallestBodyIsARingAroundADisc) {
  CCanvas canvas;
  HBRUSH yellow = CreateSolidBrush(kYellow);
  HGDIOBJ oldBrush = SelectObject(canvas.Dc(), yellow);
  Ellipse(canvas.Dc(), 2, 2, 14, 14);
  SelectObject(canvas.Dc(), GetStockObject(BLACK_BRUSH));
  Ellipse(canvas.Dc(), 5, 5, 11, 11);
  SelectObject(canvas.Dc(), oldBrush);
  DeleteObject(yellow);
  const std::vector<std::string> expected{
      "................",  //
      "................",  //
      "......####......",  //
      "....##yyyy##....",  //
      "...#yyyyyyyy#...",  //
      "...#yy####yy#...",  //
      "..#yy######yy#..",  //
      "..#yy######yy#..",  //
      "..#yy######yy#..",  //
      "..#yy######yy#..",  //
      "...#yy####yy#...",  //
      "...#yyyyyyyy#...",  //
      "....##yyyy##....",  //
      "......####......",  //
      "................",  //
      "................",  //
  };
  EXPECT_EQ(canvas.Picture(kLegend), expected);
}

TEST(EllipseTest, EverySizeIsSymmetricAndTouchesAllFourSides) {
  for (int width = 1; width <= 20; ++width) {
    for (int height = 1; height <= 20; ++height) {
      CCanvas canvas(24, 24);
      SelectObject(canvas.Dc(), GetStockObject(NULL_BRUSH));
      Ellipse(canvas.Dc(), 2, 2, 2 + width, 2 + height);
      const auto black = [&](int x, int y) { return canvas.At(2 + x, 2 + y) == RGB(0, 0, 0); };
      bool left = false;
      bool right = false;
      bool top = false;
      bool bottom = false;
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          ASSERT_EQ(black(x, y), black(width - 1 - x, y)) << width << "x" << height;
          ASSERT_EQ(black(x, y), black(x, height - 1 - y)) << width << "x" << height;
        }
        left = left || black(0, y);
        right = right || black(width - 1, y);
      }
      for (int x = 0; x < width; ++x) {
        top = top || black(x, 0);
        bottom = bottom || black(x, height - 1);
      }
      EXPECT_TRUE(left && right && top && bottom) << width << "x" << height;
      int outside = 0;
      for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
          const bool in = x >= 2 && x < 2 + width && y >= 2 && y < 2 + height;
          if (!in && canvas.At(x, y) != RGB(255, 255, 255)) ++outside;
        }
      }
      EXPECT_EQ(outside, 0) << width << "x" << height;
    }
  }
}

TEST(EllipseTest, NullPenFillsOnePixelLessOnTheRightAndBottom) {
  CCanvas canvas;
  SelectObject(canvas.Dc(), GetStockObject(NULL_PEN));
  SelectObject(canvas.Dc(), GetStockObject(BLACK_BRUSH));
  Ellipse(canvas.Dc(), 0, 0, 12, 12);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(canvas.At(11, i), RGB(255, 255, 255)) << i;
    EXPECT_EQ(canvas.At(i, 11), RGB(255, 255, 255)) << i;
  }
  EXPECT_EQ(canvas.At(0, 5), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(10, 5), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(5, 10), RGB(0, 0, 0));
}

TEST(EllipseTest, WidePenOutlinesInsideTheBox) {
  CCanvas canvas;
  HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
  SelectObject(canvas.Dc(), pen);
  Ellipse(canvas.Dc(), 0, 0, 12, 12);
  SelectObject(canvas.Dc(), GetStockObject(BLACK_PEN));
  DeleteObject(pen);
  // Along the middle row the outline is two pixels thick on each side.
  EXPECT_EQ(canvas.Picture(kLegend, 0, 5, 13, 1), std::vector<std::string>{"##........##."});
  EXPECT_EQ(
      canvas.Picture(kLegend, 5, 0, 1, 13),
      (std::vector<std::string>{"#", "#", ".", ".", ".", ".", ".", ".", ".", ".", "#", "#", "."}));
}

TEST(RectangleTest, PenOutlinesInsideAndBrushFillsTheInterior) {
  CCanvas canvas(10, 8);
  SelectObject(canvas.Dc(), GetStockObject(LTGRAY_BRUSH));
  Rectangle(canvas.Dc(), 2, 2, 8, 6);
  const std::vector<std::string> expected{
      "..........",  //
      "..........",  //
      "..######..",  //
      "..#gggg#..",  //
      "..#gggg#..",  //
      "..######..",  //
      "..........",  //
      "..........",  //
  };
  EXPECT_EQ(canvas.Picture(kLegend), expected);
}

TEST(RectangleTest, NullPenFillsOnePixelLessOnTheRightAndBottom) {
  CCanvas canvas(10, 8);
  SelectObject(canvas.Dc(), GetStockObject(NULL_PEN));
  SelectObject(canvas.Dc(), GetStockObject(LTGRAY_BRUSH));
  Rectangle(canvas.Dc(), 2, 2, 8, 6);
  const std::vector<std::string> expected{
      "..........",  //
      "..........",  //
      "..ggggg...",  //
      "..ggggg...",  //
      "..ggggg...",  //
      "..........",  //
      "..........",  //
      "..........",  //
  };
  EXPECT_EQ(canvas.Picture(kLegend), expected);
}

TEST(RectangleTest, NullBrushDrawsOnlyTheOutline) {
  CCanvas canvas(10, 8);
  SelectObject(canvas.Dc(), GetStockObject(NULL_BRUSH));
  Rectangle(canvas.Dc(), 2, 2, 8, 6);
  const std::vector<std::string> expected{
      "..........",  //
      "..........",  //
      "..######..",  //
      "..#....#..",  //
      "..#....#..",  //
      "..######..",  //
      "..........",  //
      "..........",  //
  };
  EXPECT_EQ(canvas.Picture(kLegend), expected);
}

TEST(RectangleTest, ReversedCornersDrawTheSameBox) {
  CCanvas a(10, 8);
  CCanvas b(10, 8);
  Rectangle(a.Dc(), 2, 2, 8, 6);
  Rectangle(b.Dc(), 8, 6, 2, 2);
  EXPECT_EQ(a.Picture(kLegend), b.Picture(kLegend));
}

TEST(RectangleTest, DottedPenRunsItsPatternAroundTheCorners) {
  CCanvas canvas(10, 6);
  HPEN dot = CreatePen(PS_DOT, 0, RGB(0, 0, 0));
  SelectObject(canvas.Dc(), dot);
  SelectObject(canvas.Dc(), GetStockObject(NULL_BRUSH));
  SetBkMode(canvas.Dc(), TRANSPARENT);
  Rectangle(canvas.Dc(), 0, 0, 8, 4);
  SelectObject(canvas.Dc(), GetStockObject(BLACK_PEN));
  DeleteObject(dot);
  // Three on, three off, clockwise from the top-left corner: the top row
  // holds pixels 0-6, the right column 7-9 downwards, the bottom row 10-16
  // leftwards, the left column 17-19 upwards.
  const std::vector<std::string> expected{
      "###...##..",  //
      "#......#..",  //
      "#.........",  //
      "...###....",  //
      "..........",  //
      "..........",  //
  };
  EXPECT_EQ(canvas.Picture(kLegend), expected);
}

TEST(LineTest, HorizontalLineStopsBeforeItsEnd) {
  CCanvas canvas(8, 3);
  MoveToEx(canvas.Dc(), 1, 1, nullptr);
  LineTo(canvas.Dc(), 6, 1);
  EXPECT_EQ(canvas.Picture(kLegend),
            (std::vector<std::string>{"........", ".#####..", "........"}));
  POINT position{};
  GetCurrentPositionEx(canvas.Dc(), &position);
  EXPECT_EQ(position.x, 6);
  EXPECT_EQ(position.y, 1);
}

TEST(LineTest, VerticalLineStopsBeforeItsEnd) {
  CCanvas canvas(3, 6);
  MoveToEx(canvas.Dc(), 1, 4, nullptr);
  LineTo(canvas.Dc(), 1, 0);
  EXPECT_EQ(canvas.Picture(kLegend),
            (std::vector<std::string>{"...", ".#.", ".#.", ".#.", ".#.", "..."}));
}

TEST(LineTest, DiagonalLineStopsBeforeItsEnd) {
  CCanvas canvas(6, 6);
  MoveToEx(canvas.Dc(), 1, 1, nullptr);
  LineTo(canvas.Dc(), 5, 5);
  EXPECT_EQ(canvas.Picture(kLegend),
            (std::vector<std::string>{"......", ".#....", "..#...", "...#..", "....#.", "......"}));
}

TEST(LineTest, SteepLineStepsAcrossAtTheNearestPixel) {
  CCanvas canvas(5, 8);
  MoveToEx(canvas.Dc(), 1, 1, nullptr);
  LineTo(canvas.Dc(), 3, 7);
  EXPECT_EQ(canvas.Picture(kLegend),
            (std::vector<std::string>{".....", ".#...", ".#...", "..#..", "..#..", "..#..", "...#.",
                                      "....."}));
}

TEST(LineTest, ExactTiesStayOnTheStartSide) {
  CCanvas canvas(6, 3);
  MoveToEx(canvas.Dc(), 0, 0, nullptr);
  LineTo(canvas.Dc(), 4, 2);
  EXPECT_EQ(canvas.Picture(kLegend), (std::vector<std::string>{"##....", "..##..", "......"}));
}

TEST(LineTest, NullPenOnlyMoves) {
  CCanvas canvas(8, 3);
  SelectObject(canvas.Dc(), GetStockObject(NULL_PEN));
  MoveToEx(canvas.Dc(), 0, 1, nullptr);
  LineTo(canvas.Dc(), 7, 1);
  EXPECT_EQ(canvas.Picture(kLegend),
            (std::vector<std::string>{"........", "........", "........"}));
  POINT position{};
  GetCurrentPositionEx(canvas.Dc(), &position);
  EXPECT_EQ(position.x, 7);
}

TEST(LineTest, DottedGapsTakeTheBackgroundWhenOpaque) {
  CCanvas canvas(12, 2);
  HPEN dot = CreatePen(PS_DOT, 1, RGB(0, 0, 0));
  SelectObject(canvas.Dc(), dot);
  SetBkColor(canvas.Dc(), kYellow);
  MoveToEx(canvas.Dc(), 0, 0, nullptr);
  LineTo(canvas.Dc(), 12, 0);
  SetBkMode(canvas.Dc(), TRANSPARENT);
  MoveToEx(canvas.Dc(), 0, 1, nullptr);
  LineTo(canvas.Dc(), 12, 1);
  SelectObject(canvas.Dc(), GetStockObject(BLACK_PEN));
  DeleteObject(dot);
  EXPECT_EQ(canvas.Picture(kLegend), (std::vector<std::string>{"###yyy###yyy", "###...###..."}));
}

TEST(LineTest, WidePenStampsSquaresCentredOnTheLine) {
  CCanvas canvas(12, 8);
  HPEN wide = CreatePen(PS_SOLID, 3, RGB(0, 0, 0));
  SelectObject(canvas.Dc(), wide);
  MoveToEx(canvas.Dc(), 2, 4, nullptr);
  LineTo(canvas.Dc(), 9, 4);
  SelectObject(canvas.Dc(), GetStockObject(BLACK_PEN));
  DeleteObject(wide);
  EXPECT_EQ(canvas.Picture(kLegend, 0, 2, 12, 5),
            (std::vector<std::string>{"............", ".#########..", ".#########..",
                                      ".#########..", "............"}));
}

TEST(ShapeTest, ExtremeCoordinatesAreClippedNotOverflowed) {
  CCanvas canvas(8, 8);
  SelectObject(canvas.Dc(), GetStockObject(LTGRAY_BRUSH));
  EXPECT_TRUE(Rectangle(canvas.Dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX));
  EXPECT_EQ(canvas.At(0, 0), kGray);
  EXPECT_EQ(canvas.At(7, 7), kGray);
  EXPECT_TRUE(Ellipse(canvas.Dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX));
  EXPECT_TRUE(Ellipse(canvas.Dc(), INT_MAX, INT_MAX, INT_MIN, INT_MIN));
  MoveToEx(canvas.Dc(), INT_MIN, 4, nullptr);
  EXPECT_TRUE(LineTo(canvas.Dc(), INT_MAX, 4));
  // The nearly horizontal line crosses the whole surface on row 4.
  for (int x = 0; x < 8; ++x) EXPECT_EQ(canvas.At(x, 4), RGB(0, 0, 0)) << x;
}

TEST(ShapeTest, OriginShiftsEverything) {
  CCanvas canvas(8, 8, RGB(255, 255, 255), POINT{3, 2});
  MoveToEx(canvas.Dc(), 0, 0, nullptr);
  LineTo(canvas.Dc(), 3, 0);
  EXPECT_EQ(canvas.Picture(kLegend, 0, 2, 8, 1), std::vector<std::string>{"...###.."});
}

}  // namespace
