#include "platform/afx/control_bar.h"

#include "platform/afx/frame_wnd.h"

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, &CControlBar::OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
  auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  if (layout == nullptr || (GetStyle() & WS_VISIBLE) == 0) return 0;
  const bool horz = (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
  const CSize size = CalcFixedLayout(layout->bStretch, horz ? TRUE : FALSE);
  CRect free(layout->rect);
  CRect mine = free;
  if ((m_dwStyle & CBRS_ALIGN_BOTTOM) != 0) {
    mine.top = free.bottom - size.cy;
    layout->rect.bottom -= size.cy;
  } else if ((m_dwStyle & CBRS_ALIGN_TOP) != 0) {
    mine.bottom = free.top + size.cy;
    layout->rect.top += size.cy;
  } else if ((m_dwStyle & CBRS_ALIGN_LEFT) != 0) {
    mine.right = free.left + size.cx;
    layout->rect.left += size.cx;
  } else if ((m_dwStyle & CBRS_ALIGN_RIGHT) != 0) {
    mine.left = free.right - size.cx;
    layout->rect.right -= size.cx;
  }
  if (!layout->query) MoveWindow(&mine, TRUE);
  return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
  if ((GetStyle() & WS_VISIBLE) == 0) return 0;
  auto* frame = dynamic_cast<CFrameWnd*>(GetParent());
  if (frame != nullptr) OnUpdateCmdUI(frame, static_cast<BOOL>(wParam));
  return 0;
}
