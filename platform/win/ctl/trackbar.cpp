#include "platform/win/ctl/trackbar.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/win/commctrl.h"
#include "platform/win/ctl/trackbar_painter.h"

namespace ctl {

namespace {

int ClampInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

bool IsNavigationKey(int vk) {
  switch (vk) {
    case VK_UP:
    case VK_LEFT:
    case VK_DOWN:
    case VK_RIGHT:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
      return true;
    default:
      return false;
  }
}

}  // namespace

LRESULT CTrackbar::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Dispatch(hwnd, message, wParam, lParam, &Make);
}

CTrackbarGeometry CTrackbar::Geometry() const {
  const RECT client = Client();
  return {client.right, client.bottom, Style(), m_min, Max(), m_pos};
}

int CTrackbar::PageSize() const {
  if (m_page >= 0) return m_page;
  return ClampInt(std::max(1LL, (static_cast<long long>(Max()) - m_min) / 5));
}

void CTrackbar::SetRange(long long min, long long max, bool redraw) {
  m_min = ClampInt(min);
  m_max = ClampInt(max);
  m_pos = ClampInt(std::clamp<long long>(m_pos, m_min, Max()));
  if (redraw) Invalidate();
}

void CTrackbar::SetPos(long long pos, bool redraw) {
  m_pos = ClampInt(std::clamp<long long>(pos, m_min, Max()));
  if (redraw) Invalidate();
}

LRESULT CTrackbar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const bool redraw = wParam != 0;
  switch (message) {
    case TBM_GETPOS:
      return m_pos;
    case TBM_SETPOS:
      SetPos(lParam, redraw);
      return 0;
    case TBM_SETRANGE:
      SetRange(static_cast<std::int16_t>(LOWORD(static_cast<UINT_PTR>(lParam))),
               static_cast<std::int16_t>(HIWORD(static_cast<UINT_PTR>(lParam))), redraw);
      return 0;
    case TBM_SETRANGEMIN:
      SetRange(lParam, m_max, redraw);
      return 0;
    case TBM_SETRANGEMAX:
      SetRange(m_min, lParam, redraw);
      return 0;
    case TBM_GETRANGEMIN:
      return m_min;
    case TBM_GETRANGEMAX:
      return m_max;
    case TBM_SETPAGESIZE: {
      const int previous = PageSize();
      m_page = ClampInt(std::max<long long>(0, lParam));
      return previous;
    }
    case TBM_GETPAGESIZE:
      return PageSize();
    case TBM_SETLINESIZE: {
      const int previous = m_line;
      m_line = ClampInt(std::max<long long>(0, lParam));
      return previous;
    }
    case TBM_GETLINESIZE:
      return m_line;
    case TBM_GETNUMTICS:
      if ((Style() & TBS_NOTICKS) != 0) return 0;
      if ((Style() & TBS_AUTOTICKS) == 0) return 2;
      return ClampInt(static_cast<long long>(Max()) - m_min + 1);
    case TBM_GETTHUMBRECT:
    case TBM_GETCHANNELRECT:
      if (auto* rect = reinterpret_cast<RECT*>(lParam)) {
        const CTrackbarGeometry g = Geometry();
        *rect = message == TBM_GETTHUMBRECT ? g.Thumb() : g.Channel();
      }
      return 0;
    case TBM_GETTIC:
      return -1;
    case TBM_SETTIC:
    case TBM_CLEARTICS:
      return FALSE;
    case WM_SIZE:
      Invalidate();
      return 0;
    case WM_MOUSEWHEEL:
      if (!m_focused) return CControl::OnMessage(message, wParam, lParam);
      OnWheel(static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA);
      return 0;
    default:
      return CControl::OnMessage(message, wParam, lParam);
  }
}

bool CTrackbar::Report(UINT code) {
  const UINT message = (Style() & TBS_VERT) != 0 ? WM_VSCROLL : WM_HSCROLL;
  return SendToParent(message, MAKEWPARAM(code, static_cast<UINT>(m_pos)),
                      reinterpret_cast<LPARAM>(m_hwnd));
}

bool CTrackbar::MoveTo(long long pos, UINT code) {
  const int before = m_pos;
  SetPos(pos, false);
  if (m_pos != before) Invalidate();
  return Report(code);
}

