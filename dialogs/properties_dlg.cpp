#include "dialogs/properties_dlg.h"

#include <optional>

#include "core/scales.h"
#include "dialogs/velocity_text.h"
#include "res/resource.h"
#include "ui/sim_frame.h"

BEGIN_MESSAGE_MAP(CPropertiesDlg, CDialog)
ON_BN_CLICKED(IDC_COLOR, &CPropertiesDlg::OnColor)
ON_BN_CLICKED(IDC_REMOVE, &CPropertiesDlg::OnRemove)
ON_WM_HSCROLL()
ON_WM_PAINT()
ON_WM_VSCROLL()
ON_EN_CHANGE(IDC_VX_EDIT, &CPropertiesDlg::OnChangeVx)
ON_EN_CHANGE(IDC_VY_EDIT, &CPropertiesDlg::OnChangeVy)
END_MESSAGE_MAP()

CPropertiesDlg::CPropertiesDlg(CWnd* pParent) : CDialog(IDD_PROPERTIES, pParent) {}

CPropertiesDlg::~CPropertiesDlg() = default;

void CPropertiesDlg::SetBodyIndex(int index) { m_bodyIndex = index; }

void CPropertiesDlg::SetMass(double kg) { m_mass = kg; }

void CPropertiesDlg::SetVelocity(double vx, double vy) {
  m_vx = vx;
  m_vy = vy;
}

void CPropertiesDlg::SetVelocityFromDrag(int x0, int y0, int x1, int y1) {
  const DragVelocity v = VelocityFromDrag(POINT{x0, y0}, POINT{x1, y1});
  m_vx = v.vx;
  m_vy = v.vy;
  m_vxText.Format("%d", VelocityTextValue(m_vx));
  m_vyText.Format("%d", VelocityTextValue(m_vy));
}

void CPropertiesDlg::SetColor(COLORREF color) { m_color = color; }

void CPropertiesDlg::SetCanRemove(BOOL canRemove) { m_canRemove = canRemove; }

void CPropertiesDlg::SetPositionText(int px, int py) {
  m_posXText.Format("%de+009", px);
  m_posYText.Format("%de+009", py);
}

void CPropertiesDlg::DoDataExchange(CDataExchange* pDX) {
  // Every control is attached before the first text reaches any of them:
  // writing the velocity texts raises the change notifications, whose
  // handlers read the edits through their wrappers.
  DDX_Control(pDX, IDC_VY_EDIT, m_vyEdit);
  DDX_Control(pDX, IDC_VX_EDIT, m_vxEdit);
  DDX_Control(pDX, IDC_VY_SPIN, m_vySpin);
  DDX_Control(pDX, IDC_VX_SPIN, m_vxSpin);
  DDX_Control(pDX, IDC_REMOVE, m_removeButton);
  DDX_Control(pDX, IDC_MASS_SLIDER, m_massSlider);
  DDX_Text(pDX, IDC_MASS_EDIT, m_massText);
  DDX_Text(pDX, IDC_VX_EDIT, m_vxText);
  DDX_Text(pDX, IDC_VY_EDIT, m_vyText);
  DDX_Text(pDX, IDC_POS_X_EDIT, m_posXText);
  DDX_Text(pDX, IDC_POS_Y_EDIT, m_posYText);
}

BOOL CPropertiesDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_title.Format("Properties: body %d", m_bodyIndex + 1);
  m_massSlider.SetRange(0, 90, FALSE);
  // A range of exactly 0 to 1 is what tells an up press from a down one.
  m_vxSpin.SetRange(0, 1);
  m_vxSpin.SetPos(0);
  m_vySpin.SetRange(0, 1);
  m_vySpin.SetPos(0);
  if (const std::optional<int> pos = SliderPosFromMass(m_mass)) {
    m_massSlider.SetPos(*pos);
    m_massText.Format("%.2e", m_mass);
  }
  SetWindowText(m_title);
  m_removeButton.EnableWindow(m_canRemove);
  UpdateData(FALSE);
  return TRUE;
}

void CPropertiesDlg::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  // Every notification alike, so the mass follows the thumb while it is dragged.
  m_mass = MassFromSliderPos(m_massSlider.GetPos());
  m_massText.Format("%.2e", m_mass);
  UpdateData(FALSE);
  CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CPropertiesDlg::OnChangeVx() {
  m_vxEdit.GetWindowText(m_vxText);
  m_vx = static_cast<double>(ReadVelocityText(m_vxText));
}

void CPropertiesDlg::OnChangeVy() {
  m_vyEdit.GetWindowText(m_vyText);
  m_vy = static_cast<double>(ReadVelocityText(m_vyText));
}

void CPropertiesDlg::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  const bool x = pScrollBar != nullptr && pScrollBar->GetDlgCtrlID() == IDC_VX_SPIN;
  double& velocity = x ? m_vx : m_vy;
  CString& text = x ? m_vxText : m_vyText;
  if (nSBCode == SB_THUMBPOSITION) {
    velocity = nPos != 0 ? velocity + kVelocityStep : velocity - kVelocityStep;
    text.Format("%.1f", velocity);
  }
  UpdateData(FALSE);
  CDialog::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CPropertiesDlg::OnColor() {
  CColorDialog dialog(0, 0, nullptr);
  if (dialog.DoModal() == IDOK) {
    m_color = dialog.GetColor();
    InvalidateRect(&kSwatchRect, TRUE);
  }
}

void CPropertiesDlg::OnPaint() {
  CPaintDC dc(this);
  CBrush brush(m_color);
  CBrush* kept = dc.SelectObject(&brush);
  dc.Rectangle(kSwatchRect.left, kSwatchRect.top, kSwatchRect.right, kSwatchRect.bottom);
  dc.SelectObject(kept);
  brush.DeleteObject();
}

void CPropertiesDlg::OnRemove() {
  // The one way the dialog reaches into the program: the body leaves the
  // frame's table before the dialog closes.
  if (auto* frame = dynamic_cast<CSimFrame*>(CWnd::FromHandle(::GetParent(m_hWnd)))) {
    frame->RemoveBody(m_bodyIndex);
  }
  EndDialog(IDCANCEL);
}
