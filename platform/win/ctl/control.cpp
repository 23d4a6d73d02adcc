#include "platform/win/ctl/control.h"

#include "platform/win/wm/wnd.h"

namespace ctl {

namespace {

// Slot 0 read straight from the window: during WM_NCDESTROY the window is
// already being destroyed and GetWindowLongPtrA no longer answers for it.
CControl* From(HWND hwnd) {
  if (!WM().live.Contains(hwnd) || hwnd->extra.empty()) return nullptr;
  return reinterpret_cast<CControl*>(hwnd->extra[0]);
}

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

CControl::CControl(HWND hwnd)
    : m_hwnd(hwnd), m_font(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))) {}

LRESULT CControl::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Factory make) {
  CControl* self = From(hwnd);
  if (message == WM_NCCREATE && self == nullptr && !hwnd->extra.empty() && lParam != 0) {
    self = make(hwnd, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
    hwnd->extra[0] = reinterpret_cast<LONG_PTR>(self);
  }
  if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    hwnd->extra[0] = 0;
    delete self;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return self->OnMessage(message, wParam, lParam);
}

LRESULT CControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST:
      return HitTest();
    case WM_GETDLGCODE:
      return DialogCode();
    case WM_PAINT:
      return OnPaint();
    case WM_ERASEBKGND:
      return 1;  // Draw covers what it needs; group boxes must not erase at all
    case WM_SETFONT:
      m_font = reinterpret_cast<HFONT>(wParam);
      if (m_font == nullptr) m_font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
      if (lParam != 0) Invalidate();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(m_font);
    case WM_ENABLE:
      Invalidate();
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(m_hwnd, message, wParam, lParam);
      OnTextChanged();
      return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      m_focused = message == WM_SETFOCUS;
      OnFocusChanged();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      return OnMouse(message, wParam, lParam);
    case WM_KEYDOWN:
    case WM_KEYUP:
      OnKey(static_cast<int>(wParam), message == WM_KEYDOWN);
      // The Menu key's context menu is the system's to ask for.
      if (message == WM_KEYUP && wParam == VK_APPS) {
        return DefWindowProcA(m_hwnd, message, wParam, lParam);
      }
      return 0;
    case WM_CHAR:
      OnChar(static_cast<int>(wParam & 0xFFU));
      return 0;
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wParam));
      return 0;
    default:
      return DefWindowProcA(m_hwnd, message, wParam, lParam);
  }
}

LRESULT CControl::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = m_hwnd;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (TakesFocus() && GetFocus() != hwnd) {
        SetFocus(hwnd);
        // Whoever lost the focus may have taken this window with it.
        if (!IsWindow(hwnd)) return 0;
      }
      SetCapture(hwnd);
      m_pressing = true;
      OnPress(PointOf(lParam), wParam);
      return 0;
    case WM_MOUSEMOVE:
      if (m_pressing) OnDrag(PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      if (!m_pressing) return 0;
      m_pressing = false;
      ReleaseCapture();
      if (IsWindow(hwnd)) OnRelease(PointOf(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      if (m_pressing && reinterpret_cast<HWND>(lParam) != hwnd) {
        m_pressing = false;
        OnCancelPress();
      }
      return 0;
    default:
      return 0;
  }
}

LRESULT CControl::OnPaint() {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(m_hwnd, &ps);
  if (hdc == nullptr) return 0;
  IntersectClipRect(hdc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom);
  SelectObject(hdc, m_font);
  const HWND hwnd = m_hwnd;
  Draw(hdc, Client());
  EndPaint(hwnd, &ps);
  return 0;
}

HBRUSH CControl::Background(HDC hdc, UINT message, PaletteRole fallback) {
  const HWND hwnd = m_hwnd;
  SetTextColor(hdc, CStylePainter::Color(PaletteRole::kWindowText));
  SetBkColor(hdc, CStylePainter::Color(fallback));
  const LRESULT answer = SendMessageA(GetParent(hwnd), message, reinterpret_cast<WPARAM>(hdc),
                                      reinterpret_cast<LPARAM>(hwnd));
  if (!IsWindow(hwnd)) return nullptr;
  return answer != 0 ? reinterpret_cast<HBRUSH>(answer) : CStylePainter::Brush(fallback);
}

void CControl::FillBackground(HDC hdc, const RECT& rect, HBRUSH brush) {
  // A parent that answers with something that is no brush gets the face.
  if (FillRect(hdc, &rect, brush) == 0) CStylePainter::Fill(hdc, rect, PaletteRole::kFace);
}

bool CControl::Notify(UINT code) {
  const int id = GetDlgCtrlID(m_hwnd);
  return SendToParent(WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id), code),
                      reinterpret_cast<LPARAM>(m_hwnd));
}

bool CControl::SendToParent(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = m_hwnd;
  SendMessageA(GetParent(hwnd), message, wParam, lParam);
  return IsWindow(hwnd) != FALSE;
}

void CControl::Invalidate(const RECT* rect) const { InvalidateRect(m_hwnd, rect, FALSE); }

RECT CControl::Client() const {
  RECT r{0, 0, 0, 0};
  GetClientRect(m_hwnd, &r);
  return r;
}

DWORD CControl::Style() const { return static_cast<DWORD>(GetWindowLongA(m_hwnd, GWL_STYLE)); }

bool CControl::IsEnabled() const { return IsWindowEnabled(m_hwnd) != FALSE; }

bool CControl::IsAlive() const { return IsWindow(m_hwnd) != FALSE; }

const std::string& CControl::Text() const { return m_hwnd->text; }

}  // namespace ctl
