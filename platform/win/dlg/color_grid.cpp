#include "platform/win/dlg/color_grid.h"

#include <algorithm>

namespace dlg {

namespace {

RECT Inset(RECT r, int by) {
  InflateRect(&r, -by, -by);
  return r;
}

void FillColor(HDC hdc, const RECT& r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(hdc, &r, brush);
  DeleteObject(brush);
}

}  // namespace

void CColorGrid::Register() {
  WNDCLASSA wc{};
  if (GetClassInfoA(nullptr, kClassName, &wc)) return;
  wc.lpfnWndProc = &Proc;
  wc.cbWndExtra = 8;
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
}

LRESULT CColorGrid::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Dispatch(hwnd, message, wParam, lParam, &Make);
}

LRESULT CColorGrid::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kSetColors: {
      const auto* colors = reinterpret_cast<const COLORREF*>(lParam);
      const size_t count = colors != nullptr ? std::min<WPARAM>(wParam, kMaxCells) : 0;
      m_colors.assign(colors, colors + count);
      if (m_sel >= static_cast<int>(m_colors.size())) m_sel = -1;
      Invalidate();
      return 0;
    }
    case kSetSel:
      SetSel(static_cast<int>(static_cast<LONG_PTR>(wParam)));
      return 0;
    case kGetSel:
      return m_sel;
    default:
      return CControl::OnMessage(message, wParam, lParam);
  }
}

int CColorGrid::Rows() const {
  return (static_cast<int>(m_colors.size()) + kColumns - 1) / kColumns;
}

RECT CColorGrid::CellRect(int index) const {
  const RECT area = Client();
  const int rows = std::max(1, Rows());
  const int col = index % kColumns;
  const int row = index / kColumns;
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;
  return RECT{area.left + col * w / kColumns, area.top + row * h / rows,
              area.left + (col + 1) * w / kColumns, area.top + (row + 1) * h / rows};
}

void CColorGrid::SetSel(int index) {
  if (index < 0 || index >= static_cast<int>(m_colors.size())) index = -1;
  if (index == m_sel) return;
  // The old cell loses its frame (and the focus rectangle), the new one
  // gains them; the first cell held the focus rectangle while none was
  // selected.
  const RECT before = CellRect(Current());
  m_sel = index;
  const RECT after = CellRect(Current());
  Invalidate(&before);
  Invalidate(&after);
}

void CColorGrid::Choose(int index) {
  if (index < 0 || index >= static_cast<int>(m_colors.size()) || index == m_sel) return;
  SetSel(index);
  Notify(kSelChange);
}

void CColorGrid::OnPress(POINT client, WPARAM /*keys*/) {
  for (int i = 0; i < static_cast<int>(m_colors.size()); ++i) {
    const RECT cell = CellRect(i);
    if (PtInRect(&cell, client)) {
      Choose(i);
      return;
    }
  }
}

void CColorGrid::OnKey(int vk, bool down) {
  if (!down || m_colors.empty()) return;
  const int count = static_cast<int>(m_colors.size());
  const int at = Current();
  int next = at;
  switch (vk) {
    case VK_LEFT:
      if (at % kColumns > 0) --next;
      break;
    case VK_RIGHT:
      if (at % kColumns < kColumns - 1 && at + 1 < count) ++next;
      break;
    case VK_UP:
      if (at >= kColumns) next -= kColumns;
      break;
    case VK_DOWN:
      if (at + kColumns < count) next += kColumns;
      break;
    default:
      return;
  }
  // At an edge the current cell stays; if nothing was selected yet, the
  // arrow still picks the cell the focus rectangle showed.
  Choose(next);
}

void CColorGrid::Draw(HDC hdc, const RECT& client) {
  CStylePainter::Fill(hdc, client, PaletteRole::kFace);
  for (int i = 0; i < static_cast<int>(m_colors.size()); ++i) {
    const RECT cell = CellRect(i);
    if (i == m_sel) {
      const RECT frame = Inset(cell, 1);
      FrameRect(hdc, &frame, CStylePainter::Brush(PaletteRole::kWindowFrame));
    }
    const RECT inner = CStylePainter::PaintBevel(hdc, Inset(cell, 3), CStylePainter::kSunkenField);
    FillColor(hdc, inner, m_colors[static_cast<size_t>(i)]);
  }
  if (m_focused && !m_colors.empty()) {
    const RECT cell = CellRect(Current());
    DrawFocusRect(hdc, &cell);
  }
}

}  // namespace dlg
