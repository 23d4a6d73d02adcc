// The start-up of the whole system tier: the window manager, the control
// classes, the dialog classes and the menus, in that order. The program's
// main (through the framework's start-up) calls InitWindowSystem once with
// its host before any other function of the layer, and ShutdownWindowSystem
// at the end.
//
// The classes registered: the controls' (platform/win/ctl/control_classes.h),
// the dialog part's "EDIT", "LISTBOX", "msctls_updown32" and dialog classes,
// and the menus' drop-down "#32768". The controls' header comes along so
// that whoever starts the system also has the numbers it adds.
#pragma once

#include "platform/win/ctl/control_classes.h"
#include "platform/win/wm/user.h"

void InitWindowSystem(host::IHost* host);
// Destroys the windows that are left, then the menus, and forgets the host.
void ShutdownWindowSystem();
