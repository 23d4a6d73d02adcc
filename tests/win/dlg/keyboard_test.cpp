// The dialog keyboard: Tab and Shift+Tab, the arrows within a group, Enter
// and Escape, Space on a button, and the default button's look following
// the focus.
#include "tests/win/dlg/dlg_fixture.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

constexpr DialogItemTemplate kItems[] = {
    {"BUTTON", IDOK, "OK", 4, 4, 40, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {"EDIT", 100, "hello", 4, 22, 60, 12, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    {"BUTTON", 101, "&Apply", 50, 4, 40, 14, kChild | WS_TABSTOP},
    {"BUTTON", 102, "Hidden", 96, 4, 40, 14, WS_CHILD | WS_TABSTOP},
    {"BUTTON", 103, "Off", 96, 22, 40, 14, kChild | WS_TABSTOP | WS_DISABLED},
    {"STATIC", -1, "&label", 4, 40, 40, 8, kChild},
    {"EDIT", 104, "second", 4, 52, 60, 12, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    {"BUTTON", IDCANCEL, "Cancel", 96, 52, 40, 14, kChild | WS_TABSTOP},
};
constexpr DialogTemplate kKeys{.style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME,
                               .cx = 140,
                               .cy = 70,
                               .caption = "Keys",
                               .items = kItems};

constexpr DialogItemTemplate kGroupItems[] = {
    {"BUTTON", 201, "A", 4, 4, 30, 14, kChild | WS_TABSTOP | WS_GROUP},
    {"STATIC", -1, "between", 40, 4, 30, 8, kChild},
    {"BUTTON", 202, "B", 4, 20, 30, 14, kChild},
    {"BUTTON", 203, "C", 4, 36, 30, 14, kChild},
    {"BUTTON", 204, "D", 40, 36, 30, 14, kChild | WS_TABSTOP | WS_GROUP},
};
constexpr DialogTemplate kGroups{.style = WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                 .cx = 80,
                                 .cy = 60,
                                 .caption = "Groups",
                                 .items = kGroupItems};

class Keyboard : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    s_endOnCommand = false;
  }
  HWND Open(const DialogTemplate& t) {
    HWND dialog = MakeDialog(t);
    Pump();
    Forget();
    return dialog;
  }
  int FocusId() const { return GetDlgCtrlID(GetFocus()); }
  // The ids of the buttons' WM_COMMANDs, in order.
  std::vector<int> Commands() const {
    std::vector<int> ids;
    for (const SNote& n : Notes(WM_COMMAND)) {
      if (HIWORD(n.wParam) == BN_CLICKED) ids.push_back(LOWORD(n.wParam));
    }
    return ids;
  }
  static bool LooksDefault(HWND button) {
    return (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  }
};

TEST_F(Keyboard, TabWalksTheVisibleEnabledTabStopsInOrderAndWraps) {
  HWND dialog = Open(kKeys);
  EXPECT_EQ(FocusId(), IDOK);
  std::vector<int> seen;
  for (int i = 0; i < 5; ++i) {
    Tap(dialog, VK_TAB);
    Pump();
    seen.push_back(FocusId());
  }
  EXPECT_EQ(seen, (std::vector<int>{100, 101, 104, IDCANCEL, IDOK}));
  Tap(dialog, VK_TAB, host::kModShift);
  Pump();
  EXPECT_EQ(FocusId(), IDCANCEL);
  Tap(dialog, VK_TAB, host::kModShift);
  Pump();
  EXPECT_EQ(FocusId(), 104);
}

TEST_F(Keyboard, AnEditTabbedIntoSelectsAllItsText) {
  HWND dialog = Open(kKeys);
  Tap(dialog, VK_TAB);
  Pump();
  DWORD start = 99;
  DWORD end = 99;
  SendDlgItemMessageA(dialog, 100, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                      reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0U);
  EXPECT_EQ(end, 5U);
  // A click puts the caret where it lands instead.
  ClickChild(GetDlgItem(dialog, 104), 4, 5);
  Pump();
  EXPECT_EQ(FocusId(), 104);
  SendDlgItemMessageA(dialog, 104, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                      reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end);
}

TEST_F(Keyboard, EnterSendsTheDefaultButtonsCommand) {
  HWND dialog = Open(kKeys);
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, 100)), TRUE);
  Tap(dialog, VK_RETURN);
  Pump();
  ASSERT_EQ(Commands(), std::vector<int>{IDOK});
  EXPECT_EQ(Notes(WM_COMMAND).back().lParam, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  Forget();
  SendMessageA(dialog, DM_SETDEFID, 101, 0);
  Tap(dialog, VK_RETURN);
  Pump();
  EXPECT_EQ(Commands(), std::vector<int>{101});
  Forget();
  // On a push button, Enter is that button's.
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDCANCEL)), TRUE);
  Tap(dialog, VK_RETURN);
  Pump();
  EXPECT_EQ(Commands(), std::vector<int>{IDCANCEL});
}

