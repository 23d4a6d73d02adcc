// The modal loop, in two steps so that the framework can attach its dialog
// object to the window between them: make the dialog, then run it. The
// system's DialogBox functions and the framework's CDialog::DoModal both
// come through here, each with its own way of taking one message, so that
// the dialog keyboard and the owner's disabling are the same for both.
#pragma once

#include "platform/win/dlg/dialogs.h"

namespace dlg {

// Makes the dialog of CreateDialogIndirectParamA, owned by `parent`'s
// top-level window; with `modal` the dialog is a popup and stays hidden
// (the loop shows it). Null when it cannot be made.
HWND CreateDialogWindow(HINSTANCE instance, const DialogTemplate* dialogTemplate, HWND parent,
                        DLGPROC proc, LPARAM param, bool modal);

// Takes and handles one message for a modal `dialog`; FALSE when it took
// WM_QUIT, whose exit code goes to *quitCode.
using ModalPump = BOOL (*)(HWND dialog, void* context, int* quitCode);
// The system's pump: GetMessageA, then IsDialogMessageA or translation
// and dispatch.
BOOL PumpDialogMessage(HWND dialog, void* context, int* quitCode);

// Runs `dialog` modally over `owner` (null: over nothing) until EndDialog:
// disables the owner, centres and shows the dialog, pumps, then enables and
// activates the owner again and destroys the dialog. Returns EndDialog's
// result; IDCANCEL when WM_QUIT ended the loop (the quit is posted again)
// or the dialog went without EndDialog; -1 when `dialog` is no dialog.
INT_PTR RunModalDialog(HWND dialog, HWND owner, ModalPump pump, void* context);

}  // namespace dlg
