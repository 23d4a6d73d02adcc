// The dialog manager's functions, as the classic user tier has them, and the
// numbers of the controls it brings (edits, list boxes, up-downs) that the
// common headers do not carry.
//
// Index
//   Types and numbers   DLGPROC, DM_*, DWLP_*, edit, list box and button extras
//   Templates           MapDialogRect, GetDialogBaseUnits
//   Modeless            CreateDialogIndirectParamA, CreateDialogParamA
//   Modal               DialogBoxIndirectParamA, DialogBoxParamA, EndDialog
//   Procedure           DefDlgProcA
//   Keyboard            IsDialogMessageA, GetNextDlgTabItem, GetNextDlgGroupItem
//   Items               SetDlgItemTextA, GetDlgItemTextA, SendDlgItemMessageA, ...
//
// Templates are the tables of platform/win/res/resource_types.h. Every
// template lays out in base units of 6 by 13 pixels (the 8-point template
// font, drawn with the stock DEFAULT_GUI_FONT), whatever font it names.
// Handles that are null or not dialogs give the documented failure result.
#pragma once

#include <cstdint>

#include "platform/win/res/resource_types.h"
#include "platform/win/wm/user.h"

using INT_PTR = std::intptr_t;
using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

// ---- Types and numbers -----------------------------------------------------------
// The dialog window class, for templates that name none.
inline constexpr const char* WC_DIALOG = "#32770";

inline constexpr UINT DM_GETDEFID = WM_USER + 0;
inline constexpr UINT DM_SETDEFID = WM_USER + 1;
inline constexpr WORD DC_HASDEFID = 0x534B;

// Window data of a dialog (GetWindowLongPtrA), 8 bytes a slot.
inline constexpr int DWLP_MSGRESULT = 0;
inline constexpr int DWLP_DLGPROC = 8;
inline constexpr int DWLP_USER = 16;
inline constexpr int DLGWINDOWEXTRA = 32;  // the last slot is the dialog manager's own

inline constexpr UINT EM_CANUNDO = 0x00C6;
inline constexpr UINT EM_UNDO = 0x00C7;
inline constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
inline constexpr UINT EM_GETLIMITTEXT = 0x00D5;
inline constexpr UINT EN_MAXTEXT = 0x0501;

inline constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
inline constexpr int LB_ERRSPACE = -2;
inline constexpr UINT LBN_SETFOCUS = 4;
inline constexpr UINT LBN_KILLFOCUS = 5;

inline constexpr UINT BST_UNCHECKED = 0x0000;
inline constexpr UINT BST_CHECKED = 0x0001;

// ---- Templates ---------------------------------------------------------------------
// Dialog units to pixels, each edge rounded as MulDiv rounds (half away from
// zero): x * 6 / 4 and y * 13 / 8. FALSE for a null rectangle or a window
// that is no dialog. GetDialogBaseUnits gives MAKELONG(6, 13).
BOOL MapDialogRect(HWND dialog, RECT* rect);
LONG GetDialogBaseUnits();

// ---- Modeless ------------------------------------------------------------------------
// Makes the dialog of `dialogTemplate`: the window (of the template's class
// when that is registered with DLGWINDOWEXTRA bytes of window data, else
// WC_DIALOG), sized so that its client area is the template's size, then
// every item in template order, each with WM_SETFONT of the dialog font,
// then WM_INITDIALOG (wParam the first tab stop, lParam `param`). A nonzero
// answer gives the focus to the first tab stop. A popup dialog is owned by
// `parent`'s top-level window and placed at the template's position in the
// owner's client area (centred on it with DS_CENTER); a WS_CHILD dialog is
// a child of `parent`. The dialog shows only if the template has
// WS_VISIBLE. Null when the template is null or any window of it cannot be
// made. The template's menu is not loaded. CreateDialogParamA finds
// template `name` in `instance` first.
HWND CreateDialogIndirectParamA(HINSTANCE instance, const DialogTemplate* dialogTemplate,
                                HWND parent, DLGPROC proc, LPARAM param);
HWND CreateDialogParamA(HINSTANCE instance, LPCSTR name, HWND parent, DLGPROC proc, LPARAM param);

// ---- Modal -----------------------------------------------------------------------------
// Makes the dialog as above (the template's WS_VISIBLE aside), owned by
// `parent`'s top-level window, disables that owner, shows the dialog
// centred over it and runs a nested message loop (GetMessageA,
// IsDialogMessageA, TranslateMessage, DispatchMessageA) until EndDialog.
// Then the owner is enabled and activated again, before the dialog is
// destroyed. Returns what EndDialog was given; -1 when the dialog could not
// be made. A WM_QUIT that reaches the loop ends it: the quit is posted again
// for the loop below, and the result is IDCANCEL, as if the user had
// cancelled. A dialog destroyed without EndDialog also gives IDCANCEL.
INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, const DialogTemplate* dialogTemplate,
                                HWND parent, DLGPROC proc, LPARAM param);
INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR name, HWND parent, DLGPROC proc, LPARAM param);
// Ends a dialog with `result`: a modal loop returns it once the message
// being handled is done; a modeless dialog is hidden. FALSE when `dialog`
// is no dialog.
BOOL EndDialog(HWND dialog, INT_PTR result);

// ---- Procedure ---------------------------------------------------------------------------
// The dialog class's window procedure. It asks the dialog procedure first;
// a FALSE answer leaves the message to the dialog manager: the face-coloured
// background (the brush WM_CTLCOLORDLG answers), Cancel for WM_CLOSE, the
// close box only with WS_SYSMENU, focus kept on a control across
// activation, DM_GETDEFID / DM_SETDEFID and WM_NEXTDLGCTL. A TRUE answer
// returns DWLP_MSGRESULT, except for WM_INITDIALOG and WM_CTLCOLOR*, whose
// answer is the procedure's own.
LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// ---- Keyboard --------------------------------------------------------------------------
// Takes every message for `dialog` or its descendants and returns TRUE:
// Tab and Shift+Tab move over the visible, enabled WS_TABSTOP controls
// (wrapping), the arrows within a group, Enter sends WM_COMMAND for the
// default button (the focused push button, else DM_GETDEFID's, else
// IDOK), Escape WM_COMMAND(IDCANCEL), Alt and a letter marked with '&' in
// a control's text (or the letter alone where the focus takes no
// characters) presses that push button or moves on from that label to the
// control after it; keys a control asks for through WM_GETDLGCODE go to
// it. Everything else is translated and dispatched.
// Moving the focus onto a push button gives it the default look and takes
// that from the others, and back to the default button when the focus
// leaves the push buttons; an edit that is tabbed into selects its text.
// FALSE, touching nothing, for a message to any other window.
BOOL IsDialogMessageA(HWND dialog, MSG* msg);
// The next (or, with `previous`, the previous) visible, enabled WS_TABSTOP
// child after `control` in z-order, wrapping; from null, the first (last).
// Null when there is none.
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
// The same within `control`'s group: from the WS_GROUP control at or
// before it up to the next WS_GROUP control, over the visible, enabled
// children that can take the focus (no statics, no group boxes).
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);

// ---- Items --------------------------------------------------------------------------------
// The window functions on the child with id `id`; failure (FALSE, 0) when
// there is none.
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size);
LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
// The leading decimal integer of the item's text (blanks skipped, an
// optional sign when `isSigned`); *translated says whether there was one
// that fits.
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);
