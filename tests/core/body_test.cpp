#include "core/body.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr LONG kMaxPixel = std::numeric_limits<LONG>::max();
constexpr LONG kMinPixel = std::numeric_limits<LONG>::min();

void ExpectRect(const RECT& r, LONG left, LONG top, LONG right, LONG bottom) {
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.right, right);
  EXPECT_EQ(r.bottom, bottom);
}

CBody Placed(int px, int py, double mass) {
  CBody b;
  b.SetMass(mass);
  b.SetScreenPos(px, py);
  return b;
}

TEST(BodySquare, PlacementGivesSquareAndExactWorldPosition) {
  const CBody b = Placed(100, 50, 1e25);
  ExpectRect(b.GetRect(), 94, 44, 106, 56);
  EXPECT_EQ(b.GetX(), 1e11);
  EXPECT_EQ(b.GetY(), 5e10);
  EXPECT_EQ(b.GetScreenPos().x, 100);
  EXPECT_EQ(b.GetScreenPos().y, 50);
}

TEST(BodySquare, RadiusStepsAtEachPowerOfTen) {
  struct Row {
    double threshold;
    LONG radius;
  };
  const Row rows[] = {{1e27, 7},  {1e28, 8},  {1e29, 9},  {1e30, 10},
                      {1e31, 11}, {1e32, 12}, {1e33, 13}, {1e34, 14}};
  for (const Row& row : rows) {
    EXPECT_EQ(DisplayRadius(row.threshold), row.radius) << row.threshold;
    // The test is >=: the double just below the threshold is a step smaller.
    EXPECT_EQ(DisplayRadius(std::nextafter(row.threshold, 0.0)), row.radius - 1) << row.threshold;
  }
  EXPECT_EQ(DisplayRadius(9e26), 6);
  EXPECT_EQ(DisplayRadius(1e35), 14);
  EXPECT_EQ(DisplayRadius(1e300), 14);
  EXPECT_EQ(DisplayRadius(0.0), 6);
  EXPECT_EQ(DisplayRadius(-1e40), 6);
  EXPECT_EQ(DisplayRadius(std::nan("")), 6);
  EXPECT_EQ(DisplayRadius(std::numeric_limits<double>::infinity()), 14);
}

TEST(BodySquare, SetMassRecomputesAroundTheSameCentre) {
  CBody b = Placed(100, 50, 1e25);
  b.SetMass(1e27);
  ExpectRect(b.GetRect(), 93, 43, 107, 57);
  b.SetMass(1e35);
  ExpectRect(b.GetRect(), 86, 36, 114, 64);
  EXPECT_EQ(b.GetX(), 1e11);
  EXPECT_EQ(b.GetY(), 5e10);
}

TEST(BodySquare, SetScreenPosKeepsMassVelocityAndColour) {
  CBody b;
  b.SetMass(1e30);
  b.SetVx(5.0);
  b.SetVy(-7.0);
  b.SetColor(RGB(1, 2, 3));
  b.SetScreenPos(10, 20);
  EXPECT_EQ(b.GetMass(), 1e30);
  EXPECT_EQ(b.GetVx(), 5.0);
  EXPECT_EQ(b.GetVy(), -7.0);
  EXPECT_EQ(b.GetColor(), RGB(1, 2, 3));
  ExpectRect(b.GetRect(), 0, 10, 20, 30);
}

TEST(BodyMove, AdvancesPositionAndTruncatesToPixel) {
  CBody b = Placed(100, 50, 1e25);
  b.SetVx(1000.0);
  b.SetVy(-1000.0);
  b.Move(100.0);
  EXPECT_EQ(b.GetX(), 100000100000.0);
  EXPECT_EQ(b.GetY(), 49999900000.0);
  EXPECT_EQ(b.GetScreenPos().x, 100);
  EXPECT_EQ(b.GetScreenPos().y, 49);  // any move up leaves the whole pixel
  ExpectRect(b.GetRect(), 94, 43, 106, 55);
}

TEST(BodyMove, VelocityAddsToTheCurrentValue) {
  CBody b;
  b.SetVx(0.1);
  b.AddVx(0.2);
  b.SetVy(-1.0);
  b.AddVy(0.25);
  EXPECT_EQ(b.GetVx(), 0.2 + 0.1);
  EXPECT_EQ(b.GetVy(), -0.75);
}

