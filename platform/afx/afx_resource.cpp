#include "platform/afx/afx_resource.h"

#include "platform/win/res/resources.h"

namespace {

HINSTANCE s_resourceHandle = nullptr;

}  // namespace

HINSTANCE AfxGetInstanceHandle() { return GetModuleHandleA(nullptr); }

HINSTANCE AfxGetResourceHandle() {
  return s_resourceHandle != nullptr ? s_resourceHandle : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE module) { s_resourceHandle = module; }

HINSTANCE AfxFindResourceHandle(LPCSTR /*name*/, LPCSTR /*type*/) { return AfxGetResourceHandle(); }
