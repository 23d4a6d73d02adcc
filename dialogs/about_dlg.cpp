#include "dialogs/about_dlg.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD_ABOUTBOX, pParent) {}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(CDataExchange* pDX) { DDX_Control(pDX, IDC_ABOUT_LIST, m_list); }

BOOL CAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // The notice is made when shown: 169 is the copyright sign of the code
  // page the program's texts are in.
  CString notice;
  notice.Format("Copyright %c 2026 the Astrolathe developers", 169);
  const char* const lines[] = {
      "Astrolathe v1.0", notice, "", "Ten bodies and one constant,", "what will you set in motion?",
  };
  for (const char* line : lines) {
    ::SendMessageA(m_list.m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
  }
  return TRUE;
}
