// The single-line edit in a dialog: typing and EN_CHANGE, the selection by
// keys and mouse, deletion, the clipboard through the host, undo, read-only
// and limited edits, alignment and scrolling, the caret and the border.
#include "platform/win/menu/menu.h"
#include "tests/win/dlg/dlg_fixture.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kField = kChild | WS_BORDER | WS_TABSTOP;

constexpr DialogItemTemplate kItems[] = {
    {"EDIT", 100, "", 4, 4, 80, 12, kField | ES_AUTOHSCROLL},
    {"EDIT", 101, "fixed", 4, 20, 80, 12, kField | ES_READONLY | ES_AUTOHSCROLL},
    {"EDIT", 102, "12", 4, 36, 80, 12, kField | ES_RIGHT | ES_AUTOHSCROLL},
    {"EDIT", 103, "", 4, 52, 30, 12, kField},
    {"EDIT", 104, "", 40, 52, 30, 12, kField | ES_NUMBER},
    {"BUTTON", IDOK, "OK", 90, 4, 40, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
};
constexpr DialogTemplate kEdits{.style = WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                .cx = 140,
                                .cy = 70,
                                .caption = "Edits",
                                .items = kItems};

constexpr unsigned kCtrl = host::kModCtrl;
constexpr unsigned kShift = host::kModShift;

class Edit : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    s_endOnCommand = false;
    m_dialog = MakeDialog(kEdits);
    ASSERT_NE(m_dialog, nullptr);
    Pump();
    Forget();
  }
  HWND Item(int id) const { return GetDlgItem(m_dialog, id); }
  void Focus(int id) {
    SendMessageA(m_dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
    Pump();
    Forget();
  }
  std::string Text(int id) const {
    char buffer[256] = {};
    GetDlgItemTextA(m_dialog, id, buffer, sizeof buffer);
    return buffer;
  }
  std::pair<DWORD, DWORD> Sel(int id) const {
    DWORD start = 0;
    DWORD end = 0;
    SendDlgItemMessageA(m_dialog, id, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  void Keys(std::initializer_list<int> keys, unsigned modifiers = 0) {
    for (const int vk : keys) Tap(m_dialog, vk, modifiers);
    Pump();
  }
  // The edit's notification codes, in order.
  std::vector<WORD> EditCodes(int id) const {
    std::vector<WORD> out;
    for (const SNote& n : Notes(WM_COMMAND)) {
      if (LOWORD(n.wParam) == id) out.push_back(HIWORD(n.wParam));
    }
    return out;
  }
  static int Width(const std::string& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    DeleteDC(dc);
    return size.cx;
  }
  // The caret's column shows inverted over the white field.
  bool CaretAt(int id, int x) const { return At(Item(id), x, 9) == kBlack; }

  HWND m_dialog = nullptr;
};

TEST_F(Edit, TypingInsertsAtTheCaretAndEveryChangeIsReported) {
  Focus(100);
  Type(m_dialog, "ab");
  Pump();
  EXPECT_EQ(Text(100), "ab");
  EXPECT_EQ(EditCodes(100), (std::vector<WORD>{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));
  Keys({VK_LEFT});
  Type(m_dialog, "X");
  Pump();
  EXPECT_EQ(Text(100), "aXb");
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{2}, DWORD{2}));
}

TEST_F(Edit, TheProgramsTextIsReportedEvenWhenItIsTheSame) {
  SetDlgItemTextA(m_dialog, 100, "16000.0");
  EXPECT_EQ(EditCodes(100), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
  SetWindowTextA(Item(100), "16000.0");
  EXPECT_EQ(EditCodes(100).size(), 4U);
  EXPECT_EQ(EditCodes(100).back(), EN_CHANGE);
  EXPECT_EQ(Text(100), "16000.0");
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{0}, DWORD{0}));  // the caret goes to the start
}

TEST_F(Edit, ShiftWithArrowsHomeAndEndSelects) {
  SetDlgItemTextA(m_dialog, 100, "abcdef");
  Focus(100);  // selects all, the caret at the end
  Keys({VK_END});
  Keys({VK_LEFT, VK_LEFT}, kShift);
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{4}, DWORD{6}));
  Keys({VK_HOME}, kShift);
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{0}, DWORD{6}));
  Keys({VK_RIGHT});
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{6}, DWORD{6}));
  Keys({VK_HOME, VK_RIGHT});
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{1}, DWORD{1}));
  Keys({VK_END}, kShift);
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{1}, DWORD{6}));
  SetDlgItemTextA(m_dialog, 100, "one two");
  Keys({VK_END});
  Keys({VK_LEFT}, kCtrl);
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{4}, DWORD{4}));
  Keys({VK_LEFT}, kCtrl);
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{0}, DWORD{0}));
  Keys({VK_RIGHT}, kCtrl | kShift);
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{0}, DWORD{4}));
}

