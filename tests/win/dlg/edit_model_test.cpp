// The edit's text model, undo and layout on their own: selection
// arithmetic, the limit, word jumps, how edits gather into one undoable
// action, alignment, hit testing and the scroll that follows the caret.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/host/headless/headless_host.h"
#include "platform/win/dlg/edit_layout.h"
#include "platform/win/dlg/edit_text.h"
#include "platform/win/dlg/edit_undo.h"
#include "platform/win/wm/wnd.h"

namespace {

using dlg::CEditLayout;
using dlg::CEditText;
using dlg::CEditUndo;
using dlg::EditAction;
using dlg::EditAlign;

TEST(EditText, ReplacingTheSelectionKeepsToTheLimit) {
  CEditText t;
  t.SetLimit(5);
  EXPECT_TRUE(t.ReplaceSelection("abc", true));
  bool truncated = false;
  EXPECT_TRUE(t.ReplaceSelection("defg", true, &truncated));
  EXPECT_TRUE(truncated);
  EXPECT_EQ(t.Text(), "abcde");
  EXPECT_FALSE(t.ReplaceSelection("x", true, &truncated));  // full: nothing changes
  EXPECT_TRUE(truncated);
  t.Select(1, 3);
  EXPECT_TRUE(t.ReplaceSelection("XYZ", true, &truncated));  // two freed, three asked
  EXPECT_EQ(t.Text(), "aXYde");
  EXPECT_EQ(t.Caret(), 3U);
  EXPECT_TRUE(t.ReplaceSelection("unlimited", false));
  EXPECT_EQ(t.Text(), "aXYunlimitedde");
}

TEST(EditText, SelectHoldsItsArgumentsToTheText) {
  CEditText t;
  t.SetText("abcdef");
  t.Select(2, 100);
  EXPECT_EQ(t.SelStart(), 2U);
  EXPECT_EQ(t.SelEnd(), 6U);
  t.Select(5, 1);
  EXPECT_EQ(t.Anchor(), 5U);
  EXPECT_EQ(t.Caret(), 1U);
  EXPECT_EQ(t.Selected(), "bcde");
  t.Select(-1, 0);  // deselect, the caret stays
  EXPECT_FALSE(t.HasSelection());
  EXPECT_EQ(t.Caret(), 1U);
  t.Select(100, 100);
  EXPECT_EQ(t.Caret(), 6U);
  t.MoveCaret(1000, false);
  EXPECT_EQ(t.Caret(), 6U);
}

TEST(EditText, DeletionAtTheEndsDoesNothing) {
  CEditText t;
  EXPECT_FALSE(t.DeleteBack());
  EXPECT_FALSE(t.DeleteForward());
  t.SetText("ab");
  EXPECT_FALSE(t.DeleteBack());  // the caret is at the start
  t.MoveCaret(2, false);
  EXPECT_FALSE(t.DeleteForward());
  EXPECT_TRUE(t.DeleteBack());
  EXPECT_EQ(t.Text(), "a");
}

TEST(EditText, WordsAreRunsOfNonBlanks) {
  CEditText t;
  t.SetText("one  two three");
  EXPECT_EQ(t.WordRight(0), 5U);
  EXPECT_EQ(t.WordRight(5), 9U);
  EXPECT_EQ(t.WordRight(9), 14U);
  EXPECT_EQ(t.WordLeft(14), 9U);
  EXPECT_EQ(t.WordLeft(9), 5U);
  EXPECT_EQ(t.WordLeft(3), 0U);
  EXPECT_EQ(t.WordLeft(0), 0U);
}

TEST(EditText, LimitZeroIsTheLargest) {
  CEditText t;
  EXPECT_EQ(t.Limit(), CEditText::kDefaultLimit);
  t.SetLimit(0);
  EXPECT_EQ(t.Limit(), CEditText::kMaxLimit);
}

// The text and its undo buffer, edited as the control edits them.
struct CUndoableText {
  void Type(const std::string& chars) {
    for (const char c : chars) {
      if (text.ReplaceSelection(std::string(1, c), true))
        undo.Record(EditAction::kTyping, text.LastChange());
    }
  }
  void Back(int times) {
    for (int i = 0; i < times; ++i) {
      if (text.DeleteBack()) undo.Record(EditAction::kBackspace, text.LastChange());
    }
  }
  void Delete(int times) {
    for (int i = 0; i < times; ++i) {
      if (text.DeleteForward()) undo.Record(EditAction::kDelete, text.LastChange());
    }
  }
  void MoveTo(std::size_t pos) {
    text.MoveCaret(pos, false);
    undo.Seal();
  }
  CEditText text;
  CEditUndo undo;
};

TEST(EditUndo, RunsOfOneKindGatherIntoOneAction) {
  CUndoableText e;
  e.text.SetText("abcdef");
  e.text.Select(4, 2);
  e.Back(2);  // the selection, then the "b" before it
  EXPECT_EQ(e.text.Text(), "aef");
  EXPECT_EQ(e.undo.Undone(e.text.Text()), "abcdef");
  e.undo.Undo(&e.text);
  EXPECT_EQ(e.text.Text(), "abcdef");
  EXPECT_EQ(e.text.Anchor(), 4U);
  EXPECT_EQ(e.text.Caret(), 2U);
  e.MoveTo(1);
  e.Delete(3);
  EXPECT_EQ(e.text.Text(), "aef");
  e.undo.Undo(&e.text);
  EXPECT_EQ(e.text.Text(), "abcdef");
  EXPECT_EQ(e.text.Caret(), 1U);
  e.Type("x");
  e.Back(1);
  e.Type("y");
  e.undo.Undo(&e.text);
  EXPECT_EQ(e.text.Text(), "abcdef");  // the "y" alone
}

TEST(EditUndo, NothingToUndoOrARecordThatNoLongerFitsChangesNothing) {
  CUndoableText e;
  EXPECT_FALSE(e.undo.Undo(&e.text));
  e.Type("abc");
  for (int i = 0; i < 5001; ++i) ASSERT_TRUE(e.undo.Undo(&e.text));
  EXPECT_EQ(e.text.Text(), "");
  e.undo.Undo(&e.text);
  EXPECT_EQ(e.text.Text(), "abc");
  e.undo.Empty();
  EXPECT_FALSE(e.undo.CanUndo());
  EXPECT_FALSE(e.undo.Undo(&e.text));
  EXPECT_EQ(e.text.Text(), "abc");
  e.Type("d");
  e.text.SetText("");  // behind the buffer's back
  EXPECT_EQ(e.undo.Undone("x"), "x");
  EXPECT_FALSE(e.undo.Undo(&e.text));
  EXPECT_FALSE(e.undo.CanUndo());
  EXPECT_EQ(e.text.Text(), "");
}

// The layout measures with the GDI's fonts, which need no window; a
// window system keeps the stock objects alive.
class EditLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    InitWindowManager(&m_host);
    m_layout.SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  }
  void TearDown() override { ShutdownWindowManager(); }
  static int Width(const char* text) {
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    DeleteDC(dc);
    return size.cx;
  }
  host::CHeadlessHost m_host;
  CEditLayout m_layout;
};

