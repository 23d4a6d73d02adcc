// CWnd: the framework's window. It attaches to a window handle, receives that
// window's messages through its message map, and wraps the window functions.
//
// Index
//   Handles and creation   FromHandle, Attach, Create, CreateEx, DestroyWindow
//   Dispatch               WindowProc, OnWndMsg, OnCommand, Default, DefWindowProc
//   Window functions       thin wrappers of the system's, in its terms
//   Layout                 RepositionBars
//   Default handlers       what a message does when a derived class passes it on
#pragma once

#include "platform/afx/afx_types.h"
#include "platform/afx/cmd_target.h"
#include "platform/afx/cstring.h"
#include "platform/win/wm/user.h"

using LPCTSTR = LPCSTR;
using LPTSTR = LPSTR;
using CREATESTRUCT = CREATESTRUCTA;
using LPCREATESTRUCT = CREATESTRUCTA*;

class CDC;
class CFont;
class CMenu;
class CDataExchange;
class CWnd;
// Scroll notifications come from sliders and up-downs as much as from scroll
// bars, so the sender is handed over as the window it is.
using CScrollBar = CWnd;

// Framework messages and ids. The framework's own messages lie between
// WM_AFXFIRST and WM_AFXLAST; no window class of the system knows them.
inline constexpr UINT WM_AFXFIRST = 0x0360;
inline constexpr UINT WM_AFXLAST = 0x037F;
inline constexpr UINT WM_SIZEPARENT = 0x0361;
inline constexpr UINT WM_SETMESSAGESTRING = 0x0362;
inline constexpr UINT WM_IDLEUPDATECMDUI = 0x0363;
inline constexpr UINT WM_KICKIDLE = 0x036A;
inline constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;   // 59648
inline constexpr UINT AFX_IDW_STATUS_BAR = 0xE801;   // 59393
inline constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001;  // 57345
inline constexpr UINT ID_SEPARATOR = 0;
inline constexpr UINT ID_HELP = 0xE146;  // 57670

// The procedure of every window the framework made or subclassed: finds the
// object and hands the message to AfxCallWndProc, which calls the object's
// WindowProc with the message recorded for Default().
LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT AfxCallWndProc(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  ~CWnd() override;

  HWND m_hWnd = nullptr;

  // ---- Handles and creation ---------------------------------------------------
  // FromHandle gives the object attached to a window, or a temporary one that
  // lives until the next idle time; null for a null handle.
  static CWnd* FromHandle(HWND hwnd);
  static CWnd* FromHandlePermanent(HWND hwnd);
  BOOL Attach(HWND hwnd);
  HWND Detach();
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }  // NOLINT(google-explicit-constructor)

  // Create makes a child window; CreateEx any window. Both attach this object
  // before the window's first message and give it this object's messages
  // from then on. FALSE when the window could not be made.
  virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                      const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                        HMENU nIDorHMenu, void* lpParam = nullptr);
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  virtual BOOL DestroyWindow();
  // Called once the window is gone and this object detached from it; frames
  // delete themselves here.
  virtual void PostNcDestroy();
  BOOL SubclassWindow(HWND hwnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

  // ---- Dispatch ------------------------------------------------------------------------
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The message being handled, passed on to default processing.
  LRESULT Default();
  static const MSG* GetCurrentMessage();
  void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                BOOL bDeep = TRUE, BOOL bOnlyPerm = FALSE);

  // ---- Window functions -----------------------------------------------------------------
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL ShowWindow(int nCmdShow);
  void UpdateWindow();
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(const RECT* lpRect, BOOL bErase = TRUE);
  void ValidateRect(const RECT* lpRect);
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL IsWindowVisible() const;
  BOOL IsIconic() const;
  BOOL IsZoomed() const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(const RECT* lpRect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  void GetClientRect(RECT* lpRect) const;
  void GetWindowRect(RECT* lpRect) const;
  void ClientToScreen(POINT* lpPoint) const;
  void ClientToScreen(RECT* lpRect) const;
  void ScreenToClient(POINT* lpPoint) const;
  void ScreenToClient(RECT* lpRect) const;
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int nID);
  CWnd* GetDlgItem(int nID) const;
  CWnd* GetParent() const;
  CWnd* GetTopLevelParent() const;
  void SetWindowText(LPCTSTR lpszString);
  int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
  void GetWindowText(CString& rString) const;
  int GetWindowTextLength() const;
  CWnd* SetFocus();
  static CWnd* GetFocus();
  CWnd* SetCapture();
  static CWnd* GetCapture();
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
  CFont* GetFont() const;
  CMenu* GetMenu() const;
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer);
  BOOL KillTimer(UINT_PTR nIDEvent);
  CDC* GetDC();
  int ReleaseDC(CDC* pDC);
  void CenterWindow(CWnd* pAlternateOwner = nullptr);
  BOOL IsChild(const CWnd* pWnd) const;

  // Dialog data exchange: UpdateData(FALSE) fills the controls from the
  // members, UpdateData(TRUE) reads them back, both through DoDataExchange.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* pDX);

  // ---- Layout -----------------------------------------------------------------------------
  // Lays the control bars with ids nIDFirst..nIDLast out against the client
  // area. In query mode nothing moves: lpRectParam receives what they leave.
  enum RepositionFlags { reposDefault = 0, reposQuery = 1, reposExtra = 2 };
  void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
                      RECT* lpRectParam = nullptr, const RECT* lpRectClient = nullptr,
                      BOOL bStretch = TRUE);

  // ---- Default handlers ---------------------------------------------------------------------
  // Each passes the message on to default processing, so a derived handler
  // that calls its base does what an unhandled message would have done.
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnNcDestroy();
  afx_msg void OnClose();
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);

 protected:
  WNDPROC m_pfnSuper = nullptr;  // the class's own procedure, for windows we subclassed

  DECLARE_MESSAGE_MAP()

 private:
  friend LRESULT AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
};

// Ends the program's message loop, as the framework does when its main
// window goes.
void AfxPostQuitMessage(int nExitCode);
// Drops the temporary objects FromHandle made (at idle time).
void AfxDeleteTempMaps();

#include "platform/afx/message_map_entries.h"
