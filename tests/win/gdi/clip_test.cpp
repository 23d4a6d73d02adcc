// Clipping to the window manager's region and the DC's own narrowing, and
// the dirty area every drawing call leaves on the surface.
#include <gtest/gtest.h>

#include <functional>

#include "platform/win/gdi/style_painter.h"
#include "tests/win/gdi/canvas.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// Two separate rectangles, in surface pixels.
class CTwoBoxClip {
 public:
  CTwoBoxClip() {
    pixman_region32_init_rect(&m_region, 1, 1, 5, 5);
    pixman_region32_union_rect(&m_region, &m_region, 9, 8, 6, 6);
  }
  ~CTwoBoxClip() { pixman_region32_fini(&m_region); }
  const pixman_region32_t* Get() const { return &m_region; }
  bool Contains(int x, int y) const {
    return pixman_region32_contains_point(&m_region, x, y, nullptr) != 0;
  }

 private:
  pixman_region32_t m_region;
};

struct SDrawing {
  const char* name;
  std::function<void(HDC)> draw;
};

class ClipTest : public testing::TestWithParam<SDrawing> {};

// Whatever is drawn, the clipped result equals the unclipped one inside the
// region and the untouched background outside it.
TEST_P(ClipTest, OnlyPixelsInsideTheRegionChange) {
  const CTwoBoxClip clip;
  CCanvas clipped(16, 16, kWhite, POINT{0, 0}, clip.Get());
  CCanvas free(16, 16, kWhite);
  GetParam().draw(clipped.Dc());
  GetParam().draw(free.Dc());
  int changedInside = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      if (clip.Contains(x, y)) {
        ASSERT_EQ(clipped.At(x, y), free.At(x, y)) << x << "," << y;
        if (free.At(x, y) != kWhite) ++changedInside;
      } else {
        ASSERT_EQ(clipped.At(x, y), kWhite) << x << "," << y;
      }
    }
  }
  EXPECT_GT(changedInside, 0) << "the drawing should reach into the region";
}

