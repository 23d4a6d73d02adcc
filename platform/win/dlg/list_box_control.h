// "LISTBOX": lines of text, 13 pixels each, in the order given (LBS_SORT:
// sorted without regard to case), empty lines as real items. One line may
// be selected, by click, drag or the arrow keys, and LBN_SELCHANGE tells the
// parent with LBS_NOTIFY; with LBS_NOSEL nothing can ever be selected and
// the keys scroll instead. WS_VSCROLL gives a scroll bar inside the border,
// shown only while the lines do not all fit: arrows that repeat while held
// (500 ms, then every 100 ms), page clicks, the thumb dragged, the mouse
// wheel (three lines a notch). Without LBS_NOINTEGRALHEIGHT the box shrinks
// to whole lines when it is made.
#pragma once

#include <string>
#include <vector>

#include "platform/win/ctl/control.h"
#include "platform/win/dlg/dialogs.h"
#include "platform/win/dlg/scroll_bar_part.h"

namespace dlg {

class CListBoxControl final : public ctl::CControl {
 public:
  static constexpr int kLineHeight = 13;
  static constexpr int kTextIndent = 2;
  static constexpr int kWheelLines = 3;
  static constexpr UINT_PTR kRepeatTimer = 1;
  static constexpr UINT kFirstRepeatMs = 500;
  static constexpr UINT kRepeatMs = 100;

  static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  using Part = CScrollBarPart::Part;

  explicit CListBoxControl(HWND hwnd) : ctl::CControl(hwnd) {}
  static ctl::CControl* Make(HWND hwnd, const CREATESTRUCTA& /*cs*/) {
    return new CListBoxControl(hwnd);
  }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnListMessage(UINT message, WPARAM wParam, LPARAM lParam, bool* handled);
  UINT DialogCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
  void OnPress(POINT client, WPARAM keys) override;
  void OnDrag(POINT client) override;
  void OnRelease(POINT client) override;
  void OnCancelPress() override;
  void OnKey(int vk, bool down) override;
  void OnTimer(UINT_PTR id) override;
  void OnFocusChanged() override;
  void OnTextChanged() override {}  // the window text is never drawn
  void Draw(HDC hdc, const RECT& client) override;

  bool NoSelection() const { return (Style() & LBS_NOSEL) != 0; }
  int Count() const { return static_cast<int>(m_items.size()); }
  // Border, lines and bar laid out again after any change of size or count.
  void Layout();
  RECT Interior() const;
  int FullLines() const;
  int ItemAt(POINT client) const;  // -1 below the last line
  void ScrollTo(int top);
  void EnsureVisible(int index);
  // A selection the user made: reported with LBS_NOTIFY; false once gone.
  bool SelectByUser(int index);
  // One step of the scroll-bar part the mouse holds.
  void StepHeld();
  int Insert(int index, const char* text);

  std::vector<std::string> m_items;
  int m_top = 0;
  int m_sel = -1;
  bool m_bar = false;  // the scroll bar shows
  CScrollBarPart m_scroll;
  Part m_held = Part::kNone;  // the scroll-bar part the mouse holds
  bool m_heldInside = false;
  int m_grab = 0;  // thumb drag: pointer to thumb top
  bool m_selecting = false;
};

}  // namespace dlg
