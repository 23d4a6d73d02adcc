// CStatusBar: the framework's status bar over the system's status control.
// Pane 0 of a frame's status bar is its message line. Each indicator pane
// takes its width once, from the extent of its string-table text; later
// texts never resize a pane and are clipped to it.
#pragma once

#include <vector>

#include "platform/afx/control_bar.h"

inline constexpr UINT SBPS_NORMAL = 0x0000;
inline constexpr UINT SBPS_NOBORDERS = 0x0100;
inline constexpr UINT SBPS_POPOUT = 0x0200;
inline constexpr UINT SBPS_DISABLED = 0x04000000;
inline constexpr UINT SBPS_STRETCH = 0x08000000;

class CStatusBar : public CControlBar {
 public:
  static constexpr int kHeight = 20;
  static constexpr int kPaneBorder = 6;  // pixels a pane adds around its text

  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
              UINT nID = AFX_IDW_STATUS_BAR);
  // One pane per id; ID_SEPARATOR makes a pane without an indicator (the
  // first one stretches over what the others leave). Each indicator's text
  // is its string-table string, which also gives its width.
  BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

  int GetCount() const { return static_cast<int>(m_panes.size()); }
  int CommandToIndex(UINT nIDFind) const;
  UINT GetItemID(int nIndex) const;
  void GetItemRect(int nIndex, RECT* lpRect) const;
  CString GetPaneText(int nIndex) const;
  void GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }
  // FALSE for an index with no pane. Setting the text a pane already shows
  // repaints nothing.
  BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
  void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
  void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
  UINT GetPaneStyle(int nIndex) const;
  void SetPaneStyle(int nIndex, UINT nStyle);

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

 protected:
  struct SPane {
    UINT nID = 0;
    UINT nStyle = 0;
    int cxText = 0;
    CString strText;
  };

  void UpdateAllPanes();
  void SendPaneText(int nIndex);

  std::vector<SPane> m_panes;

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
