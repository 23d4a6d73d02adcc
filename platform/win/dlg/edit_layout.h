// Where a single-line edit's characters stand: the text's width from the
// font's advances, its alignment in the text area, and the horizontal
// scroll that keeps the caret in sight.
//
// The area keeps its last pixel column for the caret after the last
// character, so a right-aligned text ends one pixel in from the area's
// right edge. A text that fits is aligned (left, right or centre) and never
// scrolls; one that does not fit starts at the area's left edge less the
// scroll, which runs from 0 to the overflow and, with ES_AUTOHSCROLL,
// follows the caret: it jumps a third of the area past an edge so that
// some text shows beyond the caret.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/win/wingdi.h"

namespace dlg {

enum class EditAlign { kLeft, kCenter, kRight };

class CEditLayout {
 public:
  CEditLayout();

  // The font's advance of each byte and its line height; measured once
  // per font.
  void SetFont(HFONT font);
  int LineHeight() const { return m_lineHeight; }
  void SetText(const std::string& text);
  void SetArea(const RECT& area, EditAlign align, bool autoScroll);

  const RECT& Area() const { return m_area; }
  int TextWidth() const { return m_prefix.back(); }
  // Whether `text` would fit the area without scrolling.
  bool Fits(const std::string& text) const;
  // The client x of the boundary before character `index` (held to the
  // text).
  int XOf(std::size_t index) const;
  // The boundary nearest to client x.
  std::size_t IndexAt(int x) const;
  // Scrolls, if the text overflows and scrolling is on, so that boundary
  // `caret` is in the area.
  void ShowCaret(std::size_t caret);
  int Scroll() const { return m_scroll; }

 private:
  int Room() const;  // the area's width less the caret's column
  int Origin() const;

  int m_advance[256] = {};
  int m_lineHeight = 13;
  std::vector<int> m_prefix;  // width of the first i characters
  RECT m_area{};
  EditAlign m_align = EditAlign::kLeft;
  bool m_autoScroll = false;
  int m_scroll = 0;
};

}  // namespace dlg
