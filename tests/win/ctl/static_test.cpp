#include "platform/win/res/resources.h"
#include "platform/win/wm/resource_loaders.h"
#include "tests/win/ctl/ctl_fixture.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// An icon group of one 3 by 2 image: red, blue and a transparent corner.
constexpr LegendEntry kLegend[] = {{'r', StdColor::Red}, {'b', StdColor::Blue}};
constexpr const char* kRows[] = {"rrb", "rb."};
constexpr PixelArt kImage{3, 2, 4, kStandardPalette16, kLegend, kRows, '.'};
constexpr IconGroup kIcon{{&kImage, 1}};
constexpr ResourceEntry<IconGroup> kIcons[] = {{128, &kIcon}};
constexpr ResourceModule kModule{.name = "ctl_static_test.exe", .iconGroups = kIcons};

class Statics : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    m_parent = MakeParent();
    Pump();
  }

  HWND Label(const char* text, DWORD style, RECT r = RECT{10, 10, 110, 60}) {
    HWND h = MakeControl(m_parent, "STATIC", text, WS_CHILD | WS_VISIBLE | style, r, -1);
    Pump();
    return h;
  }
  // The columns [first, last] where `hwnd` has dark text pixels in rows
  // [top, bottom); -1 when none.
  std::pair<int, int> InkColumns(HWND hwnd, int top, int bottom, COLORREF ink = CLR_INVALID) {
    RECT r;
    GetClientRect(hwnd, &r);
    int first = -1;
    int last = -1;
    for (int x = 0; x < r.right; ++x) {
      for (int y = top; y < bottom; ++y) {
        const COLORREF c = At(hwnd, x, y);
        if (ink == CLR_INVALID ? !IsInk(c) : c != ink) continue;
        if (first < 0) first = x;
        last = x;
      }
    }
    return {first, last};
  }
  HBITMAP Bitmap(int w, int h, std::uint32_t rgb) {
    std::vector<std::uint32_t> pixels(static_cast<size_t>(w * h), rgb);
    return CreateBitmapFromPixels(w, h, pixels.data());
  }

  HWND m_parent = nullptr;
};

TEST_F(Statics, LeftTextWrapsAtWords) {
  HWND label = Label("delta t slider and more words", SS_LEFT, RECT{10, 10, 70, 60});
  EXPECT_EQ(At(label, 0, 0), Face());
  EXPECT_GE(InkColumns(label, 0, 13).first, 0);
  EXPECT_GE(InkColumns(label, 13, 26).first, 0);  // the second line
  EXPECT_LE(InkColumns(label, 0, 13).first, 2);
}

TEST_F(Statics, AlignmentFollowsTheStyle) {
  HWND left = Label("Ready", SS_LEFT, RECT{10, 10, 110, 30});
  HWND centre = Label("Ready", SS_CENTER, RECT{10, 40, 110, 60});
  HWND right = Label("Ready", SS_RIGHT, RECT{10, 70, 110, 90});
  const auto l = InkColumns(left, 0, 20);
  const auto c = InkColumns(centre, 0, 20);
  const auto r = InkColumns(right, 0, 20);
  EXPECT_LE(l.first, 1);
  EXPECT_GE(r.second, 97);
  EXPECT_NEAR((c.first + c.second) / 2.0, 50.0, 2.0);
  EXPECT_EQ(c.second - c.first, l.second - l.first);
}

TEST_F(Statics, PrefixesUnlessNoPrefix) {
  HWND mnemonic = Label("&Ab", SS_LEFT, RECT{10, 10, 110, 30});
  HWND plain = Label("&Ab", SS_LEFT | SS_NOPREFIX, RECT{10, 40, 110, 60});
  // The ampersand shows only with SS_NOPREFIX; the underline only without.
  EXPECT_GT(InkColumns(plain, 0, 11).second, InkColumns(mnemonic, 0, 11).second);
  EXPECT_GE(InkColumns(mnemonic, 11, 13).first, 0);
  EXPECT_EQ(InkColumns(plain, 11, 13).first, -1);
}

TEST_F(Statics, DisabledTextIsGray) {
  HWND label = Label("Ready", SS_LEFT);
  EnableWindow(label, FALSE);
  Pump();
  // Nothing darker than the grayed-text grey, but text there is.
  int gray = 0;
  for (int x = 0; x < 100; ++x) {
    for (int y = 0; y < 13; ++y) {
      const COLORREF c = At(label, x, y);
      EXPECT_GE(GetRValue(c), 120) << x << "," << y;
      gray += GetRValue(c) < 160 ? 1 : 0;
    }
  }
  EXPECT_GT(gray, 10);
}

