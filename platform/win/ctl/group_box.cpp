#include "platform/win/ctl/group_box.h"

#include "platform/win/wm/wnd.h"

namespace ctl {

bool IsGroupBox(HWND hwnd) {
  return IsLive(hwnd) && IsOfClass(hwnd, "BUTTON") && IsGroupBoxStyle(hwnd->style);
}

LRESULT CGroupBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CControl::OnMessage(message, wParam, lParam);
  if (message == WM_SETFONT && lParam != 0) RepaintCaptionStrip();
  return result;
}

void CGroupBox::OnTextChanged() { RepaintCaptionStrip(); }

int CGroupBox::LineHeight() const {
  HDC hdc = GetDC(m_hwnd);
  SelectObject(hdc, m_font);
  TEXTMETRICA tm{};
  const int height = GetTextMetricsA(hdc, &tm) ? static_cast<int>(tm.tmHeight) : 0;
  ReleaseDC(m_hwnd, hdc);
  return height;
}

void CGroupBox::RepaintCaptionStrip() {
  HWND parent = GetParent(m_hwnd);
  const RECT client = Client();
  POINT corners[2] = {{0, 0}, {client.right, LineHeight()}};
  MapWindowPoints(m_hwnd, parent, corners, 2);
  const RECT strip{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  // The parent's repaint takes the group box's own part with it.
  InvalidateRect(parent, &strip, TRUE);
  Invalidate();
}

void CGroupBox::Draw(HDC hdc, const RECT& client) {
  HBRUSH background = Background(hdc);
  if (background == nullptr) return;
  TEXTMETRICA tm{};
  GetTextMetricsA(hdc, &tm);
  const int line = static_cast<int>(tm.tmHeight);
  const std::string& text = Text();
  int gapLeft = 0;
  int gapRight = 0;
  if (!text.empty()) {
    const int count = static_cast<int>(text.size());
    RECT caption{kCaptionLeft, 0, kCaptionLeft, line};
    DrawTextA(hdc, text.c_str(), count, &caption, DT_CALCRECT | DT_SINGLELINE);
    caption.bottom = line;
    gapLeft = kCaptionLeft - kCaptionGap;
    gapRight = static_cast<int>(caption.right) + kCaptionGap;
    FillBackground(hdc, RECT{gapLeft, 0, gapRight, line}, background);
    if (IsEnabled()) {
      SetBkMode(hdc, TRANSPARENT);
      DrawTextA(hdc, text.c_str(), count, &caption, DT_LEFT | DT_SINGLELINE);
    } else {
      CStylePainter::EmbossedText(hdc, text.c_str(), count, caption, DT_LEFT | DT_SINGLELINE);
    }
  }
  CStylePainter::GroupBoxFrame(hdc, RECT{0, line / 2, client.right, client.bottom}, gapLeft,
                               gapRight);
}

}  // namespace ctl
