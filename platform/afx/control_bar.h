// CControlBar: a bar along an edge of a frame (here the status bar). The
// frame's layout asks each bar for its size and gives it a strip of the
// client area; at idle time each bar brings its commands' looks up to date.
#pragma once

#include "platform/afx/wnd.h"

class CFrameWnd;

// Bar styles (the framework keeps them apart from the window style).
inline constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
inline constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
inline constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
inline constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
inline constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
inline constexpr DWORD CBRS_BORDER_TOP = 0x0200;
inline constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
inline constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
inline constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
inline constexpr DWORD CBRS_ALL = 0x0040FFFF;

// What WM_SIZEPARENT carries: the part of the client area still free.
struct AFX_SIZEPARENTPARAMS {
  RECT rect;
  SIZE sizeTotal;
  BOOL bStretch;
  bool query;  // only measure: move nothing
};

class CControlBar : public CWnd {
 public:
  DWORD GetBarStyle() const { return m_dwStyle; }
  void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle & CBRS_ALL; }

  // The size the bar wants: the length it runs along, its thickness across.
  virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) = 0;
  virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

 protected:
  DWORD m_dwStyle = 0;

  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
