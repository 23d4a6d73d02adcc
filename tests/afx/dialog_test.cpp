// CDialog: its window attached before WM_INITDIALOG, data exchange both
// ways, OK and Cancel through the message map, the codes DoModal returns,
// the edits' change notifications and the up-downs the way the program
// relies on them.
#include <cstdlib>

#include "tests/afx/dialog_fixture.h"

namespace {

class CVelocityDlg : public CDialog {
 public:
  explicit CVelocityDlg(CWnd* pParent = nullptr) : CDialog(kVelocityDialog, pParent) {}

  CEdit m_vxEdit;
  CSpinButtonCtrl m_vxSpin;
  CListBox m_list;
  CString m_vxText;
  double m_vx = 0.0;
  int m_changes = 0;
  bool m_initRan = false;
  bool m_visibleAtInit = true;
  bool m_attachedAtInit = false;
  HWND m_seen = nullptr;  // the window while it was open

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, kVxEdit, m_vxEdit);
    DDX_Control(pDX, kVxSpin, m_vxSpin);
    DDX_Control(pDX, kLinesList, m_list);
    DDX_Text(pDX, kVxEdit, m_vxText);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_initRan = true;
    m_seen = m_hWnd;
    m_visibleAtInit = IsWindowVisible() != FALSE;
    m_attachedAtInit = CWnd::FromHandlePermanent(m_hWnd) == this;
    m_vxSpin.SetRange(0, 1);
    m_vxSpin.SetPos(0);
    for (const char* line : {"first", "", "third"}) m_list.AddString(line);
    return TRUE;
  }
  afx_msg void OnChangeVx() {
    m_vxEdit.GetWindowText(m_vxText);
    m_vx = std::atoi(m_vxText);
    ++m_changes;
  }
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (nSBCode == SB_THUMBPOSITION) {
      m_vx += nPos != 0 ? 1000.0 : -1000.0;
      m_vxText.Format("%.1f", m_vx);
    }
    UpdateData(FALSE);
    CWnd::OnVScroll(nSBCode, nPos, pScrollBar);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CVelocityDlg, CDialog)
ON_EN_CHANGE(kVxEdit, &CVelocityDlg::OnChangeVx)
ON_WM_VSCROLL()
END_MESSAGE_MAP()

class Dialogs : public DialogFrameworkTest {
 protected:
  static CString Text(HWND dialog, int id) {
    char buffer[64] = {};
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
  }
};

TEST_F(Dialogs, OnInitDialogRunsInTheObjectBeforeTheDialogShows) {
  CVelocityDlg dlg;
  dlg.m_vxText = "15000";
  Script({[&] {
    HWND shown = GetActiveWindow();
    EXPECT_EQ(shown, dlg.m_hWnd);
    EXPECT_TRUE(IsWindowVisible(shown));
    EXPECT_EQ(Text(shown, kVxEdit), "15000");
    EXPECT_EQ(GetFocus(), GetDlgItem(shown, IDOK));  // TRUE: the first tab stop
    Tap(shown, VK_RETURN);
  }});
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_TRUE(dlg.m_initRan);
  EXPECT_FALSE(dlg.m_visibleAtInit);
  EXPECT_TRUE(dlg.m_attachedAtInit);
  // Writing the text raised EN_CHANGE, whose handler read it back.
  EXPECT_EQ(dlg.m_vx, 15000.0);
  EXPECT_EQ(dlg.m_changes, 1);
  EXPECT_EQ(dlg.m_vxText, "15000");
  // The window is gone and the controls are let go, ready for the next time.
  EXPECT_EQ(dlg.m_hWnd, nullptr);
  EXPECT_EQ(dlg.m_vxEdit.m_hWnd, nullptr);
  EXPECT_FALSE(IsWindow(dlg.m_seen));
}

