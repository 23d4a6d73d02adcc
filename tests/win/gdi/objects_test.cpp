// Pens, brushes, fonts and bitmaps as handles: stock objects, selection,
// deletion, inspection, and handles that are null, of the wrong kind or
// already gone.
#include <gtest/gtest.h>

#include "tests/win/gdi/canvas.h"

namespace {

TEST(StockObjectTest, IndicesGiveTheClassicObjects) {
  LOGBRUSH brush{};
  ASSERT_EQ(GetObjectA(GetStockObject(LTGRAY_BRUSH), sizeof brush, &brush),
            static_cast<int>(sizeof brush));
  EXPECT_EQ(brush.lbColor, RGB(192, 192, 192));
  GetObjectA(GetStockObject(GRAY_BRUSH), sizeof brush, &brush);
  EXPECT_EQ(brush.lbColor, RGB(128, 128, 128));
  GetObjectA(GetStockObject(DKGRAY_BRUSH), sizeof brush, &brush);
  EXPECT_EQ(brush.lbColor, RGB(64, 64, 64));
  GetObjectA(GetStockObject(HOLLOW_BRUSH), sizeof brush, &brush);
  EXPECT_EQ(brush.lbStyle, BS_NULL);
  LOGPEN pen{};
  GetObjectA(GetStockObject(WHITE_PEN), sizeof pen, &pen);
  EXPECT_EQ(pen.lopnColor, RGB(255, 255, 255));
  GetObjectA(GetStockObject(NULL_PEN), sizeof pen, &pen);
  EXPECT_EQ(pen.lopnStyle, PS_NULL);
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), OBJ_PEN);
  EXPECT_EQ(GetObjectType(GetStockObject(DEFAULT_GUI_FONT)), OBJ_FONT);
  EXPECT_EQ(GetStockObject(9), nullptr);
  EXPECT_EQ(GetStockObject(-1), nullptr);
  EXPECT_EQ(GetStockObject(100), nullptr);
}

TEST(StockObjectTest, DeletingAStockObjectSucceedsAndKeepsIt) {
  HGDIOBJ black = GetStockObject(BLACK_BRUSH);
  EXPECT_TRUE(DeleteObject(black));
  EXPECT_EQ(GetObjectType(black), OBJ_BRUSH);
  EXPECT_TRUE(DeleteObject(GetSysColorBrush(COLOR_BTNFACE)));
  EXPECT_EQ(GetObjectType(GetSysColorBrush(COLOR_BTNFACE)), OBJ_BRUSH);
}

TEST(SelectObjectTest, ReturnsThePreviousObjectOfTheSameKind) {
  CCanvas canvas;
  HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  EXPECT_EQ(SelectObject(canvas.Dc(), red), GetStockObject(BLACK_PEN));
  EXPECT_EQ(SelectObject(canvas.Dc(), blue), GetStockObject(WHITE_BRUSH));
  // A brush does not displace the pen, nor the pen the brush.
  EXPECT_EQ(SelectObject(canvas.Dc(), GetStockObject(NULL_PEN)), red);
  EXPECT_EQ(SelectObject(canvas.Dc(), GetStockObject(BLACK_BRUSH)), blue);
  HFONT bold = CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  HGDIOBJ dialog = SelectObject(canvas.Dc(), bold);
  EXPECT_EQ(GetObjectType(dialog), OBJ_FONT);
  EXPECT_EQ(SelectObject(canvas.Dc(), dialog), bold);
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), GetStockObject(BLACK_BRUSH));
  EXPECT_TRUE(DeleteObject(red));
  EXPECT_TRUE(DeleteObject(blue));
  EXPECT_TRUE(DeleteObject(bold));
}

TEST(SelectObjectTest, DrawsWithTheSelectedObjects) {
  CCanvas canvas(6, 6);
  HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  SelectObject(canvas.Dc(), red);
  SelectObject(canvas.Dc(), blue);
  Rectangle(canvas.Dc(), 0, 0, 4, 4);
  EXPECT_EQ(canvas.At(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(canvas.At(1, 1), RGB(0, 0, 255));
  SelectObject(canvas.Dc(), GetStockObject(BLACK_PEN));
  SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH));
  DeleteObject(red);
  DeleteObject(blue);
}

TEST(DeleteObjectTest, AnObjectInUseLivesUntilItIsDeselected) {
  CCanvas canvas(6, 6);
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  SelectObject(canvas.Dc(), blue);
  EXPECT_TRUE(DeleteObject(blue));
  // Gone as far as the program is concerned, but the DC still paints with it.
  EXPECT_EQ(GetObjectType(blue), 0U);
  EXPECT_FALSE(DeleteObject(blue));
  Rectangle(canvas.Dc(), 0, 0, 4, 4);
  EXPECT_EQ(canvas.At(1, 1), RGB(0, 0, 255));
  SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH));
}

TEST(DeleteObjectTest, AnObjectKeptInASavedStateSurvivesUntilRestored) {
  CCanvas canvas(6, 6);
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  SelectObject(canvas.Dc(), blue);
  const int saved = SaveDC(canvas.Dc());
  SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH));
  EXPECT_TRUE(DeleteObject(blue));
  RestoreDC(canvas.Dc(), saved);
  Rectangle(canvas.Dc(), 0, 0, 4, 4);
  EXPECT_EQ(canvas.At(1, 1), RGB(0, 0, 255));
  SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH));
}

