#include "tests/fuzz/reference.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ReferencePrinting, WidensTheExponentToThreeDigits) {
  EXPECT_EQ(reference::Classic("%.4e", 6.67259e-11), "6.6726e-011");
  EXPECT_EQ(reference::Classic("t: %e s", 100.0), "t: 1.000000e+002 s");
  EXPECT_EQ(reference::Classic("%.2e", 1e35), "1.00e+035");
  EXPECT_EQ(reference::Classic("%e", 1e300), "1.000000e+300");
  EXPECT_EQ(reference::Classic("%10d s", 100), "       100 s");
}

TEST(ReferencePrinting, LeavesInfinitiesAndNaNAlone) {
  EXPECT_EQ(reference::Classic("%e", std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(reference::WidenExponent("nan"), "nan");
  EXPECT_EQ(reference::WidenExponent("1e+5 s"), "1e+005 s");
}

TEST(ReferenceScales, RadiusGrowsOnePixelADecadeFrom1e27) {
  EXPECT_EQ(reference::Radius(1e25), 6);
  EXPECT_EQ(reference::Radius(9.99e26), 6);
  EXPECT_EQ(reference::Radius(1e27), 7);
  EXPECT_EQ(reference::Radius(5e30), 10);
  EXPECT_EQ(reference::Radius(1e34), 14);
  EXPECT_EQ(reference::Radius(1e35), 14);
  EXPECT_EQ(reference::Radius(std::numeric_limits<double>::quiet_NaN()), 6);
}

TEST(ReferenceScales, PixelTruncatesAndSaturates) {
  EXPECT_EQ(reference::Pixel(1.5e9), 1);
  EXPECT_EQ(reference::Pixel(-1.5e9), -1);
  EXPECT_EQ(reference::Pixel(1e300), std::numeric_limits<LONG>::max());
  EXPECT_EQ(reference::Pixel(-std::numeric_limits<double>::infinity()),
            std::numeric_limits<LONG>::min());
  EXPECT_EQ(reference::Pixel(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(ReferenceScales, SquareSaturatesAtTheLimits) {
  const RECT r = reference::Square(POINT{std::numeric_limits<LONG>::max(), 0}, 1e25);
  EXPECT_EQ(r.left, std::numeric_limits<LONG>::max() - 6);
  EXPECT_EQ(r.right, std::numeric_limits<LONG>::max());
  EXPECT_EQ(r.bottom, 6);
}

TEST(ReferenceScales, SliderMassesAreTheDecadeTimesTheStep) {
  EXPECT_EQ(reference::SliderMass(0), 1e25);
  EXPECT_EQ(reference::SliderMass(90), 1e35);
  EXPECT_EQ(reference::SliderMass(11), 1e26 * 3.0);
  EXPECT_TRUE(reference::IsSliderMass(1e26 * 3.0));
  EXPECT_FALSE(reference::IsSliderMass(2e25 + 1e10));
}

TEST(ReferenceScales, PanelSliders) {
  EXPECT_EQ(reference::TimeStep(3), 100.0);
  EXPECT_EQ(reference::TimeStep(0), 100000.0);
  EXPECT_EQ(reference::TimeStep(5), 1.0);
  EXPECT_EQ(reference::Gravity(50), (150.0 * 6.67259e-11) * 0.01);
}

}  // namespace
