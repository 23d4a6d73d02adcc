// Memory DCs and bitmaps, block transfers, icons, and the rectangle fills.
#include <gtest/gtest.h>

#include "tests/win/gdi/canvas.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
const std::map<COLORREF, char> kLegend{
    {RGB(0, 0, 0), '#'},   {kWhite, '.'},           {RGB(255, 0, 0), 'r'},  {RGB(0, 0, 255), 'b'},
    {RGB(0, 255, 0), 'g'}, {RGB(0, 255, 255), 'c'}, {RGB(255, 255, 0), 'y'}};

TEST(BitBltTest, CopiesFromAMemoryDcIntoAWindow) {
  CCanvas canvas(8, 6);
  HDC memory = CreateCompatibleDC(canvas.Dc());
  HBITMAP bitmap = CreateCompatibleBitmap(canvas.Dc(), 4, 3);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const RECT all{0, 0, 4, 3};
  FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetPixel(memory, 0, 0, RGB(255, 0, 0));
  SetPixel(memory, 3, 2, RGB(0, 0, 255));
  EXPECT_TRUE(BitBlt(canvas.Dc(), 2, 1, 4, 3, memory, 0, 0, SRCCOPY));
  canvas.ClearDirty();
  // Only part of the source: from (1, 1), 3 by 2, to (0, 4).
  EXPECT_TRUE(BitBlt(canvas.Dc(), 0, 4, 3, 2, memory, 1, 1, SRCCOPY));
  EXPECT_EQ(canvas.Picture(kLegend),
            (std::vector<std::string>{"........", "..r.....", "........", ".....b..", "........",
                                      "..b....."}));
  const pixman_box32_t* dirty = pixman_region32_extents(&canvas.GetSurface()->dirty);
  EXPECT_EQ(dirty->x1, 0);
  EXPECT_EQ(dirty->y1, 4);
  EXPECT_EQ(dirty->x2, 3);
  EXPECT_EQ(dirty->y2, 6);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
}

TEST(BitBltTest, SourceOutsideTheBitmapLeavesTheDestinationAlone) {
  CCanvas canvas(6, 3);
  HDC memory = CreateCompatibleDC(nullptr);
  const std::uint32_t pixels[4] = {0x000000, 0x000000, 0x000000, 0x000000};
  HBITMAP bitmap = CreateBitmapFromPixels(2, 2, pixels);
  SelectObject(memory, bitmap);
  BitBlt(canvas.Dc(), 0, 0, 6, 3, memory, -1, 0, SRCCOPY);
  EXPECT_EQ(canvas.Picture(kLegend), (std::vector<std::string>{".##...", ".##...", "......"}));
  DeleteDC(memory);
  DeleteObject(bitmap);
}