TEST(BadHandleTest, EveryCallFailsCleanly) {
  CCanvas canvas;
  HPEN pen = CreatePen(PS_SOLID, 1, 0);
  ASSERT_TRUE(DeleteObject(pen));
  HDC gone = CreateCompatibleDC(nullptr);
  ASSERT_TRUE(DeleteDC(gone));
  HGDIOBJ bogus = reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(0x1234));

  EXPECT_EQ(SelectObject(canvas.Dc(), nullptr), nullptr);
  EXPECT_EQ(SelectObject(canvas.Dc(), pen), nullptr);
  EXPECT_EQ(SelectObject(canvas.Dc(), bogus), nullptr);
  EXPECT_EQ(SelectObject(nullptr, GetStockObject(BLACK_PEN)), nullptr);
  EXPECT_EQ(SelectObject(gone, GetStockObject(BLACK_PEN)), nullptr);
  EXPECT_FALSE(DeleteObject(nullptr));
  EXPECT_FALSE(DeleteObject(pen));
  EXPECT_FALSE(DeleteObject(bogus));
  EXPECT_EQ(GetObjectA(pen, 0, nullptr), 0);
  EXPECT_EQ(GetObjectType(bogus), 0U);
  EXPECT_FALSE(DeleteDC(gone));
  EXPECT_FALSE(DeleteDC(nullptr));
  EXPECT_FALSE(DeleteDC(canvas.Dc())) << "window DCs go back through the window manager";

  const RECT rect{0, 0, 4, 4};
  EXPECT_EQ(FillRect(gone, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
  EXPECT_EQ(FillRect(canvas.Dc(), &rect, reinterpret_cast<HBRUSH>(pen)), 0);
  EXPECT_EQ(FillRect(canvas.Dc(), nullptr, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
  EXPECT_FALSE(Rectangle(gone, 0, 0, 4, 4));
  EXPECT_FALSE(Ellipse(nullptr, 0, 0, 4, 4));
  EXPECT_FALSE(LineTo(gone, 1, 1));
  EXPECT_FALSE(MoveToEx(gone, 1, 1, nullptr));
  EXPECT_FALSE(TextOutA(gone, 0, 0, "a", 1));
  EXPECT_FALSE(TextOutA(canvas.Dc(), 0, 0, nullptr, 1));
  EXPECT_FALSE(TextOutA(canvas.Dc(), 0, 0, "a", -1));
  EXPECT_EQ(DrawTextA(gone, "a", 1, const_cast<RECT*>(&rect), 0), 0);
  EXPECT_EQ(SetPixel(gone, 0, 0, 0), CLR_INVALID);
  EXPECT_EQ(GetPixel(gone, 0, 0), CLR_INVALID);
  EXPECT_EQ(SetTextColor(gone, 0), CLR_INVALID);
  EXPECT_EQ(SetBkMode(gone, OPAQUE), 0);
  EXPECT_EQ(SetBkMode(canvas.Dc(), 7), 0);
  EXPECT_EQ(SaveDC(gone), 0);
  EXPECT_FALSE(RestoreDC(gone, -1));
  EXPECT_EQ(IntersectClipRect(gone, 0, 0, 1, 1), ERROR);
  EXPECT_EQ(GetClipBox(gone, nullptr), ERROR);
  EXPECT_FALSE(BitBlt(canvas.Dc(), 0, 0, 4, 4, gone, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(gone, 0, 0, 4, 4, canvas.Dc(), 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(canvas.Dc(), 0, 0, 4, 4, canvas.Dc(), 0, 0, 0x12345678));
  EXPECT_EQ(CreateCompatibleDC(gone), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(gone, 4, 4), nullptr);
  TEXTMETRICA metrics;
  EXPECT_FALSE(GetTextMetricsA(gone, &metrics));
  EXPECT_FALSE(DrawEdge(gone, const_cast<RECT*>(&rect), EDGE_RAISED, BF_RECT));
  EXPECT_FALSE(DrawIcon(canvas.Dc(), 0, 0, nullptr));
  EXPECT_FALSE(DestroyIcon(nullptr));
  EXPECT_EQ(GetSysColor(-1), 0U);
  EXPECT_EQ(GetSysColorBrush(99), nullptr);
  // Nothing above drew anything.
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) ASSERT_EQ(canvas.At(x, y), RGB(255, 255, 255));
  }
}

TEST(ObjectRecordTest, GetObjectReportsWhatWasCreated) {
  HPEN pen = CreatePen(PS_DASH, 0, RGB(1, 2, 3));
  LOGPEN logpen{};
  EXPECT_EQ(GetObjectA(pen, 0, nullptr), static_cast<int>(sizeof(LOGPEN)));
  EXPECT_EQ(GetObjectA(pen, 1, &logpen), 0) << "too small a buffer";
  EXPECT_EQ(GetObjectA(pen, sizeof logpen, &logpen), static_cast<int>(sizeof(LOGPEN)));
  EXPECT_EQ(logpen.lopnStyle, PS_DASH);
  EXPECT_EQ(logpen.lopnColor, RGB(1, 2, 3));
  DeleteObject(pen);

  HFONT font = CreateFontA(-15, 0, 0, 0, FW_BOLD, 1, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
  LOGFONTA logfont{};
  GetObjectA(font, sizeof logfont, &logfont);
  EXPECT_EQ(logfont.lfHeight, -15);
  EXPECT_EQ(logfont.lfWeight, FW_BOLD);
  EXPECT_STREQ(logfont.lfFaceName, "Tahoma");
  DeleteObject(font);

  EXPECT_EQ(CreatePen(9, 1, 0), nullptr);
  LOGBRUSH hatched{2, 0, 0};
  EXPECT_EQ(CreateBrushIndirect(&hatched), nullptr);
}

}  // namespace
