// The dialog window's procedure: the dialog procedure first, then what the
// dialog manager does with what that leaves.
#include "platform/win/dlg/dialog_focus.h"
#include "platform/win/dlg/dialog_state.h"
#include "platform/win/gdi/style_painter.h"
#include "platform/win/wm/wnd.h"

namespace {

using dlg::SDialogState;

// Messages whose answer is the dialog procedure's return value itself
// rather than DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
  return message == WM_INITDIALOG || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

LRESULT ColorAnswer(WPARAM wParam, PaletteRole background) {
  auto* hdc = reinterpret_cast<HDC>(wParam);
  SetTextColor(hdc, CStylePainter::Color(PaletteRole::kWindowText));
  SetBkColor(hdc, CStylePainter::Color(background));
  return reinterpret_cast<LRESULT>(CStylePainter::Brush(background));
}

LRESULT EraseBackground(HWND dialog, WPARAM wParam) {
  auto* hdc = reinterpret_cast<HDC>(wParam);
  const LRESULT answer =
      SendMessageA(dialog, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(dialog));
  if (!IsWindow(dialog)) return 1;
  RECT client{};
  GetClientRect(dialog, &client);
  // An answer that is no brush still leaves a dialog-coloured background.
  if (answer == 0 || FillRect(hdc, &client, reinterpret_cast<HBRUSH>(answer)) == 0) {
    CStylePainter::Fill(hdc, client, PaletteRole::kFace);
  }
  return 1;
}

// Closing a dialog is cancelling it, unless its Cancel button is disabled.
void CloseAsCancel(HWND dialog) {
  HWND cancel = GetDlgItem(dialog, IDCANCEL);
  if (cancel != nullptr && !IsWindowEnabled(cancel)) return;
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(cancel));
}

LRESULT Default(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  SDialogState* state = dlg::DialogStateOf(dialog);
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_ERASEBKGND:
      return EraseBackground(dialog, wParam);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return ColorAnswer(wParam, PaletteRole::kFace);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return ColorAnswer(wParam, PaletteRole::kWindow);
    case WM_SETFONT:
      if (state != nullptr) {
        state->font = wParam != 0 ? reinterpret_cast<HFONT>(wParam)
                                  : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
      }
      return 0;
    case WM_GETFONT:
      return state != nullptr ? reinterpret_cast<LRESULT>(state->font) : 0;
    case WM_CLOSE:
      CloseAsCancel(dialog);
      return 0;
    case WM_SYSCOMMAND:
      // Without a system menu there is no close box, and no other way to close.
      if ((wParam & 0xFFF0U) == SC_CLOSE && (dialog->style & WS_SYSMENU) == 0) return 0;
      return DefWindowProcA(dialog, message, wParam, lParam);
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(dialog)) dlg::RestoreDialogFocus(dialog);
      return 0;
    case WM_SETFOCUS:
      dlg::RestoreDialogFocus(dialog);
      return 0;
    case WM_NEXTDLGCTL:
      dlg::NextDialogControl(dialog, wParam, lParam);
      return 0;
    case DM_GETDEFID:
      if (state == nullptr || state->defId == 0) return 0;
      return static_cast<LRESULT>(MAKELONG(static_cast<UINT>(state->defId), DC_HASDEFID));
    case DM_SETDEFID:
      if (state == nullptr) return FALSE;
      state->defId = static_cast<int>(LOWORD(wParam));
      dlg::UpdateDefaultButton(dialog, GetFocus());
      return TRUE;
    case WM_NCDESTROY:
      dlg::FreeDialogState(dialog);
      return DefWindowProcA(dialog, message, wParam, lParam);
    default:
      return DefWindowProcA(dialog, message, wParam, lParam);
  }
}

}  // namespace

LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (dialog == nullptr || !WM().live.Contains(dialog)) return 0;
  if (message == WM_NCCREATE) dlg::AttachDialogState(dialog);
  if (DLGPROC proc = dlg::DialogProcOf(dialog)) {
    const INT_PTR answer = proc(dialog, message, wParam, lParam);
    if (!WM().live.Contains(dialog)) return answer;
    if (AnswersDirectly(message)) {
      if (answer != 0 || message == WM_INITDIALOG) return answer;
    } else if (answer != 0) {
      return dialog->extra[DWLP_MSGRESULT / 8];
    }
  }
  return Default(dialog, message, wParam, lParam);
}
