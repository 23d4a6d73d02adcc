// Placing a body with a left drag, editing one with a right press, and the
// pointer position in the status bar.
#include <algorithm>

#include "dialogs/about_dlg.h"
#include "dialogs/instructions_dlg.h"
#include "dialogs/properties_dlg.h"
#include "dialogs/velocity_text.h"
#include "ui/sim_frame.h"

namespace {

// The box of the line from `a` to `b`, widened on every side, its left and
// top held at 0.
RECT LineArea(POINT a, POINT b, int margin) {
  return RECT{std::max<LONG>(0, std::min(a.x, b.x) - margin),
              std::max<LONG>(0, std::min(a.y, b.y) - margin), std::max(a.x, b.x) + margin,
              std::max(a.y, b.y) + margin};
}

}  // namespace

void CSimFrame::OnLButtonDown(UINT nFlags, CPoint point) {
  if (m_table.m_bodyCount >= kMaxBodies) {
    CString text;
    text.Format("Cannot add bodies (%d max)", kMaxBodies);
    SetMessageText(text);
    return;
  }
  if (::PtInRect(&m_panelRect, point)) {
    m_pressInPanel = TRUE;
    return;
  }
  m_dragStart = point;
  m_pressInPanel = FALSE;
  m_table.m_bodies[m_table.m_bodyCount].SetScreenPos(point.x, point.y);
  m_dragging = TRUE;
  CFrameWnd::OnLButtonDown(nFlags, point);
}

void CSimFrame::OnMouseMove(UINT nFlags, CPoint point) {
  CString text;
  text.Format("x: %de+009  y:%de+009", point.x, point.y);
  m_statusBar.SetPaneText(1, text, TRUE);
  if (m_dragging) {
    // The previous line's area: the next paint erases that line and draws
    // the new one inside it.
    const RECT area = LineArea(m_dragStart, m_dragEnd, 10);
    m_dragEnd = point;
    InvalidateRect(&area, FALSE);
  }
  CFrameWnd::OnMouseMove(nFlags, point);
}

void CSimFrame::OnLButtonUp(UINT nFlags, CPoint point) {
  if (m_table.m_bodyCount >= kMaxBodies) {
    SetMessageText("Ready");
    return;
  }
  if (m_pressInPanel) return;
  // Only the release of a press that started a drag places a body: a second
  // release would open the dialog for a slot no press has positioned.
  if (!m_dragging) return;
  m_dragging = FALSE;

  CPropertiesDlg dialog(this);
  dialog.SetPositionText(m_dragStart.x, m_dragStart.y);
  dialog.SetVelocityFromDrag(m_dragStart.x, m_dragStart.y, point.x, point.y);
  dialog.SetBodyIndex(m_table.m_bodyCount);
  dialog.SetColor(RGB(255, 255, 255));
  dialog.SetCanRemove(FALSE);
  if (dialog.DoModal() == IDOK) {
    CBody& body = m_table.m_bodies[m_table.m_bodyCount];
    // Where the press put it: a body removed while the dialog or the drag
    // was open has shifted the table, leaving this slot a copy of the old
    // last body, position and all.
    body.SetScreenPos(m_dragStart.x, m_dragStart.y);
    body.SetMass(dialog.m_mass);
    body.SetColor(dialog.m_color);
    // Reaches past the biggest square around the drag start, so the new
    // body is drawn and the line erased.
    const RECT area = LineArea(m_dragStart, m_dragEnd, 15);
    m_dragEnd = point;
    InvalidateRect(&area, FALSE);
    body.SetVx(dialog.m_vx);
    body.SetVy(dialog.m_vy);
    if (m_table.m_bodyCount == 0) {
      m_goButton.EnableWindow(TRUE);
      m_goEnabled = TRUE;
    }
    ++m_table.m_bodyCount;
  }
  CFrameWnd::OnLButtonUp(nFlags, point);
}

void CSimFrame::OnRButtonDown(UINT nFlags, CPoint point) {
  int i = 0;
  const int count = m_table.LiveCount();
  while (i < count) {
    const RECT square = m_table.m_bodies[i].GetRect();
    if (::PtInRect(&square, point)) break;
    ++i;
  }
  if (i == count) {
    CFrameWnd::OnRButtonDown(nFlags, point);
    return;
  }
  CBody& body = m_table.m_bodies[i];
  CPropertiesDlg dialog(this);
  dialog.SetBodyIndex(i);
  const POINT centre = body.GetScreenPos();
  dialog.SetPositionText(centre.x, centre.y);
  dialog.m_vxText.Format("%d", VelocityTextValue(body.GetVx()));
  dialog.m_vyText.Format("%d", VelocityTextValue(body.GetVy()));
  dialog.SetVelocity(body.GetVx(), body.GetVy());
  dialog.SetMass(body.GetMass());
  dialog.SetColor(body.GetColor());
  dialog.SetCanRemove(TRUE);
  const RECT kept = body.GetRect();
  if (dialog.DoModal() == IDOK) {
    body.SetMass(dialog.m_mass);
    body.SetColor(dialog.m_color);
    InvalidateRect(&kept, FALSE);
    const RECT now = body.GetRect();
    InvalidateRect(&now, TRUE);
    body.SetVx(dialog.m_vx);
    body.SetVy(dialog.m_vy);
  }
}

void CSimFrame::OnInstructions() {
  CInstructionsDlg dialog(this);
  dialog.DoModal();
}

void CSimFrame::OnAbout() {
  CAboutDlg dialog(this);
  dialog.DoModal();
}