TEST_F(Dialogs, TheUpDownsReportOneUpAndZeroDownAndTheTextsFollow) {
  CVelocityDlg dlg;
  dlg.m_vxText = "15000";
  std::vector<CString> texts;
  const auto up = [&] { ClickChild(GetDlgItem(dlg.m_hWnd, kVxSpin), 7, 5); };
  const auto down = [&] { ClickChild(GetDlgItem(dlg.m_hWnd, kVxSpin), 7, 15); };
  const auto look = [&] { texts.push_back(Text(dlg.m_hWnd, kVxEdit)); };
  Script({up, look, up, look, up, look, down, look,
          [&] {
            // Up in the edit presses the up arrow too.
            HWND edit = GetDlgItem(dlg.m_hWnd, kVxEdit);
            SendMessageA(dlg.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
            Tap(dlg.m_hWnd, VK_UP);
          },
          look, [&] { Tap(dlg.m_hWnd, VK_RETURN); }});
  EXPECT_EQ(dlg.DoModal(), IDOK);
  ASSERT_EQ(texts.size(), 5U);
  EXPECT_EQ(texts[0], "16000.0");
  EXPECT_EQ(texts[1], "17000.0");
  EXPECT_EQ(texts[2], "18000.0");
  EXPECT_EQ(texts[3], "17000.0");
  EXPECT_EQ(texts[4], "18000.0");
  EXPECT_EQ(dlg.m_vx, 18000.0);
  EXPECT_EQ(dlg.m_vxText, "18000.0");
}

TEST_F(Dialogs, TypedTextRaisesEnChangeAndOkReadsItBack) {
  CVelocityDlg dlg;
  dlg.m_vxText = "1";
  Script({[&] {
            ClickChild(GetDlgItem(dlg.m_hWnd, kVxEdit), 5, 5);
            Tap(dlg.m_hWnd, 'A', host::kModCtrl);
            Type(dlg.m_hWnd, "12.9");
          },
          [&] {
            EXPECT_EQ(dlg.m_vx, 12.0);
            EXPECT_EQ(Text(dlg.m_hWnd, kVxEdit), "12.9");
            ClickChild(GetDlgItem(dlg.m_hWnd, IDOK), 5, 5);
          }});
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_vxText, "12.9");
  EXPECT_EQ(dlg.m_changes, 5);  // the program's "1", then four typed characters
}

TEST_F(Dialogs, CancelAndEscapeGiveCancelWithoutReadingTheControls) {
  CVelocityDlg dlg;
  dlg.m_vxText = "5";
  Script({[&] { ClickChild(GetDlgItem(dlg.m_hWnd, IDCANCEL), 5, 5); }});
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  Script({[&] { Tap(dlg.m_hWnd, VK_ESCAPE); }});
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(Dialogs, ReopeningTheSameObjectStartsAfresh) {
  CVelocityDlg dlg;
  std::vector<int> counts;
  const auto countAndClose = [&] {
    counts.push_back(dlg.m_list.GetCount());
    Tap(dlg.m_hWnd, VK_RETURN);
  };
  Script({countAndClose});
  EXPECT_EQ(dlg.DoModal(), IDOK);
  Script({countAndClose});
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(counts, (std::vector<int>{3, 3}));
}

TEST_F(Dialogs, DataExchangeWritesOnlyATextThatDiffers) {
  CVelocityDlg dlg;
  dlg.m_vxText = "7";
  Script({[&] {
    EXPECT_EQ(dlg.m_changes, 1);
    dlg.UpdateData(FALSE);  // the same text: no EN_CHANGE
    EXPECT_EQ(dlg.m_changes, 1);
    dlg.m_vxText = "8";
    dlg.UpdateData(FALSE);
    EXPECT_EQ(dlg.m_changes, 2);
    EXPECT_EQ(dlg.m_vx, 8.0);
    Tap(dlg.m_hWnd, VK_ESCAPE);
  }});
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(Dialogs, AQuitMessageEndsDoModalAsCancelAndIsPostedAgain) {
  CVelocityDlg dlg;
  Script({[] { PostQuitMessage(5); }});
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_hWnd, nullptr);
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 5U);
}

TEST_F(Dialogs, ADialogThatCannotBeMadeGivesMinusOne) {
  CDialog missing(999);
  EXPECT_EQ(missing.DoModal(), -1);
  CDialog broken(kBrokenDialog);
  EXPECT_EQ(broken.DoModal(), -1);
  EXPECT_EQ(broken.m_hWnd, nullptr);
  CDialog named("#401");
  EXPECT_EQ(named.DoModal(), -1);
  // The failure leaves no creation hook behind to catch the next window.
  CWnd plain;
  EXPECT_TRUE(
      plain.CreateEx(0, FrameworkWindowClass(), "plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  EXPECT_EQ(CWnd::FromHandlePermanent(plain.m_hWnd), &plain);
  plain.DestroyWindow();
}

TEST_F(Dialogs, AModelessDialogTakesItsKeyboardFromTheFrameworksPump) {
  class CApp : public CWinApp {
   public:
    BOOL InitInstance() override { return FALSE; }
  } app;
  CFrameWnd* frame = MakeFrame();
  ASSERT_NE(frame, nullptr);
  app.m_pMainWnd = frame;
  CDialog dlg;
  ASSERT_TRUE(dlg.Create(kModelessDialog, frame));
  EXPECT_TRUE(dlg.IsWindowVisible());
  EXPECT_EQ(GetFocus(), GetDlgItem(dlg.m_hWnd, kVxEdit));
  Tap(dlg.m_hWnd, VK_TAB);
  while (PeekMessageA(&app.m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) app.PumpMessage();
  EXPECT_EQ(GetFocus(), GetDlgItem(dlg.m_hWnd, kVyEdit));
  EXPECT_EQ(Text(dlg.m_hWnd, kVyEdit), "two");
  dlg.DestroyWindow();
  frame->DestroyWindow();
}

}  // namespace
