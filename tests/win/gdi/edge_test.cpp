// DrawEdge and the style painter's recipes, colour by colour.
#include <gtest/gtest.h>

#include "platform/win/gdi/style_painter.h"
#include "tests/win/gdi/canvas.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 255, 0);
const std::map<COLORREF, char> kRoles{{RGB(192, 192, 192), 'F'}, {RGB(223, 223, 223), 'L'},
                                      {RGB(255, 255, 255), 'H'}, {RGB(128, 128, 128), 'S'},
                                      {RGB(0, 0, 0), 'D'},       {kGreen, '.'}};

std::vector<std::string> Edge(UINT edge, UINT flags, RECT* adjusted = nullptr) {
  CCanvas canvas(8, 8, kGreen);
  RECT rect{0, 0, 8, 8};
  EXPECT_TRUE(DrawEdge(canvas.Dc(), &rect, edge, flags));
  if (adjusted != nullptr) *adjusted = rect;
  return canvas.Picture(kRoles);
}

TEST(DrawEdgeTest, RaisedIsLightAndHighlightOverShadowAndDarkShadow) {
  const std::vector<std::string> expected{
      "LLLLLLLD",  //
      "LHHHHHSD",  //
      "LH....SD",  //
      "LH....SD",  //
      "LH....SD",  //
      "LH....SD",  //
      "LSSSSSSD",  //
      "DDDDDDDD",  //
  };
  EXPECT_EQ(Edge(EDGE_RAISED, BF_RECT), expected);
}

TEST(DrawEdgeTest, SunkenIsShadowAndDarkShadowOverLightAndHighlight) {
  const std::vector<std::string> expected{
      "SSSSSSSH",  //
      "SDDDDDLH",  //
      "SD....LH",  //
      "SD....LH",  //
      "SD....LH",  //
      "SD....LH",  //
      "SLLLLLLH",  //
      "HHHHHHHH",  //
  };
  EXPECT_EQ(Edge(EDGE_SUNKEN, BF_RECT), expected);
}

TEST(DrawEdgeTest, EtchedAndSoftAndSingleRings) {
  EXPECT_EQ(Edge(EDGE_ETCHED, BF_RECT)[1], "SHHHHHSH");
  EXPECT_EQ(Edge(EDGE_ETCHED, BF_RECT)[7], "HHHHHHHH");
  EXPECT_EQ(Edge(EDGE_RAISED, BF_RECT | BF_SOFT)[1], "HLLLLLSD");
  EXPECT_EQ(Edge(EDGE_SUNKEN, BF_RECT | BF_SOFT)[1], "DSSSSSLH");
  EXPECT_EQ(Edge(BDR_SUNKENOUTER, BF_RECT)[1], "S......H");
  EXPECT_EQ(Edge(BDR_RAISEDINNER, BF_RECT)[0], "HHHHHHHS");
}

TEST(DrawEdgeTest, FlatAndMonoUseFixedRings) {
  EXPECT_EQ(Edge(EDGE_SUNKEN, BF_RECT | BF_FLAT)[1], "SFFFFFFS");
  CCanvas canvas(8, 8, kGreen);
  RECT rect{0, 0, 8, 8};
  DrawEdge(canvas.Dc(), &rect, EDGE_SUNKEN, BF_RECT | BF_MONO | BF_MIDDLE);
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(1, 1), RGB(255, 255, 255));
  EXPECT_EQ(canvas.At(4, 4), RGB(255, 255, 255));
}

TEST(DrawEdgeTest, OnlyTheNamedSidesAreDrawn) {
  const std::vector<std::string> expected{
      "LLLLLLLL",  //
      "LHHHHHHH",  //
      "LH......",  //
      "LH......",  //
      "LH......",  //
      "LH......",  //
      "LH......",  //
      "LH......",  //
  };
  EXPECT_EQ(Edge(EDGE_RAISED, BF_TOP | BF_LEFT), expected);
}

