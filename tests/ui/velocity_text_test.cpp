#include "dialogs/velocity_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(VelocityText, TruncatesTowardZero) {
  EXPECT_EQ(VelocityTextValue(-12.7), -12);
  EXPECT_EQ(VelocityTextValue(1234.9), 1234);
  EXPECT_EQ(VelocityTextValue(-0.7), 0);
  EXPECT_EQ(VelocityTextValue(15000.0), 15000);
  EXPECT_EQ(VelocityTextValue(2147483647.9), kMax);
  EXPECT_EQ(VelocityTextValue(-2147483648.9), kMin);
}

TEST(VelocityText, SaturatesWhereTheLowBitsWouldWrap) {
  // The low 32 bits of 2^31 would read as -2147483648: a body flying right
  // would be shown, and written back, flying left.
  EXPECT_EQ(VelocityTextValue(2147483648.0), kMax);
  EXPECT_EQ(VelocityTextValue(6442450944.0), kMax);  // 1.5 * 2^32: wraps to 2^31
  EXPECT_EQ(VelocityTextValue(-6442450944.0), kMin);
  EXPECT_EQ(VelocityTextValue(1e30), kMax);  // beyond 64 bits too
  EXPECT_EQ(VelocityTextValue(-1e300), kMin);
  EXPECT_EQ(VelocityTextValue(std::numeric_limits<double>::infinity()), kMax);
  EXPECT_EQ(VelocityTextValue(-std::numeric_limits<double>::infinity()), kMin);
  EXPECT_EQ(VelocityTextValue(std::nan("")), 0);
}

TEST(VelocityText, ReadsLikeTheRuntimesAtoi) {
  EXPECT_EQ(ReadVelocityText("12.9"), 12);
  EXPECT_EQ(ReadVelocityText("-5x"), -5);
  EXPECT_EQ(ReadVelocityText(""), 0);
  EXPECT_EQ(ReadVelocityText("abc"), 0);
  EXPECT_EQ(ReadVelocityText("  +42"), 42);
  EXPECT_EQ(ReadVelocityText("\t\n-7 m/s"), -7);
  EXPECT_EQ(ReadVelocityText("--5"), 0);
  EXPECT_EQ(ReadVelocityText("- 5"), 0);
  EXPECT_EQ(ReadVelocityText("16000.0"), 16000);
  EXPECT_EQ(ReadVelocityText("0x1F"), 0);
  EXPECT_EQ(ReadVelocityText(nullptr), 0);
}

TEST(VelocityText, ReadingSaturatesOutsideTheIntRange) {
  EXPECT_EQ(ReadVelocityText("2147483647"), kMax);
  EXPECT_EQ(ReadVelocityText("2147483648"), kMax);
  EXPECT_EQ(ReadVelocityText("-2147483648"), kMin);
  EXPECT_EQ(ReadVelocityText("-2147483649"), kMin);
  EXPECT_EQ(ReadVelocityText("99999999999"), kMax);
  EXPECT_EQ(ReadVelocityText("-99999999999999999999999"), kMin);
  EXPECT_EQ(ReadVelocityText(std::string(5000, '9').c_str()), kMax);
  EXPECT_EQ(ReadVelocityText(("-" + std::string(5000, '9')).c_str()), kMin);
}

TEST(VelocityText, AShownVelocityReadsBackAsItself) {
  for (const double v : {0.0, 1.0, -1.0, 15000.0, -4000.0, 2147483647.0, -2147483648.0, 1e12}) {
    const std::string text = std::to_string(VelocityTextValue(v));
    EXPECT_EQ(ReadVelocityText(text.c_str()), VelocityTextValue(v)) << v;
  }
}

}  // namespace
