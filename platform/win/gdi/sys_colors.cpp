#include "platform/win/gdi/sys_colors.h"

#include <array>
#include <cstdint>

#include "platform/win/gdi/handle_table.h"

namespace {

constexpr int kColorCount = COLOR_INFOBK + 1;

constexpr std::array<COLORREF, kColorCount> kScheme = [] {
  std::array<COLORREF, kColorCount> c{};
  c[COLOR_SCROLLBAR] = RGB(192, 192, 192);
  c[COLOR_BACKGROUND] = RGB(0, 128, 128);
  c[COLOR_ACTIVECAPTION] = RGB(0, 0, 128);
  c[COLOR_INACTIVECAPTION] = RGB(128, 128, 128);
  c[COLOR_MENU] = RGB(192, 192, 192);
  c[COLOR_WINDOW] = RGB(255, 255, 255);
  c[COLOR_WINDOWFRAME] = RGB(0, 0, 0);
  c[COLOR_MENUTEXT] = RGB(0, 0, 0);
  c[COLOR_WINDOWTEXT] = RGB(0, 0, 0);
  c[COLOR_CAPTIONTEXT] = RGB(255, 255, 255);
  c[COLOR_ACTIVEBORDER] = RGB(192, 192, 192);
  c[COLOR_INACTIVEBORDER] = RGB(192, 192, 192);
  c[COLOR_APPWORKSPACE] = RGB(128, 128, 128);
  c[COLOR_HIGHLIGHT] = RGB(0, 0, 128);
  c[COLOR_HIGHLIGHTTEXT] = RGB(255, 255, 255);
  c[COLOR_BTNFACE] = RGB(192, 192, 192);
  c[COLOR_BTNSHADOW] = RGB(128, 128, 128);
  c[COLOR_GRAYTEXT] = RGB(128, 128, 128);
  c[COLOR_BTNTEXT] = RGB(0, 0, 0);
  c[COLOR_INACTIVECAPTIONTEXT] = RGB(192, 192, 192);
  c[COLOR_BTNHIGHLIGHT] = RGB(255, 255, 255);
  c[COLOR_3DDKSHADOW] = RGB(0, 0, 0);
  c[COLOR_3DLIGHT] = RGB(223, 223, 223);
  c[COLOR_INFOTEXT] = RGB(0, 0, 0);
  c[COLOR_INFOBK] = RGB(255, 255, 225);
  return c;
}();

std::array<gdi::CGdiBrush*, kColorCount>& Brushes() {
  static auto* brushes = [] {
    auto* made = new std::array<gdi::CGdiBrush*, kColorCount>;
    for (int i = 0; i < kColorCount; ++i) {
      auto* brush = new gdi::CGdiBrush;
      brush->m_color = kScheme[static_cast<std::size_t>(i)];
      (*made)[static_cast<std::size_t>(i)] = brush;
      gdi::CHandleTable::Instance().Add(static_cast<HGDIOBJ>(brush), gdi::ObjectKind::kBrush, true);
    }
    return made;
  }();
  return *brushes;
}

}  // namespace

DWORD GetSysColor(int index) {
  if (index < 0 || index >= kColorCount) return 0;
  return kScheme[static_cast<std::size_t>(index)];
}

HBRUSH GetSysColorBrush(int index) {
  if (index < 0 || index >= kColorCount) return nullptr;
  return Brushes()[static_cast<std::size_t>(index)];
}

namespace gdi {

const CGdiBrush* ResolveBrush(HBRUSH brush) {
  if (const CGdiBrush* live = FindBrush(brush)) return live;
  const auto value = reinterpret_cast<std::uintptr_t>(brush);
  if (value >= 1 && value <= static_cast<std::uintptr_t>(kColorCount)) {
    return Brushes()[value - 1];
  }
  return nullptr;
}

}  // namespace gdi
