// CString::LoadString reads the program's string table through these two;
// the formatting fuzzer never loads a string, so empty stand-ins let
// cstring.cpp link without the resource tables and the window system.
#include "platform/afx/afx_resource.h"
#include "platform/win/res/resources.h"

HINSTANCE AfxGetResourceHandle() { return nullptr; }

int LoadStringA(HINSTANCE /*module*/, UINT /*id*/, LPSTR buffer, int size) {
  if (buffer != nullptr && size > 0) buffer[0] = '\0';
  return 0;
}
