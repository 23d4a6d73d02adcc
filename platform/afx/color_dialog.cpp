#include "platform/afx/color_dialog.h"

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) {
  m_pParentWnd = pParentWnd;
  m_cc.lStructSize = sizeof(m_cc);
  m_cc.lpCustColors = GetSavedCustomColors();
  m_cc.Flags = dwFlags;
  m_cc.rgbResult = clrInit;
  if (clrInit != 0) m_cc.Flags |= CC_RGBINIT;
}

COLORREF* CColorDialog::GetSavedCustomColors() {
  static COLORREF custom[16] = {
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
  };
  return custom;
}

void CColorDialog::SetCurrentColor(COLORREF clr) {
  m_cc.rgbResult = clr;
  m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal() {
  HWND parent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
  m_cc.hwndOwner = parent != nullptr ? ::GetAncestorTopLevel(parent) : nullptr;
  return ::ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
}