TEST_F(Edit, BackspaceAndDeleteRemoveTheSelectionOrOneCharacter) {
  SetDlgItemTextA(m_dialog, 100, "abcdef");
  Focus(100);
  Keys({VK_HOME, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_BACK});
  EXPECT_EQ(Text(100), "abdef");
  Keys({VK_DELETE});
  EXPECT_EQ(Text(100), "abef");
  Keys({VK_END}, kShift);
  Keys({VK_BACK});
  EXPECT_EQ(Text(100), "ab");
  Forget();
  Keys({VK_DELETE});  // nothing after the caret: no change, no report
  EXPECT_EQ(Text(100), "ab");
  EXPECT_TRUE(EditCodes(100).empty());
}

TEST_F(Edit, DraggingTheMouseSelects) {
  SetDlgItemTextA(m_dialog, 100, "selection");
  const POINT o = ClientOriginInSurface(Item(100));
  const int x1 = 3 + Width("s");
  const int x4 = 3 + Width("sele");
  Mouse(m_dialog, host::EventType::kMouseDown, o.x + x1, o.y + 9);
  Mouse(m_dialog, host::EventType::kMouseMove, o.x + x4, o.y + 9);
  Mouse(m_dialog, host::EventType::kMouseUp, o.x + x4, o.y + 9);
  Pump();
  EXPECT_EQ(GetFocus(), Item(100));
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{1}, DWORD{4}));
  EXPECT_EQ(GetCapture(), nullptr);
  // Selected text shows white on the selection colour while focused.
  EXPECT_EQ(At(Item(100), x1, 3), kNavy);
  EXPECT_EQ(At(Item(100), x4 + 1, 3), kWhite);
  Mouse(m_dialog, host::EventType::kMouseDown, o.x + x1, o.y + 9, kShift);
  Pump();
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{1}, DWORD{1}));
}

TEST_F(Edit, CutCopyAndPasteGoThroughTheHostClipboard) {
  SetDlgItemTextA(m_dialog, 100, "hello world");
  Focus(100);
  SendDlgItemMessageA(m_dialog, 100, EM_SETSEL, 6, 11);
  Keys({'C'}, kCtrl);
  EXPECT_EQ(m_host.GetClipboardText(), "world");
  Keys({'X'}, kCtrl);
  EXPECT_EQ(Text(100), "hello ");
  // Pasting keeps the first line, in the program's code page.
  m_host.SetClipboardText("caf\xC3\xA9\nsecond");
  Keys({'V'}, kCtrl);
  EXPECT_EQ(Text(100), "hello caf\xE9");
  SendDlgItemMessageA(m_dialog, 100, EM_SETSEL, 6, -1);
  SendDlgItemMessageA(m_dialog, 100, WM_COPY, 0, 0);
  EXPECT_EQ(m_host.GetClipboardText(), "caf\xC3\xA9");
  SendDlgItemMessageA(m_dialog, 100, WM_CLEAR, 0, 0);
  EXPECT_EQ(Text(100), "hello ");
  SendDlgItemMessageA(m_dialog, 100, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(100), "hello caf\xE9");
  SendDlgItemMessageA(m_dialog, 100, EM_SETSEL, 0, 5);
  SendDlgItemMessageA(m_dialog, 100, WM_CUT, 0, 0);
  EXPECT_EQ(Text(100), " caf\xE9");
  EXPECT_EQ(m_host.GetClipboardText(), "hello");
}

TEST_F(Edit, CtrlZUndoesTheTypingAndASecondCtrlZDoesItAgain) {
  Focus(100);
  Type(m_dialog, "ab");
  Pump();
  Keys({VK_LEFT, VK_RIGHT});  // back where it was, but the typing starts afresh
  Type(m_dialog, "xy");
  Pump();
  Forget();
  Keys({'Z'}, kCtrl);
  EXPECT_EQ(Text(100), "ab");
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{2}, DWORD{2}));
  EXPECT_EQ(EditCodes(100), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
  Keys({'Z'}, kCtrl);
  EXPECT_EQ(Text(100), "abxy");
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{4}, DWORD{4}));
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_UNDO, 0, 0), TRUE);
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, WM_UNDO, 0, 0), TRUE);
  EXPECT_EQ(Text(100), "abxy");
  // The caret shows at once where the undo leaves it, even mid-blink.
  Type(m_dialog, "c");
  m_host.AdvanceClock(500);
  Pump();
  Keys({'Z'}, kCtrl);
  EXPECT_TRUE(CaretAt(100, 3 + Width("abxy")));
}

