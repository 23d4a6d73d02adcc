// The scene: a black field, the drag line, every body as a ring of its
// colour with a white centre pixel, and the panel's light-grey backdrop.
// The whole list of drawing is issued on every paint; the update region
// clips it to what was invalidated.
#include "ui/sim_frame.h"

void CSimFrame::OnPaint() {
  CPaintDC dc(this);
  RECT scene;
  GetSceneRect(&scene);
  dc.FillSolidRect(&scene, 0);

  if (m_dragging) {
    CGdiObject* keptPen = dc.SelectStockObject(WHITE_PEN);
    dc.MoveTo(m_dragStart.x, m_dragStart.y);
    dc.LineTo(m_dragEnd.x, m_dragEnd.y);
    dc.SelectObject(keptPen);
  }

  CGdiObject* keptBrush = dc.GetCurrentBrush();
  const int count = m_table.LiveCount();
  for (int i = 0; i < count; ++i) {
    const CBody& body = m_table.m_bodies[i];
    const RECT r = body.GetRect();
    CBrush brush(body.GetColor());
    dc.SelectObject(&brush);
    ::Ellipse(dc.m_hDC, r.left, r.top, r.right, r.bottom);
    dc.SelectStockObject(BLACK_BRUSH);
    ::Ellipse(dc.m_hDC, r.left + 3, r.top + 3, r.right - 3, r.bottom - 3);
    const POINT centre = body.GetScreenPos();
    ::SetPixel(dc.m_hDC, centre.x, centre.y, RGB(255, 255, 255));
    brush.DeleteObject();
  }

  m_panelRect = RECT{scene.right - 141, scene.bottom - 273, scene.right - 6, scene.bottom - 6};
  dc.SelectStockObject(LTGRAY_BRUSH);
  ::Rectangle(dc.m_hDC, m_panelRect.left, m_panelRect.top, m_panelRect.right, m_panelRect.bottom);
  dc.SelectObject(keptBrush);
}
