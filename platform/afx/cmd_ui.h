// CCmdUI: the question "how should this command look right now?", put to the
// command's update handler for a menu item, a status-bar pane or a button.
#pragma once

#include "platform/afx/cmd_target.h"
#include "platform/win/windef.h"

class CWnd;

class CCmdUI {
 public:
  CCmdUI() = default;
  CCmdUI(const CCmdUI&) = delete;
  CCmdUI& operator=(const CCmdUI&) = delete;
  virtual ~CCmdUI() = default;

  // What an update handler may say. The menu-item form is built in; status
  // bar panes and buttons derive their own.
  virtual void Enable(BOOL bOn = TRUE);
  virtual void SetCheck(int nCheck = 1);
  virtual void SetText(LPCSTR lpszText);
  void SetRadio(BOOL bOn = TRUE) { SetCheck(bOn ? 1 : 0); }

  // Asks `pTarget` (and the targets it routes to) for an update handler.
  // Without one, and with bDisableIfNoHndler, the command is enabled exactly
  // when it has a command handler. TRUE when some handler answered.
  BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

  UINT m_nID = 0;
  UINT m_nIndex = 0;
  HMENU m_pMenu = nullptr;   // the menu holding the item, for menu items
  CWnd* m_pOther = nullptr;  // the window standing for the command otherwise
  BOOL m_bEnableChanged = FALSE;
  BOOL m_bContinueRouting = FALSE;
  UINT m_nIndexMax = 0;
};