TEST_F(Edit, CutPasteDeleteAndReplaceSelAreUndoneWithTheirSelection) {
  SetDlgItemTextA(m_dialog, 100, "hello world");
  Focus(100);
  SendDlgItemMessageA(m_dialog, 100, EM_SETSEL, 11, 6);
  Keys({'X'}, kCtrl);
  EXPECT_EQ(Text(100), "hello ");
  Keys({'Z'}, kCtrl);
  EXPECT_EQ(Text(100), "hello world");
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_GETSEL, 0, 0), MAKELONG(6, 11));
  m_host.SetClipboardText("there");
  Keys({'V'}, kCtrl);
  EXPECT_EQ(Text(100), "hello there");
  Keys({VK_BACK}, host::kModAlt);  // the older key for undo
  EXPECT_EQ(Text(100), "hello world");
  Keys({VK_HOME, VK_DELETE, VK_DELETE});
  EXPECT_EQ(Text(100), "llo world");
  Keys({'Z'}, kCtrl);  // both Deletes at once
  EXPECT_EQ(Text(100), "hello world");
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{0}, DWORD{0}));
  SendDlgItemMessageA(m_dialog, 100, EM_SETSEL, 0, 5);
  SendDlgItemMessageA(m_dialog, 100, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("howdy"));
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_UNDO, 0, 0), TRUE);
  EXPECT_EQ(Text(100), "hello world");
  SendDlgItemMessageA(m_dialog, 100, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("!"));
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_CANUNDO, 0, 0), FALSE);
}

TEST_F(Edit, TheProgramsTextEmptiesTheUndoBuffer) {
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_UNDO, 0, 0), FALSE);  // nothing yet
  Focus(100);
  Type(m_dialog, "abc");
  Pump();
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_CANUNDO, 0, 0), TRUE);
  SetDlgItemTextA(m_dialog, 100, "16000.0");
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_CANUNDO, 0, 0), FALSE);
  Forget();
  Keys({'Z'}, kCtrl);
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_UNDO, 0, 0), FALSE);
  EXPECT_EQ(Text(100), "16000.0");
  EXPECT_TRUE(EditCodes(100).empty());
  Type(m_dialog, "1");
  Pump();
  SendDlgItemMessageA(m_dialog, 100, EM_EMPTYUNDOBUFFER, 0, 0);
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_UNDO, 0, 0), FALSE);
}

TEST_F(Edit, AReadOnlyEditUndoesNothingNorDoesAnUndoBreakTheLimit) {
  Focus(100);
  Type(m_dialog, "abcd");
  Pump();
  SendDlgItemMessageA(m_dialog, 100, EM_SETREADONLY, TRUE, 0);
  Keys({'Z'}, kCtrl);
  Keys({VK_BACK}, host::kModAlt);
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_UNDO, 0, 0), FALSE);
  EXPECT_EQ(Text(100), "abcd");
  SendDlgItemMessageA(m_dialog, 100, EM_SETREADONLY, FALSE, 0);
  Keys({'A'}, kCtrl);
  Keys({VK_DELETE});
  SendDlgItemMessageA(m_dialog, 100, EM_LIMITTEXT, 3, 0);
  Forget();
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_UNDO, 0, 0), FALSE);
  EXPECT_EQ(Text(100), "");
  EXPECT_EQ(EditCodes(100), (std::vector<WORD>{EN_MAXTEXT}));
  SendDlgItemMessageA(m_dialog, 100, EM_LIMITTEXT, 4, 0);
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_UNDO, 0, 0), TRUE);
  EXPECT_EQ(Text(100), "abcd");
}

TEST_F(Edit, AReadOnlyEditTakesNoTypingButCopiesAndShowsItsCaret) {
  Focus(101);
  Type(m_dialog, "zz");
  Keys({VK_BACK, VK_DELETE});
  Keys({'X'}, kCtrl);
  EXPECT_EQ(Text(101), "fixed");
  EXPECT_TRUE(EditCodes(101).empty());
  Keys({'C'}, kCtrl);
  EXPECT_EQ(m_host.GetClipboardText(), "fixed");
  EXPECT_EQ(At(Item(101), 60, 9), kFace);  // face-coloured field
  Keys({VK_END});
  EXPECT_EQ(At(Item(101), 3 + Width("fixed"), 9), RGB(63, 63, 63));  // the caret inverts the face
  SendDlgItemMessageA(m_dialog, 101, EM_SETREADONLY, FALSE, 0);
  Type(m_dialog, "a");
  Pump();
  EXPECT_EQ(Text(101), "fixeda");
  EXPECT_EQ(At(Item(101), 100, 9), kWhite);
}

