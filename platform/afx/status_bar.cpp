#include "platform/afx/status_bar.h"

#include <algorithm>
#include <cstring>

#include "platform/afx/cmd_ui.h"
#include "platform/afx/frame_wnd.h"
#include "platform/win/commctrl.h"

namespace {

// An indicator's look as its update handler says it.
class CStatusCmdUI : public CCmdUI {
 public:
  explicit CStatusCmdUI(CStatusBar* bar) : m_bar(bar) {}
  void Enable(BOOL bOn) override {
    m_bEnableChanged = TRUE;
    const UINT style = m_bar->GetPaneStyle(static_cast<int>(m_nIndex));
    m_bar->SetPaneStyle(static_cast<int>(m_nIndex),
                        bOn ? (style & ~SBPS_DISABLED) : (style | SBPS_DISABLED));
  }
  void SetCheck(int nCheck) override {
    const UINT style = m_bar->GetPaneStyle(static_cast<int>(m_nIndex));
    m_bar->SetPaneStyle(static_cast<int>(m_nIndex),
                        nCheck != 0 ? (style | SBPS_POPOUT) : (style & ~SBPS_POPOUT));
  }
  void SetText(LPCSTR lpszText) override {
    m_bar->SetPaneText(static_cast<int>(m_nIndex), lpszText, TRUE);
  }

 private:
  CStatusBar* m_bar;
};

}  // namespace

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_SIZE()
ON_MESSAGE(WM_SETTEXT, &CStatusBar::OnSetText)
ON_MESSAGE(WM_GETTEXT, &CStatusBar::OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, &CStatusBar::OnGetTextLength)
END_MESSAGE_MAP()

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  SetBarStyle(dwStyle);
  const RECT none{0, 0, 0, 0};
  return CWnd::Create(STATUSCLASSNAMEA, nullptr, (dwStyle & ~CBRS_ALL) | WS_CHILD, none, pParentWnd,
                      nID);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
  m_panes.clear();
  if (lpIDArray == nullptr || nIDCount <= 0) return FALSE;
  nIDCount = std::min(nIDCount, 255);
  BOOL ok = TRUE;
  HDC hdc = ::GetDC(m_hWnd);
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = hdc != nullptr && font != nullptr ? ::SelectObject(hdc, font) : nullptr;
  for (int i = 0; i < nIDCount; ++i) {
    SPane pane;
    pane.nID = lpIDArray[i];
    if (pane.nID != ID_SEPARATOR) {
      if (!pane.strText.LoadString(pane.nID)) ok = FALSE;
      SIZE extent{0, 0};
      if (hdc != nullptr) {
        ::GetTextExtentPoint32A(hdc, pane.strText, pane.strText.GetLength(), &extent);
      }
      pane.cxText = extent.cx;
    } else if (i == 0) {
      pane.nStyle = SBPS_STRETCH | SBPS_NOBORDERS;
    }
    m_panes.push_back(pane);
  }
  if (oldFont != nullptr) ::SelectObject(hdc, oldFont);
  if (hdc != nullptr) ::ReleaseDC(m_hWnd, hdc);
  UpdateAllPanes();
  for (int i = 0; i < GetCount(); ++i) SendPaneText(i);
  return ok;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (m_panes[static_cast<size_t>(i)].nID == nIDFind) return i;
  }
  return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const {
  return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<size_t>(nIndex)].nID : 0;
}

void CStatusBar::GetItemRect(int nIndex, RECT* lpRect) const {
  if (lpRect == nullptr) return;
  ::SetRectEmpty(lpRect);
  if (nIndex < 0 || nIndex >= GetCount()) return;
  ::SendMessageA(m_hWnd, SB_GETRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect));
}

