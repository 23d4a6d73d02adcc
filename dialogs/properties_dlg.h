// The Properties dialog: one body's position (read only), mass on a slider,
// the two velocity components typed or stepped, the colour chosen from the
// colour dialog, and Remove. The caller fills it through the setters and
// the public texts, runs it, and on OK copies mass, velocity and colour
// into the body. Remove takes the body out of the frame's table at once and
// closes the dialog as Cancel.
#pragma once

#include "platform/afx/afxwin.h"

inline constexpr RECT kSwatchRect{6, 236, 22, 258};  // client pixels
inline constexpr double kVelocityStep = 1000.0;      // m/s per up-down press

class CPropertiesDlg : public CDialog {
 public:
  explicit CPropertiesDlg(CWnd* pParent);
  ~CPropertiesDlg() override;

  void SetBodyIndex(int index);
  void SetMass(double kg);
  void SetVelocity(double vx, double vy);
  void SetVelocityFromDrag(int x0, int y0, int x1, int y1);
  void SetColor(COLORREF color);
  void SetCanRemove(BOOL canRemove);
  void SetPositionText(int px, int py);

  int m_bodyIndex = 0;
  COLORREF m_color = RGB(255, 255, 255);
  BOOL m_canRemove = FALSE;
  CString m_title;
  CEdit m_vyEdit;
  CEdit m_vxEdit;
  CSpinButtonCtrl m_vySpin;
  CSpinButtonCtrl m_vxSpin;
  CButton m_removeButton;
  CSliderCtrl m_massSlider;
  CString m_massText;
  CString m_vxText;
  CString m_vyText;
  CString m_posXText;
  CString m_posYText;
  double m_mass = 1e25;
  double m_vx = 0.0;
  double m_vy = 0.0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  afx_msg void OnColor();
  afx_msg void OnRemove();
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnPaint();
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnChangeVx();
  afx_msg void OnChangeVy();

  DECLARE_MESSAGE_MAP()
};
