// The text of a single-line edit and what editing does to it: the
// selection between an anchor and the caret, insertion over the selection
// within the length limit, deletion, caret moves. No window here; the edit
// control holds one of these and turns messages into these calls.
#pragma once

#include <cstddef>
#include <string>

namespace dlg {

// What one edit did, which is all an undo needs: at `start`, `removed`
// went out and `inserted` characters came in, and before it the selection
// ran from `anchor` to `caret`.
struct SEditChange {
  std::size_t start = 0;
  std::string removed;
  std::size_t inserted = 0;
  std::size_t anchor = 0;
  std::size_t caret = 0;
};

class CEditText {
 public:
  static constexpr std::size_t kDefaultLimit = 32767;
  static constexpr std::size_t kMaxLimit = 0x7FFFFFFE;

  const std::string& Text() const { return m_text; }
  std::size_t Length() const { return m_text.size(); }
  std::size_t Anchor() const { return m_anchor; }
  std::size_t Caret() const { return m_caret; }
  std::size_t SelStart() const { return m_anchor < m_caret ? m_anchor : m_caret; }
  std::size_t SelEnd() const { return m_anchor < m_caret ? m_caret : m_anchor; }
  bool HasSelection() const { return m_anchor != m_caret; }
  std::string Selected() const { return m_text.substr(SelStart(), SelEnd() - SelStart()); }
  std::size_t Limit() const { return m_limit; }
  // 0 (or anything above kMaxLimit) is the largest limit there is.
  void SetLimit(std::size_t limit);

  // The program's text: taken whole, whatever the limit; caret to the start.
  void SetText(const std::string& text);
  // Puts `insert` over the selection and the caret after it. With
  // `limited`, only as much as the limit leaves room for goes in; false
  // when nothing changed. *truncated says that the limit cut it.
  bool ReplaceSelection(const std::string& insert, bool limited, bool* truncated = nullptr);
  // Backspace and Delete: the selection if there is one, else one character
  // before or after the caret. False when there was nothing to delete.
  bool DeleteBack();
  bool DeleteForward();
  // The last of the three above that changed the text.
  const SEditChange& LastChange() const { return m_change; }

  // The caret to `pos` (held to the text); `extend` keeps the anchor, so the
  // selection grows or shrinks, else the selection collapses there.
  void MoveCaret(std::size_t pos, bool extend);
  // EM_SETSEL: the anchor at `start` and the caret at `end`; a negative end
  // is the end of the text, a negative start removes the selection and
  // leaves the caret where it is.
  void Select(long long start, long long end);
  void SelectAll() { Select(0, -1); }
  // Where Ctrl+Left and Ctrl+Right go: the start of the word before or
  // after `from`, words being runs of anything but blanks.
  std::size_t WordLeft(std::size_t from) const;
  std::size_t WordRight(std::size_t from) const;

 private:
  std::size_t Held(std::size_t pos) const { return pos < m_text.size() ? pos : m_text.size(); }
  // Puts `insert` over [start, end), which lies in the text.
  bool Replace(std::size_t start, std::size_t end, const std::string& insert, bool limited,
               bool* truncated);

  std::string m_text;
  std::size_t m_anchor = 0;
  std::size_t m_caret = 0;
  std::size_t m_limit = kDefaultLimit;
  SEditChange m_change;
};

}  // namespace dlg