INSTANTIATE_TEST_SUITE_P(
    Drawings, ClipTest,
    testing::Values(SDrawing{"FillRect",
                             [](HDC dc) {
                               const RECT all{0, 0, 16, 16};
                               FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
                             }},
                    SDrawing{"Rectangle",
                             [](HDC dc) {
                               SelectObject(dc, GetStockObject(GRAY_BRUSH));
                               Rectangle(dc, 2, 2, 12, 12);
                             }},
                    SDrawing{"Ellipse",
                             [](HDC dc) {
                               SelectObject(dc, GetStockObject(GRAY_BRUSH));
                               Ellipse(dc, 0, 0, 16, 16);
                             }},
                    SDrawing{"Line",
                             [](HDC dc) {
                               MoveToEx(dc, 0, 0, nullptr);
                               LineTo(dc, 16, 16);
                               MoveToEx(dc, 0, 4, nullptr);
                               LineTo(dc, 16, 11);
                             }},
                    SDrawing{"Text",
                             [](HDC dc) {
                               SetBkColor(dc, RGB(0, 0, 128));
                               TextOutA(dc, 0, 0, "WWW", 3);
                               TextOutA(dc, 4, 6, "MMM", 3);
                             }},
                    SDrawing{"DrawEdge",
                             [](HDC dc) {
                               RECT all{0, 0, 16, 16};
                               DrawEdge(dc, &all, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
                             }},
                    SDrawing{"InvertRect",
                             [](HDC dc) {
                               const RECT all{0, 0, 16, 16};
                               InvertRect(dc, &all);
                             }},
                    SDrawing{"Arrow",
                             [](HDC dc) {
                               CStylePainter::Arrow(dc, RECT{0, 0, 16, 16}, ArrowDirection::kDown,
                                                    PaletteRole::kDarkShadow);
                             }}),
    [](const testing::TestParamInfo<SDrawing>& info) { return std::string(info.param.name); });

TEST(ClipRegionTest, SetPixelOutsideTheClipFailsAndChangesNothing) {
  const CTwoBoxClip clip;
  CCanvas canvas(16, 16, kWhite, POINT{0, 0}, clip.Get());
  EXPECT_EQ(SetPixel(canvas.Dc(), 7, 7, RGB(1, 2, 3)), CLR_INVALID);
  EXPECT_EQ(canvas.At(7, 7), kWhite);
  EXPECT_EQ(SetPixel(canvas.Dc(), 2, 2, RGB(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(canvas.At(2, 2), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(canvas.Dc(), 2, 2), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(canvas.Dc(), 7, 7), CLR_INVALID);
  EXPECT_EQ(SetPixel(canvas.Dc(), -1, 0, 0), CLR_INVALID);
  EXPECT_EQ(SetPixel(canvas.Dc(), 16, 0, 0), CLR_INVALID);
}

TEST(ClipRegionTest, ClipIsInSurfacePixelsWhateverTheOrigin) {
  pixman_region32_t region;
  pixman_region32_init_rect(&region, 4, 4, 4, 4);
  CCanvas canvas(16, 16, kWhite, POINT{4, 4}, &region);
  pixman_region32_fini(&region);
  RECT box{};
  EXPECT_EQ(GetClipBox(canvas.Dc(), &box), SIMPLEREGION);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, 4);
  EXPECT_EQ(box.bottom, 4);
  EXPECT_EQ(SetPixel(canvas.Dc(), 0, 0, 0), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(4, 4), RGB(0, 0, 0));
  EXPECT_EQ(SetPixel(canvas.Dc(), 4, 0, 0), CLR_INVALID);
}

TEST(ClipRegionTest, IntersectAndExcludeNarrowTheClip) {
  CCanvas canvas(16, 16);
  EXPECT_EQ(IntersectClipRect(canvas.Dc(), 2, 2, 10, 10), SIMPLEREGION);
  EXPECT_EQ(ExcludeClipRect(canvas.Dc(), 4, 4, 6, 6), COMPLEXREGION);
  const RECT all{0, 0, 16, 16};
  FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(canvas.At(1, 2), kWhite);
  EXPECT_EQ(canvas.At(2, 2), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(9, 9), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(10, 9), kWhite);
  EXPECT_EQ(canvas.At(4, 4), kWhite);
  EXPECT_EQ(canvas.At(5, 5), kWhite);
  EXPECT_EQ(canvas.At(6, 5), RGB(0, 0, 0));
  RECT box{};
  EXPECT_EQ(GetClipBox(canvas.Dc(), &box), COMPLEXREGION);
  EXPECT_EQ(box.left, 2);
  EXPECT_EQ(box.right, 10);
  EXPECT_EQ(IntersectClipRect(canvas.Dc(), 12, 12, 14, 14), NULLREGION);
  EXPECT_EQ(GetClipBox(canvas.Dc(), &box), NULLREGION);
  EXPECT_EQ(box.right - box.left, 0);
}

TEST(ClipRegionTest, RestoreDCBringsTheWiderClipBack) {
  CCanvas canvas(16, 16);
  const int saved = SaveDC(canvas.Dc());
  IntersectClipRect(canvas.Dc(), 0, 0, 2, 2);
  RestoreDC(canvas.Dc(), saved);
  EXPECT_EQ(SetPixel(canvas.Dc(), 10, 10, 0), RGB(0, 0, 0));
}

TEST(ClipRegionTest, ASurfaceShrunkUnderItsDcIsNotOverrun) {
  CCanvas canvas(16, 16);
  ResizeSurface(canvas.GetSurface(), 4, 4);
  const RECT all{0, 0, 16, 16};
  FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(canvas.At(3, 3), RGB(0, 0, 0));
  EXPECT_TRUE(TextOutA(canvas.Dc(), 0, 0, "WWW", 3));
  EXPECT_EQ(SetPixel(canvas.Dc(), 8, 8, 0), CLR_INVALID);
}

TEST(DirtyRegionTest, FillMarksExactlyItsClippedBox) {
  CCanvas canvas(16, 16);
  const RECT rect{2, 3, 6, 20};
  FillRect(canvas.Dc(), &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  const pixman_box32_t* extents = pixman_region32_extents(&canvas.GetSurface()->dirty);
  EXPECT_EQ(extents->x1, 2);
  EXPECT_EQ(extents->y1, 3);
  EXPECT_EQ(extents->x2, 6);
  EXPECT_EQ(extents->y2, 16);
}

TEST(DirtyRegionTest, DrawingOutsideTheClipLeavesNothingDirty) {
  const CTwoBoxClip clip;
  CCanvas canvas(16, 16, kWhite, POINT{0, 0}, clip.Get());
  MoveToEx(canvas.Dc(), 7, 0, nullptr);
  LineTo(canvas.Dc(), 7, 16);
  const RECT rect{6, 6, 8, 8};
  FillRect(canvas.Dc(), &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_FALSE(pixman_region32_not_empty(&canvas.GetSurface()->dirty));
}

TEST(DirtyRegionTest, EveryChangedPixelIsDirty) {
  CCanvas canvas(40, 20);
  SelectObject(canvas.Dc(), GetStockObject(GRAY_BRUSH));
  Ellipse(canvas.Dc(), 1, 1, 9, 12);
  MoveToEx(canvas.Dc(), 12, 2, nullptr);
  LineTo(canvas.Dc(), 15, 18);
  SetBkMode(canvas.Dc(), TRANSPARENT);
  TextOutA(canvas.Dc(), 18, 3, "Wg", 2);
  int changed = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      if (canvas.At(x, y) == kWhite) continue;
      ++changed;
      EXPECT_TRUE(pixman_region32_contains_point(&canvas.GetSurface()->dirty, x, y, nullptr))
          << x << "," << y;
    }
  }
  EXPECT_GT(changed, 50);
}

}  // namespace

// A bevel drawn under a clip equals the unclipped bevel inside the clip,
// whether the clip lies wholly within the ring, touches one line of it, or
// crosses it; the interior it reports does not depend on the clip.
TEST(ClipRegionTest, ABevelUnderAnyClipDrawsExactlyItsVisibleLines) {
  constexpr COLORREF kGreen = RGB(0, 128, 0);  // none of the bevel colours
  const RECT rect{2, 2, 14, 12};
  const RECT clips[] = {{4, 4, 12, 10}, {3, 3, 13, 11}, {2, 4, 6, 8},   {10, 4, 14, 8},
                        {4, 2, 8, 6},   {4, 8, 8, 12},  {0, 0, 16, 16}, {3, 3, 3, 3}};
  for (const SBevel& bevel : {CStylePainter::kThinSunkenPane, CStylePainter::kDefaultButton,
                              SBevel{"D", nullptr, ".S", "SS"}}) {
    CCanvas free(16, 16, kGreen);
    const RECT expected = CStylePainter::PaintBevel(free.Dc(), rect, bevel);
    for (const RECT& clip : clips) {
      CCanvas clipped(16, 16, kGreen);
      IntersectClipRect(clipped.Dc(), clip.left, clip.top, clip.right, clip.bottom);
      const RECT inside = CStylePainter::PaintBevel(clipped.Dc(), rect, bevel);
      EXPECT_EQ(inside.left, expected.left);
      EXPECT_EQ(inside.top, expected.top);
      EXPECT_EQ(inside.right, expected.right);
      EXPECT_EQ(inside.bottom, expected.bottom);
      for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
          const bool visible = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
          ASSERT_EQ(clipped.At(x, y), visible ? free.At(x, y) : kGreen)
              << bevel.top << " clip " << clip.left << "," << clip.top << " at " << x << "," << y;
        }
      }
    }
  }
}
