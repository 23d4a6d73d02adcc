// Dialog data exchange: one pass of CWnd::UpdateData, from the members to
// the controls (m_bSaveAndValidate FALSE) or back (TRUE), and the DDX_
// functions a DoDataExchange calls for each control.
#pragma once

#include "platform/win/windef.h"

class CString;
class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
      : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

  // The window of control `nIDC` of the dialog, remembered as the last
  // control exchanged; null when the dialog has no such control.
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC);

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  int m_idLastControl = 0;
  BOOL m_bEditLastControl = FALSE;
};

// Attaches `rControl` to control `nIDC` the first time (subclassing it, so
// that the wrapper's message map sees the control's messages); later
// passes find it attached and do nothing. A missing control, or one another
// object holds already, is left alone.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Copies `value` into the control's text, or the text back into `value`.
// Writing uses SetWindowText only when the text differs, as the framework
// does, so an edit raises EN_CHANGE for a new text and not for the same
// one again. A missing control leaves `value` as it is.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
