// Where the keyboard focus goes inside a dialog, and the default push
// button's look that follows it. Shared by the dialog procedure, the
// keyboard handling and the creation of dialogs.
#pragma once

#include "platform/win/dlg/dialogs.h"

namespace dlg {

// The first visible, enabled tab stop, or null.
HWND FirstTabItem(HWND dialog);
// Gives `control` the focus (or, while the dialog is not showing, makes it
// the control that gets the focus when it shows); with `selectText` an edit
// selects all its text, as when it is tabbed into. Then the default look.
void MoveDialogFocus(HWND dialog, HWND control, bool selectText);
// Back onto the control that had the focus last, or the first tab stop.
void RestoreDialogFocus(HWND dialog);
// The push button holding the focus looks like the default button; when no
// push button holds it, the button of DM_GETDEFID's id does.
void UpdateDefaultButton(HWND dialog, HWND focus);
// WM_NEXTDLGCTL: lParam nonzero means wParam is the control; otherwise
// wParam zero is the next tab stop and nonzero the previous one.
void NextDialogControl(HWND dialog, WPARAM wParam, LPARAM lParam);
// The child of `dialog` that is or contains `hwnd`, or null.
HWND DialogChildOf(HWND dialog, HWND hwnd);

}  // namespace dlg
