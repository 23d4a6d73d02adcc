// Surfaces: sizes, resizing and the dirty area.
#include <gtest/gtest.h>

#include "platform/win/gdi/surface.h"

namespace {

TEST(SurfaceTest, StartsBlackAndCleanWithSizesRaisedToOne) {
  Surface* surface = CreateSurface(0, -5);
  EXPECT_EQ(surface->width, 1);
  EXPECT_EQ(surface->height, 1);
  EXPECT_EQ(surface->pixels.at(0), 0U);
  EXPECT_FALSE(pixman_region32_not_empty(&surface->dirty));
  EXPECT_NE(surface->image, nullptr);
  DestroySurface(surface);
  DestroySurface(nullptr);
}

TEST(SurfaceTest, ResizeKeepsWhatFitsAndDirtiesEverything) {
  Surface* surface = CreateSurface(3, 2);
  surface->pixels[1] = 0x123456;      // (1, 0)
  surface->pixels[3 + 2] = 0xABCDEF;  // (2, 1)
  ResizeSurface(surface, 2, 3);
  EXPECT_EQ(surface->width, 2);
  EXPECT_EQ(surface->height, 3);
  EXPECT_EQ(surface->pixels[1], 0x123456U);
  EXPECT_EQ(surface->pixels[2 * 2 + 1], 0U) << "new area is black";
  const pixman_box32_t* dirty = pixman_region32_extents(&surface->dirty);
  EXPECT_EQ(dirty->x2, 2);
  EXPECT_EQ(dirty->y2, 3);
  DestroySurface(surface);
}

TEST(SurfaceTest, MarkDirtyClipsToTheSurfaceAndUnites) {
  Surface* surface = CreateSurface(10, 10);
  MarkDirty(surface, -5, -5, 7, 7);
  MarkDirty(surface, 8, 8, 100, 100);
  MarkDirty(surface, 1, 1, 0, 5);
  MarkDirty(surface, 2147483000, 0, 2147483000, 5);
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(&surface->dirty, &count);
  ASSERT_EQ(count, 2);
  EXPECT_EQ(boxes[0].x1, 0);
  EXPECT_EQ(boxes[0].x2, 2);
  EXPECT_EQ(boxes[1].x1, 8);
  EXPECT_EQ(boxes[1].y2, 10);
  DestroySurface(surface);
}

}  // namespace
