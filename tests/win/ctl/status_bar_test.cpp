#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

#include "tests/win/ctl/ctl_fixture.h"

// Counts the allocations made through operator new while switched on, for
// the test that SB_SETTEXTA stays free of them.
namespace {
std::atomic<bool> g_counting{false};
std::atomic<int> g_allocations{0};
}  // namespace

// GCC sees free() meet the pointers of the very operator new defined here,
// which is what replacing the pair means.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  if (g_counting) ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(128, 128, 128);

class StatusBars : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    m_parent = MakeParent(400, 200);
    m_bar = MakeControl(m_parent, STATUSCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE,
                        RECT{0, 180, 400, 200}, 59393);
    const int rights[3] = {100, 200, -1};
    ASSERT_TRUE(SendMessageA(m_bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(rights)));
    Pump();
  }

  RECT Part(int i) {
    RECT r{};
    EXPECT_TRUE(
        SendMessageA(m_bar, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)));
    return r;
  }
  BOOL SetText(WPARAM which, const char* text) {
    return static_cast<BOOL>(
        SendMessageA(m_bar, SB_SETTEXTA, which, reinterpret_cast<LPARAM>(text)));
  }
  std::string Text(int i) {
    char buffer[256] = {};
    SendMessageA(m_bar, SB_GETTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
    return buffer;
  }
  // The first column with text in it, within [from, to).
  int FirstInk(int from, int to) {
    for (int x = from; x < to; ++x) {
      for (int y = 3; y < 19; ++y) {
        if (IsInk(At(m_bar, x, y))) return x;
      }
    }
    return -1;
  }
  bool Dirty(RECT* r) { return GetUpdateRect(m_bar, r, FALSE) != FALSE; }
  // How wide `text` is in `font`.
  int Width(HGDIOBJ font, const char* text) {
    HDC dc = GetDC(m_bar);
    SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    ReleaseDC(m_bar, dc);
    return size.cx;
  }

  HWND m_parent = nullptr;
  HWND m_bar = nullptr;
};

TEST_F(StatusBars, PartsFollowTheirRightEdgesWithGaps) {
  int rights[4] = {};
  EXPECT_EQ(SendMessageA(m_bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(rights)), 3);
  EXPECT_EQ(rights[0], 100);
  EXPECT_EQ(rights[1], 200);
  EXPECT_EQ(rights[2], -1);
  RECT r = Part(0);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 2);
  EXPECT_EQ(r.right, 100);
  EXPECT_EQ(r.bottom, 20);
  r = Part(1);
  EXPECT_EQ(r.left, 102);
  EXPECT_EQ(r.right, 200);
  r = Part(2);
  EXPECT_EQ(r.left, 202);
  EXPECT_EQ(r.right, 400);
  EXPECT_FALSE(SendMessageA(m_bar, SB_GETRECT, 3, reinterpret_cast<LPARAM>(&r)));
  int borders[3] = {-1, -1, -1};
  EXPECT_TRUE(SendMessageA(m_bar, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders)));
  EXPECT_EQ(borders[0], 0);
  EXPECT_EQ(borders[1], 2);
  EXPECT_EQ(borders[2], 2);
}

TEST_F(StatusBars, BadPartsAreRefused) {
  const int rights[1] = {50};
  EXPECT_FALSE(SendMessageA(m_bar, SB_SETPARTS, 0, reinterpret_cast<LPARAM>(rights)));
  EXPECT_FALSE(SendMessageA(m_bar, SB_SETPARTS, 257, reinterpret_cast<LPARAM>(rights)));
  EXPECT_FALSE(SendMessageA(m_bar, SB_SETPARTS, 1, 0));
  EXPECT_EQ(SendMessageA(m_bar, SB_GETPARTS, 0, 0), 3);
  EXPECT_FALSE(SetText(3, "x"));
  EXPECT_EQ(SendMessageA(m_bar, SB_GETTEXTLENGTHA, 9, 0), 0);
}

