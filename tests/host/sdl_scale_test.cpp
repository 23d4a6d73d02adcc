// The scale a session runs at, from what the desktop says and the size of
// the screen: the main window of 594 by 425 surface pixels on a screen of
// 1280 by 1024 unless a test says otherwise.
#include <gtest/gtest.h>

#include "platform/host/sdl/sdl_scale.h"

namespace {

int Scale(const char* gdk_scale, const char* xft_dpi, int screen_width = 1280,
          int screen_height = 1024) {
  return host::ChooseScale(gdk_scale, xft_dpi, screen_width, screen_height, 594, 425);
}

TEST(ChooseScale, GdkScaleWhenItIsAWholeNumber) {
  EXPECT_EQ(Scale("2", nullptr), 2);
  EXPECT_EQ(Scale(" 2\t", nullptr), 2);
  EXPECT_EQ(Scale("02", nullptr), 2);
  // Before Xft.dpi, even when it asks for less.
  EXPECT_EQ(Scale("1", "192"), 1);
  EXPECT_EQ(Scale("2", "96"), 2);
  EXPECT_EQ(Scale(nullptr, nullptr), 1);
}

TEST(ChooseScale, GdkScaleThatIsNoWholeNumberLeavesItToXftDpi) {
  for (const char* bad : {"", " ", "abc", "0", "-2", "+2", "1e9", "2.0", "2x", "0x2", "\xC2\xB2"}) {
    EXPECT_EQ(Scale(bad, "192"), 2) << '"' << bad << '"';
    EXPECT_EQ(Scale(bad, nullptr), 1) << '"' << bad << '"';
  }
}

TEST(ChooseScale, XftDpiRoundsToTheNearestMultipleOf96WithHalvesUp) {
  EXPECT_EQ(Scale(nullptr, "96"), 1);
  EXPECT_EQ(Scale(nullptr, "143"), 1);
  EXPECT_EQ(Scale(nullptr, "143.999"), 1);
  EXPECT_EQ(Scale(nullptr, "144"), 2);
  EXPECT_EQ(Scale(nullptr, "192"), 2);
  EXPECT_EQ(Scale(nullptr, " 192.0 "), 2);
  EXPECT_EQ(Scale(nullptr, "192."), 2);
  EXPECT_EQ(Scale(nullptr, "239.9", 4000, 3000), 2);
  EXPECT_EQ(Scale(nullptr, "240", 4000, 3000), 3);
  EXPECT_EQ(Scale(nullptr, "0"), 1);
  EXPECT_EQ(Scale(nullptr, "47"), 1);
  for (const char* bad : {"", "abc", "-192", "192dpi", ".5", "1e3", "19 2", "192.5.1", "nan"}) {
    EXPECT_EQ(Scale(nullptr, bad), 1) << '"' << bad << '"';
  }
}

TEST(ChooseScale, TooLargeForTheScreenFallsBackToTheLargestThatFits) {
  EXPECT_EQ(Scale("3", nullptr), 2);
  EXPECT_EQ(Scale("1000000000", nullptr), 2);
  EXPECT_EQ(Scale("99999999999999999999999999999999", nullptr), 2);
  EXPECT_EQ(Scale(nullptr, "99999999999999999999999999999999.9"), 2);
  // Either side that does not fit is enough.
  EXPECT_EQ(Scale("2", nullptr, 1188, 850), 2);
  EXPECT_EQ(Scale("2", nullptr, 1187, 850), 1);
  EXPECT_EQ(Scale("2", nullptr, 1188, 849), 1);
  EXPECT_EQ(Scale("4", nullptr, 3840, 2160), 4);
  EXPECT_EQ(Scale("8", nullptr, 3840, 2160), 5);
}

TEST(ChooseScale, NoScreenOrWindowSizeMeansNoScale) {
  EXPECT_EQ(Scale("2", nullptr, 0, 0), 1);
  EXPECT_EQ(Scale("2", nullptr, -2560, 1600), 1);
  EXPECT_EQ(host::ChooseScale("2", nullptr, 1280, 1024, 0, 425), 1);
  EXPECT_EQ(host::ChooseScale("2", nullptr, 1280, 1024, 594, -1), 1);
}

}  // namespace
