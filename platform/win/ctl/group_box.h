// A "BUTTON" with BS_GROUPBOX: an etched frame whose top line runs through
// the middle of the caption's line, the caption 8 pixels in on the
// background brush. It paints nothing inside and lets the pointer through
// (the window manager then lets the parent paint and click beneath it), and
// it never takes the focus.
#pragma once

#include "platform/win/ctl/control.h"

namespace ctl {

// The one test of what a group box is: by its style, for the BUTTON class
// to tell the window manager at registration, and by its window.
inline bool IsGroupBoxStyle(DWORD style) { return (style & BS_TYPEMASK) == BS_GROUPBOX; }
bool IsGroupBox(HWND hwnd);

class CGroupBox final : public CControl {
 public:
  static constexpr int kCaptionLeft = 8;
  static constexpr int kCaptionGap = 2;  // frame left open on either side of the caption

  static CControl* Make(HWND hwnd) { return new CGroupBox(hwnd); }

 private:
  explicit CGroupBox(HWND hwnd) : CControl(hwnd) {}

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT HitTest() const override { return HTTRANSPARENT; }
  UINT DialogCode() const override { return DLGC_STATIC; }
  bool TakesFocus() const override { return false; }
  void OnFocusChanged() override {}
  void OnTextChanged() override;
  void Draw(HDC hdc, const RECT& client) override;

  int LineHeight() const;
  // The caption's old cell lies on the parent's pixels, which only the
  // parent can paint again.
  void RepaintCaptionStrip();
};

}  // namespace ctl
