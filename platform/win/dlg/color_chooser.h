// The colour dialog's working state and dialog procedure: the colour as red,
// green and blue and as hue, luminance and saturation, kept in step with
// the six edits, the grids, the rainbow and the luminance bar. The
// ChooseColorA call owns one of these for the dialog's life.
#pragma once

#include "platform/win/dlg/color_space.h"
#include "platform/win/dlg/commdlg.h"

namespace dlg {

class CColorChooser {
 public:
  explicit CColorChooser(CHOOSECOLORA* cc);
  ~CColorChooser();
  CColorChooser(const CColorChooser&) = delete;
  CColorChooser& operator=(const CColorChooser&) = delete;

  // The dialog procedure; WM_INITDIALOG's lParam is the CColorChooser.
  static INT_PTR DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  COLORREF Color() const { return m_color; }

 private:
  enum class Drag { kNone, kRainbow, kLum };
  // Which edits a change came from, so that they are left as typed.
  enum class Source { kNone, kRgb, kHls };

  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInit(HWND dialog);
  void OnCommand(int id, UINT code);
  void OnEditChanged(int id);
  void OnGridChanged(int id);
  void OnPress(POINT client);
  void OnDrag(POINT client);
  void OpenFull();
  void AddCustom();

  void SetColor(COLORREF color, Source source);
  void SetHls(SHls hls, Source source);
  void WriteEdits(Source source);
  void Repaint(const RECT& area) const;
  void RepaintDefinition() const;
  RECT Pixels(const RECT& dialogUnits) const;
  void PlaceGrid(int id, const RECT& area, const COLORREF* colors, int count, int selected) const;

  // Painting (color_chooser_paint.cpp).
  void Paint(HDC hdc) const;
  void PaintRainbow(HDC hdc) const;
  void PaintLumBar(HDC hdc) const;
  void PaintSwatch(HDC hdc) const;
  void MakeRainbow();

  CHOOSECOLORA* m_cc;
  HWND m_dialog = nullptr;
  COLORREF m_color = 0;
  SHls m_hls{kUndefinedHue, 0, 0};
  COLORREF m_custom[16];
  int m_basicSel = -1;
  int m_customSel = 0;
  bool m_full = false;
  bool m_writing = false;  // the edits are being written: their EN_CHANGE is ours
  Drag m_drag = Drag::kNone;
  HBITMAP m_rainbow = nullptr;
};

}  // namespace dlg
