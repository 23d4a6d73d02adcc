// CWnd's window functions and default handlers: each says in the framework's
// terms what the system function does.
#include <vector>

#include "platform/afx/control_bar.h"
#include "platform/afx/data_exchange.h"
#include "platform/afx/dc.h"
#include "platform/afx/font.h"
#include "platform/afx/wnd.h"
#include "platform/win/menu/menu.h"

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageA(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::InvalidateRect(const RECT* lpRect, BOOL bErase) {
  ::InvalidateRect(m_hWnd, lpRect, bErase);
}
void CWnd::ValidateRect(const RECT* lpRect) { ::ValidateRect(m_hWnd, lpRect); }
BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }
void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}
void CWnd::MoveWindow(const RECT* lpRect, BOOL bRepaint) {
  if (lpRect == nullptr) return;
  ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}
BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  return ::SetWindowPos(m_hWnd, pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr, x,
                        y, cx, cy, nFlags);
}
void CWnd::GetClientRect(RECT* lpRect) const {
  if (!::GetClientRect(m_hWnd, lpRect) && lpRect != nullptr) ::SetRectEmpty(lpRect);
}
void CWnd::GetWindowRect(RECT* lpRect) const {
  if (!::GetWindowRect(m_hWnd, lpRect) && lpRect != nullptr) ::SetRectEmpty(lpRect);
}
void CWnd::ClientToScreen(POINT* lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
void CWnd::ClientToScreen(RECT* lpRect) const {
  if (lpRect == nullptr) return;
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(lpRect), 2);
}
void CWnd::ScreenToClient(POINT* lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
void CWnd::ScreenToClient(RECT* lpRect) const {
  if (lpRect == nullptr) return;
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(lpRect), 2);
}
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int nID) { return static_cast<int>(::SetWindowLongA(m_hWnd, GWL_ID, nID)); }
CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::GetTopLevelParent() const { return FromHandle(::GetAncestorTopLevel(m_hWnd)); }
void CWnd::SetWindowText(LPCTSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }
int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
  return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}
void CWnd::GetWindowText(CString& rString) const {
  const int n = ::GetWindowTextLengthA(m_hWnd);
  std::vector<char> buffer(static_cast<size_t>(n) + 1, '\0');
  ::GetWindowTextA(m_hWnd, buffer.data(), n + 1);
  rString = buffer.data();
}
int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }
DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)); }
BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT /*nFlags*/) {
  const DWORD old = GetStyle();
  const DWORD now = (old & ~dwRemove) | dwAdd;
  if (now == old) return FALSE;
  ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(now));
  return TRUE;
}
void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont != nullptr ? pFont->m_hObject : nullptr),
              bRedraw);
}
CFont* CWnd::GetFont() const {
  return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}
CMenu* CWnd::GetMenu() const { return nullptr; }
UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
  return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}
BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* pDC) {
  if (pDC == nullptr) return 0;
  HDC hdc = pDC->m_hDC;
  CDC::ForgetHandle(hdc);
  return ::ReleaseDC(m_hWnd, hdc);
}
BOOL CWnd::IsChild(const CWnd* pWnd) const {
  return pWnd != nullptr && ::IsChild(m_hWnd, pWnd->m_hWnd) ? TRUE : FALSE;
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  HWND owner = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd : ::GetParent(m_hWnd);
  RECT mine;
  GetWindowRect(&mine);
  RECT around{};
  if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
    ::GetWindowRect(owner, &around);
  } else {
    const host::Rect area = GetWindowSystemHost() != nullptr ? GetWindowSystemHost()->GetWorkArea()
                                                             : host::Rect{0, 0, 1024, 768};
    around = RECT{area.x, area.y, area.x + area.width, area.y + area.height};
  }
  const int w = mine.right - mine.left;
  const int h = mine.bottom - mine.top;
  int x = (around.left + around.right - w) / 2;
  int y = (around.top + around.bottom - h) / 2;
  if ((GetStyle() & WS_CHILD) != 0) {
    POINT p{x, y};
    ::ScreenToClient(::GetParent(m_hWnd), &p);
    x = p.x;
    y = p.y;
  }
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

void CWnd::DoDataExchange(CDataExchange* /*pDX*/) {}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag,
                          RECT* lpRectParam, const RECT* lpRectClient, BOOL bStretch) {
  AFX_SIZEPARENTPARAMS layout{};
  layout.bStretch = bStretch;
  if (lpRectClient != nullptr) {
    layout.rect = *lpRectClient;
  } else {
    GetClientRect(&layout.rect);
  }
  // In query mode the bars only say how much they would take.
  layout.query = nFlag == reposQuery;
  HWND leftOver = nullptr;
  for (HWND c = ::GetWindow(m_hWnd, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
    const auto id = static_cast<UINT>(::GetDlgCtrlID(c)) & 0xFFFFU;
    if (id == nIDLeftOver) leftOver = c;
    if (id >= nIDFirst && id <= nIDLast) {
      ::SendMessageA(c, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }
  }
  if (nFlag == reposQuery) {
    if (lpRectParam != nullptr) *lpRectParam = layout.rect;
    return;
  }
  if (nFlag == reposExtra && lpRectParam != nullptr) {
    layout.rect.left += lpRectParam->left;
    layout.rect.top += lpRectParam->top;
    layout.rect.right -= lpRectParam->right;
    layout.rect.bottom -= lpRectParam->bottom;
  }
  if (leftOver != nullptr) {
    ::MoveWindow(leftOver, layout.rect.left, layout.rect.top, layout.rect.right - layout.rect.left,
                 layout.rect.bottom - layout.rect.top, TRUE);
  }
}

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
