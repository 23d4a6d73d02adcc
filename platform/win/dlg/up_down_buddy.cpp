// The up-down's hold on its buddy: a subclass that passes Up and Down to
// the up-down (with UDS_ARROWKEYS) and adds DLGC_WANTARROWS, so that the
// dialog keyboard leaves those keys to it. The framework may subclass the
// buddy again on top of this; then the link stays as a plain pass-on until
// the buddy goes.
#include <unordered_map>

#include "platform/win/commctrl.h"
#include "platform/win/dlg/up_down_control.h"
#include "platform/win/wm/wnd.h"

namespace dlg {

namespace {

struct SLink {
  HWND upDown;
  WNDPROC previous;
};

std::unordered_map<HWND, SLink>& Links() {
  static std::unordered_map<HWND, SLink> links;
  return links;
}

bool WantsKeys(HWND upDown) {
  return IsLive(upDown) && (upDown->style & UDS_ARROWKEYS) != 0 &&
         (upDown->style & WS_DISABLED) == 0;
}

LRESULT BuddyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto it = Links().find(hwnd);
  if (it == Links().end()) return DefWindowProcA(hwnd, message, wParam, lParam);
  const SLink link = it->second;
  if (message == WM_NCDESTROY) Links().erase(it);
  const bool arrow = wParam == static_cast<WPARAM>(VK_UP) || wParam == static_cast<WPARAM>(VK_DOWN);
  if (WantsKeys(link.upDown)) {
    if ((message == WM_KEYDOWN || message == WM_KEYUP) && arrow) {
      SendMessageA(link.upDown, CUpDownControl::kBuddyKey, wParam, message == WM_KEYDOWN ? 1 : 0);
      return 0;
    }
    if (message == WM_GETDLGCODE) {
      return CallWindowProcA(link.previous, hwnd, message, wParam, lParam) | DLGC_WANTARROWS;
    }
  }
  return CallWindowProcA(link.previous, hwnd, message, wParam, lParam);
}

}  // namespace

void LinkBuddy(HWND buddy, HWND upDown) {
  if (!IsLive(buddy) || buddy == upDown) return;
  auto& links = Links();
  const auto it = links.find(buddy);
  if (it != links.end()) {
    it->second.upDown = upDown;
    return;
  }
  auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(buddy, GWL_WNDPROC));
  if (previous == nullptr) return;
  links[buddy] = SLink{upDown, previous};
  SetWindowLongPtrA(buddy, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&BuddyProc));
}

void UnlinkBuddy(HWND buddy, HWND upDown) {
  auto& links = Links();
  const auto it = links.find(buddy);
  if (it == links.end() || it->second.upDown != upDown) return;
  if (!WM().live.Contains(buddy)) {
    links.erase(it);
  } else if (IsLive(buddy) &&
             reinterpret_cast<WNDPROC>(GetWindowLongPtrA(buddy, GWL_WNDPROC)) == &BuddyProc) {
    SetWindowLongPtrA(buddy, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.previous));
    links.erase(it);
  } else {
    it->second.upDown = nullptr;
  }
}

}  // namespace dlg
