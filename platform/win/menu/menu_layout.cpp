#include "platform/win/menu/menu_layout.h"

#include <algorithm>

namespace menus {

namespace {

int TextWidth(HDC dc, const char* text, int count, UINT format) {
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, text, count, &r, format | DT_CALCRECT | DT_SINGLELINE);
  return static_cast<int>(std::max<LONG>(0, r.right));
}

LONG Clamp(long long v) { return static_cast<LONG>(std::clamp<long long>(v, -32768, 32767)); }

int ItemHeight(const SMenuItem& item) {
  return IsSeparator(item) ? CMenuLayout::kSeparatorHeight : CMenuLayout::kItemHeight;
}

}  // namespace

HFONT CMenuLayout::Font() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

void CMenuLayout::Measure(HMENU menu) {
  HMENU__* data = CMenuStore::Find(menu);
  if (data == nullptr) return;
  HDC dc = nullptr;
  for (SMenuItem& item : data->items) {
    if (item.labelWidth >= 0) continue;
    if (dc == nullptr) {
      dc = CreateCompatibleDC(nullptr);
      SelectObject(dc, Font());
    }
    const std::string& text = item.text;
    const size_t tab = text.find('\t');
    const int labelLength = static_cast<int>(std::min(tab, text.size()));
    item.labelWidth = TextWidth(dc, text.data(), labelLength, 0);
    item.rightWidth =
        tab == std::string::npos
            ? 0
            : TextWidth(dc, text.data() + tab + 1, static_cast<int>(text.size() - tab - 1), 0);
  }
  if (dc != nullptr) DeleteDC(dc);
}

RECT CMenuLayout::BarItemRect(HMENU bar, int index) {
  HMENU__* data = CMenuStore::Find(bar);
  if (data == nullptr || index < 0 || index >= static_cast<int>(data->items.size())) {
    return RECT{0, 0, 0, 0};
  }
  Measure(bar);
  long long x = 0;
  for (int i = 0;; ++i) {
    const long long width = data->items[static_cast<size_t>(i)].labelWidth + 2LL * kBarPadding;
    if (i == index) {
      return RECT{Clamp(x), kBarItemTop, Clamp(x + width), kMenuBarHeight - kBarItemTop};
    }
    x += width;
  }
}

int CMenuLayout::BarItemAt(HMENU bar, int x) {
  HMENU__* data = CMenuStore::Find(bar);
  if (data == nullptr || x < 0) return -1;
  Measure(bar);
  long long left = 0;
  for (size_t i = 0; i < data->items.size(); ++i) {
    left += data->items[i].labelWidth + 2LL * kBarPadding;
    if (x < left) return static_cast<int>(i);
  }
  return -1;
}

SIZE CMenuLayout::DropDownSize(HMENU popup) {
  HMENU__* data = CMenuStore::Find(popup);
  if (data == nullptr) return SIZE{2 * kFrame, 2 * kFrame};
  Measure(popup);
  long long labels = 0;
  long long rights = 0;
  long long height = 2LL * kFrame;
  for (const SMenuItem& item : data->items) {
    height += ItemHeight(item);
    if (IsSeparator(item)) continue;
    labels = std::max<long long>(labels, item.labelWidth);
    rights = std::max<long long>(rights, item.rightWidth);
  }
  const long long width = 2LL * kTextLeft + labels + (rights > 0 ? kRightGap + rights : 0);
  return SIZE{Clamp(width), Clamp(height)};
}

RECT CMenuLayout::DropDownItemRect(HMENU popup, int index) {
  HMENU__* data = CMenuStore::Find(popup);
  if (data == nullptr || index < 0 || index >= static_cast<int>(data->items.size())) {
    return RECT{0, 0, 0, 0};
  }
  const SIZE size = DropDownSize(popup);
  long long y = kFrame;
  for (int i = 0; i < index; ++i) y += ItemHeight(data->items[static_cast<size_t>(i)]);
  return RECT{kFrame, Clamp(y), size.cx - kFrame,
              Clamp(y + ItemHeight(data->items[static_cast<size_t>(index)]))};
}

int CMenuLayout::DropDownItemAt(HMENU popup, POINT point) {
  HMENU__* data = CMenuStore::Find(popup);
  if (data == nullptr) return -1;
  const SIZE size = DropDownSize(popup);
  if (point.x < kFrame || point.x >= size.cx - kFrame || point.y < kFrame) return -1;
  long long y = kFrame;
  for (size_t i = 0; i < data->items.size(); ++i) {
    y += ItemHeight(data->items[i]);
    if (point.y < y) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace menus
