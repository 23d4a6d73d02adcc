// What the menu loop does with the mouse and the keys. The pointer is
// judged by its screen position alone, since the capture sends every mouse
// message to the frame whichever window it is over.
#include "platform/win/menu/drop_down.h"
#include "platform/win/menu/menu.h"
#include "platform/win/menu/menu_layout.h"
#include "platform/win/menu/menu_loop.h"
#include "platform/win/wm/wnd.h"

namespace menus {

void CMenuLoop::Process(MSG& msg) {
  switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
      OnMove(msg.pt);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
      OnPress(msg.pt);
      return;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
      OnRelease(msg.pt);
      return;
    case WM_RBUTTONDOWN:
      if ((m_flags & TPM_RIGHTBUTTON) != 0) {
        OnPress(msg.pt);
        return;
      }
      if (HitTest(msg.pt).where == Where::kNone) m_done = true;
      return;
    case WM_RBUTTONUP:
      if ((m_flags & TPM_RIGHTBUTTON) != 0) OnRelease(msg.pt);
      return;
    case WM_MBUTTONDOWN:
      if (HitTest(msg.pt).where == Where::kNone) m_done = true;
      return;
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL:
      return;
    case WM_SYSKEYDOWN:
      TranslateMessage(&msg);  // Alt and a letter: the WM_SYSCHAR comes next
      [[fallthrough]];
    case WM_KEYDOWN:
      OnKeyDown(static_cast<int>(msg.wParam), (msg.lParam & (1L << 30)) != 0);
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      OnKeyUp(static_cast<int>(msg.wParam));
      return;
    case WM_CHAR:
    case WM_SYSCHAR:
      OnChar(static_cast<int>(msg.wParam), msg.message == WM_SYSCHAR);
      return;
    default:
      DispatchMessageA(&msg);
      return;
  }
}

CMenuLoop::SHit CMenuLoop::HitTest(POINT screen) const {
  // An open drop-down lies over the client area, so it is asked first.
  if (HWND dropDown = DropDown()) {
    RECT r;
    GetWindowRect(dropDown, &r);
    if (PtInRect(&r, screen)) {
      POINT p = screen;
      ScreenToClient(dropDown, &p);
      return SHit{Where::kDropDown, CMenuLayout::DropDownItemAt(m_popup, p)};
    }
  }
  if (m_bar == nullptr) return SHit{};
  POINT origin{0, 0};
  if (!ClientToScreen(m_frame, &origin)) return SHit{};
  const int barTop = origin.y - MenuBarHeight(m_frame);
  if (screen.y < barTop || screen.y >= origin.y || screen.x < origin.x ||
      screen.x >= origin.x + m_frame->surface->width) {
    return SHit{};
  }
  const int index = CMenuLayout::BarItemAt(m_bar, screen.x - origin.x);
  return index >= 0 ? SHit{Where::kBar, index} : SHit{};
}

int CMenuLoop::BarMnemonic(int key) const {
  const HMENU__* data = CMenuStore::Find(m_bar);
  if (data == nullptr || key == 0) return -1;
  for (size_t i = 0; i < data->items.size(); ++i) {
    if (MnemonicOf(data->items[i].text) == LowerKey(key)) return static_cast<int>(i);
  }
  return -1;
}

void CMenuLoop::OnMove(POINT screen) {
  const SHit hit = HitTest(screen);
  if (hit.where == Where::kBar) {
    if (hit.index != m_barIndex && m_openMode) {
      SelectBar(hit.index, true, Pick::kNone);
    } else if (hit.index == m_barIndex) {
      SelectItem(-1);
    }
  } else if (hit.where == Where::kDropDown) {
    const SMenuItem* item = PopupItem(hit.index);
    SelectItem(item != nullptr && !IsSeparator(*item) ? hit.index : -1);
  }
}

void CMenuLoop::OnPress(POINT screen) {
  m_buttonDown = true;
  const SHit hit = HitTest(screen);
  switch (hit.where) {
    case Where::kBar:
      if (hit.index == m_barIndex && DropDown() != nullptr) {
        m_closeOnRelease = true;
      } else {
        m_openMode = true;
        SelectBar(hit.index, true, Pick::kNone);
      }
      return;
    case Where::kDropDown:
      OnMove(screen);
      return;
    case Where::kNone:
      m_done = true;  // a click outside the menu closes it
      return;
  }
}

