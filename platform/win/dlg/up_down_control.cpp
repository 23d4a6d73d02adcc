#include "platform/win/dlg/up_down_control.h"

#include <algorithm>
#include <string>

#include "platform/win/commctrl.h"
#include "platform/win/dlg/edit_control.h"
#include "platform/win/wm/wnd.h"

namespace dlg {

namespace {

// The border carried on from a bordered buddy: its top and bottom lines
// run on, and the right side closes it.
constexpr SBevel kCarriedBorder{"SD", "", "HL", "HL"};

bool IsEditClass(HWND hwnd) {
  return IsLive(hwnd) && hwnd->cls != nullptr && hwnd->cls == FindWindowClass("EDIT");
}

}  // namespace

LRESULT CUpDownControl::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Dispatch(hwnd, message, wParam, lParam, &Make);
}

LRESULT CUpDownControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      if ((Style() & UDS_AUTOBUDDY) != 0) SetBuddy(GetWindow(m_hwnd, GW_HWNDPREV));
      return 0;
    case WM_DESTROY:
      // The buddy still lives now; at WM_NCDESTROY it may be gone.
      UnlinkBuddy(m_buddy, m_hwnd);
      m_buddy = nullptr;
      return 0;
    case UDM_SETRANGE:
      m_max = static_cast<short>(LOWORD(static_cast<UINT_PTR>(lParam)));
      m_min = static_cast<short>(HIWORD(static_cast<UINT_PTR>(lParam)));
      return 0;
    case UDM_GETRANGE:
      return static_cast<LRESULT>(MAKELONG(static_cast<UINT>(m_max), static_cast<UINT>(m_min)));
    case UDM_SETPOS: {
      const int old = m_pos;
      SetPos(static_cast<short>(LOWORD(static_cast<UINT_PTR>(lParam))));
      return old;
    }
    case UDM_GETPOS: {
      const bool outside = m_pos < std::min(m_min, m_max) || m_pos > std::max(m_min, m_max);
      return static_cast<LRESULT>(MAKELONG(static_cast<UINT>(m_pos), outside ? 1U : 0U));
    }
    case UDM_SETBUDDY:
      return reinterpret_cast<LRESULT>(SetBuddy(reinterpret_cast<HWND>(wParam)));
    case UDM_GETBUDDY:
      return reinterpret_cast<LRESULT>(IsLive(m_buddy) ? m_buddy : nullptr);
    case kBuddyKey:
      OnBuddyKey(static_cast<int>(wParam), lParam != 0);
      return 0;
    default:
      return ctl::CControl::OnMessage(message, wParam, lParam);
  }
}

HWND CUpDownControl::SetBuddy(HWND buddy) {
  HWND old = IsLive(m_buddy) ? m_buddy : nullptr;
  if (old != nullptr) {
    UnlinkBuddy(old, m_hwnd);
    if (IsEditClass(old)) SendMessageA(old, CEditControl::kDockRight, 0, 0);
  }
  m_buddy = IsLive(buddy) && buddy != m_hwnd && buddy->parent == m_hwnd->parent ? buddy : nullptr;
  if (m_buddy != nullptr) {
    LinkBuddy(m_buddy, m_hwnd);
    Dock();
  }
  Invalidate();
  return old;
}

void CUpDownControl::Dock() {
  const DWORD style = Style();
  if ((style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)) == 0 || !IsLive(m_buddy)) return;
  const RECT b = m_buddy->rect;
  const int w = std::min<int>(m_hwnd->rect.right - m_hwnd->rect.left, b.right - b.left);
  const int h = b.bottom - b.top;
  if ((style & UDS_ALIGNRIGHT) != 0) {
    MoveWindow(m_hwnd, b.right - w, b.top, w, h, TRUE);
    MoveWindow(m_buddy, b.left, b.top, b.right - b.left - w, h, TRUE);
    if (IsEditClass(m_buddy)) SendMessageA(m_buddy, CEditControl::kDockRight, 1, 0);
  } else {
    MoveWindow(m_hwnd, b.left, b.top, w, h, TRUE);
    MoveWindow(m_buddy, b.left + w, b.top, b.right - b.left - w, h, TRUE);
  }
}

bool CUpDownControl::Framed() const {
  if (!IsLive(m_buddy) || (Style() & UDS_ALIGNRIGHT) == 0) return false;
  return IsEditClass(m_buddy) &&
         ((m_buddy->style & WS_BORDER) != 0 || (m_buddy->exStyle & WS_EX_CLIENTEDGE) != 0);
}

RECT CUpDownControl::ArrowRect(Arrow arrow) const {
  RECT r = Client();
  if (Framed()) {
    r.top += 2;
    r.bottom -= 2;
    r.right -= 2;
  }
  const int half = r.top + (r.bottom - r.top) / 2;
  if (arrow == Arrow::kUp) r.bottom = half;
  if (arrow == Arrow::kDown) r.top = half;
  return r;
}

CUpDownControl::Arrow CUpDownControl::ArrowAt(POINT client) const {
  for (const Arrow a : {Arrow::kUp, Arrow::kDown}) {
    const RECT r = ArrowRect(a);
    if (PtInRect(&r, client)) return a;
  }
  return Arrow::kNone;
}