TEST_F(EditLayout, AFittingTextIsAligned) {
  m_layout.SetText("12");
  const int w = Width("12");
  EXPECT_EQ(m_layout.TextWidth(), w);
  EXPECT_EQ(m_layout.LineHeight(), 13);
  m_layout.SetArea(RECT{10, 0, 110, 13}, EditAlign::kLeft, true);
  EXPECT_EQ(m_layout.XOf(0), 10);
  m_layout.SetArea(RECT{10, 0, 110, 13}, EditAlign::kRight, true);
  EXPECT_EQ(m_layout.XOf(2), 109);  // the last column is the caret's
  m_layout.SetArea(RECT{10, 0, 110, 13}, EditAlign::kCenter, true);
  EXPECT_EQ(m_layout.XOf(0), 10 + (99 - w) / 2);
  EXPECT_EQ(m_layout.XOf(99), m_layout.XOf(2));
}

TEST_F(EditLayout, HitsGoToTheNearestBoundary) {
  m_layout.SetText("mmm");
  m_layout.SetArea(RECT{0, 0, 200, 13}, EditAlign::kLeft, true);
  const int m = Width("m");
  EXPECT_EQ(m_layout.IndexAt(-50), 0U);
  EXPECT_EQ(m_layout.IndexAt(m / 2 - 1), 0U);
  EXPECT_EQ(m_layout.IndexAt(m / 2 + 1), 1U);
  EXPECT_EQ(m_layout.IndexAt(2 * m + 1), 2U);
  EXPECT_EQ(m_layout.IndexAt(5000), 3U);
}

TEST_F(EditLayout, TheScrollJumpsAThirdPastEitherEdge) {
  const std::string text(30, 'm');
  m_layout.SetText(text);
  const RECT area{0, 0, 61, 13};  // room for 60 pixels of text
  m_layout.SetArea(area, EditAlign::kLeft, true);
  const int m = Width("m");
  m_layout.ShowCaret(30);
  EXPECT_EQ(m_layout.Scroll(), 30 * m - 60);
  EXPECT_EQ(m_layout.XOf(30), 60);
  m_layout.ShowCaret(0);
  EXPECT_EQ(m_layout.Scroll(), 0);
  m_layout.ShowCaret(15);  // 15 * m past 60: a third of the room beyond it
  EXPECT_EQ(m_layout.Scroll(), 15 * m - 60 + 20);
  m_layout.SetArea(area, EditAlign::kLeft, false);
  m_layout.ShowCaret(30);  // no scrolling without ES_AUTOHSCROLL
  EXPECT_EQ(m_layout.Scroll(), 15 * m - 40);
  EXPECT_FALSE(m_layout.Fits(text));
  EXPECT_TRUE(m_layout.Fits("m"));
}

}  // namespace
