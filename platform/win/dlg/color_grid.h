// The colour dialog's grids of colour cells (the basic colours and the
// custom ones), each a child window so that the keyboard can reach it: a
// tab stop that asks for the arrows, which move the selection a cell at a
// time and stop at the edges. A click or an arrow that changes the
// selection tells the parent with WM_COMMAND and kSelChange; what the
// parent sets through the messages below tells nobody. The selected cell
// wears a black frame; while the grid has the focus, a dotted focus
// rectangle goes round the current cell (the selected one, or the first
// while none is).
#pragma once

#include <vector>

#include "platform/win/ctl/control.h"

namespace dlg {

class CColorGrid final : public ctl::CControl {
 public:
  static constexpr const char* kClassName = "AstrolatheColorGrid";
  static constexpr WORD kSelChange = 1;
  static constexpr int kColumns = 8;
  static constexpr int kMaxCells = 64;
  // wParam the number of colours (held to 0..kMaxCells, whole rows of
  // kColumns shown), lParam the COLORREF array, copied.
  static constexpr UINT kSetColors = WM_USER + 0x0C01;
  // wParam the selected cell, or -1 (any cell outside the grid) for none.
  static constexpr UINT kSetSel = WM_USER + 0x0C02;
  // Answers the selected cell, or -1.
  static constexpr UINT kGetSel = WM_USER + 0x0C03;

  // Registers the class once per window system.
  static void Register();
  static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  explicit CColorGrid(HWND hwnd) : ctl::CControl(hwnd) {}
  static ctl::CControl* Make(HWND hwnd, const CREATESTRUCTA& /*cs*/) {
    return new CColorGrid(hwnd);
  }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  UINT DialogCode() const override { return DLGC_WANTARROWS; }
  void OnPress(POINT client, WPARAM keys) override;
  void OnKey(int vk, bool down) override;
  void OnTextChanged() override {}  // the window text is never drawn
  void Draw(HDC hdc, const RECT& client) override;

  int Rows() const;
  int Current() const { return m_sel >= 0 ? m_sel : 0; }
  RECT CellRect(int index) const;
  void SetSel(int index);
  // Selects `index` as the user chose it and tells the parent.
  void Choose(int index);

  std::vector<COLORREF> m_colors;
  int m_sel = -1;
};

}  // namespace dlg