TEST(BodyMove, AtRestStaysOnItsPixelEverywhereInTheMillionRange) {
  for (int p = -1000000; p <= 1000000; ++p) {
    const double metres = static_cast<double>(p) * kMetresPerPixel;
    ASSERT_EQ(PixelFromMetres(metres), p) << p;
  }
  CBody b = Placed(-1000000, 1000000, 1e25);
  b.Move(1e5);
  EXPECT_EQ(b.GetScreenPos().x, -1000000);
  EXPECT_EQ(b.GetScreenPos().y, 1000000);
}

TEST(PixelConversion, TruncatesTowardZero) {
  EXPECT_EQ(PixelFromMetres(-5e8), 0);
  EXPECT_EQ(PixelFromMetres(5e8), 0);
  EXPECT_EQ(PixelFromMetres(-1.5e9), -1);
  EXPECT_EQ(PixelFromMetres(1.5e9), 1);
  EXPECT_EQ(PixelFromMetres(std::nextafter(5e10, 0.0)), 49);
}

TEST(PixelConversion, SaturatesBeyondThe32BitRange) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(PixelFromMetres(1e300), kMaxPixel);
  EXPECT_EQ(PixelFromMetres(-1e300), kMinPixel);
  EXPECT_EQ(PixelFromMetres(inf), kMaxPixel);
  EXPECT_EQ(PixelFromMetres(-inf), kMinPixel);
  EXPECT_EQ(PixelFromMetres(std::nan("")), 0);
  EXPECT_EQ(PixelFromMetres(-std::nan("")), 0);
  EXPECT_EQ(PixelFromMetres(std::numeric_limits<double>::max()), kMaxPixel);
  // Both limits themselves are reachable without saturating.
  EXPECT_EQ(PixelFromMetres(2147483647e9), kMaxPixel);
  EXPECT_EQ(PixelFromMetres(-2147483648e9), kMinPixel);
  EXPECT_EQ(PixelFromMetres(2147483646e9), kMaxPixel - 1);
}

TEST(PixelConversion, SquareSaturatesAtTheLimits) {
  CBody far;
  far.SetMass(1e35);
  far.SetScreenPos(0, 0);
  far.SetVx(1e30);
  far.SetVy(-1e30);
  far.Move(1e10);
  EXPECT_EQ(far.GetScreenPos().x, kMaxPixel);
  EXPECT_EQ(far.GetScreenPos().y, kMinPixel);
  ExpectRect(far.GetRect(), kMaxPixel - 14, kMinPixel, kMaxPixel, kMinPixel + 14);

  CBody edge;
  edge.SetMass(1e25);
  edge.SetScreenPos(kMinPixel, kMaxPixel);
  ExpectRect(edge.GetRect(), kMinPixel, kMaxPixel - 6, kMinPixel + 6, kMaxPixel);
}

TEST(BodyCopy, AssignmentCopiesTheSquareAsStored) {
  CBody source;  // never placed: its square is empty, not the radius-6 one
  source.SetColor(RGB(10, 20, 30));
  CBody target = Placed(100, 50, 1e30);
  target.SetVx(3.0);
  target = source;
  ExpectRect(target.GetRect(), 0, 0, 0, 0);
  EXPECT_EQ(target.GetColor(), RGB(10, 20, 30));
  EXPECT_EQ(target.GetMass(), source.GetMass());
  EXPECT_EQ(target.GetVx(), source.GetVx());
  EXPECT_EQ(target.GetX(), source.GetX());
  EXPECT_EQ(target.GetScreenPos().x, source.GetScreenPos().x);
}

TEST(BodyCopy, SelfAssignmentChangesNothing) {
  CBody b = Placed(7, 8, 2e29);
  b.SetVx(-12.5);
  b.SetVy(99.0);
  b.SetColor(RGB(255, 0, 128));
  CBody& alias = b;
  b = alias;
  ExpectRect(b.GetRect(), -2, -1, 16, 17);
  EXPECT_EQ(b.GetMass(), 2e29);
  EXPECT_EQ(b.GetVx(), -12.5);
  EXPECT_EQ(b.GetVy(), 99.0);
  EXPECT_EQ(b.GetColor(), RGB(255, 0, 128));
  EXPECT_EQ(b.GetX(), 7e9);
}

TEST(BodyConstruction, StartsWhite) {
  const CBody b;
  EXPECT_EQ(b.GetColor(), 0xFFFFFFU);
  EXPECT_EQ(GetRValue(RGB(1, 2, 3)), 1);
  EXPECT_EQ(GetGValue(RGB(1, 2, 3)), 2);
  EXPECT_EQ(GetBValue(RGB(1, 2, 3)), 3);
  EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412U);
}

}  // namespace