TEST(DrawEdgeTest, MiddleFillsTheFaceAndAdjustShrinksTheRect) {
  RECT adjusted{};
  const std::vector<std::string> picture =
      Edge(EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST, &adjusted);
  EXPECT_EQ(picture[3], "LHFFFFSD");
  EXPECT_EQ(adjusted.left, 2);
  EXPECT_EQ(adjusted.top, 2);
  EXPECT_EQ(adjusted.right, 6);
  EXPECT_EQ(adjusted.bottom, 6);
  Edge(EDGE_RAISED, BF_LEFT | BF_ADJUST, &adjusted);
  EXPECT_EQ(adjusted.left, 2);
  EXPECT_EQ(adjusted.right, 8);
}

std::vector<std::string> Recipe(RECT (*recipe)(HDC, const RECT&)) {
  CCanvas canvas(8, 8, kGreen);
  recipe(canvas.Dc(), RECT{0, 0, 8, 8});
  return canvas.Picture(kRoles);
}

TEST(StylePainterTest, ButtonRecipes) {
  const std::vector<std::string> raised{
      "HHHHHHHD",  //
      "HLLLLLSD",  //
      "HLFFFFSD",  //
      "HLFFFFSD",  //
      "HLFFFFSD",  //
      "HLFFFFSD",  //
      "HSSSSSSD",  //
      "DDDDDDDD",  //
  };
  EXPECT_EQ(Recipe(&CStylePainter::RaisedButton), raised);
  const std::vector<std::string> pressed{
      "DDDDDDDD",  //
      "DSSSSSSD",  //
      "DSFFFFSD",  //
      "DSFFFFSD",  //
      "DSFFFFSD",  //
      "DSFFFFSD",  //
      "DSSSSSSD",  //
      "DDDDDDDD",  //
  };
  EXPECT_EQ(Recipe(&CStylePainter::PressedButton), pressed);
  const std::vector<std::string> byDefault{
      "DDDDDDDD",  //
      "DHHHHHDD",  //
      "DHLLLSDD",  //
      "DHLFFSDD",  //
      "DHLFFSDD",  //
      "DHSSSSDD",  //
      "DDDDDDDD",  //
      "DDDDDDDD",  //
  };
  EXPECT_EQ(Recipe(&CStylePainter::DefaultButton), byDefault);
}

TEST(StylePainterTest, FieldAndPaneRecipes) {
  CCanvas canvas(8, 8, kGreen);
  const RECT inside = CStylePainter::SunkenField(canvas.Dc(), RECT{0, 0, 8, 8});
  EXPECT_EQ(canvas.Picture(kRoles)[1], "SDDDDDLH");
  EXPECT_EQ(canvas.Picture(kRoles)[3], "SDHHHHLH") << "window-white inside";
  EXPECT_EQ(inside.left, 2);
  EXPECT_EQ(inside.bottom, 6);
  const std::vector<std::string> pane{
      "SSSSSSSH",  //
      "S......H",  //
      "S......H",  //
      "S......H",  //
      "S......H",  //
      "S......H",  //
      "S......H",  //
      "HHHHHHHH",  //
  };
  EXPECT_EQ(Recipe(&CStylePainter::ThinSunkenPane), pane);
}

TEST(StylePainterTest, GroupBoxFrameLeavesAGapForItsCaption) {
  CCanvas canvas(12, 6, kGreen);
  CStylePainter::GroupBoxFrame(canvas.Dc(), RECT{0, 0, 12, 6}, 3, 7);
  EXPECT_EQ(canvas.Picture(kRoles)[0], "SSS....SSSSH");
  EXPECT_EQ(canvas.Picture(kRoles)[1], "SHH....HHHSH");
  EXPECT_EQ(canvas.Picture(kRoles)[2], "SH........SH");
  // The clip is as it was afterwards.
  EXPECT_EQ(SetPixel(canvas.Dc(), 4, 0, RGB(0, 0, 0)), RGB(0, 0, 0));
}