TEST_F(StatusBars, TextsAndTheirFlagsReadBack) {
  EXPECT_TRUE(SetText(2, "t: 0.000000e+000 s"));
  EXPECT_EQ(Text(2), "t: 0.000000e+000 s");
  EXPECT_EQ(SendMessageA(m_bar, SB_GETTEXTLENGTHA, 2, 0), 18);
  EXPECT_TRUE(SetText(1 | SBT_POPOUT, "x"));
  EXPECT_EQ(SendMessageA(m_bar, SB_GETTEXTLENGTHA, 1, 0),
            static_cast<LRESULT>(MAKELONG(1, SBT_POPOUT)));
  char buffer[8] = {};
  EXPECT_EQ(SendMessageA(m_bar, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(buffer)),
            static_cast<LRESULT>(MAKELONG(1, SBT_POPOUT)));
  EXPECT_TRUE(SetText(0, nullptr));
  EXPECT_EQ(Text(0), "");
}

TEST_F(StatusBars, FewerPartsKeepTheTextsOfThoseLeft) {
  SetText(0, "Ready");
  SetText(2, "gone");
  const int rights[2] = {150, -1};
  SendMessageA(m_bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(rights));
  EXPECT_EQ(Text(0), "Ready");
  EXPECT_EQ(SendMessageA(m_bar, SB_GETTEXTLENGTHA, 2, 0), 0);
}

TEST_F(StatusBars, PartsAreThinSunkenPanesWithTheTextTwoPixelsIn) {
  SetText(0, "Ready");
  SetText(1 | SBT_NOBORDERS, "Ready");
  SetText(2 | SBT_POPOUT, "Ready");
  Pump();
  EXPECT_EQ(At(m_bar, 0, 0), Face());
  EXPECT_EQ(At(m_bar, 0, 2), kShadow);
  EXPECT_EQ(At(m_bar, 99, 2), kWhite);  // the bottom and right own the corners
  EXPECT_EQ(At(m_bar, 50, 2), kShadow);
  EXPECT_EQ(At(m_bar, 0, 19), kWhite);
  EXPECT_EQ(At(m_bar, 99, 10), kWhite);
  EXPECT_EQ(At(m_bar, 100, 10), Face());  // the gap
  EXPECT_EQ(At(m_bar, 102, 2), Face());   // no borders
  EXPECT_EQ(At(m_bar, 202, 2), kWhite);   // popped out
  EXPECT_EQ(At(m_bar, 399, 19), kShadow);
  EXPECT_EQ(FirstInk(0, 100), FirstInk(102, 200) - 102 + 1);
  EXPECT_GE(FirstInk(0, 100), 3);
  EXPECT_LE(FirstInk(0, 100), 4);
}

TEST_F(StatusBars, TextIsClippedToItsPart) {
  SetText(0, "a text that is far too long for a pane one hundred pixels wide");
  Pump();
  for (int y = 3; y < 19; ++y) {
    EXPECT_EQ(At(m_bar, 97, y), Face()) << y;
    EXPECT_EQ(At(m_bar, 99, y), kWhite) << y;
    EXPECT_EQ(At(m_bar, 101, y), Face()) << y;
  }
}

TEST_F(StatusBars, SettingATextRepaintsOnlyThatPartAndOnlyWhenItChanged) {
  SetText(2, "t: 1.000000e+002 s");
  RECT dirty{};
  ASSERT_TRUE(Dirty(&dirty));
  const RECT part = Part(2);
  // The text inside the pane's bevel, to the bevel's right side; the bevel
  // itself is not drawn again.
  EXPECT_EQ(dirty.left, part.left + 1);
  EXPECT_EQ(dirty.right, part.right - 1);
  EXPECT_EQ(dirty.top, part.top + 1);
  EXPECT_EQ(dirty.bottom, part.bottom - 1);
  Pump();
  EXPECT_FALSE(Dirty(&dirty));
  SetText(2, "t: 1.000000e+002 s");
  EXPECT_FALSE(Dirty(&dirty));
  SetText(2 | SBT_NOBORDERS, "t: 1.000000e+002 s");
  EXPECT_TRUE(Dirty(&dirty));
  Pump();
  // The same parts again, as the framework sends on every resize.
  const int rights[3] = {100, 200, -1};
  SendMessageA(m_bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(rights));
  EXPECT_FALSE(Dirty(&dirty));
}

