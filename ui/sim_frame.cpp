// The frame's creation, its layout and its sliders.
#include "ui/sim_frame.h"

#include "core/scales.h"
#include "res/resource.h"

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_POS, ID_INDICATOR_TIME, ID_INDICATOR_DT,
                            ID_INDICATOR_G};

const UINT kScaleImages[] = {IDB_G_150, IDB_G_100, IDB_G_50, IDB_DT_SCALE};

// Group boxes and labels answer to no id.
constexpr UINT kNoId = static_cast<UINT>(-1);

}  // namespace

BEGIN_MESSAGE_MAP(CSimFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_SIZE()
ON_WM_RBUTTONDOWN()
ON_WM_VSCROLL()
ON_COMMAND(ID_HELP_INSTRUCTIONS, &CSimFrame::OnInstructions)
ON_COMMAND(ID_HELP_ABOUT, &CSimFrame::OnAbout)
ON_COMMAND(ID_FILE_EXIT, &CSimFrame::OnExit)
ON_UPDATE_COMMAND_UI(ID_CONTROL_GO, &CSimFrame::OnUpdateGo)
ON_COMMAND(ID_CONTROL_GO, &CSimFrame::OnGo)
ON_COMMAND(ID_CONTROL_STOP, &CSimFrame::OnStop)
ON_UPDATE_COMMAND_UI(ID_CONTROL_STOP, &CSimFrame::OnUpdateStop)
ON_BN_CLICKED(IDC_GO, &CSimFrame::OnGo)
ON_BN_CLICKED(IDC_STOP, &CSimFrame::OnStop)
END_MESSAGE_MAP()

CSimFrame::CSimFrame() = default;

CSimFrame::~CSimFrame() = default;

BOOL CSimFrame::PreCreateWindow(CREATESTRUCT& cs) {
  cs.cx = 600;
  cs.cy = 450;
  cs.style &= ~static_cast<LONG>(WS_THICKFRAME);
  cs.lpszName = "Astrolathe v1.0";
  return CFrameWnd::PreCreateWindow(cs);
}

int CSimFrame::OnCreate(LPCREATESTRUCT lpcs) {
  if (CFrameWnd::OnCreate(lpcs) == -1) return -1;

  m_statusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR);
  m_statusBar.SetIndicators(kIndicators, 5);

  const CRect placeholder(0, 0, 1, 1);
  m_panelBox.Create("", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, placeholder, this, kNoId);
  m_goButton.Create("Go", WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON, placeholder, this,
                    IDC_GO);
  m_stopButton.Create("Stop", WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON, placeholder,
                      this, IDC_STOP);
  m_dtBox.Create("delta t", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, placeholder, this, kNoId);
  m_dtSlider.Create(WS_CHILD | WS_VISIBLE | TBS_VERT | TBS_AUTOTICKS, placeholder, this,
                    IDC_DT_SLIDER);
  m_dtSlider.SetRange(0, 5, FALSE);
  ::SendMessageA(m_dtSlider.m_hWnd, TBM_SETPOS, TRUE, 3);
  m_gBox.Create("G", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, placeholder, this, kNoId);
  m_gSlider.Create(WS_CHILD | WS_VISIBLE | TBS_VERT | TBS_NOTICKS, placeholder, this, IDC_G_SLIDER);
  m_gSlider.SetRange(50, 150, FALSE);
  ::SendMessageA(m_gSlider.m_hWnd, TBM_SETPOS, TRUE, 100);
  for (CStatic& image : m_scaleImages) {
    image.Create(nullptr, WS_CHILD | WS_VISIBLE | SS_BITMAP, placeholder, this, kNoId);
  }

  // Each label shows its own bitmap. The first three, once detached, belong
  // to nobody and stay until the program ends, so no label ever loses the
  // picture it shows; the frame keeps the last.
  for (int i = 0; i < 4; ++i) {
    m_scaleBitmap.Detach();
    m_scaleBitmap.LoadBitmap(kScaleImages[i]);
    ::SendMessageA(m_scaleImages[i].m_hWnd, STM_SETIMAGE, IMAGE_BITMAP,
                   reinterpret_cast<LPARAM>(m_scaleBitmap.m_hObject));
  }

  m_statusBar.SetPaneText(2, "t: 0.000000e+000 s", TRUE);
  m_statusBar.SetPaneText(3, "       100 s", TRUE);
  CString g;
  g.Format("%.4e", m_table.m_G);
  m_statusBar.SetPaneText(4, g, TRUE);

  m_goEnabled = FALSE;
  m_stopEnabled = FALSE;
  return 0;
}

void CSimFrame::GetSceneRect(RECT* rect) {
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, rect, nullptr, TRUE);
}

void CSimFrame::OnSize(UINT nType, int cx, int cy) {
  CFrameWnd::OnSize(nType, cx, cy);
  RECT scene;
  GetSceneRect(&scene);
  const int r = scene.right;
  const int b = scene.bottom;
  m_panelBox.MoveWindow(r - 140, b - 280, 135, 275, TRUE);
  m_goButton.MoveWindow(r - 130, b - 265, 50, 25, TRUE);
  m_stopButton.MoveWindow(r - 65, b - 265, 50, 25, TRUE);
  m_dtBox.MoveWindow(r - 135, b - 230, 60, 220, TRUE);
  m_dtSlider.MoveWindow(r - 132, b - 210, 27, 190, TRUE);
  m_scaleImages[3].MoveWindow(r - 102, b - 190, 15, 150, TRUE);
  m_gBox.MoveWindow(r - 70, b - 230, 60, 220, TRUE);
  m_gSlider.MoveWindow(r - 67, b - 210, 27, 190, TRUE);
  m_scaleImages[0].MoveWindow(r - 40, b - 203, 25, 10, TRUE);
  m_scaleImages[1].MoveWindow(r - 40, b - 121, 25, 10, TRUE);
  m_scaleImages[2].MoveWindow(r - 40, b - 41, 25, 10, TRUE);
}

void CSimFrame::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  // Every notification alike: the handler reads the slider itself.
  const int id = pScrollBar != nullptr ? pScrollBar->GetDlgCtrlID() : 0;
  if (id == IDC_DT_SLIDER) {
    const int pos = static_cast<int>(::SendMessageA(m_dtSlider.m_hWnd, TBM_GETPOS, 0, 0));
    const int max = static_cast<int>(::SendMessageA(m_dtSlider.m_hWnd, TBM_GETRANGEMAX, 0, 0));
    m_table.m_dt = TimeStepFromSlider(pos, max);
    CString text;
    text.Format("%10d s", static_cast<int>(m_table.m_dt));
    m_statusBar.SetPaneText(3, text, TRUE);
  } else {
    const int pos = static_cast<int>(::SendMessageA(m_gSlider.m_hWnd, TBM_GETPOS, 0, 0));
    m_table.m_G = GravityFromSlider(pos);
    CString text;
    text.Format("%.4e", m_table.m_G);
    m_statusBar.SetPaneText(4, text, TRUE);
  }
  CFrameWnd::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CSimFrame::OnExit() { DestroyWindow(); }

void CSimFrame::PostNcDestroy() { delete this; }
