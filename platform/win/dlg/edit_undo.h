// The edit's one level of undo, as the classic edit keeps it: the last
// action and what it replaced. Undoing puts back the text and the selection
// from before the action and keeps the action itself in its place, so a
// second undo does it again.
//
// An action is one edit or a run of them: characters typed one after the
// other, Backspaces that each take the character before the last one
// taken, Deletes at the same place. A caret move (Seal) or an edit of
// another kind begins a new action; a paste, a cut or a replacement is an
// action on its own.
#pragma once

#include <cstddef>
#include <string>

#include "platform/win/dlg/edit_text.h"

namespace dlg {

enum class EditAction { kTyping, kBackspace, kDelete, kOther };

class CEditUndo {
 public:
  bool CanUndo() const { return m_full; }
  void Empty();
  // The next edit begins an action, whatever it is.
  void Seal() { m_open = false; }
  // After `text` changed by an edit of `kind`: that change (its
  // LastChange) joins the current action or begins a new one.
  void Record(EditAction kind, const SEditChange& change);
  // What `text` would be after Undo; `text` itself when there is nothing
  // to undo.
  std::string Undone(const std::string& text) const;
  // Puts back what the action replaced, with its selection; false (and
  // `text` unchanged) when there is nothing to undo.
  bool Undo(CEditText* text);

 private:
  bool Extends(EditAction kind, const SEditChange& change) const;
  // Whether the action still lies inside a text of `length` characters.
  bool Within(std::size_t length) const;

  SEditChange m_action;  // its selection is the one from before it
  EditAction m_kind = EditAction::kOther;
  bool m_full = false;
  bool m_open = false;
};

}  // namespace dlg
