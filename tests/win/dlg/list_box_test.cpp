// The list box: lines in order (or sorted), no selection with LBS_NOSEL,
// selection and its notification otherwise, the scroll bar that shows only
// when needed, and every way of scrolling.
#include <string>

#include "tests/win/dlg/dlg_fixture.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kText =
    kChild | LBS_NOSEL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP;

constexpr DialogItemTemplate kItems[] = {
    {"LISTBOX", 100, "", 7, 7, 172, 62, kText},
    {"LISTBOX", 101, "", 7, 72, 100, 40, kChild | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
    {"LISTBOX", 102, "", 110, 72, 60, 40, kChild | LBS_SORT | WS_BORDER},
    {"BUTTON", IDOK, "OK", 130, 120, 40, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
};
constexpr DialogTemplate kLists{.style = WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                .cx = 186,
                                .cy = 140,
                                .caption = "Lists",
                                .items = kItems};

class ListBox : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    m_dialog = MakeDialog(kLists);
    ASSERT_NE(m_dialog, nullptr);
    m_text = GetDlgItem(m_dialog, 100);
    m_pick = GetDlgItem(m_dialog, 101);
    Pump();
  }
  void Fill(HWND list, int n) {
    for (int i = 0; i < n; ++i) {
      const std::string line = i % 5 == 4 ? "" : "line " + std::to_string(i);
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    Pump();
  }
  int Top(HWND list) const { return static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0)); }
  std::string Line(HWND list, int i) const {
    char buffer[64] = {};
    if (SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer)) ==
        LB_ERR) {
      return "<none>";
    }
    return buffer;
  }
  void Press(HWND list, int x, int y) {
    const POINT o = ClientOriginInSurface(list);
    Mouse(m_dialog, host::EventType::kMouseDown, o.x + x, o.y + y);
    Pump();
  }
  void Release(HWND list, int x, int y) {
    const POINT o = ClientOriginInSurface(list);
    Mouse(m_dialog, host::EventType::kMouseUp, o.x + x, o.y + y);
    Pump();
  }
  void Wheel(int notches) {
    host::Event e;
    e.type = host::EventType::kMouseWheel;
    e.surface = m_dialog->hostId;
    e.wheel = notches;
    m_host.PushEvent(e);
    Pump();
  }
  HWND m_dialog = nullptr;
  HWND m_text = nullptr;
  HWND m_pick = nullptr;
};

// The text list: 258 by 101, seven whole lines; its bar's down arrow is at
// 83..99, its track at 18..83 with a 14-pixel thumb.
constexpr int kBarX = 248;

TEST_F(ListBox, LinesStayInTheOrderAddedAndEmptyLinesAreItems) {
  Fill(m_text, 31);
  EXPECT_EQ(SendMessageA(m_text, LB_GETCOUNT, 0, 0), 31);
  for (int i = 0; i < 31; ++i) {
    EXPECT_EQ(Line(m_text, i), i % 5 == 4 ? "" : "line " + std::to_string(i)) << i;
  }
  EXPECT_EQ(SendMessageA(m_text, LB_GETTEXTLEN, 4, 0), 0);
  EXPECT_EQ(SendMessageA(m_text, LB_GETTEXTLEN, 31, 0), LB_ERR);
  EXPECT_EQ(SendMessageA(m_text, LB_GETTEXT, 0, 0), LB_ERR);
  EXPECT_EQ(Line(m_text, -1), "<none>");
}