void CMenuLoop::OnRelease(POINT screen) {
  const bool pressed = m_buttonDown;
  const bool closing = m_closeOnRelease;
  m_buttonDown = false;
  m_closeOnRelease = false;
  const SHit hit = HitTest(screen);
  switch (hit.where) {
    case Where::kDropDown:
      Choose(m_popup, hit.index);  // grayed items and separators choose nothing
      return;
    case Where::kBar:
      if (hit.index != m_barIndex) return;
      if (closing) {
        m_done = true;
      } else {
        Choose(m_bar, hit.index);  // a command item on the bar; drop-downs stay open
      }
      return;
    case Where::kNone:
      // A drag that ends off the menu gives it up.
      if (pressed) m_done = true;
      return;
  }
}

void CMenuLoop::OnKeyDown(int vk, bool repeat) {
  if (vk == VK_MENU) {
    if (!repeat) m_altAlone = true;
    return;
  }
  m_altAlone = false;
  switch (vk) {
    case VK_F10:
      m_done = true;
      return;
    case VK_ESCAPE:
      if (DropDown() != nullptr && m_bar != nullptr) {
        CloseDropDown();
        m_openMode = false;
        SendSelect();
      } else {
        m_done = true;
      }
      return;
    case VK_LEFT:
      MoveAlongBar(-1);
      return;
    case VK_RIGHT:
      MoveAlongBar(1);
      return;
    case VK_DOWN:
      if (DropDown() != nullptr) {
        MoveInDropDown(1);
      } else {
        OpenFromBar(Pick::kFirst);
      }
      return;
    case VK_UP:
      if (DropDown() != nullptr) {
        MoveInDropDown(-1);
      } else {
        OpenFromBar(Pick::kLast);
      }
      return;
    case VK_RETURN:
      if (DropDown() != nullptr) {
        Choose(m_popup, m_item);
      } else if (const SMenuItem* item = BarItem(m_barIndex); item != nullptr && IsPopup(*item)) {
        OpenFromBar(Pick::kFirst);
      } else {
        Choose(m_bar, m_barIndex);
      }
      return;
    default:
      return;
  }
}

void CMenuLoop::OnKeyUp(int vk) {
  // Alt pressed and released alone leaves the menu, as it entered it.
  if (vk == VK_MENU && m_altAlone) m_done = true;
}

void CMenuLoop::OnChar(int ch, bool sys) {
  const int key = LowerKey(ch);
  HMENU__* popup = CMenuStore::Find(OpenPopup());
  if (popup != nullptr && !sys) {
    const int n = static_cast<int>(popup->items.size());
    int first = -1;
    int matches = 0;
    int next = -1;
    for (int i = 0; i < n; ++i) {
      if (IsSeparator(popup->items[static_cast<size_t>(i)]) ||
          MnemonicOf(popup->items[static_cast<size_t>(i)].text) != key) {
        continue;
      }
      if (first < 0) first = i;
      if (next < 0 && i > m_item) next = i;
      ++matches;
    }
    if (matches == 0) return;
    // One item with the letter is chosen; several take turns in the highlight.
    const int index = matches == 1 || next < 0 ? first : next;
    SelectItem(index);
    if (matches == 1) Choose(m_popup, index);
    return;
  }
  const int index = BarMnemonic(key);
  if (index < 0) return;
  m_openMode = true;
  SelectBar(index, true, Pick::kFirst);
  Choose(m_bar, index);
}

void CMenuLoop::MoveAlongBar(int step) {
  const int n = GetMenuItemCount(m_bar);
  if (n <= 0) return;
  const int from = m_barIndex < 0 ? 0 : m_barIndex;
  SelectBar(((from + step) % n + n) % n, m_openMode, Pick::kFirst);
}

void CMenuLoop::MoveInDropDown(int step) {
  const HMENU__* popup = CMenuStore::Find(OpenPopup());
  if (popup == nullptr || popup->items.empty()) return;
  const int n = static_cast<int>(popup->items.size());
  int index = m_item < 0 ? (step > 0 ? -1 : n) : m_item;
  for (int tries = 0; tries < n; ++tries) {
    index = ((index + step) % n + n) % n;
    if (!IsSeparator(popup->items[static_cast<size_t>(index)])) {
      SelectItem(index);
      return;
    }
  }
}

void CMenuLoop::OpenFromBar(Pick pick) {
  const SMenuItem* item = BarItem(m_barIndex);
  if (item == nullptr || !IsPopup(*item)) return;
  m_openMode = true;
  SelectBar(m_barIndex, true, pick);
}

}  // namespace menus
