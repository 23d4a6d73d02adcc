// CFrameWnd: a top-level window with a menu, control bars and a message
// line. It lays its bars out on every size change, shows menu prompts and
// the idle message in the status bar's first pane, brings menu items up to
// date as their drop-downs open, and routes commands on to the application.
#pragma once

#include "platform/afx/wnd.h"

class CCmdUI;

inline constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

class CFrameWnd : public CWnd {
 public:
  CFrameWnd() = default;

  static const CRect rectDefault;  // the system's choice of place and size

  // Loads menu, icon and title string `nIDResource` and creates the window.
  // FALSE when it could not; the frame may then already be gone (a frame
  // deletes itself when its window goes).
  virtual BOOL LoadFrame(UINT nIDResource,
                         DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         CWnd* pParentWnd = nullptr, void* pContext = nullptr);
  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
              const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
              LPCTSTR lpszMenuName = nullptr, DWORD dwExStyle = 0, void* pContext = nullptr);

  // The message line: pane 0 of the status bar.
  void SetMessageText(LPCTSTR lpszText);
  void SetMessageText(UINT nID);
  CWnd* GetMessageBar();
  // The text of string `nID` up to its first newline, as a prompt.
  virtual void GetMessageString(UINT nID, CString& rMessage) const;
  virtual void RecalcLayout(BOOL bNotify = TRUE);

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  void PostNcDestroy() override;

  BOOL m_bAutoMenuEnable = TRUE;  // items with no handler at all are grayed
  CString m_strTitle;

 protected:
  UINT m_nIDHelp = 0;
  UINT m_nIDTracking = 0;
  UINT m_nIDLastMessage = 0;

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnClose();
  afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
  afx_msg void OnInitMenuPopup(HMENU hPopup, UINT nIndex, BOOL bSysMenu);
  afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnHelpMessage(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
