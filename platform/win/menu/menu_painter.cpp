#include "platform/win/menu/menu_painter.h"

#include <algorithm>

#include "platform/win/gdi/style_painter.h"
#include "platform/win/menu/menu.h"
#include "platform/win/menu/menu_layout.h"

namespace menus {

namespace {

constexpr UINT kLabelFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT;

// The separator's etched line: shadow over highlight.
constexpr SBevel kSeparatorLine{"SH", "", "", ""};

bool IsGrayed(const SMenuItem& item) { return (item.flags & MF_GRAYED) != 0; }
bool IsLit(const SMenuItem& item) { return (item.flags & MF_HILITE) != 0; }

enum class Backdrop { kFace, kSelection };

void Text(HDC hdc, const char* text, int count, RECT rect, UINT format, PaletteRole role) {
  SetTextColor(hdc, CStylePainter::Color(role));
  DrawTextA(hdc, text, count, &rect, format);
}

// A label as the item's state shows it: grayed items embossed on the face,
// plain grey on the selection colour.
void Label(HDC hdc, const SMenuItem& item, Backdrop backdrop, const char* text, int count,
           const RECT& rect, UINT format) {
  if (IsGrayed(item) && backdrop == Backdrop::kFace) {
    CStylePainter::EmbossedText(hdc, text, count, rect, format);
  } else if (IsGrayed(item)) {
    Text(hdc, text, count, rect, format, PaletteRole::kGrayText);
  } else {
    Text(hdc, text, count, rect, format,
         backdrop == Backdrop::kFace ? PaletteRole::kWindowText : PaletteRole::kSelectionText);
  }
}

// The check mark: seven columns of three pixels, a short stroke down and a
// long one up, centred in the space left of the label.
void CheckMark(HDC hdc, const RECT& item, PaletteRole role) {
  static constexpr int kTops[7] = {2, 3, 4, 3, 2, 1, 0};
  const int left = item.left + (CMenuLayout::kTextLeft - item.left - 7) / 2;
  const int top = item.top + (item.bottom - item.top - 7) / 2;
  for (int x = 0; x < 7; ++x) {
    CStylePainter::Fill(hdc, RECT{left + x, top + kTops[x], left + x + 1, top + kTops[x] + 3},
                        role);
  }
}

void DropDownItem(HDC hdc, const SMenuItem& item, const RECT& rect, SIZE size) {
  if (IsSeparator(item)) {
    CStylePainter::PaintBevel(hdc, RECT{rect.left + 1, rect.top + 3, rect.right - 1, rect.top + 5},
                              kSeparatorLine);
    return;
  }
  const Backdrop backdrop = IsLit(item) ? Backdrop::kSelection : Backdrop::kFace;
  if (backdrop == Backdrop::kSelection) CStylePainter::Fill(hdc, rect, PaletteRole::kSelection);
  PaletteRole mark =
      backdrop == Backdrop::kFace ? PaletteRole::kWindowText : PaletteRole::kSelectionText;
  if (IsGrayed(item)) mark = PaletteRole::kGrayText;
  if ((item.flags & MF_CHECKED) != 0) CheckMark(hdc, rect, mark);
  const RECT area{CMenuLayout::kTextLeft, rect.top, size.cx - CMenuLayout::kTextLeft, rect.bottom};
  const size_t tab = item.text.find('\t');
  const int labelLength = static_cast<int>(std::min(tab, item.text.size()));
  Label(hdc, item, backdrop, item.text.data(), labelLength, area, kLabelFormat);
  if (tab != std::string::npos) {
    Label(hdc, item, backdrop, item.text.data() + tab + 1,
          static_cast<int>(item.text.size() - tab - 1), area,
          DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
  }
  if (IsPopup(item)) {
    const RECT arrow{rect.right - 10, rect.top + 5, rect.right - 6, rect.bottom - 5};
    CStylePainter::Arrow(hdc, arrow, ArrowDirection::kRight, mark);
  }
}

}  // namespace

void CMenuPainter::PaintBar(HWND top, HDC hdc, int width, int height) {
  CStylePainter::Fill(hdc, RECT{0, 0, width, height}, PaletteRole::kFace);
  HMENU bar = GetMenu(top);
  HMENU__* data = CMenuStore::Find(bar);
  if (data == nullptr) return;
  SelectObject(hdc, CMenuLayout::Font());
  SetBkMode(hdc, TRANSPARENT);
  for (size_t i = 0; i < data->items.size(); ++i) {
    RECT r = CMenuLayout::BarItemRect(bar, static_cast<int>(i));
    if (r.left >= width) break;
    const SMenuItem& item = data->items[i];
    RECT text{r.left, 0, r.right, height};
    if (IsLit(item)) {
      CStylePainter::ThinSunkenPane(hdc, r);
      // Pressed in: the label moves with the pane, as a pushed button's does.
      OffsetRect(&text, 1, 1);
    }
    // The bar's highlight is a pane on the face, so its labels stay dark.
    Label(hdc, item, Backdrop::kFace, item.text.data(), static_cast<int>(item.text.size()), text,
          kLabelFormat | DT_CENTER);
  }
}

void CMenuPainter::PaintDropDown(HDC hdc, HMENU popup, SIZE size) {
  RECT frame{0, 0, size.cx, size.cy};
  DrawEdge(hdc, &frame, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  HMENU__* data = CMenuStore::Find(popup);
  if (data == nullptr) return;
  SelectObject(hdc, CMenuLayout::Font());
  SetBkMode(hdc, TRANSPARENT);
  for (size_t i = 0; i < data->items.size(); ++i) {
    DropDownItem(hdc, data->items[i], CMenuLayout::DropDownItemRect(popup, static_cast<int>(i)),
                 size);
  }
}

}  // namespace menus
