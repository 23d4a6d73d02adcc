// Help, About: the program's name and version, a notice and a tagline,
// beside the application icon.
#pragma once

#include "platform/afx/afxwin.h"

class CAboutDlg : public CDialog {
 public:
  explicit CAboutDlg(CWnd* pParent);
  ~CAboutDlg() override;

  CListBox m_list;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  DECLARE_MESSAGE_MAP()
};
