// The up-down: docking beside its buddy, the positions and codes it reports
// at the ends of its range, the buddy's arrow keys, the repeat while held,
// and the pressed look.
#include "platform/win/commctrl.h"
#include "tests/win/dlg/dlg_fixture.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kField = kChild | WS_BORDER | WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL;

constexpr DialogItemTemplate kItems[] = {
    {"EDIT", 100, "", 19, 106, 64, 13, kField},
    {"msctls_updown32", 101, "Spin1", 73, 106, 11, 15,
     kChild | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS},
    {"EDIT", 102, "3", 19, 130, 40, 13, kField},
    {"msctls_updown32", 103, "", 70, 130, 11, 15, kChild | UDS_SETBUDDYINT},
    {"BUTTON", IDOK, "OK", 4, 150, 40, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
};
constexpr DialogTemplate kSpins{.style = WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                .cx = 100,
                                .cy = 170,
                                .caption = "Spins",
                                .items = kItems};

struct SReport {
  WORD code;
  short pos;
  bool operator==(const SReport&) const = default;
};

class UpDown : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    m_dialog = MakeDialog(kSpins);
    ASSERT_NE(m_dialog, nullptr);
    m_spin = GetDlgItem(m_dialog, 101);
    SendMessageA(m_spin, UDM_SETRANGE, 0, MAKELPARAM(1, 0));
    SendMessageA(m_spin, UDM_SETPOS, 0, MAKELPARAM(0, 0));
    Pump();
    Forget();
  }
  std::vector<SReport> Reports(HWND from) const {
    std::vector<SReport> out;
    for (const SNote& n : Notes(WM_VSCROLL)) {
      EXPECT_EQ(n.lParam, reinterpret_cast<LPARAM>(from));
      out.push_back(SReport{LOWORD(n.wParam), static_cast<short>(HIWORD(n.wParam))});
    }
    return out;
  }
  void ClickArrow(HWND spin, bool up) {
    ClickChild(spin, 7, up ? 5 : 15);
    Pump();
  }
  HWND m_dialog = nullptr;
  HWND m_spin = nullptr;
};

constexpr WORD kPos = SB_THUMBPOSITION;
constexpr WORD kEnd = SB_ENDSCROLL;

TEST_F(UpDown, AutoBuddyDocksInsideTheBuddysRightEdge) {
  HWND edit = GetDlgItem(m_dialog, 100);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(m_spin, UDM_GETBUDDY, 0, 0)), edit);
  const RECT e = RectIn(edit);
  const RECT s = RectIn(m_spin);
  // The edit's template rectangle is 29..125 by 172..193; the up-down is 16 wide.
  EXPECT_EQ(e.left, 29);
  EXPECT_EQ(e.right, 109);
  EXPECT_EQ(s.left, 109);
  EXPECT_EQ(s.right, 125);
  EXPECT_EQ(s.top, e.top);
  EXPECT_EQ(s.bottom, e.bottom);
  // The edit's border carries on round the up-down.
  EXPECT_EQ(At(m_spin, 3, 0), kShadow);
  EXPECT_EQ(At(m_spin, 3, 1), kBlack);
  EXPECT_EQ(At(m_spin, 15, 10), kWhite);
  EXPECT_EQ(At(m_spin, 14, 10), kLight);
  EXPECT_EQ(At(edit, 79, 10), kWhite);  // no border of the edit's own there
}

TEST_F(UpDown, WithTheRangeZeroToOneUpReportsOneAndDownZeroEveryTime) {
  ClickArrow(m_spin, true);
  ClickArrow(m_spin, true);
  ClickArrow(m_spin, false);
  ClickArrow(m_spin, false);
  EXPECT_EQ(
      Reports(m_spin),
      (std::vector<SReport>{
          {kPos, 1}, {kEnd, 1}, {kPos, 1}, {kEnd, 1}, {kPos, 0}, {kEnd, 0}, {kPos, 0}, {kEnd, 0}}));
  // A click on the up-down leaves the focus where it was.
  EXPECT_NE(GetFocus(), m_spin);
}

