#include "platform/win/dlg/modal_loop.h"

#include <algorithm>

#include "platform/win/dlg/dialog_state.h"
#include "platform/win/res/resources.h"
#include "platform/win/wm/wnd.h"

namespace {

RECT WorkArea() {
  host::IHost* h = GetWindowSystemHost();
  const host::Rect a = h != nullptr ? h->GetWorkArea() : host::Rect{0, 0, 1024, 768};
  return RECT{a.x, a.y, a.x + a.width, a.y + a.height};
}

// Centred over the owner, kept on the work area where it fits.
void CentreOver(HWND dialog, HWND owner) {
  RECT mine{};
  GetWindowRect(dialog, &mine);
  const RECT area = WorkArea();
  RECT around = area;
  if (IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &around);
  const int w = mine.right - mine.left;
  const int h = mine.bottom - mine.top;
  int x = (around.left + around.right - w) / 2;
  int y = (around.top + around.bottom - h) / 2;
  if (w <= area.right - area.left) x = std::clamp<int>(x, area.left, area.right - w);
  if (h <= area.bottom - area.top) y = std::clamp<int>(y, area.top, area.bottom - h);
  SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

namespace dlg {

BOOL PumpDialogMessage(HWND dialog, void* /*context*/, int* quitCode) {
  MSG msg{};
  if (!GetMessageA(&msg, nullptr, 0, 0)) {
    if (quitCode != nullptr) *quitCode = static_cast<int>(msg.wParam);
    return FALSE;
  }
  if (!IsDialogMessageA(dialog, &msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return TRUE;
}

INT_PTR RunModalDialog(HWND dialog, HWND owner, ModalPump pump, void* context) {
  SDialogState* state = DialogStateOf(dialog);
  if (state == nullptr || !IsLive(dialog) || pump == nullptr) return -1;
  SModalFrame frame;
  frame.ended = state->ended;  // EndDialog during WM_INITDIALOG
  frame.result = state->result;
  state->modal = &frame;
  if (!IsLive(owner)) owner = nullptr;
  const bool disabled = owner != nullptr && IsWindowEnabled(owner);
  if (disabled) EnableWindow(owner, FALSE);
  if (!frame.ended) {
    CentreOver(dialog, owner);
    ShowWindow(dialog, SW_SHOW);
  }
  bool quit = false;
  int quitCode = 0;
  while (!frame.ended && !frame.destroyed) {
    if (!pump(dialog, context, &quitCode)) {
      quit = true;
      break;
    }
  }
  const INT_PTR result = frame.ended ? frame.result : IDCANCEL;
  if (SDialogState* s = DialogStateOf(dialog)) s->modal = nullptr;
  // The owner comes back before the dialog goes, so that the focus returns
  // to it rather than to whatever window happens to be next.
  if (disabled && IsLive(owner)) EnableWindow(owner, TRUE);
  if (IsLive(owner) && IsWindowVisible(owner)) SetActiveWindow(owner);
  if (IsLive(dialog)) DestroyWindow(dialog);
  if (quit) PostQuitMessage(quitCode);
  return result;
}

}  // namespace dlg

INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, const DialogTemplate* dialogTemplate,
                                HWND parent, DLGPROC proc, LPARAM param) {
  HWND owner = GetAncestorTopLevel(parent);
  HWND dialog = dlg::CreateDialogWindow(instance, dialogTemplate, owner, proc, param, true);
  if (dialog == nullptr) return -1;
  return dlg::RunModalDialog(dialog, owner, &dlg::PumpDialogMessage, nullptr);
}

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR name, HWND parent, DLGPROC proc, LPARAM param) {
  return DialogBoxIndirectParamA(instance, FindDialogTemplate(instance, name), parent, proc, param);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  dlg::SDialogState* state = dlg::DialogStateOf(dialog);
  if (state == nullptr) return FALSE;
  state->ended = true;
  state->result = result;
  if (state->modal != nullptr) {
    state->modal->ended = true;
    state->modal->result = result;
  } else if (IsLive(dialog)) {
    const bool wasActive = GetActiveWindow() == dialog;
    ShowWindow(dialog, SW_HIDE);
    HWND owner = GetParent(dialog);
    if (wasActive && IsLive(owner) && IsWindowEnabled(owner)) SetActiveWindow(owner);
  }
  return TRUE;
}
