#include "platform/win/menu/drop_down.h"

#include <algorithm>
#include <string_view>

#include "platform/win/menu/menu_layout.h"
#include "platform/win/menu/menu_painter.h"

namespace menus {

namespace {

bool IsDropDown(HWND hwnd) {
  char name[16];
  return GetClassNameA(hwnd, name, sizeof name) > 0 &&
         std::string_view(name) == CDropDown::kClassName;
}

}  // namespace

BOOL CDropDown::Register() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.cbWndExtra = 8;  // the HMENU shown
  wc.lpszClassName = kClassName;
  return RegisterClassA(&wc);
}

HWND CDropDown::Open(HWND frame, HMENU popup, int left) {
  const SIZE size = CMenuLayout::DropDownSize(popup);
  RECT client;
  if (!GetClientRect(frame, &client)) return nullptr;
  const int x = std::max(0, std::min<int>(left, client.right - size.cx));
  HWND hwnd = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_CLIPSIBLINGS, x, 0, size.cx, size.cy,
                              frame, nullptr, nullptr, popup);
  if (hwnd == nullptr) return nullptr;
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return IsWindow(hwnd) ? hwnd : nullptr;
}

HWND CDropDown::OpenAt(HWND owner, HMENU popup, POINT screenPoint) {
  const SIZE size = CMenuLayout::DropDownSize(popup);
  host::IHost* h = GetWindowSystemHost();
  const host::Rect area = h != nullptr ? h->GetWorkArea() : host::Rect{0, 0, 1024, 768};
  // As the classic pop-up does: it opens down and to the right of the
  // point, flips to the other side where that would leave the work area,
  // and stays inside the area if neither side has room.
  auto place = [](int at, int extent, int start, int length) {
    const int end = start + length;
    if (at + extent > end && at - extent >= start) return at - extent;
    return std::max(start, std::min(at, end - extent));
  };
  const int x = place(screenPoint.x, size.cx, area.x, area.width);
  const int y = place(screenPoint.y, size.cy, area.y, area.height);
  HWND hwnd =
      CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, "", WS_POPUP,
                      x, y, size.cx, size.cy, GetAncestorTopLevel(owner), nullptr, nullptr, popup);
  if (hwnd == nullptr) return nullptr;
  ShowWindow(hwnd, SW_SHOWNA);
  return IsWindow(hwnd) ? hwnd : nullptr;
}

HMENU CDropDown::MenuOf(HWND dropDown) {
  if (!IsWindow(dropDown) || !IsDropDown(dropDown)) return nullptr;
  return reinterpret_cast<HMENU>(GetWindowLongPtrA(dropDown, 0));
}

void CDropDown::InvalidateItem(HWND dropDown, int index) {
  HMENU popup = MenuOf(dropDown);
  if (popup == nullptr || index < 0) return;
  const RECT r = CMenuLayout::DropDownItemRect(popup, index);
  InvalidateRect(dropDown, &r, FALSE);
}

LRESULT CDropDown::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
      return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      RECT client;
      GetClientRect(hwnd, &client);
      IntersectClipRect(hdc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom);
      CMenuPainter::PaintDropDown(hdc, MenuOf(hwnd), SIZE{client.right, client.bottom});
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case MN_GETHMENU:
      return reinterpret_cast<LRESULT>(MenuOf(hwnd));
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace menus
