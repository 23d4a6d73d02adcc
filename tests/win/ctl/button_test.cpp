#include "tests/win/ctl/ctl_fixture.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(128, 128, 128);
constexpr COLORREF kFocusDot = RGB(63, 63, 63);  // the face inverted

class Buttons : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    m_parent = MakeParent();
    m_button = MakeControl(m_parent, "BUTTON", "&Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                           RECT{20, 20, 95, 45});
    ASSERT_NE(m_button, nullptr);
    Pump();
    Forget();
  }

  int Clicks() const {
    int n = 0;
    for (const SNote& note : Notes(WM_COMMAND)) {
      EXPECT_EQ(note.wParam, MAKEWPARAM(7, BN_CLICKED));
      EXPECT_EQ(note.lParam, reinterpret_cast<LPARAM>(m_button));
      ++n;
    }
    return n;
  }
  bool Pushed() const { return (SendMessageA(m_button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }
  // The caption's pixels in one colour, counted.
  int CaptionPixels(COLORREF c) const {
    return Caption([c](COLORREF p) { return p == c; });
  }
  int CaptionInk() const { return Caption(IsInk); }
  template <typename F>
  int Caption(F match) const {
    int n = 0;
    for (int y = 4; y < 21; ++y) {
      for (int x = 4; x < 71; ++x) n += match(At(m_button, x, y)) ? 1 : 0;
    }
    return n;
  }

  HWND m_parent = nullptr;
  HWND m_button = nullptr;
};

TEST_F(Buttons, ClickOnlyOnReleaseInside) {
  Press(m_parent, 30, 30);
  Pump();
  EXPECT_EQ(Clicks(), 0);
  EXPECT_TRUE(Pushed());
  EXPECT_EQ(GetFocus(), m_button);
  EXPECT_EQ(GetCapture(), m_button);
  Release(m_parent, 40, 30);
  Pump();
  EXPECT_EQ(Clicks(), 1);
  EXPECT_FALSE(Pushed());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Buttons, ReleaseOutsideDoesNothing) {
  Press(m_parent, 30, 30);
  Pump();
  Move(m_parent, 150, 150);
  Pump();
  Release(m_parent, 150, 150);
  Pump();
  EXPECT_EQ(Clicks(), 0);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_FALSE(Pushed());
}

TEST_F(Buttons, ShowsPressedOnlyWhileThePointerIsInside) {
  EXPECT_EQ(At(m_button, 0, 0), kWhite);  // raised: highlight outside, light inside
  EXPECT_EQ(At(m_button, 74, 24), kBlack);
  EXPECT_EQ(At(m_button, 73, 23), kShadow);
  Press(m_parent, 30, 30);
  Pump();
  EXPECT_EQ(At(m_button, 0, 0), kBlack);  // pressed: dark shadow, then shadow
  EXPECT_EQ(At(m_button, 1, 1), kShadow);
  Move(m_parent, 150, 30);
  Pump();
  EXPECT_FALSE(Pushed());
  EXPECT_EQ(At(m_button, 0, 0), kWhite);
  Move(m_parent, 90, 40);
  Pump();
  EXPECT_TRUE(Pushed());
  EXPECT_EQ(At(m_button, 1, 1), kShadow);
  Release(m_parent, 90, 40);
  Pump();
  EXPECT_EQ(Clicks(), 1);
  EXPECT_EQ(At(m_button, 0, 0), kWhite);
}

// A release that arrived together with the press goes where the capture the
// press took sends it, not to the window under the pointer.
TEST_F(Buttons, EventsQueuedWithThePressFollowTheCaptureItTakes) {
  Press(m_parent, 30, 30);
  Move(m_parent, 150, 150);
  Release(m_parent, 150, 150);
  Pump();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_FALSE(Pushed());
}

TEST_F(Buttons, TheCaptionMovesInWhenPressed) {
  auto row = [&](int dx) {
    std::vector<COLORREF> r;
    for (int x = 5; x < 69; ++x) {
      for (int y = 5; y < 20; ++y) r.push_back(At(m_button, x + dx, y + dx));
    }
    return r;
  };
  const std::vector<COLORREF> up = row(0);
  Press(m_parent, 30, 30);
  Pump();
  EXPECT_EQ(row(1), up);
}

TEST_F(Buttons, SpaceClicksOnKeyUp) {
  SetFocus(m_button);
  Pump();
  Key(m_parent, VK_SPACE, true);
  Pump();
  EXPECT_TRUE(Pushed());
  EXPECT_EQ(Clicks(), 0);
  Key(m_parent, VK_SPACE, false);
  Pump();
  EXPECT_FALSE(Pushed());
  EXPECT_EQ(Clicks(), 1);
}

TEST_F(Buttons, LosingTheFocusWithSpaceHeldClicksNothing) {
  HWND other =
      MakeControl(m_parent, "BUTTON", "x", WS_CHILD | WS_VISIBLE, RECT{120, 20, 160, 45}, 8);
  SetFocus(m_button);
  Key(m_parent, VK_SPACE, true);
  Pump();
  SetFocus(other);
  Key(m_parent, VK_SPACE, false);
  Pump();
  EXPECT_FALSE(Pushed());
  for (const SNote& note : Notes(WM_COMMAND))
    EXPECT_NE(note.lParam, reinterpret_cast<LPARAM>(m_button));
}

TEST_F(Buttons, TheFocusShowsAsADottedRectangleInsideTheFace) {
  EXPECT_EQ(At(m_button, 3, 3), Face());
  SetFocus(m_button);
  Pump();
  EXPECT_EQ(At(m_button, 3, 3), kFocusDot);
  EXPECT_EQ(At(m_button, 4, 3), Face());
  EXPECT_EQ(At(m_button, 5, 3), kFocusDot);
  EXPECT_EQ(At(m_button, 71, 21), kFocusDot);
  EXPECT_NE(SendMessageA(m_button, BM_GETSTATE, 0, 0) & BST_FOCUS, 0);
}

TEST_F(Buttons, DisabledIsEmbossedAndTakesNoClicks) {
  EXPECT_GT(CaptionInk(), 0);
  EXPECT_EQ(CaptionPixels(kWhite), 0);
  EnableWindow(m_button, FALSE);
  Pump();
  EXPECT_EQ(CaptionInk(), 0);
  EXPECT_GT(CaptionPixels(kWhite), 0);
  EXPECT_GT(CaptionPixels(kShadow), 0);
  Click(m_parent, 30, 30);
  Pump();
  EXPECT_EQ(Clicks(), 0);
  EXPECT_FALSE(Pushed());
  SendMessageA(m_button, BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks(), 0);
  EnableWindow(m_button, TRUE);
  Pump();
  EXPECT_EQ(CaptionPixels(kWhite), 0);
}

TEST_F(Buttons, TheDefaultButtonHasAnExtraDarkFrame) {
  HWND def = MakeControl(m_parent, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON,
                         RECT{120, 20, 195, 45}, 8);
  Pump();
  EXPECT_EQ(At(def, 0, 0), kBlack);
  EXPECT_EQ(At(def, 1, 1), kWhite);
  EXPECT_EQ(At(def, 73, 23), kBlack);
  EXPECT_EQ(At(def, 72, 22), kShadow);
  EXPECT_EQ(SendMessageA(def, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
  EXPECT_EQ(SendMessageA(m_button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);

  SendMessageA(m_button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  SendMessageA(def, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  Pump();
  EXPECT_EQ(At(m_button, 0, 0), kBlack);
  EXPECT_EQ(At(m_button, 1, 1), kWhite);
  EXPECT_EQ(At(def, 0, 0), kWhite);
  EXPECT_EQ(GetWindowLongA(def, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_PUSHBUTTON));
  EXPECT_EQ(SendMessageA(m_button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
}

TEST_F(Buttons, StateAndClickMessages) {
  SendMessageA(m_button, BM_SETSTATE, TRUE, 0);
  EXPECT_TRUE(Pushed());
  Pump();
  EXPECT_EQ(At(m_button, 0, 0), kBlack);
  SendMessageA(m_button, BM_SETSTATE, FALSE, 0);
  EXPECT_FALSE(Pushed());
  SendMessageA(m_button, BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks(), 1);
}

TEST_F(Buttons, FontsDefaultToTheDialogFont) {
  EXPECT_EQ(SendMessageA(m_button, WM_GETFONT, 0, 0),
            reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
  HFONT bold = CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
  SendMessageA(m_button, WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
  EXPECT_EQ(SendMessageA(m_button, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(bold));
  const int regular = CaptionInk();
  Pump();
  EXPECT_GT(CaptionInk(), regular);
  DestroyWindow(m_button);
  DeleteObject(bold);
}

TEST_F(Buttons, NewTextIsPainted) {
  const int before = CaptionInk();
  SetWindowTextA(m_button, "&Go again");
  Pump();
  EXPECT_GT(CaptionInk(), before);
}

TEST_F(Buttons, AParentMayDestroyTheButtonItIsTold) {
  s_destroySender = true;
  Click(m_parent, 30, 30);
  Pump();
  EXPECT_FALSE(IsWindow(m_button));
  EXPECT_EQ(Clicks(), 1);
}

// ---- Group boxes ------------------------------------------------------------

class GroupBoxes : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    m_parent = MakeParent();
    m_box = MakeControl(m_parent, "BUTTON", "delta t", WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                        RECT{10, 10, 110, 150}, -1);
    m_empty = MakeControl(m_parent, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                          RECT{150, 10, 250, 150}, -1);
    ASSERT_NE(m_box, nullptr);
    Pump();
    Forget();
  }

  HWND m_parent = nullptr;
  HWND m_box = nullptr;
  HWND m_empty = nullptr;
};

TEST_F(GroupBoxes, TheFrameRunsThroughTheMiddleOfTheCaptionLine) {
  // The line is 13 pixels: the etched top is at 6 (shadow) and 7 (highlight).
  EXPECT_EQ(At(m_box, 2, 6), kShadow);
  EXPECT_EQ(At(m_box, 2, 7), kWhite);
  EXPECT_EQ(At(m_box, 0, 100), kShadow);
  EXPECT_EQ(At(m_box, 1, 100), kWhite);
  EXPECT_EQ(At(m_box, 99, 139), kWhite);  // etched: highlight outside at the bottom right
  EXPECT_EQ(At(m_box, 98, 138), kShadow);
  // Left open around the caption, which stands on the face.
  EXPECT_EQ(At(m_box, 5, 6), kShadow);
  EXPECT_EQ(At(m_box, 6, 6), Face());
  EXPECT_EQ(At(m_box, 6, 0), Face());
  int dark = 0;
  for (int x = 8; x < 50; ++x) {
    for (int y = 0; y < 13; ++y) dark += IsInk(At(m_box, x, y)) ? 1 : 0;
  }
  EXPECT_GT(dark, 0);
  // An empty caption leaves no gap.
  for (int x = 0; x < 99; ++x) EXPECT_EQ(At(m_empty, x, 6), kShadow) << x;
}

TEST_F(GroupBoxes, ThePaintBeneathShowsThrough) {
  EXPECT_EQ(At(m_box, 50, 70), kParentColor);
  EXPECT_EQ(At(m_box, 70, 3), kParentColor);  // above the line, past the caption
  InvalidateRect(m_parent, nullptr, FALSE);
  Pump();
  EXPECT_EQ(At(m_box, 50, 70), kParentColor);
  EXPECT_EQ(At(m_box, 2, 6), kShadow);  // and the frame is drawn again over it
}

TEST_F(GroupBoxes, ClicksGoThroughToTheParent) {
  EXPECT_EQ(SendMessageA(m_box, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
  EXPECT_EQ(SendMessageA(m_box, WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(DLGC_STATIC));
  Click(m_parent, 60, 80);
  Pump();
  const std::vector<SNote> downs = Notes(WM_LBUTTONDOWN);
  ASSERT_EQ(downs.size(), 1U);
  EXPECT_EQ(downs[0].hwnd, m_parent);
  EXPECT_NE(GetFocus(), m_box);
}

TEST_F(GroupBoxes, AShorterCaptionLetsTheParentRepaintTheOldOne) {
  EXPECT_EQ(At(m_box, 25, 1), Face());
  SetWindowTextA(m_box, "G");
  Pump();
  EXPECT_EQ(At(m_box, 25, 1), kParentColor);
  EXPECT_EQ(At(m_box, 25, 6), kShadow);
}

TEST_F(GroupBoxes, DisabledCaptionsAreEmbossed) {
  EnableWindow(m_box, FALSE);
  Pump();
  int black = 0;
  int white = 0;
  for (int x = 8; x < 50; ++x) {
    for (int y = 0; y < 13; ++y) {
      black += IsInk(At(m_box, x, y)) ? 1 : 0;
      white += At(m_box, x, y) == kWhite ? 1 : 0;
    }
  }
  EXPECT_EQ(black, 0);
  EXPECT_GT(white, 0);
}

TEST_F(GroupBoxes, CaptionsStandOnTheParentsBrush) {
  s_ctlBrush = CreateSolidBrush(RGB(10, 20, 30));
  InvalidateRect(m_box, nullptr, FALSE);
  Pump();
  EXPECT_EQ(At(m_box, 6, 0), RGB(10, 20, 30));
  ASSERT_FALSE(Notes(WM_CTLCOLORSTATIC).empty());
  EXPECT_EQ(Notes(WM_CTLCOLORSTATIC)[0].lParam, reinterpret_cast<LPARAM>(m_box));
  DeleteObject(s_ctlBrush);
  s_ctlBrush = nullptr;
}

}  // namespace