TEST_F(Statics, TheBackgroundIsTheParentsBrush) {
  s_ctlBrush = CreateSolidBrush(kBlue);
  HWND label = Label("x", SS_LEFT);
  EXPECT_EQ(At(label, 90, 40), kBlue);
  ASSERT_FALSE(Notes(WM_CTLCOLORSTATIC).empty());
  EXPECT_EQ(Notes(WM_CTLCOLORSTATIC).back().lParam, reinterpret_cast<LPARAM>(label));
  DestroyWindow(label);
  DeleteObject(s_ctlBrush);
  s_ctlBrush = nullptr;
}

TEST_F(Statics, ThePointerPassesUnlessNotify) {
  HWND quiet = Label("a", SS_LEFT, RECT{10, 10, 60, 30});
  HWND notify = Label("b", SS_LEFT | SS_NOTIFY, RECT{10, 40, 60, 60});
  EXPECT_EQ(SendMessageA(quiet, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
  EXPECT_EQ(SendMessageA(notify, WM_NCHITTEST, 0, 0), HTCLIENT);
  Click(m_parent, 20, 20);
  Click(m_parent, 20, 50);
  Pump();
  ASSERT_EQ(Notes(WM_LBUTTONDOWN).size(), 1U);
  const std::vector<SNote> commands = Notes(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1U);
  EXPECT_EQ(commands[0].wParam, MAKEWPARAM(0xFFFF, STN_CLICKED));
  EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(notify));
}

TEST_F(Statics, ABitmapShowsAtTheTopLeftUnscaled) {
  HWND label = Label(nullptr, SS_BITMAP, RECT{10, 10, 35, 20});
  EXPECT_EQ(At(label, 0, 0), Face());
  HBITMAP red = Bitmap(5, 4, 0xFF0000);
  EXPECT_EQ(SendMessageA(label, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(red)), 0);
  Pump();
  EXPECT_EQ(At(label, 0, 0), kRed);
  EXPECT_EQ(At(label, 4, 3), kRed);
  EXPECT_EQ(At(label, 5, 0), Face());
  EXPECT_EQ(At(label, 0, 4), Face());
  EXPECT_EQ(SendMessageA(label, STM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(red));
  HBITMAP blue = Bitmap(25, 10, 0x0000FF);
  EXPECT_EQ(SendMessageA(label, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(blue)),
            reinterpret_cast<LRESULT>(red));
  Pump();
  EXPECT_EQ(At(label, 24, 9), kBlue);
  // The label never owned either bitmap.
  DestroyWindow(label);
  BITMAP info{};
  EXPECT_NE(GetObjectA(red, sizeof info, &info), 0);
  EXPECT_NE(GetObjectA(blue, sizeof info, &info), 0);
  EXPECT_TRUE(DeleteObject(red));
  EXPECT_TRUE(DeleteObject(blue));
}

TEST_F(Statics, ImagesOfTheWrongKindAreRefused) {
  HWND text = Label("a", SS_LEFT);
  HBITMAP red = Bitmap(2, 2, 0xFF0000);
  EXPECT_EQ(SendMessageA(text, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(red)), 0);
  EXPECT_EQ(SendMessageA(text, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  HWND bitmap = Label(nullptr, SS_BITMAP);
  // Something that is no bitmap shows nothing and breaks nothing.
  SendMessageA(bitmap, STM_SETIMAGE, IMAGE_BITMAP, 12345);
  Pump();
  EXPECT_EQ(At(bitmap, 0, 0), Face());
  DeleteObject(red);
}

TEST_F(Statics, AnIconNamedByTheTextIsLoadedAndSizesTheLabel) {
  HINSTANCE module = RegisterResourceModule(&kModule);
  HWND icon = CreateWindowExA(0, "STATIC", "#128", WS_CHILD | WS_VISIBLE | SS_ICON, 10, 10, 40, 40,
                              m_parent, nullptr, module, nullptr);
  ASSERT_NE(icon, nullptr);
  Pump();
  const HICON loaded = LoadIconA(module, "#128");
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(SendMessageA(icon, STM_GETICON, 0, 0), reinterpret_cast<LRESULT>(loaded));
  RECT r;
  GetClientRect(icon, &r);
  EXPECT_EQ(r.right, 3);
  EXPECT_EQ(r.bottom, 2);
  EXPECT_EQ(At(icon, 0, 0), kRed);
  EXPECT_EQ(At(icon, 2, 0), kBlue);
  EXPECT_EQ(At(icon, 2, 1), Face());  // transparent
  EXPECT_EQ(SendMessageA(icon, STM_SETICON, 0, 0), reinterpret_cast<LRESULT>(loaded));
  EXPECT_EQ(SendMessageA(icon, STM_GETIMAGE, IMAGE_ICON, 0), 0);
}

}  // namespace
