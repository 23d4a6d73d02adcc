#include "platform/win/dlg/dialog_state.h"

#include "platform/win/wm/wnd.h"

namespace dlg {

namespace {

bool HasSlots(HWND hwnd) {
  return hwnd != nullptr && WM().live.Contains(hwnd) &&
         hwnd->extra.size() > static_cast<size_t>(kStateSlot);
}

}  // namespace

SDialogState* DialogStateOf(HWND hwnd) {
  if (!HasSlots(hwnd)) return nullptr;
  return reinterpret_cast<SDialogState*>(hwnd->extra[kStateSlot]);
}

void AttachDialogState(HWND hwnd) {
  if (!HasSlots(hwnd) || hwnd->extra[kStateSlot] != 0) return;
  auto* state = new SDialogState;
  state->font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  hwnd->extra[kStateSlot] = reinterpret_cast<LONG_PTR>(state);
}

void FreeDialogState(HWND hwnd) {
  SDialogState* state = DialogStateOf(hwnd);
  if (state == nullptr) return;
  if (state->modal != nullptr) state->modal->destroyed = true;
  hwnd->extra[kStateSlot] = 0;
  delete state;
}

DLGPROC DialogProcOf(HWND hwnd) {
  if (!HasSlots(hwnd)) return nullptr;
  return reinterpret_cast<DLGPROC>(hwnd->extra[DWLP_DLGPROC / 8]);
}

}  // namespace dlg