TEST_F(Keyboard, EscapeSendsCancelAndSpacePressesTheFocusedButton) {
  HWND dialog = Open(kKeys);
  Tap(dialog, VK_ESCAPE);
  Pump();
  EXPECT_EQ(Commands(), std::vector<int>{IDCANCEL});
  Forget();
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, 101)), TRUE);
  Tap(dialog, VK_SPACE);
  Pump();
  EXPECT_EQ(Commands(), std::vector<int>{101});
}

TEST_F(Keyboard, TheDefaultLookFollowsTheFocusAmongPushButtons) {
  HWND dialog = Open(kKeys);
  HWND ok = GetDlgItem(dialog, IDOK);
  HWND apply = GetDlgItem(dialog, 101);
  HWND cancel = GetDlgItem(dialog, IDCANCEL);
  EXPECT_TRUE(LooksDefault(ok));
  EXPECT_EQ(At(ok, 0, 0), kBlack);  // the default button's dark frame
  Tap(dialog, VK_TAB);              // the edit: the default stays
  Tap(dialog, VK_TAB);              // Apply
  Pump();
  EXPECT_TRUE(LooksDefault(apply));
  EXPECT_FALSE(LooksDefault(ok));
  EXPECT_EQ(At(apply, 0, 0), kBlack);
  EXPECT_EQ(At(ok, 0, 0), kWhite);
  Tap(dialog, VK_TAB);  // the second edit: back to the dialog's default
  Pump();
  EXPECT_TRUE(LooksDefault(ok));
  EXPECT_FALSE(LooksDefault(apply));
  EXPECT_EQ(At(apply, 0, 0), kWhite);
  // A press moves the focus, and the look with it.
  Mouse(dialog, host::EventType::kMouseDown, ClientOriginInSurface(cancel).x + 5,
        ClientOriginInSurface(cancel).y + 5);
  Pump();
  EXPECT_TRUE(LooksDefault(cancel));
  EXPECT_FALSE(LooksDefault(ok));
}

TEST_F(Keyboard, ArrowsMoveWithinTheGroupPastLabels) {
  HWND dialog = Open(kGroups);
  EXPECT_EQ(FocusId(), 201);
  std::vector<int> seen;
  for (const int vk : {VK_RIGHT, VK_DOWN, VK_RIGHT, VK_LEFT, VK_UP}) {
    Tap(dialog, vk);
    Pump();
    seen.push_back(FocusId());
  }
  EXPECT_EQ(seen, (std::vector<int>{202, 203, 201, 203, 202}));
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, 204)), TRUE);
  Tap(dialog, VK_RIGHT);
  Pump();
  EXPECT_EQ(FocusId(), 204);  // a group of one
}

TEST_F(Keyboard, AControlThatWantsArrowsKeepsThem) {
  HWND dialog = Open(kKeys);
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, 100)), TRUE);
  Tap(dialog, VK_LEFT);
  Pump();
  EXPECT_EQ(FocusId(), 100);
  DWORD start = 99;
  SendDlgItemMessageA(dialog, 100, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  EXPECT_EQ(start, 0U);  // the selection collapsed to its start
}

TEST_F(Keyboard, MarkedLettersPressButtonsAndLabelsLeadToTheirControl) {
  HWND dialog = Open(kKeys);
  Tap(dialog, 'A', host::kModAlt);
  Pump();
  EXPECT_EQ(Commands(), std::vector<int>{101});
  Tap(dialog, 'L', host::kModAlt);
  Pump();
  EXPECT_EQ(FocusId(), 104);
  DWORD start = 99;
  DWORD end = 99;
  SendDlgItemMessageA(dialog, 104, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                      reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end - start, 6U);
  // In an edit the letter is typed; on a button it is the mnemonic.
  Forget();
  Type(dialog, "a");
  Pump();
  EXPECT_TRUE(Commands().empty());
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDOK)), TRUE);
  Type(dialog, "a");
  Pump();
  EXPECT_EQ(Commands(), std::vector<int>{101});
}

TEST_F(Keyboard, NextDialogControlMovesAndTabsFromNowhereStartAtTheFirst) {
  HWND dialog = Open(kKeys);
  SendMessageA(dialog, WM_NEXTDLGCTL, 0, 0);
  EXPECT_EQ(FocusId(), 100);
  SendMessageA(dialog, WM_NEXTDLGCTL, 1, 0);
  EXPECT_EQ(FocusId(), IDOK);
  EXPECT_EQ(GetNextDlgTabItem(dialog, nullptr, FALSE), GetDlgItem(dialog, IDOK));
  EXPECT_EQ(GetNextDlgTabItem(dialog, nullptr, TRUE), GetDlgItem(dialog, IDCANCEL));
  SetFocus(dialog);  // the dialog passes the focus on to a control
  EXPECT_NE(GetFocus(), dialog);
  EXPECT_TRUE(IsChild(dialog, GetFocus()));
}

}  // namespace
