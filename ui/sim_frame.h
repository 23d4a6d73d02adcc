// The main window and the home of all the program's state: the body table
// and the simulation parameters, the interaction flags, the status bar and
// the control panel in the bottom-right corner. It paints its own client
// area: the field, the drag line, the bodies and the panel's backdrop.
#pragma once

#include "core/body_table.h"
#include "platform/afx/afxwin.h"

class CSimFrame : public CFrameWnd {
 public:
  CSimFrame();
  ~CSimFrame() override;

  // The part of the client area the status bar leaves free.
  void GetSceneRect(RECT* rect);

  // One gravity step, with every square that changed invalidated.
  void StepSimulation();
  // Removes live body i (the Properties dialog's Remove) and invalidates
  // the square it leaves.
  void RemoveBody(int i);
  // Dispatches every waiting message and does the idle work; FALSE once the
  // application has been asked to quit, and then the frame may be gone.
  BOOL PumpPendingMessages();

  // The body table, G, the time step and the elapsed time.
  CBodyTable m_table;
  BOOL m_stopEnabled = FALSE;
  BOOL m_goEnabled = FALSE;
  BOOL m_pressInPanel = FALSE;
  RECT m_panelRect{0, 0, 0, 0};
  BOOL m_running = FALSE;
  BOOL m_dragging = FALSE;
  POINT m_dragEnd{0, 0};
  POINT m_dragStart{0, 0};
  CButton m_stopButton;
  CButton m_goButton;
  CSliderCtrl m_dtSlider;
  CSliderCtrl m_gSlider;
  CButton m_panelBox;
  CButton m_dtBox;
  CButton m_gBox;
  CStatusBar m_statusBar;
  CBitmap m_scaleBitmap;
  CStatic m_scaleImages[4];

 protected:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  void PostNcDestroy() override;

  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnInstructions();
  afx_msg void OnAbout();
  afx_msg void OnExit();
  afx_msg void OnUpdateGo(CCmdUI* pCmdUI);
  afx_msg void OnGo();
  afx_msg void OnStop();
  afx_msg void OnUpdateStop(CCmdUI* pCmdUI);

  DECLARE_MESSAGE_MAP()
};
