#include "platform/win/dlg/list_box_control.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

#include "platform/win/text_compare.h"

namespace dlg {

namespace {

bool LessNoCase(const std::string& a, const std::string& b) {
  return CompareIgnoringCase(a, b) < 0;
}

// List indices come as ints in wParam, -1 among them.
int IndexParam(WPARAM wParam) { return static_cast<int>(static_cast<std::int32_t>(wParam)); }

}  // namespace

LRESULT CListBoxControl::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Dispatch(hwnd, message, wParam, lParam, &Make);
}

RECT CListBoxControl::Interior() const {
  RECT r = Client();
  if ((Style() & WS_BORDER) != 0) InflateRect(&r, -2, -2);
  return r;
}

int CListBoxControl::FullLines() const {
  const RECT r = Interior();
  return std::max(1, static_cast<int>(r.bottom - r.top) / kLineHeight);
}

void CListBoxControl::Layout() {
  const RECT in = Interior();
  m_bar = (Style() & WS_VSCROLL) != 0 && Count() > FullLines() &&
          in.right - in.left > CScrollBarPart::kWidth;
  m_scroll.SetRect(RECT{in.right - CScrollBarPart::kWidth, in.top, in.right, in.bottom});
  m_scroll.SetRange(Count(), FullLines());
  m_top = std::clamp(m_top, 0, std::max(0, Count() - FullLines()));
  m_scroll.SetPos(m_top);
}

int CListBoxControl::ItemAt(POINT client) const {
  const RECT in = Interior();
  if (client.y < in.top) return -1;
  const int index = m_top + static_cast<int>(client.y - in.top) / kLineHeight;
  return index < Count() ? index : -1;
}

void CListBoxControl::ScrollTo(int top) {
  const int held = std::clamp(top, 0, std::max(0, Count() - FullLines()));
  if (held == m_top) return;
  m_top = held;
  m_scroll.SetPos(m_top);
  Invalidate();
}

void CListBoxControl::EnsureVisible(int index) {
  if (index < 0) return;
  if (index < m_top) ScrollTo(index);
  if (index >= m_top + FullLines()) ScrollTo(index - FullLines() + 1);
}

bool CListBoxControl::SelectByUser(int index) {
  if (NoSelection() || index < 0 || index >= Count()) return true;
  EnsureVisible(index);
  if (index == m_sel) return true;
  m_sel = index;
  Invalidate();
  return (Style() & LBS_NOTIFY) == 0 || Notify(LBN_SELCHANGE);
}

int CListBoxControl::Insert(int index, const char* text) {
  std::string line = text != nullptr ? text : "";
  if (index < 0 || index > Count()) index = Count();
  m_items.insert(m_items.begin() + index, std::move(line));
  if (m_sel >= index) ++m_sel;
  Layout();
  Invalidate();
  return index;
}

LRESULT CListBoxControl::OnListMessage(UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  *handled = true;
  const int index = IndexParam(wParam);
  const bool inRange = index >= 0 && index < Count();
  switch (message) {
    case LB_ADDSTRING: {
      const std::string line = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
      int at = Count();
      if ((Style() & LBS_SORT) != 0) {
        at = static_cast<int>(std::upper_bound(m_items.begin(), m_items.end(), line, LessNoCase) -
                              m_items.begin());
      }
      return Insert(at, line.c_str());
    }
    case LB_INSERTSTRING:
      if (index > Count()) return LB_ERR;
      return Insert(index, reinterpret_cast<const char*>(lParam));
    case LB_DELETESTRING:
      if (!inRange) return LB_ERR;
      m_items.erase(m_items.begin() + index);
      if (m_sel == index) m_sel = -1;
      if (m_sel > index) --m_sel;
      Layout();
      Invalidate();
      return Count();
    case LB_RESETCONTENT:
      m_items.clear();
      m_top = 0;
      m_sel = -1;
      Layout();
      Invalidate();
      return 0;
    case LB_GETCOUNT:
      return Count();
    case LB_GETTEXT: {
      auto* buffer = reinterpret_cast<char*>(lParam);
      if (!inRange || buffer == nullptr) return LB_ERR;
      const std::string& line = m_items[static_cast<size_t>(index)];
      std::memcpy(buffer, line.c_str(), line.size() + 1);
      return static_cast<LRESULT>(line.size());
    }
    case LB_GETTEXTLEN:
      return inRange ? static_cast<LRESULT>(m_items[static_cast<size_t>(index)].size()) : LB_ERR;
    case LB_SETCURSEL:
      if (NoSelection()) return LB_ERR;
      if (m_sel != (inRange ? index : -1)) Invalidate();
      m_sel = inRange ? index : -1;
      EnsureVisible(m_sel);
      return inRange ? index : LB_ERR;
    case LB_GETCURSEL:
      return m_sel >= 0 ? m_sel : LB_ERR;
    case LB_GETTOPINDEX:
      return m_top;
    case LB_SETTOPINDEX:
      if (!inRange && !(index == 0 && Count() == 0)) return LB_ERR;
      ScrollTo(index);
      return 0;
    case LB_GETITEMHEIGHT:
      return kLineHeight;
    default:
      *handled = false;
      return 0;
  }
}

