#include "platform/win/dlg/edit_undo.h"

#include <utility>

namespace dlg {

void CEditUndo::Empty() {
  m_action = SEditChange{};
  m_kind = EditAction::kOther;
  m_full = false;
  m_open = false;
}

bool CEditUndo::Extends(EditAction kind, const SEditChange& change) const {
  if (!m_full || !m_open || kind != m_kind) return false;
  switch (kind) {
    case EditAction::kTyping:
      return change.removed.empty() && change.start == m_action.start + m_action.inserted;
    case EditAction::kBackspace:
      return change.inserted == 0 && change.start + change.removed.size() == m_action.start;
    case EditAction::kDelete:
      return change.inserted == 0 && change.start == m_action.start;
    case EditAction::kOther:
      break;
  }
  return false;
}

void CEditUndo::Record(EditAction kind, const SEditChange& change) {
  if (change.removed.empty() && change.inserted == 0) return;
  if (Extends(kind, change)) {
    if (kind == EditAction::kTyping) {
      m_action.inserted += change.inserted;
    } else if (kind == EditAction::kBackspace) {
      m_action.removed.insert(0, change.removed);
      m_action.start = change.start;
    } else {
      m_action.removed += change.removed;
    }
    return;
  }
  m_action = change;
  m_kind = kind;
  m_full = true;
  m_open = kind != EditAction::kOther;
}

bool CEditUndo::Within(std::size_t length) const {
  return m_action.start <= length && m_action.inserted <= length - m_action.start;
}

std::string CEditUndo::Undone(const std::string& text) const {
  std::string out = text;
  if (m_full && Within(text.size())) {
    out.replace(m_action.start, m_action.inserted, m_action.removed);
  }
  return out;
}

bool CEditUndo::Undo(CEditText* text) {
  if (!m_full) return false;
  // Every change of the text either joins the record or empties it, so
  // this holds; a record that no longer fits is dropped rather than used.
  if (!Within(text->Length())) {
    Empty();
    return false;
  }
  const std::size_t anchor = text->Anchor();
  const std::size_t caret = text->Caret();
  // Within() keeps both ends inside the text, far below the range of a
  // long long.
  const std::size_t end = m_action.start + m_action.inserted;
  text->Select(static_cast<long long>(m_action.start), static_cast<long long>(end));
  text->ReplaceSelection(m_action.removed, false);
  SEditChange redo = text->LastChange();
  text->Select(static_cast<long long>(m_action.anchor), static_cast<long long>(m_action.caret));
  // What the undo took out is what a second undo puts back, with the
  // selection from just before this one.
  redo.anchor = anchor;
  redo.caret = caret;
  m_action = std::move(redo);
  m_kind = EditAction::kOther;
  m_open = false;
  return true;
}

}  // namespace dlg
