// Help, Instructions: how to place and edit bodies and run the simulation,
// as lines of a list box that selects nothing.
#pragma once

#include "platform/afx/afxwin.h"

class CInstructionsDlg : public CDialog {
 public:
  explicit CInstructionsDlg(CWnd* pParent);
  ~CInstructionsDlg() override;

  CListBox m_list;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  DECLARE_MESSAGE_MAP()
};
