#include "platform/win/ctl/control_classes.h"

#include "platform/win/ctl/button_control.h"
#include "platform/win/ctl/group_box.h"
#include "platform/win/ctl/static_control.h"
#include "platform/win/ctl/status_bar_control.h"
#include "platform/win/ctl/trackbar.h"
#include "platform/win/wm/wnd.h"

namespace {

void Register(const char* name, WNDPROC proc) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = 8;  // the control's state, slot 0
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

}  // namespace

void RegisterControlClasses() {
  Register("BUTTON", &ctl::CButtonControl::Proc);
  // A group box lets its parent paint beneath it and the mouse through it.
  SetClassTransparency("BUTTON", &ctl::IsGroupBoxStyle);
  Register("STATIC", &ctl::CStaticControl::Proc);
  Register(TRACKBAR_CLASSA, &ctl::CTrackbar::Proc);
  Register(STATUSCLASSNAMEA, &ctl::CStatusBarControl::Proc);
}