TEST_F(UpDown, UpAndDownInTheBuddyPressTheArrows) {
  HWND edit = GetDlgItem(m_dialog, 100);
  EXPECT_NE(SendMessageA(edit, WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, 0);
  SendMessageA(m_dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
  Tap(m_dialog, VK_UP);
  Tap(m_dialog, VK_DOWN);
  Pump();
  EXPECT_EQ(Reports(m_spin), (std::vector<SReport>{{kPos, 1}, {kEnd, 1}, {kPos, 0}, {kEnd, 0}}));
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(GetWindowTextLengthA(edit), 0);  // no UDS_SETBUDDYINT: the text is the program's
}

TEST_F(UpDown, TheRangeIsMaxLowMinHighAndPositionsAreHeldToIt) {
  HWND other = GetDlgItem(m_dialog, 103);
  EXPECT_EQ(SendMessageA(other, UDM_GETRANGE, 0, 0), static_cast<LRESULT>(MAKELONG(0, 100)));
  SendMessageA(m_spin, UDM_SETRANGE, 0, MAKELPARAM(10, static_cast<UINT>(-5)));
  EXPECT_EQ(SendMessageA(m_spin, UDM_GETRANGE, 0, 0), static_cast<LRESULT>(MAKELONG(10, 0xFFFB)));
  EXPECT_EQ(SendMessageA(m_spin, UDM_SETPOS, 0, MAKELPARAM(20, 0)), 0);
  EXPECT_EQ(SendMessageA(m_spin, UDM_GETPOS, 0, 0), 10);
  SendMessageA(m_spin, UDM_SETPOS, 0, MAKELPARAM(static_cast<UINT>(-3), 0));
  EXPECT_EQ(static_cast<short>(LOWORD(SendMessageA(m_spin, UDM_GETPOS, 0, 0))), -3);
  SendMessageA(m_spin, UDM_SETPOS, 0, MAKELPARAM(10, 0));
  ClickArrow(m_spin, true);
  ClickArrow(m_spin, false);
  EXPECT_EQ(Reports(m_spin), (std::vector<SReport>{{kPos, 10}, {kEnd, 10}, {kPos, 9}, {kEnd, 9}}));
}

TEST_F(UpDown, AnUpsideDownRangeGoesDownWithTheUpArrow) {
  SendMessageA(m_spin, UDM_SETRANGE, 0, MAKELPARAM(0, 100));  // the classic default
  SendMessageA(m_spin, UDM_SETPOS, 0, MAKELPARAM(50, 0));
  ClickArrow(m_spin, true);
  EXPECT_EQ(Reports(m_spin).front(), (SReport{kPos, 49}));
}

TEST_F(UpDown, AHeldArrowRepeatsAfterHalfASecondThenEveryTenth) {
  SendMessageA(m_spin, UDM_SETRANGE, 0, MAKELPARAM(100, 0));
  const POINT o = ClientOriginInSurface(m_spin);
  Mouse(m_dialog, host::EventType::kMouseDown, o.x + 7, o.y + 5);
  Pump();
  EXPECT_EQ(Reports(m_spin).size(), 1U);
  m_host.AdvanceClock(499);
  Pump();
  EXPECT_EQ(Reports(m_spin).size(), 1U);
  m_host.AdvanceClock(1);
  Pump();
  m_host.AdvanceClock(100);
  Pump();
  EXPECT_EQ(Reports(m_spin), (std::vector<SReport>{{kPos, 1}, {kPos, 2}, {kPos, 3}}));
  // Off the arrow it waits; back on, it goes on.
  Mouse(m_dialog, host::EventType::kMouseMove, o.x + 40, o.y + 5);
  Pump();
  m_host.AdvanceClock(100);
  Pump();
  EXPECT_EQ(Reports(m_spin).size(), 3U);
  Mouse(m_dialog, host::EventType::kMouseMove, o.x + 7, o.y + 5);
  Pump();
  m_host.AdvanceClock(100);
  Pump();
  Mouse(m_dialog, host::EventType::kMouseUp, o.x + 7, o.y + 5);
  Pump();
  EXPECT_EQ(Reports(m_spin),
            (std::vector<SReport>{{kPos, 1}, {kPos, 2}, {kPos, 3}, {kPos, 4}, {kEnd, 4}}));
  m_host.AdvanceClock(1000);
  Pump();
  EXPECT_EQ(Reports(m_spin).size(), 5U);
}

TEST_F(UpDown, AnArrowLooksPressedWhileHeld) {
  // Inside the carried border (two rows), the up button's top-left corner.
  EXPECT_EQ(At(m_spin, 0, 2), kWhite);
  const POINT o = ClientOriginInSurface(m_spin);
  Mouse(m_dialog, host::EventType::kMouseDown, o.x + 7, o.y + 5);
  Pump();
  EXPECT_EQ(At(m_spin, 0, 2), kBlack);
  EXPECT_EQ(At(m_spin, 0, 12), kWhite);  // the down button stays raised
  Mouse(m_dialog, host::EventType::kMouseUp, o.x + 7, o.y + 5);
  Pump();
  EXPECT_EQ(At(m_spin, 0, 2), kWhite);
}

TEST_F(UpDown, SetBuddyIntReadsAndWritesTheBuddysNumber) {
  HWND spin = GetDlgItem(m_dialog, 103);
  HWND edit = GetDlgItem(m_dialog, 102);
  EXPECT_EQ(SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0), 0);
  SendMessageA(spin, UDM_SETRANGE, 0, MAKELPARAM(5, 0));
  ClickArrow(spin, true);
  char text[8] = {};
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "4");
  EXPECT_EQ(Reports(spin).front(), (SReport{kPos, 4}));
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(spin, UDM_SETBUDDY, 0, 0)), edit);
  EXPECT_EQ(SendMessageA(spin, UDM_GETBUDDY, 0, 0), 0);
}

TEST_F(UpDown, ADisabledUpDownReportsNothing) {
  EnableWindow(m_spin, FALSE);
  ClickArrow(m_spin, true);
  SendMessageA(m_dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(m_dialog, 100)), TRUE);
  Tap(m_dialog, VK_UP);
  Pump();
  EXPECT_TRUE(Notes(WM_VSCROLL).empty());
}

}  // namespace
