// CDialog: a dialog from a template in the program's resources, run
// modally with DoModal or made modeless with Create. Its window is
// attached to the object as it is made, before WM_INITDIALOG, so that
// OnInitDialog runs in the object; OK and Cancel are OnOK and OnCancel,
// through the message map that a derived dialog chains to CDialog's. The
// dialog keyboard runs in PreTranslateMessage, so the framework's own pump
// (CWinThread::PumpMessage), which the modal loop uses, and a modeless
// dialog under the program's loop both have it. The dialog paints its
// client area in the face colour (the brush it answers to WM_CTLCOLORDLG)
// under its controls.
#pragma once

#include "platform/afx/wnd.h"
#include "platform/win/dlg/dialogs.h"

class CDialog : public CWnd {
 public:
  CDialog() = default;
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

  // Runs the dialog over its parent's top-level window (with no parent,
  // over the active window, else the main window) and returns what
  // EndDialog was given: IDOK, IDCANCEL; IDCANCEL also when a quit message
  // ended the loop; -1 when the template is missing, a control cannot be
  // made, or the dialog is open already.
  virtual INT_PTR DoModal();
  // Makes the dialog modeless (shown if its template says WS_VISIBLE);
  // FALSE when it cannot be made.
  BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  void EndDialog(int nResult);

  // WM_INITDIALOG: the controls get the members' values (UpdateData(FALSE));
  // TRUE gives the focus to the first tab stop.
  virtual BOOL OnInitDialog();
  // IDOK: reads the controls back (UpdateData(TRUE)), then EndDialog(IDOK).
  virtual void OnOK();
  // IDCANCEL: EndDialog(IDCANCEL).
  virtual void OnCancel();
  BOOL PreTranslateMessage(MSG* pMsg) override;

  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void GotoDlgCtrl(CWnd* pWndCtrl);
  void SetDefID(UINT nID);
  DWORD GetDefID() const;
  void MapDialogRect(RECT* lpRect) const;

 protected:
  LPCTSTR m_lpszTemplateName = nullptr;
  CWnd* m_pParentWnd = nullptr;

  afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  HWND OwnerWindow() const;
  const DialogTemplate* FindTemplate(LPCTSTR name) const;
  HWND MakeWindow(const DialogTemplate* dialogTemplate, HWND owner, bool modal);
};
