#include "platform/win/dlg/edit_layout.h"

#include <algorithm>
#include <cstdlib>

namespace dlg {

CEditLayout::CEditLayout() : m_prefix{0} {}

void CEditLayout::SetFont(HFONT font) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  for (int c = 0; c < 256; ++c) {
    const char ch = static_cast<char>(c);
    SIZE size{0, 0};
    GetTextExtentPoint32A(dc, &ch, 1, &size);
    m_advance[c] = std::max<LONG>(0, size.cx);
  }
  TEXTMETRICA metrics{};
  if (GetTextMetricsA(dc, &metrics)) m_lineHeight = std::max<LONG>(1, metrics.tmHeight);
  if (old != nullptr) SelectObject(dc, old);
  DeleteDC(dc);
}

void CEditLayout::SetText(const std::string& text) {
  m_prefix.assign(text.size() + 1, 0);
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Held below a coordinate's range, however long the text.
    m_prefix[i + 1] =
        std::min(m_prefix[i] + m_advance[static_cast<unsigned char>(text[i])], 1 << 28);
  }
  m_scroll = std::clamp(m_scroll, 0, std::max(0, TextWidth() - Room()));
}

void CEditLayout::SetArea(const RECT& area, EditAlign align, bool autoScroll) {
  m_area = area;
  m_align = align;
  m_autoScroll = autoScroll;
  m_scroll = std::clamp(m_scroll, 0, std::max(0, TextWidth() - Room()));
}

int CEditLayout::Room() const { return std::max<int>(0, m_area.right - m_area.left - 1); }

bool CEditLayout::Fits(const std::string& text) const {
  long long width = 0;
  for (const char c : text) width += m_advance[static_cast<unsigned char>(c)];
  return width <= Room();
}

int CEditLayout::Origin() const {
  const int slack = Room() - TextWidth();
  if (slack < 0) return m_area.left - m_scroll;
  switch (m_align) {
    case EditAlign::kRight:
      return m_area.left + slack;
    case EditAlign::kCenter:
      return m_area.left + slack / 2;
    case EditAlign::kLeft:
      break;
  }
  return m_area.left;
}

int CEditLayout::XOf(std::size_t index) const {
  return Origin() + m_prefix[std::min(index, m_prefix.size() - 1)];
}

std::size_t CEditLayout::IndexAt(int x) const {
  const int along = x - Origin();
  // The boundaries are sorted: the nearest is the first at or past `along`
  // or the one before it.
  const auto it = std::lower_bound(m_prefix.begin(), m_prefix.end(), along);
  auto index = static_cast<std::size_t>(it - m_prefix.begin());
  if (index >= m_prefix.size()) return m_prefix.size() - 1;
  if (index > 0 && std::abs(m_prefix[index - 1] - along) <= std::abs(m_prefix[index] - along)) {
    --index;
  }
  return index;
}

void CEditLayout::ShowCaret(std::size_t caret) {
  const int room = Room();
  const int overflow = TextWidth() - room;
  if (overflow <= 0 || !m_autoScroll) {
    m_scroll = overflow <= 0 ? 0 : std::clamp(m_scroll, 0, overflow);
    return;
  }
  const int at = m_prefix[std::min(caret, m_prefix.size() - 1)];
  if (at < m_scroll) {
    m_scroll = at - room / 3;
  } else if (at > m_scroll + room) {
    m_scroll = at - room + room / 3;
  }
  m_scroll = std::clamp(m_scroll, 0, overflow);
}

}  // namespace dlg