TEST_F(StatusBars, AChangedDigitRepaintsAroundThatDigitOnly) {
  SetText(2, "t: 1.234000e+005 s");
  Pump();
  SetText(2, "t: 1.235000e+005 s");
  RECT dirty{};
  ASSERT_TRUE(Dirty(&dirty));
  const RECT part = Part(2);
  const HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  const int textLeft = part.left + 1 + 2;
  EXPECT_EQ(dirty.left, textLeft + Width(font, "t: 1.23") - 2);
  EXPECT_EQ(dirty.right, textLeft + Width(font, "t: 1.235") + 2);
  EXPECT_EQ(dirty.top, part.top + 1);
  EXPECT_EQ(dirty.bottom, part.bottom - 1);
  // And the pane drawn from that repaint shows the whole new text.
  Pump();
  SetText(2, "");
  Pump();
  SetText(2, "t: 1.235000e+005 s");
  Pump();
  std::vector<COLORREF> whole;
  for (int x = part.left; x < part.right; ++x) whole.push_back(At(m_bar, x, part.top + 8));
  SetText(2, "t: 1.234000e+005 s");
  Pump();
  SetText(2, "t: 1.235000e+005 s");
  Pump();
  std::vector<COLORREF> partial;
  for (int x = part.left; x < part.right; ++x) partial.push_back(At(m_bar, x, part.top + 8));
  EXPECT_EQ(whole, partial);
}

TEST_F(StatusBars, ANewTextOfTheSameLengthAllocatesNothing) {
  // Every character once, so that the glyphs are known before counting.
  SetText(2, "t: 0123456789e+000 s");
  SetText(2, "t: 0.000000e+000 s");
  char text[32];
  g_allocations = 0;
  g_counting = true;
  for (int i = 1; i <= 100; ++i) {
    std::snprintf(text, sizeof text, "t: %d.000000e+002 s", i % 10);
    SetText(2, text);
  }
  SetText(2, "t: 1 s");
  g_counting = false;
  EXPECT_EQ(g_allocations.load(), 0);
  EXPECT_EQ(Text(2), "t: 1 s");
}

TEST_F(StatusBars, ANewFontRedraws) {
  SetText(0, "Ready");
  Pump();
  HFONT bold = CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
  SendMessageA(m_bar, WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
  RECT dirty{};
  EXPECT_TRUE(Dirty(&dirty));
  EXPECT_EQ(SendMessageA(m_bar, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(bold));
  DestroyWindow(m_bar);
  DeleteObject(bold);
}

// A pane squeezed to nothing keeps its text but has nothing of it to show.
TEST_F(StatusBars, ATextChangeInAPaneWithNoRoomRepaintsNothing) {
  const int rights[3] = {100, 101, -1};
  SendMessageA(m_bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(rights));
  SetText(1, "first");
  Pump();
  SetText(1, "second");
  RECT dirty{};
  EXPECT_FALSE(Dirty(&dirty));
  EXPECT_EQ(Text(1), "second");
}

// The widths of a text are remembered for the next change from it; a new
// font between two changes must be measured afresh.
TEST_F(StatusBars, AChangeAfterANewFontIsMeasuredInThatFont) {
  SetText(2, "t: 1.234000e+005 s");
  Pump();
  HFONT bold = CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
  SendMessageA(m_bar, WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
  Pump();
  SetText(2, "t: 1.235000e+005 s");
  RECT dirty{};
  ASSERT_TRUE(Dirty(&dirty));
  ASSERT_NE(Width(bold, "t: 1.235"), Width(GetStockObject(DEFAULT_GUI_FONT), "t: 1.235"))
      << "the bold font should be wider";
  const int textLeft = Part(2).left + 1 + 2;
  EXPECT_EQ(dirty.left, textLeft + Width(bold, "t: 1.23") - 2);
  EXPECT_EQ(dirty.right, textLeft + Width(bold, "t: 1.235") + 2);
  DestroyWindow(m_bar);
  DeleteObject(bold);
}

}  // namespace