LRESULT CListBoxControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  bool handled = false;
  const LRESULT result = OnListMessage(message, wParam, lParam, &handled);
  if (handled) return result;
  switch (message) {
    case WM_CREATE:
      if ((Style() & LBS_NOINTEGRALHEIGHT) == 0) {
        const RECT client = Client();
        const RECT in = Interior();
        const int lines = std::max(1, static_cast<int>(in.bottom - in.top) / kLineHeight);
        const int height =
            lines * kLineHeight + (client.bottom - in.bottom) + (in.top - client.top);
        SetWindowPos(m_hwnd, nullptr, 0, 0, client.right, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      Layout();
      return 0;
    case WM_SIZE:
      Layout();
      Invalidate();
      return 0;
    case WM_MOUSEWHEEL: {
      const int delta = static_cast<short>(HIWORD(wParam));
      ScrollTo(m_top - delta / WHEEL_DELTA * kWheelLines);
      return 0;
    }
    default:
      return ctl::CControl::OnMessage(message, wParam, lParam);
  }
}

void CListBoxControl::OnPress(POINT client, WPARAM /*keys*/) {
  if (m_bar) {
    const Part part = m_scroll.HitTest(client);
    if (part != Part::kNone) {
      m_held = part;
      m_heldInside = true;
      m_grab = client.y - m_scroll.PartRect(Part::kThumb).top;
      if (part != Part::kThumb) {
        StepHeld();
        SetTimer(m_hwnd, kRepeatTimer, kFirstRepeatMs, nullptr);
      }
      Invalidate();
      return;
    }
  }
  m_selecting = true;
  SelectByUser(ItemAt(client));
}

void CListBoxControl::OnDrag(POINT client) {
  if (m_held == Part::kThumb) {
    ScrollTo(m_scroll.PosForThumbTop(client.y - m_grab));
    return;
  }
  if (m_held != Part::kNone) {
    // Held arrows and page areas act only while the pointer stays on them;
    // a page area shrinks towards the pointer as the thumb comes to it.
    const bool inside = m_scroll.HitTest(client) == m_held;
    if (inside != m_heldInside) {
      m_heldInside = inside;
      Invalidate();
    }
    return;
  }
  if (!m_selecting || NoSelection()) return;
  const RECT in = Interior();
  if (client.y < in.top) {
    SelectByUser(std::max(0, m_top - 1));
  } else if (client.y >= in.bottom) {
    SelectByUser(std::min(Count() - 1, m_top + FullLines()));
  } else if (const int index = ItemAt(client); index >= 0) {
    SelectByUser(index);
  }
}

void CListBoxControl::OnRelease(POINT /*client*/) { OnCancelPress(); }

void CListBoxControl::OnCancelPress() {
  if (m_held != Part::kNone) {
    KillTimer(m_hwnd, kRepeatTimer);
    m_held = Part::kNone;
    Invalidate();
  }
  m_selecting = false;
}

void CListBoxControl::StepHeld() {
  switch (m_held) {
    case Part::kUpArrow:
      ScrollTo(m_top - 1);
      break;
    case Part::kDownArrow:
      ScrollTo(m_top + 1);
      break;
    case Part::kPageUp:
      ScrollTo(m_top - FullLines());
      break;
    case Part::kPageDown:
      ScrollTo(m_top + FullLines());
      break;
    case Part::kThumb:
    case Part::kNone:
      break;
  }
}

void CListBoxControl::OnTimer(UINT_PTR id) {
  if (id != kRepeatTimer) return;
  if (m_held == Part::kNone || m_held == Part::kThumb) {
    KillTimer(m_hwnd, kRepeatTimer);
    return;
  }
  SetTimer(m_hwnd, kRepeatTimer, kRepeatMs, nullptr);
  if (m_heldInside) StepHeld();
}

void CListBoxControl::OnKey(int vk, bool down) {
  if (!down) return;
  const int page = FullLines();
  if (NoSelection()) {
    const int top = vk == VK_UP      ? m_top - 1
                    : vk == VK_DOWN  ? m_top + 1
                    : vk == VK_PRIOR ? m_top - page
                    : vk == VK_NEXT  ? m_top + page
                    : vk == VK_HOME  ? 0
                    : vk == VK_END   ? Count()
                                     : m_top;
    ScrollTo(top);
    return;
  }
  if (Count() == 0) return;
  const int from = m_sel >= 0 ? m_sel : (vk == VK_UP || vk == VK_PRIOR ? Count() : -1);
  const int to = vk == VK_UP      ? from - 1
                 : vk == VK_DOWN  ? from + 1
                 : vk == VK_PRIOR ? from - (page - 1)
                 : vk == VK_NEXT  ? from + (page - 1)
                 : vk == VK_HOME  ? 0
                 : vk == VK_END   ? Count() - 1
                                  : m_sel;
  if (to != m_sel || vk == VK_HOME || vk == VK_END) SelectByUser(std::clamp(to, 0, Count() - 1));
}

void CListBoxControl::OnFocusChanged() {
  Invalidate();
  if ((Style() & LBS_NOTIFY) != 0) Notify(m_focused ? LBN_SETFOCUS : LBN_KILLFOCUS);
}

void CListBoxControl::Draw(HDC hdc, const RECT& client) {
  HBRUSH background = Background(hdc, WM_CTLCOLORLISTBOX, PaletteRole::kWindow);
  if (background == nullptr) return;
  const COLORREF textColor =
      IsEnabled() ? GetTextColor(hdc) : CStylePainter::Color(PaletteRole::kGrayText);
  if ((Style() & WS_BORDER) != 0)
    CStylePainter::PaintBevel(hdc, client, CStylePainter::kSunkenField);
  RECT lines = Interior();
  if (m_bar) lines.right = m_scroll.Rect().left;
  if (FillRect(hdc, &lines, background) == 0) CStylePainter::Fill(hdc, lines, PaletteRole::kWindow);
  const int saved = SaveDC(hdc);
  IntersectClipRect(hdc, lines.left, lines.top, lines.right, lines.bottom);
  SetBkMode(hdc, TRANSPARENT);
  for (int i = m_top, y = lines.top; i < Count() && y < lines.bottom; ++i, y += kLineHeight) {
    const RECT line{lines.left, y, lines.right, y + kLineHeight};
    if (i == m_sel) {
      CStylePainter::Fill(hdc, line, PaletteRole::kSelection);
      SetTextColor(hdc, CStylePainter::Color(PaletteRole::kSelectionText));
    } else {
      SetTextColor(hdc, textColor);
    }
    const std::string& text = m_items[static_cast<size_t>(i)];
    TextOutA(hdc, line.left + kTextIndent, y, text.data(), static_cast<int>(text.size()));
    if (m_focused && !NoSelection() && i == std::max(m_sel, 0)) DrawFocusRect(hdc, &line);
  }
  RestoreDC(hdc, saved);
  if (m_bar) {
    const Part shown = m_heldInside && m_held != Part::kThumb ? m_held : Part::kNone;
    m_scroll.Paint(hdc, shown);
  }
}

}  // namespace dlg
