#include "platform/afx/cmd_ui.h"

#include "platform/afx/wnd.h"
#include "platform/win/menu/menu.h"

void CCmdUI::Enable(BOOL bOn) {
  if (m_pMenu != nullptr) {
    EnableMenuItem(m_pMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
  } else if (m_pOther != nullptr) {
    m_pOther->EnableWindow(bOn);
  }
  m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) {
  if (m_pMenu != nullptr) {
    CheckMenuItem(m_pMenu, m_nIndex, MF_BYPOSITION | (nCheck != 0 ? MF_CHECKED : 0U));
  }
}

void CCmdUI::SetText(LPCSTR lpszText) {
  if (m_pMenu != nullptr) {
    ModifyMenuA(m_pMenu, m_nIndex, MF_BYPOSITION | MF_STRING, m_nID, lpszText);
  } else if (m_pOther != nullptr) {
    m_pOther->SetWindowText(lpszText);
  }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  if (pTarget == nullptr) return FALSE;
  m_bEnableChanged = FALSE;
  const BOOL handled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
  if (bDisableIfNoHndler && !m_bEnableChanged) {
    AFX_CMDHANDLERINFO info{};
    Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
  }
  return handled;
}
