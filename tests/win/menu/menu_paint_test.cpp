// The look of menus in the few states the frame snapshots of the controls'
// tests do not show; the open drop-down, its border, highlight and
// separator are compared pixel for pixel there.
#include "tests/win/menu/menu_fixture.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(128, 128, 128);
constexpr COLORREF kFace = RGB(192, 192, 192);

class MenuLook : public MenuTest {
 protected:
  // A pixel of the frame's surface at a screen point.
  COLORREF At(POINT screen) const {
    POINT origin{0, 0};
    ClientToScreen(m_frame, &origin);
    const int x = screen.x - origin.x;
    const int y = screen.y - origin.y + kMenuBarHeight;
    const std::uint32_t p =
        m_frame->surface->pixels[static_cast<size_t>(y * m_frame->surface->width + x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  COLORREF At(const RECT& r, int dx, int dy) const { return At(POINT{r.left + dx, r.top + dy}); }
  RECT BarRect(int index) const {
    RECT r{};
    GetMenuItemRect(m_frame, Bar(), static_cast<UINT>(index), &r);
    return r;
  }
  // Counts of pixels of one colour in a rectangle.
  int Count(const RECT& r, COLORREF c) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) n += At(POINT{x, y}) == c ? 1 : 0;
    }
    return n;
  }
};

TEST_F(MenuLook, TheKeyboardsSelectionLooksTheSame) {
  COLORREF corner = CLR_INVALID;
  Tap(VK_F10);
  Script({[&] {
    corner = At(BarRect(kFile), 0, 0);
    Tap(VK_ESCAPE);
  }});
  Pump();
  EXPECT_EQ(corner, kShadow);
}

TEST_F(MenuLook, GrayedItemsAreEmbossedAndGreyOnTheHighlight) {
  HMENU view = Popup(kView);
  RECT zoom{};
  int white = 0;
  int black = 0;
  int greyOnSelection = 0;
  int whiteOnSelection = 0;
  ClickAt(BarCentre(kView));
  Script({[&] {
            GetMenuItemRect(m_frame, view, 0, &zoom);
            white = Count(zoom, kWhite);
            black = Count(zoom, kBlack);
            MoveTo(ItemCentre(view, 0));
          },
          [&] {
            greyOnSelection = Count(zoom, kShadow);
            whiteOnSelection = Count(zoom, kWhite);
            Tap(VK_ESCAPE);
            Tap(VK_ESCAPE);
          }});
  Pump();
  EXPECT_GT(white, 0);
  EXPECT_EQ(black, 0);
  EXPECT_GT(greyOnSelection, 0);
  EXPECT_EQ(whiteOnSelection, 0);
}

TEST_F(MenuLook, AWindowWhoseMenuHandleNamesNoMenuGetsAPlainBar) {
  HWND other =
      CreateWindowExA(0, "Frame", "x", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(1)), nullptr, nullptr);
  Pump();
  for (int x = 0; x < 190; x += 7) {
    const std::uint32_t p =
        other->surface->pixels[static_cast<size_t>(5 * other->surface->width + x)];
    EXPECT_EQ(p, 0xC0C0C0U) << x;
  }
  EXPECT_EQ(GetMenu(other), nullptr);
}

}  // namespace
