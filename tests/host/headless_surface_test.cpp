#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/host/headless/headless_host.h"
#include "platform/host/headless/png_file.h"

namespace {

using host::CHeadlessHost;
using host::Rect;
using host::SurfaceId;
using host::SurfaceState;

// A source image whose every pixel differs from its neighbours and from
// black, so that a pixel copied from the wrong place or not at all shows.
std::vector<std::uint32_t> Pattern(int width, int height) {
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels[static_cast<size_t>(y) * width + x] =
          0x00800000U | (static_cast<std::uint32_t>(y) << 8) | static_cast<std::uint32_t>(x);
    }
  }
  return pixels;
}

std::uint32_t PatternAt(int x, int y) {
  return 0x00800000U | (static_cast<std::uint32_t>(y) << 8) | static_cast<std::uint32_t>(x);
}

bool Inside(const Rect& r, int x, int y) {
  return x >= r.x && y >= r.y && x < r.x + r.width && y < r.y + r.height;
}

// Every pixel of the surface is the pattern inside `drawn` and black outside.
void ExpectPresented(const CHeadlessHost& host, SurfaceId id, const std::vector<Rect>& drawn) {
  int width = 0;
  int height = 0;
  host.GetSize(id, &width, &height);
  int wrong = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bool in = false;
      for (const Rect& r : drawn) in = in || Inside(r, x, y);
      if (host.PixelAt(id, x, y) != (in ? PatternAt(x, y) : 0U)) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST(HeadlessSurfaces, StartHiddenBlackNormalAndCascade) {
  CHeadlessHost host;
  const SurfaceId a = host.CreateSurface(30, 20, "Astrolathe");
  const SurfaceId b = host.CreateSurface(10, 10, "Properties");
  ASSERT_NE(a, host::kNoSurface);
  ASSERT_NE(b, host::kNoSurface);
  EXPECT_NE(a, b);
  EXPECT_EQ(host.Caption(a), "Astrolathe");
  EXPECT_FALSE(host.IsVisible(a));
  EXPECT_EQ(host.State(a), SurfaceState::kNormal);
  EXPECT_EQ(host.Pixels(a), std::vector<std::uint32_t>(30 * 20, 0));
  int x = 0;
  int y = 0;
  host.GetPosition(a, &x, &y);
  EXPECT_EQ(x, 40);
  EXPECT_EQ(y, 30);
  host.GetPosition(b, &x, &y);
  EXPECT_EQ(x, 60);
  EXPECT_EQ(y, 50);
  EXPECT_EQ(host.Surfaces(), (std::vector<SurfaceId>{a, b}));
}

TEST(HeadlessSurfaces, CascadeStartsOverAfterSixteen) {
  CHeadlessHost host;
  SurfaceId last = host::kNoSurface;
  for (int i = 0; i < 17; ++i) last = host.CreateSurface(5, 5, "");
  int x = 0;
  int y = 0;
  host.GetPosition(last, &x, &y);
  EXPECT_EQ(x, 40);
  EXPECT_EQ(y, 30);
}

TEST(HeadlessSurfaces, RecordsWhatTheLayerSets) {
  CHeadlessHost host;
  const SurfaceId id = host.CreateSurface(8, 8, "one");
  host.SetCaption(id, "Propri\xC3\xA9t\xC3\xA9s");
  host.Show(id, true);
  host.SetPosition(id, -5, 700);
  host.SetState(id, SurfaceState::kMaximized);
  EXPECT_EQ(host.Caption(id), "Propri\xC3\xA9t\xC3\xA9s");
  EXPECT_TRUE(host.IsVisible(id));
  EXPECT_EQ(host.State(id), SurfaceState::kMaximized);
  int x = 0;
  int y = 0;
  host.GetPosition(id, &x, &y);
  EXPECT_EQ(x, -5);
  EXPECT_EQ(y, 700);
  host.Show(id, false);
  EXPECT_FALSE(host.IsVisible(id));
  // None of it is the user acting, so none of it is an event.
  EXPECT_EQ(host.QueuedEventCount(), 0U);
}

TEST(HeadlessSurfaces, IdsAreNotReusedAndStaleIdsAreHarmless) {
  CHeadlessHost host;
  const SurfaceId a = host.CreateSurface(4, 4, "a");
  host.Raise(a);
  host.DestroySurface(a);
  host.DestroySurface(a);
  host.DestroySurface(12345);
  host.DestroySurface(host::kNoSurface);
  EXPECT_FALSE(host.HasSurface(a));
  EXPECT_EQ(host.Focused(), host::kNoSurface);
  const SurfaceId b = host.CreateSurface(4, 4, "b");
  EXPECT_NE(b, a);

  const std::uint32_t pixel = 0xFFFFFF;
  const Rect all{0, 0, 1, 1};
  host.SetCaption(a, "x");
  host.Show(a, true);
  host.Resize(a, 10, 10);
  host.SetPosition(a, 1, 1);
  host.SetState(a, SurfaceState::kMinimized);
  host.Raise(a);
  host.Present(a, &pixel, 1, 1, 4, &all, 1);
  int x = 7;
  int y = 7;
  host.GetPosition(a, &x, &y);
  host.GetPosition(a, nullptr, nullptr);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(host.Caption(a), "");
  EXPECT_TRUE(host.Pixels(a).empty());
  EXPECT_EQ(host.PixelAt(a, 0, 0), 0U);
  EXPECT_EQ(host.PresentCount(), 0U);
  EXPECT_EQ(host.Focused(), host::kNoSurface);
  EXPECT_EQ(host.Surfaces(), std::vector<SurfaceId>{b});
}

TEST(HeadlessSurfaces, SizesAreRaisedToOneAndCut) {
  CHeadlessHost host;
  const SurfaceId id = host.CreateSurface(0, -3, "");
  int width = 0;
  int height = 0;
  host.GetSize(id, &width, &height);
  EXPECT_EQ(width, 1);
  EXPECT_EQ(height, 1);
  host.Resize(id, INT_MAX, 2);
  host.GetSize(id, &width, &height);
  EXPECT_EQ(width, CHeadlessHost::kMaxSurfaceSide);
  EXPECT_EQ(height, 2);
  EXPECT_EQ(host.Pixels(id).size(), static_cast<size_t>(CHeadlessHost::kMaxSurfaceSide) * 2);
}

TEST(HeadlessSurfaces, ResizeKeepsWhatFitsAndBlackensTheRest) {
  CHeadlessHost host;
  const SurfaceId id = host.CreateSurface(6, 4, "");
  const auto pattern = Pattern(6, 4);
  const Rect all{0, 0, 6, 4};
  host.Present(id, pattern.data(), 6, 4, 6 * 4, &all, 1);
  host.Resize(id, 4, 6);
  ExpectPresented(host, id, {Rect{0, 0, 4, 4}});
}

TEST(HeadlessScreen, FixedScreenFrameAndClipboard) {
  CHeadlessHost host;
  const Rect work = host.GetWorkArea();
  EXPECT_EQ(work.x, 0);
  EXPECT_EQ(work.y, 0);
  EXPECT_EQ(work.width, 1024);
  EXPECT_EQ(work.height, 768);
  EXPECT_EQ(host.FrameIntervalMs(), 16);
  EXPECT_EQ(host.GetClipboardText(), "");
  host.SetClipboardText("1.989e30");
  EXPECT_EQ(host.GetClipboardText(), "1.989e30");
}

TEST(HeadlessPresent, CopiesOnlyTheGivenRectangles) {
  CHeadlessHost host;
  const SurfaceId id = host.CreateSurface(40, 30, "");
  const auto pattern = Pattern(40, 30);
  const Rect rects[] = {{2, 3, 5, 4}, {30, 20, 10, 10}};
  host.Present(id, pattern.data(), 40, 30, 40 * 4, rects, 2);
  ExpectPresented(host, id, {rects[0], rects[1]});
  EXPECT_EQ(host.LastPresentedRects(id).size(), 2U);
}

TEST(HeadlessPresent, FollowsTheStride) {
  CHeadlessHost host;
  const SurfaceId id = host.CreateSurface(8, 8, "");
  // The caller's image is 16 wide, of which only the first 8 are offered.
  const auto wide = Pattern(16, 8);
  const Rect all{0, 0, 8, 8};
  host.Present(id, wide.data(), 8, 8, 16 * 4, &all, 1);
  ExpectPresented(host, id, {all});
}

TEST(HeadlessPresent, ClipsToSurfaceAndSource) {
  CHeadlessHost host;
  const SurfaceId id = host.CreateSurface(20, 20, "");
  const auto small = Pattern(10, 12);
  const Rect rects[] = {{-5, -5, 8, 8}, {6, 6, 100, 100}};
  host.Present(id, small.data(), 10, 12, 10 * 4, rects, 2);
  ExpectPresented(host, id, {Rect{0, 0, 3, 3}, Rect{6, 6, 4, 6}});
  const std::vector<Rect> applied = host.LastPresentedRects(id);
  ASSERT_EQ(applied.size(), 2U);
  EXPECT_EQ(applied[1].x, 6);
  EXPECT_EQ(applied[1].width, 4);
  EXPECT_EQ(applied[1].height, 6);
}

TEST(HeadlessPresent, BadArgumentsTouchNothing) {
  CHeadlessHost host;
  const SurfaceId id = host.CreateSurface(10, 10, "");
  const auto pattern = Pattern(10, 10);
  const Rect bad[] = {{INT_MAX, INT_MAX, INT_MAX, INT_MAX},
                      {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                      {-20, 0, 10, 10},
                      {3, 3, -2, 5},
                      {3, 3, 0, 0},
                      {10, 0, 1, 1}};
  const Rect good{0, 0, 10, 10};
  host.Present(id, pattern.data(), 10, 10, 40, bad, 6);
  host.Present(id, nullptr, 10, 10, 40, &good, 1);
  host.Present(id, pattern.data(), 10, 10, 40, nullptr, 1);
  host.Present(id, pattern.data(), 10, 10, 40, &good, 0);
  host.Present(id, pattern.data(), 10, 10, 40, &good, -1);
  host.Present(id, pattern.data(), 10, 10, 39, &good, 1);  // not whole pixels
  host.Present(id, pattern.data(), 10, 10, 36, &good, 1);  // shorter than a row
  host.Present(id, pattern.data(), 10, 10, -40, &good, 1);
  host.Present(id, pattern.data(), 0, 10, 40, &good, 1);
  host.Present(id, pattern.data(), 10, -1, 40, &good, 1);
  ExpectPresented(host, id, {});
  EXPECT_TRUE(host.LastPresentedRects(id).empty());
}

TEST(HeadlessPresent, CountsEveryCallPerSurfaceAndInTotal) {
  CHeadlessHost host;
  const SurfaceId a = host.CreateSurface(4, 4, "");
  const SurfaceId b = host.CreateSurface(4, 4, "");
  const auto pattern = Pattern(4, 4);
  const Rect all{0, 0, 4, 4};
  host.Present(a, pattern.data(), 4, 4, 16, &all, 1);
  host.Present(a, pattern.data(), 4, 4, 16, &all, 0);
  host.Present(b, pattern.data(), 4, 4, 16, &all, 1);
  host.Present(999, pattern.data(), 4, 4, 16, &all, 1);
  EXPECT_EQ(host.PresentCount(a), 2U);
  EXPECT_EQ(host.PresentCount(b), 1U);
  EXPECT_EQ(host.PresentCount(), 3U);
  host.DestroySurface(a);
  EXPECT_EQ(host.PresentCount(a), 0U);
  EXPECT_EQ(host.PresentCount(), 3U);
}

TEST(HeadlessSnapshot, WritesThePresentedPixels) {
  CHeadlessHost host;
  const SurfaceId id = host.CreateSurface(13, 7, "");
  const auto pattern = Pattern(13, 7);
  const Rect part{1, 1, 11, 5};
  host.Present(id, pattern.data(), 13, 7, 13 * 4, &part, 1);
  const std::string path = ::testing::TempDir() + "headless_snapshot.png";
  ASSERT_TRUE(host.WriteSnapshot(id, path));
  std::vector<std::uint32_t> read;
  int width = 0;
  int height = 0;
  ASSERT_TRUE(host::ReadPngFile(path, &read, &width, &height));
  EXPECT_EQ(width, 13);
  EXPECT_EQ(height, 7);
  EXPECT_EQ(read, host.Pixels(id));
  std::remove(path.c_str());
  EXPECT_FALSE(host.WriteSnapshot(id + 1, path));
  EXPECT_FALSE(host.WriteSnapshot(id, "/nonexistent-folder/snapshot.png"));
}

}  // namespace
