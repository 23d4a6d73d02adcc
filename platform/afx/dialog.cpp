#include "platform/afx/dialog.h"

#include "platform/afx/afx_resource.h"
#include "platform/afx/win_app.h"
#include "platform/win/dlg/modal_loop.h"
#include "platform/win/res/resources.h"

namespace {

// The object attached to the first window made after it is set: the
// dialog window, which comes before any of its controls.
void AttachDialog(HWND hwnd, void* context) {
  SetWindowCreateHook(nullptr, nullptr);
  static_cast<CDialog*>(context)->SubclassWindow(hwnd);
}

// The framework's offer of a message to the windows it belongs to, from its
// own up to its top-level one, when there is no thread object to do it.
BOOL PreTranslateChain(MSG* msg) {
  for (HWND hwnd = msg->hwnd; hwnd != nullptr; hwnd = ::GetParent(hwnd)) {
    if (CWnd* wnd = CWnd::FromHandlePermanent(hwnd)) {
      if (wnd->PreTranslateMessage(msg)) return TRUE;
    }
    if ((::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) == 0) break;
  }
  return FALSE;
}

BOOL FrameworkPump(HWND /*dialog*/, void* /*context*/, int* quitCode) {
  if (CWinThread* thread = AfxGetThread()) {
    if (thread->PumpMessage()) return TRUE;
    *quitCode = static_cast<int>(thread->m_msgCur.wParam);
    return FALSE;
  }
  MSG msg{};
  if (!::GetMessageA(&msg, nullptr, 0, 0)) {
    *quitCode = static_cast<int>(msg.wParam);
    return FALSE;
  }
  if (!PreTranslateChain(&msg)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return TRUE;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {}

const DialogTemplate* CDialog::FindTemplate(LPCTSTR name) const {
  if (name == nullptr) return nullptr;
  HINSTANCE module = AfxFindResourceHandle(name, MAKEINTRESOURCEA(RT_DIALOG));
  return FindDialogTemplate(module, name);
}

HWND CDialog::OwnerWindow() const {
  if (m_pParentWnd != nullptr && m_pParentWnd->m_hWnd != nullptr) {
    return ::GetAncestorTopLevel(m_pParentWnd->m_hWnd);
  }
  if (HWND active = ::GetActiveWindow()) return active;
  CWinThread* thread = AfxGetThread();
  return thread != nullptr && thread->m_pMainWnd != nullptr ? thread->m_pMainWnd->m_hWnd : nullptr;
}

HWND CDialog::MakeWindow(const DialogTemplate* dialogTemplate, HWND owner, bool modal) {
  if (dialogTemplate == nullptr || m_hWnd != nullptr) return nullptr;
  SetWindowCreateHook(&AttachDialog, this);
  HINSTANCE module = AfxFindResourceHandle(m_lpszTemplateName, MAKEINTRESOURCEA(RT_DIALOG));
  HWND hwnd = dlg::CreateDialogWindow(module, dialogTemplate, owner, nullptr, 0, modal);
  // A dialog window that was never made leaves the hook waiting for the
  // next window, which is not ours.
  if (m_hWnd == nullptr) SetWindowCreateHook(nullptr, nullptr);
  return hwnd;
}

INT_PTR CDialog::DoModal() {
  HWND owner = OwnerWindow();
  HWND hwnd = MakeWindow(FindTemplate(m_lpszTemplateName), owner, true);
  if (hwnd == nullptr) return -1;
  return dlg::RunModalDialog(hwnd, owner, &FrameworkPump, this);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
  m_lpszTemplateName = lpszTemplateName;
  m_pParentWnd = pParentWnd;
  HWND parent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
  return MakeWindow(FindTemplate(lpszTemplateName), parent, false) != nullptr ? TRUE : FALSE;
}

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

LRESULT CDialog::HandleInitDialog(WPARAM /*wParam*/, LPARAM /*lParam*/) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (pMsg == nullptr || m_hWnd == nullptr) return FALSE;
  return ::IsDialogMessageA(m_hWnd, pMsg);
}

void CDialog::NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }

void CDialog::PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  if (pWndCtrl == nullptr) return;
  ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}

void CDialog::SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }

DWORD CDialog::GetDefID() const {
  return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}

void CDialog::MapDialogRect(RECT* lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