TEST(BitBltTest, OverlappingCopyWithinOneSurfaceReadsTheOriginal) {
  CCanvas canvas(6, 1);
  for (int x = 0; x < 3; ++x) SetPixel(canvas.Dc(), x, 0, RGB(255, 0, 0));
  SetPixel(canvas.Dc(), 1, 0, RGB(0, 0, 255));
  BitBlt(canvas.Dc(), 1, 0, 3, 1, canvas.Dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(canvas.Picture(kLegend), std::vector<std::string>{"rrbr.."});
}

TEST(BitBltTest, RasterOperations) {
  CCanvas canvas(4, 1, RGB(0, 255, 0));
  HDC memory = CreateCompatibleDC(nullptr);
  const std::uint32_t red[1] = {0xFF0000};
  HBITMAP bitmap = CreateBitmapFromPixels(1, 1, red);
  SelectObject(memory, bitmap);
  BitBlt(canvas.Dc(), 0, 0, 1, 1, memory, 0, 0, SRCPAINT);
  BitBlt(canvas.Dc(), 1, 0, 1, 1, memory, 0, 0, SRCAND);
  BitBlt(canvas.Dc(), 2, 0, 1, 1, memory, 0, 0, SRCINVERT);
  BitBlt(canvas.Dc(), 3, 0, 1, 1, memory, 0, 0, NOTSRCCOPY);
  EXPECT_EQ(canvas.At(0, 0), RGB(255, 255, 0));
  EXPECT_EQ(canvas.At(1, 0), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(2, 0), RGB(255, 255, 0));
  EXPECT_EQ(canvas.At(3, 0), RGB(0, 255, 255));
  DeleteDC(memory);
  DeleteObject(bitmap);
}

TEST(BitmapTest, PixelsComeInAsRowsOfRgb) {
  const std::uint32_t pixels[6] = {0xFF0000, 0x00FF00, 0x0000FF, 0x000000, 0xFFFFFF, 0xFF00FF00};
  HBITMAP bitmap = CreateBitmapFromPixels(3, 2, pixels);
  BITMAP info{};
  ASSERT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(info.bmHeight, 2);
  EXPECT_EQ(info.bmBitsPixel, 32);
  HDC memory = CreateCompatibleDC(nullptr);
  SelectObject(memory, bitmap);
  EXPECT_EQ(GetPixel(memory, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(memory, 2, 0), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(memory, 2, 1), RGB(0, 255, 0)) << "the top byte is ignored";
  EXPECT_EQ(GetPixel(memory, 3, 0), CLR_INVALID);
  DeleteDC(memory);
  DeleteObject(bitmap);
  EXPECT_EQ(CreateBitmapFromPixels(0, 2, pixels), nullptr);
  EXPECT_EQ(CreateBitmapFromPixels(3, 2, nullptr), nullptr);
  EXPECT_EQ(CreateBitmapFromPixels(100000, 2, pixels), nullptr);
}

TEST(IconTest, TransparentPixelsShowWhatIsBeneath) {
  CCanvas canvas(4, 3);
  const std::uint32_t argb[4] = {0xFFFF0000, 0x00000000, 0x01000000, 0xFF0000FF};
  HICON icon = CreateIconFromPixels(2, 2, argb);
  SIZE size{};
  ASSERT_TRUE(GetIconSize(icon, &size));
  EXPECT_EQ(size.cx, 2);
  EXPECT_EQ(size.cy, 2);
  EXPECT_TRUE(DrawIcon(canvas.Dc(), 1, 1, icon));
  EXPECT_EQ(canvas.Picture(kLegend), (std::vector<std::string>{"....", ".r..", ".#b."}));
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_FALSE(DestroyIcon(icon));
  EXPECT_FALSE(GetIconSize(icon, &size));
}

TEST(IconTest, DrawIconExScalesAndFillsTheBackground) {
  CCanvas canvas(6, 4);
  const std::uint32_t argb[2] = {0xFFFF0000, 0x00000000};
  HICON icon = CreateIconFromPixels(2, 1, argb);
  HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
  EXPECT_TRUE(DrawIconEx(canvas.Dc(), 0, 0, icon, 4, 2, 0, yellow, DI_NORMAL));
  EXPECT_EQ(canvas.Picture(kLegend),
            (std::vector<std::string>{"rryy..", "rryy..", "......", "......"}));
  DeleteObject(yellow);
  DestroyIcon(icon);
}

TEST(FillTest, FillRectLeavesRightAndBottomOutAndNullBrushDrawsNothing) {
  CCanvas canvas(5, 4);
  const RECT rect{1, 1, 3, 3};
  EXPECT_NE(FillRect(canvas.Dc(), &rect, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))), 0);
  EXPECT_FALSE(pixman_region32_not_empty(&canvas.GetSurface()->dirty));
  FillRect(canvas.Dc(), &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  const RECT reversed{4, 4, 3, 3};
  FillRect(canvas.Dc(), &reversed, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(canvas.Picture(kLegend),
            (std::vector<std::string>{".....", ".##..", ".##..", "....."}));
}

TEST(FillTest, FrameRectAndInvertRect) {
  CCanvas canvas(6, 5);
  const RECT rect{1, 1, 5, 4};
  FrameRect(canvas.Dc(), &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(canvas.Picture(kLegend),
            (std::vector<std::string>{"......", ".####.", ".#..#.", ".####.", "......"}));
  const RECT left{0, 0, 3, 5};
  InvertRect(canvas.Dc(), &left);
  EXPECT_EQ(canvas.Picture(kLegend),
            (std::vector<std::string>{"###...", "#..##.", "#.#.#.", "#..##.", "###..."}));
}

TEST(FillTest, FocusRectangleIsDottedAndTakesItselfAway) {
  CCanvas canvas(7, 5);
  const RECT rect{0, 0, 7, 5};
  EXPECT_TRUE(DrawFocusRect(canvas.Dc(), &rect));
  EXPECT_EQ(canvas.Picture(kLegend),
            (std::vector<std::string>{"#.#.#.#", ".......", "#.....#", ".......", "#.#.#.#"}));
  EXPECT_TRUE(DrawFocusRect(canvas.Dc(), &rect));
  EXPECT_EQ(canvas.Picture(kLegend),
            (std::vector<std::string>{".......", ".......", ".......", ".......", "......."}));
}

TEST(FillTest, PatBltUsesTheSelectedBrush) {
  CCanvas canvas(4, 2);
  SelectObject(canvas.Dc(), GetStockObject(BLACK_BRUSH));
  EXPECT_TRUE(PatBlt(canvas.Dc(), 2, 2, -2, -1, PATCOPY));
  EXPECT_TRUE(PatBlt(canvas.Dc(), 2, 0, 2, 2, DSTINVERT));
  EXPECT_FALSE(PatBlt(canvas.Dc(), 0, 0, 1, 1, SRCCOPY));
  EXPECT_EQ(canvas.Picture(kLegend), (std::vector<std::string>{"..##", "####"}));
  SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH));
}

}  // namespace