TEST(StylePainterTest, ArrowsAreCentredSolidTriangles) {
  const auto arrow = [](ArrowDirection direction, int width, int height) {
    CCanvas canvas(width, height, kGreen);
    CStylePainter::Arrow(canvas.Dc(), RECT{0, 0, width, height}, direction,
                         PaletteRole::kDarkShadow);
    return canvas.Picture(kRoles);
  };
  EXPECT_EQ(arrow(ArrowDirection::kDown, 8, 6),
            (std::vector<std::string>{"........", "DDDDDDD.", ".DDDDD..", "..DDD...", "...D....",
                                      "........"}));
  EXPECT_EQ(arrow(ArrowDirection::kUp, 7, 4),
            (std::vector<std::string>{"...D...", "..DDD..", ".DDDDD.", "DDDDDDD"}));
  EXPECT_EQ(arrow(ArrowDirection::kRight, 3, 5),
            (std::vector<std::string>{"D..", "DD.", "DDD", "DD.", "D.."}));
  EXPECT_EQ(arrow(ArrowDirection::kLeft, 3, 5),
            (std::vector<std::string>{"..D", ".DD", "DDD", ".DD", "..D"}));
}

TEST(StylePainterTest, EmbossedTextIsHighlightUnderShadow) {
  CCanvas embossed(40, 16, RGB(192, 192, 192));
  CCanvas byHand(40, 16, RGB(192, 192, 192));
  SetTextColor(embossed.Dc(), RGB(1, 2, 3));
  CStylePainter::EmbossedText(embossed.Dc(), "Go", -1, RECT{2, 1, 40, 16}, DT_SINGLELINE);
  EXPECT_EQ(GetTextColor(embossed.Dc()), RGB(1, 2, 3));
  EXPECT_EQ(GetBkMode(embossed.Dc()), OPAQUE);
  SetBkMode(byHand.Dc(), TRANSPARENT);
  SetTextColor(byHand.Dc(), RGB(255, 255, 255));
  TextOutA(byHand.Dc(), 3, 2, "Go", 2);
  SetTextColor(byHand.Dc(), RGB(128, 128, 128));
  TextOutA(byHand.Dc(), 2, 1, "Go", 2);
  bool highlight = false;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 40; ++x) {
      ASSERT_EQ(embossed.At(x, y), byHand.At(x, y)) << x << "," << y;
      highlight = highlight || GetRValue(embossed.At(x, y)) > 192;
    }
  }
  EXPECT_TRUE(highlight);
}

TEST(StylePainterTest, RolesAreTheSystemColours) {
  EXPECT_EQ(CStylePainter::Color(PaletteRole::kFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(CStylePainter::Color(PaletteRole::kLight), RGB(223, 223, 223));
  EXPECT_EQ(CStylePainter::Brush(PaletteRole::kShadow), GetSysColorBrush(COLOR_BTNSHADOW));
}

TEST(SysColorTest, TheClassicScheme) {
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
  EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), RGB(223, 223, 223));
  EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), RGB(255, 255, 255));
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
  EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(0, 0, 0));
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
  EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), RGB(128, 128, 128));
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(0, 0, 128));
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), RGB(255, 255, 255));
  EXPECT_EQ(GetSysColor(COLOR_ACTIVECAPTION), RGB(0, 0, 128));
  EXPECT_EQ(GetSysColor(COLOR_INACTIVECAPTIONTEXT), RGB(192, 192, 192));
  EXPECT_EQ(GetSysColor(COLOR_APPWORKSPACE), RGB(128, 128, 128));
  EXPECT_EQ(GetSysColor(COLOR_BACKGROUND), RGB(0, 128, 128));
  EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
  EXPECT_EQ(GetSysColor(COLOR_MENU), RGB(192, 192, 192));
}

TEST(SysColorTest, ColourPlusOneStandsForItsBrush) {
  CCanvas canvas(4, 4);
  const RECT rect{0, 0, 4, 4};
  EXPECT_NE(FillRect(canvas.Dc(), &rect, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)), 0);
  EXPECT_EQ(canvas.At(2, 2), RGB(192, 192, 192));
}

}  // namespace
