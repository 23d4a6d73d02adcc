// The probe's answers checked against pictures the program itself drew: the
// scenario snapshots beside the driver's scripts (menu bar and client area of
// the main window, so client y plus 19), and small pictures drawn here.
#include "tests/e2e/screen_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kMenuBar = 19;
constexpr int kDefaultRadius = 6;  // a body of the default mass, 1e25 kg
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kFace = 0xC0C0C0;

CScreenImage Snapshot(const std::string& name) {
  CScreenImage image;
  EXPECT_TRUE(image.Load(std::string(E2E_SNAPSHOTS_DIR) + "/" + name)) << name;
  return image;
}

// The scene rectangle of a 594 by 425 window: below the menu bar, above the
// 20-pixel status bar.
SScreenRect Scene() { return {0, kMenuBar, 594, kMenuBar + 386}; }
SScreenRect StatusBar() { return {0, kMenuBar + 386, 594, kMenuBar + 406}; }

bool operator==(const SScreenPoint& a, const SScreenPoint& b) { return a.x == b.x && a.y == b.y; }

TEST(BodyRecognition, FindsEachBodyOfTheSceneAtItsCentre) {
  const CScreenImage scene = Snapshot("scene-bodies.png");
  const std::vector<SScreenPoint> green = scene.FindBodies(Scene(), kDefaultRadius, kGreen);
  ASSERT_EQ(green.size(), 1U);
  EXPECT_TRUE(green[0] == (SScreenPoint{330, 260 + kMenuBar}));
  const std::vector<SScreenPoint> red = scene.FindBodies(Scene(), 10, kRed);
  ASSERT_EQ(red.size(), 1U);
  EXPECT_TRUE(red[0] == (SScreenPoint{260, 80 + kMenuBar}));
}

TEST(BodyRecognition, RejectsTheWrongColourRadiusOrCentre) {
  const CScreenImage scene = Snapshot("scene-bodies.png");
  const int y = 260 + kMenuBar;
  EXPECT_TRUE(scene.MatchesBody(330, y, kDefaultRadius, kGreen, nullptr));
  std::string why;
  EXPECT_FALSE(scene.MatchesBody(330, y, kDefaultRadius, CScreenImage::kWhite, &why));
  EXPECT_NE(why.find("is 00FF00, expected FFFFFF"), std::string::npos) << why;
  EXPECT_FALSE(scene.MatchesBody(330, y, kDefaultRadius + 1, kGreen, nullptr));
  EXPECT_FALSE(scene.MatchesBody(330, y, kDefaultRadius - 1, kGreen, nullptr));
  EXPECT_FALSE(scene.MatchesBody(331, y, kDefaultRadius, kGreen, nullptr));
  EXPECT_FALSE(scene.MatchesBody(330, y - 1, kDefaultRadius, kGreen, nullptr));
}

TEST(BodyRecognition, TheDragLineAndThePanelAreNoBodies) {
  // A placed body at (100, 100) and the line of a cancelled drag.
  const CScreenImage field = Snapshot("place-ok-cancel-field.png");
  const std::vector<SScreenPoint> white =
      field.FindBodies(Scene(), kDefaultRadius, CScreenImage::kWhite);
  ASSERT_EQ(white.size(), 1U);
  EXPECT_TRUE(white[0] == (SScreenPoint{100, 100 + kMenuBar}));
  const CScreenImage startup = Snapshot("startup-field.png");
  EXPECT_TRUE(startup.FindBodies(Scene(), kDefaultRadius, CScreenImage::kWhite).empty());
}

TEST(BodyRecognition, ABodyCutByTheImageEdgeIsNotFound) {
  std::vector<std::uint32_t> pixels(20 * 20, CScreenImage::kBlack);
  pixels[0] = CScreenImage::kWhite;
  const CScreenImage image(20, 20, pixels);
  std::string why;
  EXPECT_FALSE(image.MatchesBody(0, 0, kDefaultRadius, CScreenImage::kWhite, &why));
  EXPECT_NE(why.find("outside the image"), std::string::npos) << why;
  EXPECT_FALSE(image.MatchesBody(-5, 40, kDefaultRadius, CScreenImage::kWhite, &why));
  EXPECT_FALSE(image.MatchesBody(10, 10, 1 << 30, CScreenImage::kWhite, &why));
  EXPECT_TRUE(
      image.FindBodies({-100, -100, 100, 100}, kDefaultRadius, CScreenImage::kWhite).empty());
}

