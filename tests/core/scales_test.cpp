#include "core/scales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <set>
#include <string>

#include "core/body.h"

namespace {

double Parse(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

TEST(PowersOfTen, AreTheCorrectlyRoundedDoubles) {
  // strtod rounds a decimal correctly, so this is the nearest double to each
  // power of ten; the table must hold exactly those.
  for (int n = 0; n <= 36; ++n) {
    EXPECT_EQ(PowerOfTen(n), Parse("1e" + std::to_string(n))) << n;
  }
  // Up to 10^22 the powers are exact and a running product finds them; by
  // 10^25, the slider's first decade, its roundings have drifted away.
  double product = 1.0;
  for (int n = 1; n <= 25; ++n) {
    product *= 10.0;
    if (n <= 22) {
      EXPECT_EQ(PowerOfTen(n), product) << n;
    }
  }
  EXPECT_NE(PowerOfTen(25), product);
}

TEST(PowersOfTen, HoldOutOfRangeExponentsToTheTable) {
  EXPECT_EQ(PowerOfTen(-1), 1.0);
  EXPECT_EQ(PowerOfTen(std::numeric_limits<int>::min()), 1.0);
  EXPECT_EQ(PowerOfTen(37), 1e36);
  EXPECT_EQ(PowerOfTen(std::numeric_limits<int>::max()), 1e36);
}

TEST(MassSlider, GivesNineStepsADecade) {
  struct Row {
    int pos;
    double mass;
  };
  const Row rows[] = {
      {0, 1e25},  {1, 2e25},  {8, 9e25},  {9, 1e26},  {17, 9.000000000000001e26}, {18, 1e27},
      {45, 1e30}, {81, 1e34}, {89, 9e34}, {90, 1e35}, {40, 4.9999999999999994e29}};
  for (const Row& row : rows) {
    EXPECT_EQ(MassFromSliderPos(row.pos), row.mass) << row.pos;
  }
}

TEST(MassSlider, RoundsTheProductOnceNotTheDecimal) {
  // Where one rounding of 10^n * k misses the nearest double to the decimal,
  // the slider must miss it too: these are exactly those positions.
  const std::set<int> misses = {2, 5, 6, 11, 14, 17, 20, 23, 40, 44, 47, 50, 58, 67, 78, 83, 86};
  for (int p = 0; p <= 90; ++p) {
    const std::string decimal = std::to_string(p % 9 + 1) + "e" + std::to_string(p / 9 + 25);
    if (misses.contains(p)) {
      EXPECT_NE(MassFromSliderPos(p), Parse(decimal)) << p;
    } else {
      EXPECT_EQ(MassFromSliderPos(p), Parse(decimal)) << p;
    }
  }
}

TEST(MassSlider, RadiusChangesExactlyAtTheDecades) {
  for (int p = 1; p <= 90; ++p) {
    const bool changes =
        DisplayRadius(MassFromSliderPos(p)) != DisplayRadius(MassFromSliderPos(p - 1));
    const bool decade = p >= 18 && p <= 81 && p % 9 == 0;
    EXPECT_EQ(changes, decade) << p;
  }
}

TEST(MassSlider, PositionsOutsideTheSearchAreHeldToIt) {
  EXPECT_EQ(MassFromSliderPos(-1), 1e25);
  EXPECT_EQ(MassFromSliderPos(std::numeric_limits<int>::min()), 1e25);
  EXPECT_EQ(MassFromSliderPos(100), 2e36);
  EXPECT_EQ(MassFromSliderPos(std::numeric_limits<int>::max()), 2e36);
}

TEST(MassSearch, EveryPositionComesBackToItself) {
  for (int p = 0; p <= 100; ++p) {
    const std::optional<int> back = SliderPosFromMass(MassFromSliderPos(p));
    ASSERT_TRUE(back.has_value()) << p;
    EXPECT_EQ(*back, p);
  }
}

TEST(MassSearch, MassesBetweenAndBeyondTheSteps) {
  EXPECT_EQ(SliderPosFromMass(1e25), 0);
  EXPECT_EQ(SliderPosFromMass(1.5e25), 1);
  EXPECT_EQ(SliderPosFromMass(0.0), 0);
  EXPECT_EQ(SliderPosFromMass(-1e30), 0);
  EXPECT_EQ(SliderPosFromMass(1e25 + 99.0 * 1e9), 1);  // not within 100 kg of 1e25
  EXPECT_FALSE(SliderPosFromMass(3e36).has_value());
  EXPECT_FALSE(SliderPosFromMass(std::nan("")).has_value());
  EXPECT_FALSE(SliderPosFromMass(std::numeric_limits<double>::infinity()).has_value());
  EXPECT_EQ(SliderPosFromMass(-std::numeric_limits<double>::infinity()), 0);
  // 2e36 + 100 is not a double of its own: the nearest one is 2e36.
  EXPECT_EQ(SliderPosFromMass(2e36 + 100.0), 100);
  EXPECT_FALSE(SliderPosFromMass(std::nextafter(2e36, 3e36) * 1.0000001).has_value());
}

TEST(TimeStepSlider, IsAPowerOfTenFromTheTop) {
  const double expected[] = {100000.0, 10000.0, 1000.0, 100.0, 10.0, 1.0};
  for (int pos = 0; pos <= 5; ++pos) {
    EXPECT_EQ(TimeStepFromSlider(pos, 5), expected[pos]) << pos;
  }
  EXPECT_EQ(TimeStepFromSlider(3, 5), 100.0);
  EXPECT_EQ(TimeStepFromSlider(0, 5), 100000.0);
}

TEST(TimeStepSlider, ExtremeArgumentsStayInTheTable) {
  EXPECT_EQ(TimeStepFromSlider(6, 5), 1.0);
  EXPECT_EQ(TimeStepFromSlider(std::numeric_limits<int>::max(), std::numeric_limits<int>::min()),
            1.0);
  EXPECT_EQ(TimeStepFromSlider(std::numeric_limits<int>::min(), std::numeric_limits<int>::max()),
            1e36);
}

TEST(GravitySlider, MatchesTheTable) {
  EXPECT_EQ(GravityFromSlider(100), 6.67259e-11);
  EXPECT_EQ(GravityFromSlider(50), 1.0008885000000001e-10);
  EXPECT_EQ(GravityFromSlider(150), 3.336295e-11);
  EXPECT_EQ(GravityFromSlider(150), 0.5 * 6.67259e-11);
  // One unit in the last place above 1.5 times the standard G.
  EXPECT_EQ(GravityFromSlider(50), std::nextafter(1.0008885e-10, 1.0));
}

TEST(GravitySlider, FoldingOrDividingGivesOtherDoubles) {
  // volatile keeps the compiler from folding the traps into ours.
  volatile double standard = 6.67259e-11;
  volatile double folded = 6.67259e-13;
  for (int pos : {50, 52, 53}) {
    EXPECT_NE(GravityFromSlider(pos), (200 - pos) * folded) << pos;
  }
  for (int pos : {53, 56, 62}) {
    EXPECT_NE(GravityFromSlider(pos), ((200 - pos) * standard) / 100.0) << pos;
  }
  for (int pos = 50; pos <= 150; ++pos) {
    const double g = (200 - pos) * standard;
    EXPECT_EQ(GravityFromSlider(pos), g * 0.01) << pos;
  }
}

TEST(GravitySlider, ExtremePositionsAreFinite) {
  EXPECT_TRUE(std::isfinite(GravityFromSlider(std::numeric_limits<int>::min())));
  EXPECT_TRUE(std::isfinite(GravityFromSlider(std::numeric_limits<int>::max())));
  EXPECT_LT(GravityFromSlider(std::numeric_limits<int>::max()), 0.0);
}

TEST(DragVelocity, IsTheDragVectorAtAThousandPerPixel) {
  const DragVelocity v = VelocityFromDrag(POINT{100, 100}, POINT{103, 96});
  EXPECT_EQ(v.vx, 3000.0);
  EXPECT_EQ(v.vy, -4000.0);
  const DragVelocity rest = VelocityFromDrag(POINT{7, 9}, POINT{7, 9});
  EXPECT_EQ(rest.vx, 0.0);
  EXPECT_EQ(rest.vy, 0.0);
  EXPECT_FALSE(std::signbit(rest.vx));
  const DragVelocity down = VelocityFromDrag(POINT{0, 0}, POINT{-2, 5});
  EXPECT_EQ(down.vx, -2000.0);
  EXPECT_EQ(down.vy, 5000.0);
  EXPECT_EQ(kVelocityPerPixel, 1000.0);
}

TEST(DragVelocity, ExtremePointsDoNotOverflow) {
  const LONG lo = std::numeric_limits<LONG>::min();
  const LONG hi = std::numeric_limits<LONG>::max();
  const DragVelocity v = VelocityFromDrag(POINT{lo, hi}, POINT{hi, lo});
  EXPECT_EQ(v.vx, 4294967295.0 * 1000.0);
  EXPECT_EQ(v.vy, -4294967295.0 * 1000.0);
}

}  // namespace
