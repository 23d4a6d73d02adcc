#include "platform/win/dlg/dialog_classes.h"

#include "platform/win/commctrl.h"
#include "platform/win/dlg/dialogs.h"
#include "platform/win/dlg/edit_control.h"
#include "platform/win/dlg/list_box_control.h"
#include "platform/win/dlg/up_down_control.h"

namespace {

void Register(const char* name, WNDPROC proc, int extra) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = extra;
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

}  // namespace

void RegisterDialogClasses() {
  Register(WC_DIALOG, &DefDlgProcA, DLGWINDOWEXTRA);
  Register("EDIT", &dlg::CEditControl::Proc, 8);
  Register("LISTBOX", &dlg::CListBoxControl::Proc, 8);
  Register(UPDOWN_CLASSA, &dlg::CUpDownControl::Proc, 8);
}
