#include "platform/win/ctl/static_control.h"

#include "platform/win/ctl/control_classes.h"
#include "platform/win/wm/resource_loaders.h"

namespace ctl {

LRESULT CStaticControl::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Dispatch(hwnd, message, wParam, lParam, &Make);
}

CStaticControl::CStaticControl(HWND hwnd, const CREATESTRUCTA& cs) : CControl(hwnd) {
  // An icon label names its icon in its text, as templates give it.
  if ((static_cast<DWORD>(cs.style) & SS_TYPEMASK) == SS_ICON && cs.lpszName != nullptr) {
    m_icon = LoadIconA(cs.hInstance, cs.lpszName);
  }
}

LRESULT CStaticControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      if (m_icon != nullptr) {
        // Sized to the icon, as the system does once the control exists.
        const HICON icon = m_icon;
        m_icon = nullptr;
        SetIcon(icon);
      }
      return 0;
    case STM_SETIMAGE:
      if (wParam == IMAGE_BITMAP && Kind() == SS_BITMAP) {
        const HBITMAP previous = m_bitmap;
        m_bitmap = reinterpret_cast<HBITMAP>(lParam);
        Invalidate();
        return reinterpret_cast<LRESULT>(previous);
      }
      if (wParam == IMAGE_ICON && Kind() == SS_ICON) {
        return reinterpret_cast<LRESULT>(SetIcon(reinterpret_cast<HICON>(lParam)));
      }
      return 0;
    case STM_GETIMAGE:
      if (wParam == IMAGE_BITMAP && Kind() == SS_BITMAP) return reinterpret_cast<LRESULT>(m_bitmap);
      if (wParam == IMAGE_ICON && Kind() == SS_ICON) return reinterpret_cast<LRESULT>(m_icon);
      return 0;
    case STM_SETICON:
      return Kind() == SS_ICON ? reinterpret_cast<LRESULT>(SetIcon(reinterpret_cast<HICON>(wParam)))
                               : 0;
    case STM_GETICON:
      return reinterpret_cast<LRESULT>(m_icon);
    default:
      return CControl::OnMessage(message, wParam, lParam);
  }
}

HICON CStaticControl::SetIcon(HICON icon) {
  const HICON previous = m_icon;
  m_icon = icon;
  SIZE size{};
  if ((Style() & SS_CENTERIMAGE) == 0 && GetIconSize(icon, &size)) {
    SetWindowPos(m_hwnd, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Invalidate();
  return previous;
}

LRESULT CStaticControl::HitTest() const {
  return (Style() & SS_NOTIFY) != 0 ? HTCLIENT : HTTRANSPARENT;
}

void CStaticControl::OnRelease(POINT client) {
  const RECT r = Client();
  if ((Style() & SS_NOTIFY) == 0 || !PtInRect(&r, client)) return;
  Notify(STN_CLICKED);
}

void CStaticControl::Draw(HDC hdc, const RECT& client) {
  HBRUSH background = Background(hdc);
  if (background == nullptr) return;
  FillBackground(hdc, client, background);
  switch (Kind()) {
    case SS_BITMAP:
      DrawBitmap(hdc);
      return;
    case SS_ICON: {
      SIZE size{};
      if (!GetIconSize(m_icon, &size)) return;
      int x = 0;
      int y = 0;
      if ((Style() & SS_CENTERIMAGE) != 0) {
        x = (client.right - size.cx) / 2;
        y = (client.bottom - size.cy) / 2;
      }
      DrawIconEx(hdc, x, y, m_icon, 0, 0, 0, nullptr, DI_NORMAL);
      return;
    }
    case SS_BLACKRECT:
      CStylePainter::Fill(hdc, client, PaletteRole::kWindowFrame);
      return;
    default:
      DrawText(hdc, client);
      return;
  }
}

void CStaticControl::DrawText(HDC hdc, const RECT& client) {
  UINT format = DT_WORDBREAK | DT_EXPANDTABS;
  if (Kind() == SS_CENTER) format |= DT_CENTER;
  if (Kind() == SS_RIGHT) format |= DT_RIGHT;
  if ((Style() & SS_NOPREFIX) != 0) format |= DT_NOPREFIX;
  if (!IsEnabled()) SetTextColor(hdc, CStylePainter::Color(PaletteRole::kGrayText));
  SetBkMode(hdc, TRANSPARENT);
  RECT r = client;
  const std::string& text = Text();
  ::DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

void CStaticControl::DrawBitmap(HDC hdc) {
  BITMAP info{};
  if (m_bitmap == nullptr || GetObjectA(m_bitmap, sizeof info, &info) == 0) return;
  HDC source = CreateCompatibleDC(hdc);
  // A bitmap that sits in another memory DC cannot be shown from here.
  HGDIOBJ old = SelectObject(source, m_bitmap);
  if (old != nullptr) {
    BitBlt(hdc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
  }
  DeleteDC(source);
}

}  // namespace ctl
