#include "platform/afx/data_exchange.h"

#include <vector>

#include "platform/afx/cstring.h"
#include "platform/afx/wnd.h"

HWND CDataExchange::PrepareCtrl(int nIDC) {
  if (m_pDlgWnd == nullptr) return nullptr;
  HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
  m_idLastControl = nIDC;
  m_bEditLastControl = FALSE;
  return control;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  HWND control = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return control;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (pDX == nullptr || rControl.m_hWnd != nullptr) return;
  HWND control = pDX->PrepareCtrl(nIDC);
  if (control != nullptr) rControl.SubclassWindow(control);
}

namespace {

CString TextOf(HWND control) {
  const int n = ::GetWindowTextLengthA(control);
  std::vector<char> buffer(static_cast<size_t>(n) + 1, '\0');
  ::GetWindowTextA(control, buffer.data(), n + 1);
  return {buffer.data()};
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  if (pDX == nullptr) return;
  HWND control = pDX->PrepareEditCtrl(nIDC);
  if (control == nullptr) return;
  if (pDX->m_bSaveAndValidate) {
    value = TextOf(control);
  } else if (TextOf(control) != value) {
    ::SetWindowTextA(control, value);
  }
}
