// Which module the framework reads resources from. CString::LoadString,
// frame and dialog loading and CBitmap::LoadBitmap all ask here rather than
// naming a module, so that the program registers its tables once and never
// passes a handle around.
#pragma once

#include "platform/win/windef.h"

// The program's own module: the first resource module registered (null
// until the program has registered one).
HINSTANCE AfxGetInstanceHandle();

// The module resources are read from: the one last set, or else the
// program's own. Setting null goes back to the program's own.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);

// The module that holds resource `name` of `type`. There is only ever the
// one resource module, so this is AfxGetResourceHandle(); the framework
// calls it where it would search a chain of modules.
HINSTANCE AfxFindResourceHandle(LPCSTR name, LPCSTR type);
