// What a new DC starts with, and the SaveDC stack.
#include <gtest/gtest.h>

#include "tests/win/gdi/canvas.h"

namespace {

TEST(DcDefaultsTest, NewDcsStartWithTheClassicState) {
  CCanvas canvas;
  HDC memory = CreateCompatibleDC(canvas.Dc());
  for (HDC dc : {canvas.Dc(), memory}) {
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetTextAlign(dc), TA_LEFT | TA_TOP);
    POINT position{-1, -1};
    GetCurrentPositionEx(dc, &position);
    EXPECT_EQ(position.x, 0);
    EXPECT_EQ(position.y, 0);
  }
  BITMAP bitmap{};
  GetObjectA(GetCurrentObject(memory, OBJ_BITMAP), sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 1);
  EXPECT_EQ(bitmap.bmHeight, 1);
  EXPECT_EQ(GetDeviceCaps(memory, LOGPIXELSY), 96);
  DeleteDC(memory);
}

TEST(DcStateTest, SettersReturnThePreviousValue) {
  CCanvas canvas;
  EXPECT_EQ(SetTextColor(canvas.Dc(), RGB(1, 2, 3)), RGB(0, 0, 0));
  EXPECT_EQ(SetTextColor(canvas.Dc(), RGB(4, 5, 6)), RGB(1, 2, 3));
  EXPECT_EQ(SetBkColor(canvas.Dc(), RGB(7, 8, 9)), RGB(255, 255, 255));
  EXPECT_EQ(SetBkMode(canvas.Dc(), TRANSPARENT), OPAQUE);
  EXPECT_EQ(SetBkMode(canvas.Dc(), OPAQUE), TRANSPARENT);
  EXPECT_EQ(SetTextAlign(canvas.Dc(), TA_RIGHT), TA_LEFT | TA_TOP);
  POINT previous{};
  MoveToEx(canvas.Dc(), 3, 4, nullptr);
  MoveToEx(canvas.Dc(), 5, 6, &previous);
  EXPECT_EQ(previous.x, 3);
  EXPECT_EQ(previous.y, 4);
}

TEST(SaveDcTest, RestoreBringsBackObjectsColoursModesAndPosition) {
  CCanvas canvas;
  HDC dc = canvas.Dc();
  EXPECT_EQ(SaveDC(dc), 1);
  HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  SelectObject(dc, red);
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  SetTextColor(dc, RGB(1, 1, 1));
  SetBkColor(dc, RGB(2, 2, 2));
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_CENTER);
  MoveToEx(dc, 9, 9, nullptr);
  EXPECT_EQ(SaveDC(dc), 2);
  SetTextColor(dc, RGB(3, 3, 3));
  EXPECT_TRUE(RestoreDC(dc, -1));
  EXPECT_EQ(GetTextColor(dc), RGB(1, 1, 1));
  EXPECT_TRUE(RestoreDC(dc, 1));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetTextAlign(dc), TA_LEFT | TA_TOP);
  POINT position{};
  GetCurrentPositionEx(dc, &position);
  EXPECT_EQ(position.x, 0);
  // The stack is used up now.
  EXPECT_FALSE(RestoreDC(dc, -1));
  EXPECT_FALSE(RestoreDC(dc, 1));
  EXPECT_FALSE(RestoreDC(dc, 0));
  EXPECT_TRUE(DeleteObject(red));
}

TEST(SaveDcTest, RestoringAnOuterLevelDropsTheInnerOnes) {
  CCanvas canvas;
  HDC dc = canvas.Dc();
  SaveDC(dc);
  SetTextColor(dc, RGB(1, 1, 1));
  SaveDC(dc);
  SetTextColor(dc, RGB(2, 2, 2));
  SaveDC(dc);
  EXPECT_FALSE(RestoreDC(dc, 4));
  EXPECT_TRUE(RestoreDC(dc, 2));
  EXPECT_EQ(GetTextColor(dc), RGB(1, 1, 1));
  EXPECT_EQ(SaveDC(dc), 2);
}

TEST(MemoryDcTest, BitmapsGoIntoOneMemoryDcAtATime) {
  CCanvas canvas;
  HDC first = CreateCompatibleDC(canvas.Dc());
  HDC second = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(canvas.Dc(), 8, 8);
  HGDIOBJ stock = SelectObject(first, bitmap);
  EXPECT_NE(stock, nullptr);
  EXPECT_EQ(SelectObject(second, bitmap), nullptr);
  EXPECT_EQ(SelectObject(canvas.Dc(), bitmap), nullptr) << "not into a window DC";
  EXPECT_EQ(SelectObject(first, stock), bitmap);
  EXPECT_NE(SelectObject(second, bitmap), nullptr);
  // Every memory DC starts with the same stock bitmap; that one is shared.
  EXPECT_EQ(SelectObject(second, stock), bitmap);
  DeleteDC(first);
  DeleteDC(second);
  EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(MemoryDcTest, ABitmapDeletedWhileSelectedGoesWithTheDc) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmapFromPixels(2, 1, std::vector<std::uint32_t>{1, 2}.data());
  SelectObject(dc, bitmap);
  EXPECT_TRUE(DeleteObject(bitmap));  // in use: goes when the DC lets go
  EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 0, 2));
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_EQ(GetObjectType(bitmap), 0U);
}

TEST(MemoryDcTest, DeletingTheDcLeavesItsObjectsAlive) {
  HDC dc = CreateCompatibleDC(nullptr);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(9, 9, 9));
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
  SelectObject(dc, pen);
  SelectObject(dc, bitmap);
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_EQ(GetObjectType(pen), OBJ_PEN);
  EXPECT_EQ(GetObjectType(bitmap), OBJ_BITMAP);
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_TRUE(DeleteObject(bitmap));
}

}  // namespace
