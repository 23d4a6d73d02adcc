// CColorDialog: the common colour dialog. An initial colour other than 0
// opens the dialog on it (CC_RGBINIT); 0 opens it on black, as the
// framework does. With no parent, the dialog is owned by the active window,
// which stays disabled while it is open. The 16 custom colours are kept for
// the whole run and shared by every CColorDialog.
#pragma once

#include "platform/afx/dialog.h"
#include "platform/win/dlg/commdlg.h"

class CColorDialog : public CDialog {
 public:
  explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

  // IDOK when a colour was chosen (GetColor has it), IDCANCEL otherwise.
  INT_PTR DoModal() override;
  COLORREF GetColor() const { return m_cc.rgbResult; }
  void SetCurrentColor(COLORREF clr);
  static COLORREF* GetSavedCustomColors();

  CHOOSECOLORA m_cc{};
};