TEST_F(Edit, TheLimitCutsTypingButNotTheProgramsText) {
  SendDlgItemMessageA(m_dialog, 100, EM_LIMITTEXT, 3, 0);
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_GETLIMITTEXT, 0, 0), 3);
  Focus(100);
  Type(m_dialog, "abcd");
  Pump();
  EXPECT_EQ(Text(100), "abc");
  EXPECT_EQ(EditCodes(100).back(), EN_MAXTEXT);
  SetDlgItemTextA(m_dialog, 100, "longer");
  EXPECT_EQ(Text(100), "longer");
  SendDlgItemMessageA(m_dialog, 100, EM_LIMITTEXT, 0, 0);
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
}

TEST_F(Edit, ANumberEditTakesOnlyDigits) {
  Focus(104);
  Type(m_dialog, "1a-2");
  Pump();
  EXPECT_EQ(Text(104), "12");
}

TEST_F(Edit, ReplaceSelAndGetSelAnswerAsTheClassicMessages) {
  SetDlgItemTextA(m_dialog, 100, "abcdef");
  SendDlgItemMessageA(m_dialog, 100, EM_SETSEL, 4, 1);  // the caret at 1
  EXPECT_EQ(SendDlgItemMessageA(m_dialog, 100, EM_GETSEL, 0, 0), MAKELONG(1, 4));
  SendDlgItemMessageA(m_dialog, 100, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("XY"));
  EXPECT_EQ(Text(100), "aXYef");
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{3}, DWORD{3}));
  SendDlgItemMessageA(m_dialog, 100, EM_SETSEL, 0, -1);
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{0}, DWORD{5}));
  SendDlgItemMessageA(m_dialog, 100, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(Sel(100), std::make_pair(DWORD{5}, DWORD{5}));  // deselected where the caret was
  char small[3] = {};
  EXPECT_EQ(GetWindowTextA(Item(100), small, sizeof small), 2);
  EXPECT_STREQ(small, "aX");
  EXPECT_EQ(GetWindowTextLengthA(Item(100)), 5);
}

TEST_F(Edit, TheCaretBlinksOnTheClock) {
  Focus(100);
  EXPECT_TRUE(CaretAt(100, 3));
  m_host.AdvanceClock(500);
  Pump();
  EXPECT_FALSE(CaretAt(100, 3));
  m_host.AdvanceClock(500);
  Pump();
  EXPECT_TRUE(CaretAt(100, 3));
  // Typing shows it again at once, one character on.
  m_host.AdvanceClock(500);
  Type(m_dialog, "i");
  Pump();
  EXPECT_TRUE(CaretAt(100, 3 + Width("i")));
  Focus(IDOK);
  EXPECT_FALSE(CaretAt(100, 3 + Width("i")));
}

TEST_F(Edit, TheBorderIsTheSunkenField) {
  RECT r{};
  GetClientRect(Item(100), &r);
  EXPECT_EQ(At(Item(100), 0, 0), kShadow);
  EXPECT_EQ(At(Item(100), 1, 1), kBlack);
  EXPECT_EQ(At(Item(100), r.right - 1, r.bottom - 1), kWhite);
  EXPECT_EQ(At(Item(100), r.right - 2, r.bottom - 2), kLight);
  EXPECT_EQ(At(Item(100), 2, 2), kWhite);
}

TEST_F(Edit, RightAlignedTextEndsAtTheRightEdge) {
  Focus(102);
  Keys({VK_END});
  RECT r{};
  GetClientRect(Item(102), &r);
  // Border 2, margin 1, and the caret's own column.
  EXPECT_TRUE(CaretAt(102, r.right - 4));
  EXPECT_EQ(At(Item(102), r.right - 4 - Width("12") - 2, 9), kWhite);
}

TEST_F(Edit, WithAutoScrollTheCaretStaysInSightAndWithoutTypingStopsAtTheEdge) {
  Focus(100);
  const std::string longText(40, 'm');
  Type(m_dialog, longText.substr(0, 20));
  Type(m_dialog, longText.substr(20));
  Pump();
  EXPECT_EQ(Text(100), longText);
  RECT r{};
  GetClientRect(Item(100), &r);
  EXPECT_TRUE(CaretAt(100, r.right - 4));  // scrolled so the end shows
  Focus(103);
  Type(m_dialog, longText.substr(0, 20));
  Pump();
  const std::string typed = Text(103);
  EXPECT_LT(typed.size(), 20U);
  EXPECT_LE(Width(typed), 45 - 6 - 1);
  EXPECT_EQ(EditCodes(103).back(), EN_MAXTEXT);
}

}  // namespace

