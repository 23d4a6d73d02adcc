// "msctls_trackbar32", the slider: a thumb that drags, a channel that pages
// towards a held press (first after 500 ms, then every 100 ms), and the
// arrow, page, Home and End keys. Every change the user makes is reported to
// the parent as WM_VSCROLL (upright) or WM_HSCROLL with the TB_ code and the
// current position, even where a limit kept the position as it was; changes
// through TBM_ messages are not reported. An upright trackbar has its
// minimum at the top.
#pragma once

#include "platform/win/ctl/control.h"
#include "platform/win/ctl/trackbar_geometry.h"

namespace ctl {

class CTrackbar final : public CControl {
 public:
  static constexpr UINT_PTR kRepeatTimer = 1;
  static constexpr UINT kFirstRepeatMs = 500;
  static constexpr UINT kRepeatMs = 100;

  static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  enum class Drag { kNone, kThumb, kPageUp, kPageDown };

  explicit CTrackbar(HWND hwnd) : CControl(hwnd) {}
  static CControl* Make(HWND hwnd, const CREATESTRUCTA& /*cs*/) { return new CTrackbar(hwnd); }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  UINT DialogCode() const override { return DLGC_WANTARROWS; }
  void OnPress(POINT client, WPARAM keys) override;
  void OnTimer(UINT_PTR id) override;
  void OnDrag(POINT client) override;
  void OnRelease(POINT client) override;
  void OnCancelPress() override;
  void OnKey(int vk, bool down) override;
  void OnWheel(int notches);
  void Draw(HDC hdc, const RECT& client) override;

  CTrackbarGeometry Geometry() const;
  int Max() const { return m_max < m_min ? m_min : m_max; }
  int PageSize() const;
  void SetRange(long long min, long long max, bool redraw);
  void SetPos(long long pos, bool redraw);
  // Tells the parent `code` with the current position; false once the
  // control is gone.
  bool Report(UINT code);
  bool MoveTo(long long pos, UINT code);
  // One page towards the held pointer (the press, then the latest drag);
  // `first` is the press itself, which always reports.
  bool PageTowardsPointer(bool first);

  int m_min = 0;
  int m_max = 100;
  int m_pos = 0;
  int m_page = -1;  // -1: a fifth of the range
  int m_line = 1;
  Drag m_drag = Drag::kNone;
  int m_grab = 0;     // along, from the thumb's centre to where it was pressed
  POINT m_pointer{};  // where the held pointer is, for the paging timer
};

}  // namespace ctl