CString CStatusBar::GetPaneText(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetCount()) return CString();
  return m_panes[static_cast<size_t>(nIndex)].strText;
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL /*bUpdate*/) {
  if (nIndex < 0 || nIndex >= GetCount()) return FALSE;
  SPane& pane = m_panes[static_cast<size_t>(nIndex)];
  const char* text = lpszNewText != nullptr ? lpszNewText : "";
  if (pane.strText == text) return TRUE;
  pane.strText = text;
  SendPaneText(nIndex);
  return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
  if (nIndex < 0 || nIndex >= GetCount()) {
    nID = 0;
    nStyle = 0;
    cxWidth = 0;
    return;
  }
  const SPane& pane = m_panes[static_cast<size_t>(nIndex)];
  nID = pane.nID;
  nStyle = pane.nStyle;
  cxWidth = pane.cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
  if (nIndex < 0 || nIndex >= GetCount()) return;
  SPane& pane = m_panes[static_cast<size_t>(nIndex)];
  pane.nID = nID;
  pane.nStyle = nStyle;
  pane.cxText = std::max(0, cxWidth);
  UpdateAllPanes();
  SendPaneText(nIndex);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const {
  return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<size_t>(nIndex)].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
  if (nIndex < 0 || nIndex >= GetCount()) return;
  SPane& pane = m_panes[static_cast<size_t>(nIndex)];
  if (pane.nStyle == nStyle) return;
  pane.nStyle = nStyle;
  SendPaneText(nIndex);
}

void CStatusBar::SendPaneText(int nIndex) {
  const SPane& pane = m_panes[static_cast<size_t>(nIndex)];
  UINT flags = 0;
  if ((pane.nStyle & SBPS_NOBORDERS) != 0) flags |= 0x0100U;  // SBT_NOBORDERS
  if ((pane.nStyle & SBPS_POPOUT) != 0) flags |= 0x0200U;     // SBT_POPOUT
  // A disabled indicator shows no text.
  const char* text = (pane.nStyle & SBPS_DISABLED) != 0 ? "" : static_cast<LPCSTR>(pane.strText);
  ::SendMessageA(m_hWnd, SB_SETTEXTA, static_cast<WPARAM>(nIndex) | flags,
                 reinterpret_cast<LPARAM>(text));
}

void CStatusBar::UpdateAllPanes() {
  if (m_panes.empty() || m_hWnd == nullptr) return;
  RECT client;
  GetClientRect(&client);
  int borders[3] = {0, 2, 2};
  ::SendMessageA(m_hWnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
  const int gap = borders[2];
  int fixed = 0;
  int stretchy = 0;
  for (const SPane& p : m_panes) {
    if ((p.nStyle & SBPS_STRETCH) != 0) {
      ++stretchy;
    } else {
      fixed += p.cxText + kPaneBorder;
    }
  }
  fixed += gap * (GetCount() - 1);
  const int extra = std::max(0, static_cast<int>(client.right) - fixed);
  std::vector<int> rights;
  int right = 0;
  for (size_t i = 0; i < m_panes.size(); ++i) {
    const SPane& p = m_panes[i];
    if (i > 0) right += gap;
    right +=
        (p.nStyle & SBPS_STRETCH) != 0 ? extra / std::max(1, stretchy) : p.cxText + kPaneBorder;
    rights.push_back(right);
  }
  ::SendMessageA(m_hWnd, SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
}

CSize CStatusBar::CalcFixedLayout(BOOL /*bStretch*/, BOOL bHorz) {
  return bHorz ? CSize(32767, kHeight) : CSize(kHeight, 32767);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL /*bDisableIfNoHndler*/) {
  CStatusCmdUI state(this);
  state.m_pOther = this;
  state.m_nIndexMax = static_cast<UINT>(GetCount());
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    state.m_nID = m_panes[state.m_nIndex].nID;
    if (state.m_nID == ID_SEPARATOR) continue;
    // An indicator without an update handler keeps its text: nothing here
    // hides panes that nobody looks after.
    state.DoUpdate(pTarget, FALSE);
  }
}

void CStatusBar::OnSize(UINT nType, int cx, int cy) {
  CControlBar::OnSize(nType, cx, cy);
  UpdateAllPanes();
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam) {
  if (GetCount() == 0) return FALSE;
  return SetPaneText(0, reinterpret_cast<LPCSTR>(lParam));
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam) {
  auto* buffer = reinterpret_cast<LPSTR>(lParam);
  const int size = static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFF));
  if (buffer == nullptr || size <= 0) return 0;
  const CString text = GetPaneText(0);
  const int n = std::min(text.GetLength(), size - 1);
  std::memcpy(buffer, static_cast<LPCSTR>(text), static_cast<size_t>(n));
  buffer[n] = '\0';
  return n;
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM) { return GetPaneText(0).GetLength(); }
