#include "platform/win/system/system.h"

#include "platform/win/dlg/dialog_classes.h"
#include "platform/win/menu/menu_system.h"
#include "platform/win/wm/wnd.h"

void InitWindowSystem(host::IHost* host) {
  InitWindowManager(host);
  RegisterControlClasses();
  RegisterDialogClasses();
  InstallMenuSystem();
}

void ShutdownWindowSystem() {
  ShutdownWindowManager();
  DestroyAllMenus();
}
