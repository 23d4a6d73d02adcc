// "EDIT", the single-line edit: a caret that blinks on an internal timer,
// selection by mouse drag and by Shift with the arrows, Home and End,
// Backspace and Delete, cut, copy and paste through the host's clipboard,
// ES_LEFT / ES_CENTER / ES_RIGHT, ES_READONLY (face-coloured, caret but no
// typing), ES_AUTOHSCROLL (without it, typing stops at the right edge),
// ES_NUMBER, WS_BORDER drawn as the sunken field, and one level of undo
// (Ctrl+Z, Alt+Backspace, EM_UNDO and WM_UNDO; see CEditUndo). A right
// click, Shift+F10 or the Menu key opens its context menu: Undo, Cut,
// Copy, Paste, Delete and Select All, each grayed when it would do nothing.
//
// Every change of the text sends EN_UPDATE and then EN_CHANGE to the
// parent: typed, pasted, cut, undone, EM_REPLACESEL, and WM_SETTEXT,
// which sends them even when the new text equals the old, as the classic
// edit does.
// The program's own texts ignore the length limit; typing and pasting keep
// to it and report EN_MAXTEXT when it cuts them short, and an undo that
// would break it is refused the same way. The program's texts (WM_SETTEXT,
// and EM_REPLACESEL unless it asks for an undo) empty the undo buffer. The
// selection shows only while the edit has the focus.
#pragma once

#include "platform/win/ctl/control.h"
#include "platform/win/dlg/dialogs.h"
#include "platform/win/dlg/edit_layout.h"
#include "platform/win/dlg/edit_text.h"
#include "platform/win/dlg/edit_undo.h"

namespace dlg {

class CEditControl final : public ctl::CControl {
 public:
  static constexpr UINT_PTR kCaretTimer = 1;
  static constexpr UINT kCaretBlinkMs = 500;
  // The class's private message from an up-down docked inside its right
  // edge (wParam nonzero), which then draws that side of the border.
  static constexpr UINT kDockRight = WM_USER + 0x0D00;

  static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  CEditControl(HWND hwnd, const CREATESTRUCTA& cs);
  static ctl::CControl* Make(HWND hwnd, const CREATESTRUCTA& cs) {
    return new CEditControl(hwnd, cs);
  }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  UINT DialogCode() const override { return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL; }
  void OnPress(POINT client, WPARAM keys) override;
  void OnDrag(POINT client) override;
  void OnKey(int vk, bool down) override;
  void OnChar(int ch) override;
  void OnTimer(UINT_PTR id) override;
  void OnFocusChanged() override;
  void Draw(HDC hdc, const RECT& client) override;

  bool ReadOnly() const { return (Style() & ES_READONLY) != 0; }
  bool HasBorder() const;
  RECT Interior() const;
  void Relayout();
  // After the text changed: layout, caret, repaint, then the notifications;
  // false once the control is gone.
  bool Changed();
  // After the user's edit of `kind`: it goes into the undo buffer, then as
  // Changed.
  bool Edited(EditAction kind);
  // The caret shows at once and blinks afresh; the edit repaints.
  void RestartCaret();
  // After the caret or selection moved without a change of text, which
  // ends the action the undo buffer is gathering.
  void CaretMoved();
  // What the user types or pastes; refused on a read-only edit.
  void Insert(const std::string& text, EditAction kind);
  void Copy() const;
  void Cut();
  void Paste();
  // Backspace (kBackspace), Delete (kDelete), and the removal of the
  // selection by cut and WM_CLEAR (kOther).
  void Delete(EditAction kind);
  // FALSE when there was nothing to undo or the edit refused it.
  BOOL Undo();
  // The context menu at screen point `at` (-1, -1: from the keyboard, over
  // the middle of the edit). The edit, and this object, may be gone when it
  // returns.
  void ContextMenu(LPARAM at);
  LRESULT GetSel(WPARAM wParam, LPARAM lParam) const;

  CEditText m_text;
  CEditLayout m_layout;
  CEditUndo m_undo;
  bool m_caretOn = false;
  bool m_dockedRight = false;
};

}  // namespace dlg