// ---- The context menu ----------------------------------------------------------------

class EditMenu : public Edit {
 protected:
  void RightClick(int id) {
    const RECT r = RectIn(Item(id));
    for (const auto type : {host::EventType::kMouseDown, host::EventType::kMouseUp}) {
      host::Event e;
      e.type = type;
      e.surface = m_dialog->hostId;
      e.x = r.left + 5;
      e.y = r.top + 5;
      e.button = host::MouseButton::kRight;
      m_host.PushEvent(e);
    }
  }
  // Whether Undo, Cut, Copy, Paste, Delete and Select All of the open menu
  // are enabled, as "1" and "0".
  static std::string States() {
    HWND popup = FindWindowA("#32768", nullptr);
    auto* menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    std::string out;
    for (const UINT k : {0U, 2U, 3U, 4U, 5U, 7U}) {
      out += (GetMenuState(menu, k, MF_BYPOSITION) & MF_GRAYED) != 0 ? '0' : '1';
    }
    return out;
  }
};

TEST_F(EditMenu, ItGraysWhatCannotBeDoneAndDoesWhatIsChosen) {
  m_host.SetClipboardText("pasted");
  SetDlgItemTextA(m_dialog, 100, "abc");
  Focus(100);  // the whole text selected
  std::string states;
  // Shift+F10, then Cut by its letter.
  Script({[&] {
    states = States();
    Type(m_dialog, "t");
  }});
  Tap(m_dialog, VK_F10, kShift);
  Pump();
  EXPECT_EQ(states, "011110");
  EXPECT_EQ(Text(100), "");
  EXPECT_EQ(m_host.GetClipboardText(), "abc");
  // A right click: only Undo and Paste are left to do; Undo it is.
  Script({[&] {
    states = States();
    Type(m_dialog, "u");
  }});
  RightClick(100);
  Pump();
  EXPECT_EQ(states, "100100");
  EXPECT_EQ(Text(100), "abc");
  // A read-only edit copies and nothing else. The Menu key opens the menu
  // over the middle of the edit.
  Focus(101);
  RECT place{};
  Script({[&] {
    states = States();
    GetWindowRect(FindWindowA("#32768", nullptr), &place);
    Tap(m_dialog, VK_ESCAPE);
  }});
  Tap(m_dialog, VK_APPS);
  Pump();
  EXPECT_EQ(states, "001000");
  RECT edit{};
  GetWindowRect(Item(101), &edit);
  EXPECT_EQ(place.left, (edit.left + edit.right) / 2);
  EXPECT_EQ(place.top, (edit.top + edit.bottom) / 2);
  EXPECT_EQ(Text(101), "fixed");
  EXPECT_TRUE(IsWindow(m_dialog));  // Escape closed the menu, not the dialog
}

TEST_F(EditMenu, NoneOpensOnADisabledEditOrForAPressElsewhereAndADialogThatGoesEndsIt) {
  bool opened = false;
  auto note = [&] {
    opened = FindWindowA("#32768", nullptr) != nullptr;
    Tap(m_dialog, VK_ESCAPE);
  };
  EnableWindow(Item(103), FALSE);
  Script({note});
  RightClick(103);
  Pump();
  EXPECT_FALSE(opened);
  // Pressed on one edit and released over another: no click.
  Script({note});
  const RECT a = RectIn(Item(100));
  const RECT b = RectIn(Item(102));
  host::Event e;
  e.surface = m_dialog->hostId;
  e.button = host::MouseButton::kRight;
  e.type = host::EventType::kMouseDown;
  e.x = a.left + 5;
  e.y = a.top + 5;
  m_host.PushEvent(e);
  e.type = host::EventType::kMouseUp;
  e.x = b.left + 5;
  e.y = b.top + 5;
  m_host.PushEvent(e);
  Pump();
  EXPECT_FALSE(opened);
  // The dialog destroyed under its edit's open menu.
  Focus(100);
  Script({[&] { DestroyWindow(m_dialog); }});
  Tap(m_dialog, VK_F10, kShift);
  Pump();
  EXPECT_FALSE(IsWindow(m_dialog));
  EXPECT_EQ(FindWindowA("#32768", nullptr), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
}
