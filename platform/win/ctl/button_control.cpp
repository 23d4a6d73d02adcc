#include "platform/win/ctl/button_control.h"

#include "platform/win/ctl/group_box.h"

namespace ctl {

namespace {

constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

}  // namespace

LRESULT CButtonControl::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Dispatch(hwnd, message, wParam, lParam, &Make);
}

CControl* CButtonControl::Make(HWND hwnd, const CREATESTRUCTA& cs) {
  if (IsGroupBoxStyle(static_cast<DWORD>(cs.style))) return CGroupBox::Make(hwnd);
  // Every other kind is drawn and behaves as a push button.
  return new CButtonControl(hwnd);
}

LRESULT CButtonControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case BM_GETSTATE:
      return (IsPushed() ? BST_PUSHED : 0U) | (m_focused ? BST_FOCUS : 0U);
    case BM_SETSTATE:
      if (m_highlight != (wParam != 0)) {
        m_highlight = wParam != 0;
        Invalidate();
      }
      return 0;
    case BM_SETSTYLE: {
      const DWORD type = static_cast<DWORD>(wParam) & BS_TYPEMASK;
      if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        SetWindowLongA(m_hwnd, GWL_STYLE, static_cast<LONG>((Style() & ~BS_TYPEMASK) | type));
      }
      if (lParam != 0) Invalidate();
      return 0;
    }
    case BM_CLICK:
      if (IsEnabled()) Click();
      return 0;
    case BM_GETCHECK:
    case BM_SETCHECK:
      return 0;
    default:
      return CControl::OnMessage(message, wParam, lParam);
  }
}

UINT CButtonControl::DialogCode() const {
  return DLGC_BUTTON | (IsDefault() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

bool CButtonControl::IsDefault() const { return (Style() & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }

void CButtonControl::SetInside(bool inside) {
  if (m_inside == inside) return;
  m_inside = inside;
  Invalidate();
}

void CButtonControl::OnPress(POINT /*client*/, WPARAM /*keys*/) {
  m_inside = false;
  SetInside(true);
}

void CButtonControl::OnDrag(POINT client) {
  const RECT r = Client();
  SetInside(PtInRect(&r, client) != FALSE);
}

void CButtonControl::OnRelease(POINT client) {
  const RECT r = Client();
  const bool inside = PtInRect(&r, client) != FALSE;
  m_inside = false;
  m_spaceDown = false;  // the press is over, whatever joined it
  Invalidate();
  if (inside) Click();
}

void CButtonControl::OnCancelPress() {
  m_spaceDown = false;
  SetInside(false);
}

void CButtonControl::OnKey(int vk, bool down) {
  if (vk != VK_SPACE) return;
  if (down) {
    if (!m_spaceDown) {
      m_spaceDown = true;
      Invalidate();
    }
  } else if (m_spaceDown) {
    m_spaceDown = false;
    Invalidate();
    if (!m_pressing) {
      Click();
      return;
    }
    // A press that the mouse began and Space joined ends with whichever is
    // released first: Space's release clicks if the pointer is still on
    // the button, and the mouse's release after it does nothing.
    const bool inside = m_inside;
    m_pressing = false;
    m_inside = false;
    ReleaseCapture();
    if (inside) Click();
  }
}

void CButtonControl::OnFocusChanged() {
  // Space held on a button that loses the focus clicks nothing.
  if (!m_focused) m_spaceDown = false;
  Invalidate();
}

void CButtonControl::Click() { Notify(BN_CLICKED); }

void CButtonControl::Draw(HDC hdc, const RECT& client) {
  HBRUSH background = Background(hdc);
  if (background == nullptr) return;
  FillBackground(hdc, client, background);
  const bool pushed = IsPushed();
  RECT caption = pushed        ? CStylePainter::PressedButton(hdc, client)
                 : IsDefault() ? CStylePainter::DefaultButton(hdc, client)
                               : CStylePainter::RaisedButton(hdc, client);
  // Pressed in, the caption moves with the face.
  if (pushed) OffsetRect(&caption, 1, 1);
  const std::string& text = Text();
  if (IsEnabled()) {
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, CStylePainter::Color(PaletteRole::kButtonText));
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &caption, kCaptionFormat);
  } else {
    CStylePainter::EmbossedText(hdc, text.c_str(), static_cast<int>(text.size()), caption,
                                kCaptionFormat);
  }
  if (m_focused) {
    RECT focus = client;
    const int inset = IsDefault() ? 4 : 3;
    InflateRect(&focus, -inset, -inset);
    DrawFocusRect(hdc, &focus);
  }
}

}  // namespace ctl
