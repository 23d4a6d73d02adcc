// The framework's control wrappers: each call reaches its control and
// answers what the control answers.
#include "tests/afx/dialog_fixture.h"

namespace {

class Wrappers : public DialogFrameworkTest {
 protected:
  void SetUp() override {
    DialogFrameworkTest::SetUp();
    ASSERT_TRUE(m_parent.CreateEx(0, FrameworkWindowClass(), "Parent", WS_POPUP | WS_VISIBLE, 50,
                                  50, 300, 200, nullptr, nullptr));
  }
  void TearDown() override {
    m_parent.DestroyWindow();
    DialogFrameworkTest::TearDown();
  }
  CWnd m_parent;
};

TEST_F(Wrappers, CEditSelectsReplacesLimitsAndUsesTheClipboard) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(4, 4, 120, 24),
                          &m_parent, 10));
  edit.SetWindowText("hello world");
  edit.SetSel(0, 5);
  int start = -1;
  int end = -1;
  edit.GetSel(start, end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 5);
  EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(0, 5)));
  edit.Copy();
  EXPECT_EQ(m_host.GetClipboardText(), "hello");
  edit.ReplaceSel("howdy");
  CString text;
  edit.GetWindowText(text);
  EXPECT_EQ(text, "howdy world");
  edit.SetSel(0, -1);
  edit.Cut();
  edit.GetWindowText(text);
  EXPECT_EQ(text, "");
  edit.Paste();
  edit.GetWindowText(text);
  EXPECT_EQ(text, "howdy world");
  edit.LimitText(4);
  EXPECT_EQ(edit.GetLimitText(), 4U);
  edit.SetReadOnly();
  EXPECT_NE(edit.GetStyle() & ES_READONLY, 0U);
  edit.SetSel(0, -1);
  edit.Clear();  // read-only: nothing goes
  edit.GetWindowText(text);
  EXPECT_EQ(text, "howdy world");
  edit.SetReadOnly(FALSE);
  edit.Clear();
  EXPECT_EQ(edit.GetWindowTextLength(), 0);
}

TEST_F(Wrappers, CSpinButtonCtrlTakesTheLowerEndFirst) {
  CEdit buddy;
  ASSERT_TRUE(buddy.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(4, 4, 80, 24), &m_parent, 11));
  CSpinButtonCtrl spin;
  ASSERT_TRUE(
      spin.Create(WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT, CRect(80, 4, 96, 24), &m_parent, 12));
  spin.SetRange(0, 1);
  EXPECT_EQ(spin.SendMessage(UDM_GETRANGE), static_cast<LRESULT>(MAKELONG(1, 0)));
  int lower = -1;
  int upper = -1;
  spin.GetRange(lower, upper);
  EXPECT_EQ(lower, 0);
  EXPECT_EQ(upper, 1);
  spin.SetRange(-5, 5);
  EXPECT_EQ(spin.SetPos(-3), 0);
  EXPECT_EQ(spin.GetPos(), -3);
  EXPECT_EQ(spin.SetPos(9), -3);
  EXPECT_EQ(spin.GetPos(), 5);
  EXPECT_EQ(spin.GetBuddy(), nullptr);
  EXPECT_EQ(spin.SetBuddy(&buddy), nullptr);
  EXPECT_EQ(spin.GetBuddy(), &buddy);
  CRect r;
  buddy.GetClientRect(&r);
  EXPECT_EQ(r.Width(), 76 - 16);  // docked inside the buddy's right edge
}

TEST_F(Wrappers, CListBoxKeepsLinesInOrder) {
  CListBox list;
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                          CRect(4, 30, 200, 90), &m_parent, 13));
  EXPECT_EQ(list.AddString("one"), 0);
  EXPECT_EQ(list.AddString(""), 1);
  EXPECT_EQ(list.InsertString(0, "zero"), 0);
  EXPECT_EQ(list.InsertString(-1, "last"), 3);
  EXPECT_EQ(list.GetCount(), 4);
  CString line;
  list.GetText(0, line);
  EXPECT_EQ(line, "zero");
  list.GetText(2, line);
  EXPECT_EQ(line, "");
  list.GetText(9, line);
  EXPECT_EQ(line, "");
  char buffer[8] = {};
  EXPECT_EQ(list.GetText(3, buffer), 4);
  EXPECT_STREQ(buffer, "last");
  EXPECT_EQ(list.GetTextLen(1), 3);
  EXPECT_EQ(list.GetCurSel(), LB_ERR);
  EXPECT_EQ(list.SetCurSel(1), 1);
  EXPECT_EQ(list.GetCurSel(), 1);
  EXPECT_EQ(list.DeleteString(0), 3);
  EXPECT_EQ(list.GetCurSel(), 0);  // the selected line moved up with the others
  for (int i = 0; i < 10; ++i) list.AddString("more");
  EXPECT_EQ(list.SetTopIndex(5), 0);
  EXPECT_EQ(list.GetTopIndex(), 5);
  list.ResetContent();
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.GetTopIndex(), 0);
}

}  // namespace
