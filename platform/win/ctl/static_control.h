// "STATIC": a text label (SS_LEFT word-wrapped, SS_CENTER, SS_RIGHT,
// SS_NOPREFIX), a bitmap (SS_BITMAP: STM_SETIMAGE's bitmap at the top-left,
// unscaled and not owned) or an icon (SS_ICON: STM_SETICON, or the icon the
// window text names at creation, "#128", loaded from the module). The
// pointer passes through it unless SS_NOTIFY, which reports clicks with
// STN_CLICKED.
#pragma once

#include "platform/win/ctl/control.h"

namespace ctl {

class CStaticControl final : public CControl {
 public:
  static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  CStaticControl(HWND hwnd, const CREATESTRUCTA& cs);
  static CControl* Make(HWND hwnd, const CREATESTRUCTA& cs) { return new CStaticControl(hwnd, cs); }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT HitTest() const override;
  UINT DialogCode() const override { return DLGC_STATIC; }
  bool TakesFocus() const override { return false; }
  void OnFocusChanged() override {}
  void OnRelease(POINT client) override;
  void Draw(HDC hdc, const RECT& client) override;

  DWORD Kind() const { return Style() & SS_TYPEMASK; }
  HICON SetIcon(HICON icon);
  void DrawText(HDC hdc, const RECT& client);
  void DrawBitmap(HDC hdc);

  HBITMAP m_bitmap = nullptr;
  HICON m_icon = nullptr;
};

}  // namespace ctl