TEST(SunkenBoxes, TheStatusBarHasFourBorderedPanesSideBySide) {
  const std::vector<SScreenRect> boxes = Snapshot("startup-field.png").FindSunkenBoxes(StatusBar());
  ASSERT_EQ(boxes.size(), 4U);
  // The message pane has no border of its own and takes what the others
  // leave, so the first box starts well right of the window's edge.
  EXPECT_GT(boxes[0].left, 100);
  EXPECT_EQ(boxes[3].right, 594);
  for (size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_GE(boxes[i].top, StatusBar().top);
    EXPECT_LE(boxes[i].bottom, StatusBar().bottom);
    EXPECT_GT(boxes[i].bottom - boxes[i].top, 10);
    if (i > 0) {
      EXPECT_LT(boxes[i - 1].right, boxes[i].left);
    }
  }
}

TEST(SunkenBoxes, FindsADrawnBoxExactlyAndIgnoresShortEdges) {
  const int w = 40;
  const int h = 12;
  std::vector<std::uint32_t> pixels(w * h, kFace);
  auto put = [&](int x, int y, std::uint32_t c) { pixels[static_cast<size_t>(y * w + x)] = c; };
  for (int x = 5; x < 30; ++x) put(x, 2, CScreenImage::kShadow);
  for (int y = 2; y < 9; ++y) put(5, y, CScreenImage::kShadow);
  for (int x = 5; x <= 30; ++x) put(x, 9, CScreenImage::kHighlight);
  for (int y = 2; y <= 9; ++y) put(30, y, CScreenImage::kHighlight);
  // A short shadow run with a highlight after it: a control's bevel.
  for (int x = 33; x < 37; ++x) put(x, 2, CScreenImage::kShadow);
  put(37, 2, CScreenImage::kHighlight);
  const std::vector<SScreenRect> boxes = CScreenImage(w, h, pixels).FindSunkenBoxes({0, 0, w, h});
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].left, 5);
  EXPECT_EQ(boxes[0].top, 2);
  EXPECT_EQ(boxes[0].right, 31);
  EXPECT_EQ(boxes[0].bottom, 10);
}

TEST(Differences, OnlyThePositionPaneChangesWhenThePointerMoves) {
  // The same field with the pointer at (110, 98) and at (340, 250).
  const CScreenImage dragging = Snapshot("place-ok-cancel-dragging.png");
  const CScreenImage later = Snapshot("place-ok-cancel-field.png");
  const std::vector<SScreenRect> panes = dragging.FindSunkenBoxes(StatusBar());
  ASSERT_EQ(panes.size(), 4U);
  EXPECT_GT(dragging.CountDifferences(later, panes[0]), 0);
  EXPECT_EQ(dragging.CountDifferences(later, panes[1]), 0);
  EXPECT_EQ(dragging.CountDifferences(dragging, {0, 0, 594, 425}), 0);
}

TEST(Differences, RectanglesAreClippedAndSizesMustAgree) {
  std::vector<std::uint32_t> a(10 * 10, CScreenImage::kBlack);
  std::vector<std::uint32_t> b = a;
  b[0] = CScreenImage::kWhite;
  b[99] = CScreenImage::kWhite;
  const CScreenImage first(10, 10, a);
  const CScreenImage second(10, 10, b);
  EXPECT_EQ(first.CountDifferences(second, {-50, -50, 50, 50}), 2);
  EXPECT_EQ(first.CountDifferences(second, {1, 0, 10, 10}), 1);
  EXPECT_EQ(first.CountDifferences(second, {0, 0, 9, 9}), 1);
  EXPECT_EQ(first.CountDifferences(second, {8, 8, 2, 2}), 0);
  EXPECT_EQ(
      first.CountDifferences(CScreenImage(5, 20, std::vector<std::uint32_t>(100)), {0, 0, 10, 10}),
      -1);
}

TEST(Loading, BadFilesAndSizesGiveAnEmptyImage) {
  CScreenImage image;
  EXPECT_FALSE(image.Load(std::string(E2E_SNAPSHOTS_DIR) + "/no-such-file.png"));
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(image.Pixel(0, 0), CScreenImage::kOutside);
  const CScreenImage mismatched(4, 4, std::vector<std::uint32_t>(15));
  EXPECT_EQ(mismatched.Width(), 0);
  EXPECT_EQ(mismatched.Pixel(0, 0), CScreenImage::kOutside);
  const CScreenImage loaded = Snapshot("startup-field.png");
  EXPECT_EQ(loaded.Width(), 594);
  EXPECT_EQ(loaded.Height(), 425);
  EXPECT_EQ(loaded.Pixel(594, 0), CScreenImage::kOutside);
  EXPECT_EQ(loaded.Pixel(0, -1), CScreenImage::kOutside);
}

}  // namespace