TEST_F(ListBox, InsertDeleteAndResetKeepTheOrder) {
  Fill(m_text, 3);
  EXPECT_EQ(SendMessageA(m_text, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>("x")), 1);
  EXPECT_EQ(SendMessageA(m_text, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>("end")),
            4);
  EXPECT_EQ(SendMessageA(m_text, LB_INSERTSTRING, 100, reinterpret_cast<LPARAM>("no")), LB_ERR);
  EXPECT_EQ(Line(m_text, 1), "x");
  EXPECT_EQ(Line(m_text, 4), "end");
  EXPECT_EQ(SendMessageA(m_text, LB_DELETESTRING, 0, 0), 4);
  EXPECT_EQ(Line(m_text, 0), "x");
  EXPECT_EQ(SendMessageA(m_text, LB_DELETESTRING, 9, 0), LB_ERR);
  SendMessageA(m_text, LB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessageA(m_text, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListBox, ASortedListSortsWithoutRegardToCase) {
  HWND sorted = GetDlgItem(m_dialog, 102);
  for (const char* s : {"b", "A", "c", "a"})
    SendMessageA(sorted, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
  EXPECT_EQ(Line(sorted, 0), "A");
  EXPECT_EQ(Line(sorted, 1), "a");
  EXPECT_EQ(Line(sorted, 2), "b");
  EXPECT_EQ(Line(sorted, 3), "c");
}

TEST_F(ListBox, NoSelMeansNothingIsEverSelected) {
  Fill(m_text, 31);
  Forget();
  Press(m_text, 50, 20);
  Release(m_text, 50, 20);
  EXPECT_EQ(GetFocus(), m_text);
  EXPECT_EQ(SendMessageA(m_text, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessageA(m_text, LB_SETCURSEL, 1, 0), LB_ERR);
  EXPECT_EQ(SendMessageA(m_text, LB_GETCURSEL, 0, 0), LB_ERR);
  for (const WORD code : Codes(WM_COMMAND)) EXPECT_NE(code, LBN_SELCHANGE);
  EXPECT_EQ(At(m_text, 100, 2 + 13 + 1), kWhite);  // the clicked line shows no selection
  // The keys scroll instead.
  Tap(m_dialog, VK_DOWN);
  Pump();
  EXPECT_EQ(Top(m_text), 1);
  Tap(m_dialog, VK_NEXT);
  Pump();
  EXPECT_EQ(Top(m_text), 8);
  Tap(m_dialog, VK_END);
  Pump();
  EXPECT_EQ(Top(m_text), 24);
  Tap(m_dialog, VK_HOME);
  Pump();
  EXPECT_EQ(Top(m_text), 0);
}

TEST_F(ListBox, ASelectableListSelectsByClickAndKeysAndTellsItsParent) {
  Fill(m_pick, 10);
  Forget();
  Press(m_pick, 60, 2 + 2 * 13 + 5);
  Release(m_pick, 60, 2 + 2 * 13 + 5);
  EXPECT_EQ(SendMessageA(m_pick, LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(At(m_pick, 100, 2 + 2 * 13 + 1), kNavy);
  Tap(m_dialog, VK_DOWN);
  Pump();
  EXPECT_EQ(SendMessageA(m_pick, LB_GETCURSEL, 0, 0), 3);
  int changes = 0;
  for (const WORD code : Codes(WM_COMMAND)) changes += code == LBN_SELCHANGE ? 1 : 0;
  EXPECT_EQ(changes, 2);
  // The program's own selection is not reported, and a line below the
  // view scrolls into it.
  EXPECT_EQ(SendMessageA(m_pick, LB_SETCURSEL, 9, 0), 9);
  EXPECT_EQ(Top(m_pick), 6);
  EXPECT_EQ(SendMessageA(m_pick, LB_SETCURSEL, 50, 0), LB_ERR);
  EXPECT_EQ(SendMessageA(m_pick, LB_GETCURSEL, 0, 0), LB_ERR);
  changes = 0;
  for (const WORD code : Codes(WM_COMMAND)) changes += code == LBN_SELCHANGE ? 1 : 0;
  EXPECT_EQ(changes, 2);
}

TEST_F(ListBox, WithoutNoIntegralHeightTheBoxHoldsWholeLines) {
  RECT r{};
  GetClientRect(m_pick, &r);
  EXPECT_EQ(r.bottom, 4 * 13 + 4);
  GetClientRect(m_text, &r);
  EXPECT_EQ(r.bottom, 101);  // LBS_NOINTEGRALHEIGHT keeps the template's height
}

TEST_F(ListBox, TheScrollBarShowsOnlyWhenTheLinesDoNotFit) {
  Fill(m_text, 7);
  EXPECT_EQ(At(m_text, kBarX, 10), kWhite);
  SendMessageA(m_text, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("eighth"));
  Pump();
  EXPECT_EQ(At(m_text, 243, 4), kFace);      // the up arrow's face
  EXPECT_EQ(At(m_text, kBarX, 10), kBlack);  // and its glyph
  EXPECT_EQ(At(m_text, 240, 2), kWhite);     // its highlight
  EXPECT_EQ(At(m_text, 255, 17), kBlack);    // its dark shadow
}

TEST_F(ListBox, TheBarsArrowsPagesAndThumbScroll) {
  Fill(m_text, 31);
  Press(m_text, kBarX, 90);
  Release(m_text, kBarX, 90);
  EXPECT_EQ(Top(m_text), 1);
  Press(m_text, kBarX, 10);
  Release(m_text, kBarX, 10);
  EXPECT_EQ(Top(m_text), 0);
  Press(m_text, kBarX, 60);  // the track below the thumb
  Release(m_text, kBarX, 60);
  EXPECT_EQ(Top(m_text), 7);
  // The thumb now stands at 18 + 51 * 7 / 24 = 32; dragged to the bottom.
  Press(m_text, kBarX, 35);
  const POINT o = ClientOriginInSurface(m_text);
  Mouse(m_dialog, host::EventType::kMouseMove, o.x + kBarX, o.y + 98);
  Pump();
  EXPECT_EQ(Top(m_text), 24);
  Mouse(m_dialog, host::EventType::kMouseMove, o.x + kBarX, o.y + 0);
  Pump();
  EXPECT_EQ(Top(m_text), 0);
  Release(m_text, kBarX, 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ListBox, AHeldArrowRepeats) {
  Fill(m_text, 31);
  Press(m_text, kBarX, 90);
  EXPECT_EQ(Top(m_text), 1);
  m_host.AdvanceClock(500);
  Pump();
  m_host.AdvanceClock(100);
  Pump();
  EXPECT_EQ(Top(m_text), 3);
  Release(m_text, kBarX, 90);
  m_host.AdvanceClock(500);
  Pump();
  EXPECT_EQ(Top(m_text), 3);
}

TEST_F(ListBox, TheWheelScrollsThreeLinesANotch) {
  Fill(m_text, 31);
  SetFocus(m_text);
  Wheel(-1);
  EXPECT_EQ(Top(m_text), 3);
  Wheel(-10);
  EXPECT_EQ(Top(m_text), 24);
  Wheel(2);
  EXPECT_EQ(Top(m_text), 18);
}

TEST_F(ListBox, SetTopIndexGoesAsFarAsTheLinesAllow) {
  Fill(m_text, 31);
  EXPECT_EQ(SendMessageA(m_text, LB_SETTOPINDEX, 30, 0), 0);
  EXPECT_EQ(Top(m_text), 24);
  EXPECT_EQ(SendMessageA(m_text, LB_SETTOPINDEX, 31, 0), LB_ERR);
  EXPECT_EQ(SendMessageA(m_text, LB_SETTOPINDEX, 5, 0), 0);
  EXPECT_EQ(Top(m_text), 5);
  EXPECT_EQ(SendMessageA(m_text, LB_GETITEMHEIGHT, 0, 0), 13);
}

}  // namespace
