// The common colour dialog, as the classic common-dialog library has it:
// ChooseColorA with its CHOOSECOLORA record, the flags, and the ids of the
// dialog's controls.
#pragma once

#include "platform/win/dlg/dialogs.h"

using LPCCHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

struct CHOOSECOLORA {
  DWORD lStructSize;
  HWND hwndOwner;
  HWND hInstance;
  COLORREF rgbResult;
  COLORREF* lpCustColors;  // 16 colours, or null
  DWORD Flags;
  LPARAM lCustData;
  LPCCHOOKPROC lpfnHook;  // not called: hooks are not supported
  LPCSTR lpTemplateName;  // ignored: the dialog has its own template
};
using CHOOSECOLOR = CHOOSECOLORA;

inline constexpr DWORD CC_RGBINIT = 0x00000001;
inline constexpr DWORD CC_FULLOPEN = 0x00000002;
inline constexpr DWORD CC_PREVENTFULLOPEN = 0x00000004;

// Control ids of the colour dialog.
inline constexpr int COLOR_HUE = 703;
inline constexpr int COLOR_SAT = 704;
inline constexpr int COLOR_LUM = 705;
inline constexpr int COLOR_RED = 706;
inline constexpr int COLOR_GREEN = 707;
inline constexpr int COLOR_BLUE = 708;
inline constexpr int COLOR_ADD = 712;
inline constexpr int COLOR_MIX = 719;  // "Define Custom Colors >>"

// Shows the colour dialog modally and returns TRUE when the user chose OK,
// with the colour in rgbResult; FALSE on Cancel or when the record is
// unusable (a null record, a wrong lStructSize, an owner that is no
// window). The owner is hwndOwner's top-level window, or, with none, the
// active window, which stays disabled while the dialog is open. The dialog
// opens on rgbResult with CC_RGBINIT (else black), with its definition part
// open with CC_FULLOPEN and "Define Custom Colors >>" disabled with
// CC_PREVENTFULLOPEN; "Add to Custom Colors" writes into lpCustColors at
// once. A WM_QUIT that reaches its loop ends it as Cancel.
BOOL ChooseColorA(CHOOSECOLORA* cc);