void CUpDownControl::SetPos(long long pos) {
  m_pos =
      static_cast<int>(std::clamp<long long>(pos, std::min(m_min, m_max), std::max(m_min, m_max)));
  if ((Style() & UDS_SETBUDDYINT) != 0 && IsLive(m_buddy)) {
    SetWindowTextA(m_buddy, std::to_string(m_pos).c_str());
  }
}

bool CUpDownControl::Step(Arrow arrow) {
  if (arrow == Arrow::kNone || !IsEnabled()) return true;
  if ((Style() & UDS_SETBUDDYINT) != 0 && IsLive(m_buddy)) {
    BOOL read = FALSE;
    const int id = GetDlgCtrlID(m_buddy);
    const auto value = static_cast<int>(GetDlgItemInt(GetParent(m_buddy), id, &read, TRUE));
    if (read) m_pos = value;
  }
  const int lo = std::min(m_min, m_max);
  const int hi = std::max(m_min, m_max);
  const int direction = (arrow == Arrow::kUp) == (m_min <= m_max) ? 1 : -1;
  long long next = static_cast<long long>(m_pos) + direction;
  if ((Style() & UDS_WRAP) != 0) {
    if (next > hi) next = lo;
    if (next < lo) next = hi;
  }
  SetPos(next);
  if (!IsAlive()) return false;
  return SendToParent(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<UINT>(m_pos)),
                      reinterpret_cast<LPARAM>(m_hwnd));
}

bool CUpDownControl::EndScroll() {
  return SendToParent(WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, static_cast<UINT>(m_pos)),
                      reinterpret_cast<LPARAM>(m_hwnd));
}

void CUpDownControl::OnPress(POINT client, WPARAM /*keys*/) {
  m_pressed = ArrowAt(client);
  m_inside = m_pressed != Arrow::kNone;
  if (!m_inside || !IsEnabled()) {
    m_pressed = Arrow::kNone;
    return;
  }
  Invalidate();
  if (!Step(m_pressed)) return;
  SetTimer(m_hwnd, kRepeatTimer, kFirstRepeatMs, nullptr);
}

void CUpDownControl::OnDrag(POINT client) {
  if (m_pressed == Arrow::kNone) return;
  const RECT r = ArrowRect(m_pressed);
  const bool inside = PtInRect(&r, client) != FALSE;
  if (inside != m_inside) {
    m_inside = inside;
    Invalidate();
  }
}

void CUpDownControl::OnRelease(POINT /*client*/) { OnCancelPress(); }

void CUpDownControl::OnCancelPress() {
  if (m_pressed == Arrow::kNone) return;
  KillTimer(m_hwnd, kRepeatTimer);
  m_pressed = Arrow::kNone;
  m_inside = false;
  Invalidate();
  EndScroll();
}

void CUpDownControl::OnTimer(UINT_PTR id) {
  if (id != kRepeatTimer) return;
  if (m_pressed == Arrow::kNone) {
    KillTimer(m_hwnd, kRepeatTimer);
    return;
  }
  SetTimer(m_hwnd, kRepeatTimer, kRepeatMs, nullptr);
  if (m_inside) Step(m_pressed);
}

void CUpDownControl::OnBuddyKey(int vk, bool down) {
  const Arrow arrow = vk == VK_UP ? Arrow::kUp : Arrow::kDown;
  if (down) {
    if (m_keyArrow != arrow) {
      m_keyArrow = arrow;
      Invalidate();
    }
    Step(arrow);
  } else if (m_keyArrow == arrow) {
    m_keyArrow = Arrow::kNone;
    Invalidate();
    EndScroll();
  }
}

void CUpDownControl::Draw(HDC hdc, const RECT& client) {
  if (Framed()) CStylePainter::PaintBevel(hdc, client, kCarriedBorder);
  const PaletteRole glyph = IsEnabled() ? PaletteRole::kButtonText : PaletteRole::kGrayText;
  // Both glyphs the same small size, as the classic arrows are: one row
  // less than the smaller button's face, three rows at most.
  const RECT up = ArrowRect(Arrow::kUp);
  const RECT down = ArrowRect(Arrow::kDown);
  const int face = std::min(up.bottom - up.top, down.bottom - down.top) - 4;
  const int rows = std::clamp(face - 1, 1, 3);
  const int width = 2 * rows - 1;
  for (const Arrow a : {Arrow::kUp, Arrow::kDown}) {
    const RECT r = a == Arrow::kUp ? up : down;
    const bool pushed = (m_pressed == a && m_inside) || m_keyArrow == a;
    RECT inner =
        pushed ? CStylePainter::PressedButton(hdc, r) : CStylePainter::RaisedButton(hdc, r);
    if (pushed) OffsetRect(&inner, 1, 1);
    const int cx = inner.left + (inner.right - inner.left - width) / 2;
    const int cy = inner.top + (inner.bottom - inner.top - rows) / 2;
    const RECT g{cx, cy, cx + width, cy + rows};
    CStylePainter::Arrow(hdc, g, a == Arrow::kUp ? ArrowDirection::kUp : ArrowDirection::kDown,
                         glyph);
  }
}

}  // namespace dlg
