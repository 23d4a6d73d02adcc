// CColorDialog, and the modal loops stacked as the program stacks them:
// the frame under a dialog under the colour dialog, each owner disabled
// while the one above it runs and given back when it ends.
#include "tests/afx/dialog_fixture.h"

namespace {

class CColorPickingDlg : public CDialog {
 public:
  explicit CColorPickingDlg(CWnd* pParent) : CDialog(kVelocityDialog, pParent) {}
  COLORREF m_color = RGB(255, 255, 255);
  INT_PTR m_colorResult = 0;

 protected:
  afx_msg void OnColor() {
    CColorDialog dlg;
    m_colorResult = dlg.DoModal();
    if (m_colorResult == IDOK) m_color = dlg.GetColor();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorPickingDlg, CDialog)
ON_BN_CLICKED(kColorButton, &CColorPickingDlg::OnColor)
END_MESSAGE_MAP()

class CTestApp : public CWinApp {
 public:
  BOOL InitInstance() override { return FALSE; }
};

class ColorDialogs : public DialogFrameworkTest {
 protected:
  void SetUp() override {
    DialogFrameworkTest::SetUp();
    m_frame = MakeFrame();
    ASSERT_NE(m_frame, nullptr);
    m_app.m_pMainWnd = m_frame;
  }
  void TearDown() override {
    if (IsWindow(m_frameHwnd())) m_frame->DestroyWindow();
    DialogFrameworkTest::TearDown();
  }
  HWND m_frameHwnd() const { return m_frame != nullptr ? m_frame->m_hWnd : nullptr; }

  CTestApp m_app;
  CFrameWnd* m_frame = nullptr;
};

TEST_F(ColorDialogs, FrameDialogAndColourDialogNestWithTheirOwnersDisabled) {
  CColorPickingDlg dlg(m_frame);
  HWND frame = m_frame->m_hWnd;
  HWND colors = nullptr;
  Script({[&] {
            EXPECT_FALSE(IsWindowEnabled(frame));
            EXPECT_EQ(GetParent(dlg.m_hWnd), frame);
            ClickChild(GetDlgItem(dlg.m_hWnd, kColorButton), 5, 5);
          },
          [&] {
            colors = GetActiveWindow();
            EXPECT_NE(colors, dlg.m_hWnd);
            // No parent was given: the active window, the dialog, owns it.
            EXPECT_EQ(GetParent(colors), dlg.m_hWnd);
            EXPECT_FALSE(IsWindowEnabled(frame));
            EXPECT_FALSE(IsWindowEnabled(dlg.m_hWnd));
            ClickChild(GetDlgItem(colors, COLOR_MIX), 5, 5);
          },
          [&] {
            Type(colors, "10");
            Tap(colors, VK_TAB);
            Type(colors, "20");
            Tap(colors, VK_TAB);
            Type(colors, "30");
          },
          [&] { ClickChild(GetDlgItem(colors, IDOK), 5, 5); },
          [&] {
            EXPECT_FALSE(IsWindow(colors));
            EXPECT_EQ(GetActiveWindow(), dlg.m_hWnd);
            EXPECT_TRUE(IsWindowEnabled(dlg.m_hWnd));
            EXPECT_FALSE(IsWindowEnabled(frame));
            EXPECT_EQ(dlg.m_colorResult, IDOK);
            ClickChild(GetDlgItem(dlg.m_hWnd, IDOK), 5, 5);
          }});
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_color, RGB(10, 20, 30));
  EXPECT_TRUE(IsWindowEnabled(frame));
  EXPECT_EQ(GetActiveWindow(), frame);
}

TEST_F(ColorDialogs, ACancelledColourDialogChangesNothing) {
  CColorPickingDlg dlg(m_frame);
  Script({[&] { ClickChild(GetDlgItem(dlg.m_hWnd, kColorButton), 5, 5); },
          [&] { Tap(GetActiveWindow(), VK_ESCAPE); },
          [&] {
            EXPECT_EQ(dlg.m_colorResult, IDCANCEL);
            Tap(dlg.m_hWnd, VK_ESCAPE);
          }});
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_color, RGB(255, 255, 255));
}

TEST_F(ColorDialogs, TheConstructorSetsTheRecordAsTheFrameworkDoes) {
  CColorDialog plain;
  EXPECT_EQ(plain.m_cc.lStructSize, sizeof(CHOOSECOLORA));
  EXPECT_EQ(plain.m_cc.Flags & CC_RGBINIT, 0U);  // 0 opens on black, without CC_RGBINIT
  EXPECT_EQ(plain.m_cc.lpCustColors, CColorDialog::GetSavedCustomColors());
  CColorDialog red(RGB(255, 0, 0), CC_FULLOPEN);
  EXPECT_EQ(red.m_cc.Flags, CC_FULLOPEN | CC_RGBINIT);
  EXPECT_EQ(red.GetColor(), RGB(255, 0, 0));
  Script({[this] { Tap(GetActiveWindow(), VK_RETURN); }});
  EXPECT_EQ(red.DoModal(), IDOK);
  EXPECT_EQ(red.GetColor(), RGB(255, 0, 0));
  EXPECT_EQ(red.m_cc.hwndOwner, nullptr);  // the active window was taken, not named
}

TEST_F(ColorDialogs, AParentsTopLevelWindowOwnsTheColourDialog) {
  CColorDialog dlg(0, 0, m_frame);
  Script({[&] {
    EXPECT_EQ(GetParent(GetActiveWindow()), m_frame->m_hWnd);
    EXPECT_FALSE(IsWindowEnabled(m_frame->m_hWnd));
    Tap(GetActiveWindow(), VK_ESCAPE);
  }});
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_cc.hwndOwner, m_frame->m_hWnd);
  EXPECT_TRUE(IsWindowEnabled(m_frame->m_hWnd));
}

}  // namespace
