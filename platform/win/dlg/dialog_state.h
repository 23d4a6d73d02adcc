// What the dialog manager keeps for each dialog window, in the last slot of
// its window data: made when the window is created, freed with it. Read
// straight from the window, so that it still answers while the window takes
// its last messages.
#pragma once

#include "platform/win/dlg/dialogs.h"

namespace dlg {

// A modal loop's view of its dialog; the loop owns it on its stack and the
// dialog points at it while the loop runs.
struct SModalFrame {
  bool ended = false;
  bool destroyed = false;
  INT_PTR result = IDCANCEL;
};

struct SDialogState {
  HFONT font = nullptr;
  int defId = IDOK;
  bool ended = false;
  INT_PTR result = 0;
  SModalFrame* modal = nullptr;
};

inline constexpr int kStateSlot = 3;  // DLGWINDOWEXTRA / 8 - 1

// Null for a window that is no dialog (or has gone).
SDialogState* DialogStateOf(HWND hwnd);
// WM_NCCREATE and WM_NCDESTROY of a dialog window.
void AttachDialogState(HWND hwnd);
void FreeDialogState(HWND hwnd);
// The dialog procedure in DWLP_DLGPROC, null when there is none.
DLGPROC DialogProcOf(HWND hwnd);

}  // namespace dlg
