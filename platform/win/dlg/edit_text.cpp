#include "platform/win/dlg/edit_text.h"

namespace dlg {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

void CEditText::SetLimit(std::size_t limit) {
  m_limit = limit == 0 || limit > kMaxLimit ? kMaxLimit : limit;
}

void CEditText::SetText(const std::string& text) {
  m_text = text;
  m_anchor = 0;
  m_caret = 0;
}

bool CEditText::ReplaceSelection(const std::string& insert, bool limited, bool* truncated) {
  return Replace(SelStart(), SelEnd(), insert, limited, truncated);
}

bool CEditText::DeleteBack() {
  if (HasSelection()) return Replace(SelStart(), SelEnd(), std::string(), false, nullptr);
  return m_caret > 0 && Replace(m_caret - 1, m_caret, std::string(), false, nullptr);
}

bool CEditText::DeleteForward() {
  if (HasSelection()) return Replace(SelStart(), SelEnd(), std::string(), false, nullptr);
  return m_caret < m_text.size() && Replace(m_caret, m_caret + 1, std::string(), false, nullptr);
}

bool CEditText::Replace(std::size_t start, std::size_t end, const std::string& insert, bool limited,
                        bool* truncated) {
  const std::size_t removed = end - start;
  std::size_t take = insert.size();
  if (truncated != nullptr) *truncated = false;
  if (limited) {
    const std::size_t kept = m_text.size() - removed;
    const std::size_t room = kept < m_limit ? m_limit - kept : 0;
    if (take > room) {
      take = room;
      if (truncated != nullptr) *truncated = true;
    }
  }
  if (removed == 0 && take == 0) return false;
  m_change.start = start;
  m_change.removed.assign(m_text, start, removed);
  m_change.inserted = take;
  m_change.anchor = m_anchor;
  m_change.caret = m_caret;
  m_text.replace(start, removed, insert, 0, take);
  m_caret = start + take;
  m_anchor = m_caret;
  return true;
}

void CEditText::MoveCaret(std::size_t pos, bool extend) {
  m_caret = Held(pos);
  if (!extend) m_anchor = m_caret;
}

void CEditText::Select(long long start, long long end) {
  const auto length = static_cast<long long>(m_text.size());
  if (start < 0) {
    m_anchor = m_caret;
    return;
  }
  if (end < 0 || end > length) end = length;
  if (start > length) start = length;
  m_anchor = static_cast<std::size_t>(start);
  m_caret = static_cast<std::size_t>(end);
}

std::size_t CEditText::WordLeft(std::size_t from) const {
  std::size_t i = Held(from);
  while (i > 0 && IsBlank(m_text[i - 1])) --i;
  while (i > 0 && !IsBlank(m_text[i - 1])) --i;
  return i;
}

std::size_t CEditText::WordRight(std::size_t from) const {
  std::size_t i = Held(from);
  while (i < m_text.size() && !IsBlank(m_text[i])) ++i;
  while (i < m_text.size() && IsBlank(m_text[i])) ++i;
  return i;
}

}  // namespace dlg