bool CTrackbar::PageTowardsPointer(bool first) {
  const CTrackbarGeometry g = Geometry();
  const RECT thumb = g.Thumb();
  const int along = g.Along(m_pointer);
  const int target = g.PositionAt(along);
  // Never past the pointer: the paging stops where the thumb reaches it.
  if (m_drag == Drag::kPageUp) {
    const bool beyond = along < (g.Vertical() ? thumb.top : thumb.left) && m_pos > target;
    if (!first && !beyond) return true;
    return MoveTo(std::max<long long>(static_cast<long long>(m_pos) - PageSize(), target),
                  TB_PAGEUP);
  }
  const bool beyond = along >= (g.Vertical() ? thumb.bottom : thumb.right) && m_pos < target;
  if (!first && !beyond) return true;
  return MoveTo(std::min<long long>(static_cast<long long>(m_pos) + PageSize(), target),
                TB_PAGEDOWN);
}

void CTrackbar::OnTimer(UINT_PTR id) {
  if (id == kRepeatTimer && m_drag != Drag::kNone && m_drag != Drag::kThumb) {
    SetTimer(m_hwnd, kRepeatTimer, kRepeatMs, nullptr);
    PageTowardsPointer(false);
  }
}

void CTrackbar::OnPress(POINT client, WPARAM /*keys*/) {
  const CTrackbarGeometry g = Geometry();
  const RECT thumb = g.Thumb();
  const int along = g.Along(client);
  const int thumbFrom = g.Vertical() ? thumb.top : thumb.left;
  const int thumbTo = g.Vertical() ? thumb.bottom : thumb.right;
  if (along >= thumbFrom && along < thumbTo) {
    m_drag = Drag::kThumb;
    m_grab = along - g.PixelOf(m_pos);
    return;
  }
  m_drag = along < thumbFrom ? Drag::kPageUp : Drag::kPageDown;
  m_pointer = client;
  const HWND hwnd = m_hwnd;
  if (!PageTowardsPointer(true)) return;
  SetTimer(hwnd, kRepeatTimer, kFirstRepeatMs, nullptr);
}

void CTrackbar::OnDrag(POINT client) {
  m_pointer = client;
  if (m_drag != Drag::kThumb) return;
  const CTrackbarGeometry g = Geometry();
  const int pos = g.PositionAt(static_cast<long long>(g.Along(client)) - m_grab);
  if (pos == m_pos) return;
  m_pos = pos;
  Invalidate();
  Report(TB_THUMBTRACK);
}

void CTrackbar::OnRelease(POINT /*client*/) {
  const Drag drag = m_drag;
  m_drag = Drag::kNone;
  KillTimer(m_hwnd, kRepeatTimer);
  if (drag == Drag::kThumb && !Report(TB_THUMBPOSITION)) return;
  if (drag != Drag::kNone) Report(TB_ENDTRACK);
}

void CTrackbar::OnCancelPress() {
  m_drag = Drag::kNone;
  KillTimer(m_hwnd, kRepeatTimer);
}

void CTrackbar::OnKey(int vk, bool down) {
  if (!IsNavigationKey(vk)) return;
  if (!down) {
    Report(TB_ENDTRACK);
    return;
  }
  const long long pos = m_pos;
  switch (vk) {
    case VK_UP:
    case VK_LEFT:
      MoveTo(pos - m_line, TB_LINEUP);
      return;
    case VK_DOWN:
    case VK_RIGHT:
      MoveTo(pos + m_line, TB_LINEDOWN);
      return;
    case VK_PRIOR:
      MoveTo(pos - PageSize(), TB_PAGEUP);
      return;
    case VK_NEXT:
      MoveTo(pos + PageSize(), TB_PAGEDOWN);
      return;
    case VK_HOME:
      MoveTo(m_min, TB_TOP);
      return;
    default:
      MoveTo(Max(), TB_BOTTOM);
      return;
  }
}

// A notch moves a line, as Up and Down do, with the notifications they send;
// away from the user is up. Past the end of the range the rest of a long
// spin would only report the same place again.
void CTrackbar::OnWheel(int notches) {
  const int step = notches > 0 ? -m_line : m_line;
  const UINT code = notches > 0 ? TB_LINEUP : TB_LINEDOWN;
  for (int i = 0; i < std::abs(notches); ++i) {
    const int before = m_pos;
    if (!MoveTo(static_cast<long long>(m_pos) + step, code)) return;
    if (m_pos == before) break;
  }
  if (notches != 0) Report(TB_ENDTRACK);
}

void CTrackbar::Draw(HDC hdc, const RECT& client) {
  HBRUSH background = Background(hdc);
  if (background == nullptr) return;
  FillBackground(hdc, client, background);
  const CTrackbarGeometry g = Geometry();
  CTrackbarPainter painter(hdc, g);
  painter.Ticks(m_min, Max(), (Style() & TBS_AUTOTICKS) != 0);
  painter.Channel();
  painter.Thumb();
  if (m_focused) {
    RECT focus = client;
    DrawFocusRect(hdc, &focus);
  }
}

}  // namespace ctl
