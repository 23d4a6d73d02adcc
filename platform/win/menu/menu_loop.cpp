// The menu loop's life and its selection: what is highlighted, which
// drop-down is open, and what the frame is told about it.
#include "platform/win/menu/menu_loop.h"

#include "platform/win/menu/drop_down.h"
#include "platform/win/menu/menu.h"
#include "platform/win/menu/menu_layout.h"

namespace menus {

namespace {

CMenuLoop* g_current = nullptr;

// WM_ENTERIDLE's wParam when the menu loop is waiting.
constexpr WPARAM kMsgfMenu = 2;

UINT SelectFlags(const SMenuItem& item) {
  return (item.flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR)) |
         MF_HILITE;
}

}  // namespace

CMenuLoop::CMenuLoop(HWND frame, HMENU bar) : m_frame(frame), m_bar(bar) {}

CMenuLoop* CMenuLoop::Current() { return g_current; }

HWND CMenuLoop::DropDown() const { return IsWindow(m_dropDown) ? m_dropDown : nullptr; }

HMENU CMenuLoop::OpenPopup() const {
  return DropDown() != nullptr ? CMenuStore::Find(m_popup) : nullptr;
}

void CMenuLoop::Track(HWND frame, int mode, POINT screenPoint, int key) {
  if (g_current != nullptr || !IsWindow(frame)) return;
  HMENU bar = GetMenu(frame);
  HMENU__* data = CMenuStore::Find(bar);
  if (data == nullptr || data->items.empty()) return;
  CMenuLoop loop(frame, bar);
  // Nothing hit and no such mnemonic: the menu is never entered.
  if (mode == 0 && loop.HitTest(screenPoint).where != Where::kBar) return;
  if (mode != 0 && key != 0 && loop.BarMnemonic(key) < 0) return;
  g_current = &loop;
  loop.Start(mode, screenPoint, key);
  if (!loop.m_done) loop.Run();
  g_current = nullptr;
  loop.Finish();
}

UINT CMenuLoop::TrackPopup(HMENU menu, UINT flags, POINT screenPoint, HWND owner) {
  HMENU__* data = CMenuStore::Find(menu);
  if (g_current != nullptr || !IsWindow(owner) || data == nullptr || data->items.empty()) return 0;
  CMenuLoop loop(owner, nullptr);
  loop.m_context = menu;
  loop.m_flags = flags;
  g_current = &loop;
  loop.StartPopup(screenPoint);
  if (!loop.m_done) loop.Run();
  g_current = nullptr;
  loop.Finish();
  return loop.m_chosen ? loop.m_command : 0;
}

void CMenuLoop::StartPopup(POINT screenPoint) {
  SetCapture(m_frame);
  SendMessageA(m_frame, WM_ENTERMENULOOP, TRUE, 0);
  if (!Alive()) return;
  if ((m_flags & TPM_NONOTIFY) == 0) {
    SendMessageA(m_frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m_context),
                 MAKELPARAM(0, FALSE));
    if (m_done || !Alive()) return;
  }
  m_dropDown = CDropDown::OpenAt(m_frame, m_context, screenPoint);
  m_popup = m_context;
  m_item = -1;
  if (m_dropDown == nullptr) m_done = true;
}

void CMenuLoop::Start(int mode, POINT screenPoint, int key) {
  SetCapture(m_frame);
  SendMessageA(m_frame, WM_ENTERMENULOOP, FALSE, 0);
  if (!Alive()) return;
  SendMessageA(m_frame, WM_INITMENU, reinterpret_cast<WPARAM>(m_bar), 0);
  if (!Alive()) return;
  if (mode == 0) {
    m_openMode = true;
    m_buttonDown = true;
    const SHit hit = HitTest(screenPoint);
    if (hit.where == Where::kBar) SelectBar(hit.index, true, Pick::kNone);
  } else if (key != 0) {
    m_openMode = true;
    const int index = BarMnemonic(key);
    SelectBar(index, true, Pick::kFirst);
    Choose(m_bar, index);  // a command on the bar runs at once
  } else {
    SelectBar(0, false, Pick::kNone);
  }
}

bool CMenuLoop::Alive() const {
  if (m_context != nullptr) {
    // A context menu ends with its window too.
    return IsWindow(m_frame) && CMenuStore::Find(m_context) != nullptr &&
           (m_dropDown == nullptr || IsWindow(m_dropDown));
  }
  return IsWindow(m_frame) && CMenuStore::Find(m_bar) != nullptr && GetMenu(m_frame) == m_bar;
}

void CMenuLoop::Run() {
  while (!m_done && Alive() && GetCapture() == m_frame) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      SendMessageA(m_frame, WM_ENTERIDLE, kMsgfMenu, reinterpret_cast<LPARAM>(DropDown()));
      if (m_done || !Alive()) break;
      if (!GetMessageA(&msg, nullptr, 0, 0)) {
        m_quit = true;
        m_quitCode = static_cast<int>(msg.wParam);
        break;
      }
    } else if (msg.message == WM_QUIT) {
      m_quit = true;
      m_quitCode = static_cast<int>(msg.wParam);
      break;
    }
    Process(msg);
  }
}

void CMenuLoop::Finish() {
  CloseDropDown();
  if (m_barIndex >= 0) SetHilite(m_bar, m_barIndex, false);
  if (IsWindow(m_frame)) {
    const bool context = m_context != nullptr;
    if (!context) DrawMenuBar(m_frame);
    if (GetCapture() == m_frame) ReleaseCapture();
    if (!context || (m_flags & TPM_NONOTIFY) == 0) {
      SendMessageA(m_frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    }
    SendMessageA(m_frame, WM_EXITMENULOOP, context ? TRUE : FALSE, 0);
    if (m_chosen && (!context || (m_flags & TPM_RETURNCMD) == 0)) {
      PostMessageA(m_frame, WM_COMMAND, MAKEWPARAM(m_command, 0), 0);
    }
  }
  // The program's own loop must see the quit request too.
  if (m_quit) PostQuitMessage(m_quitCode);
}

SMenuItem* CMenuLoop::BarItem(int index) const {
  if (index < 0) return nullptr;
  return CMenuStore::Locate(m_bar, static_cast<UINT>(index), MF_BYPOSITION);
}

SMenuItem* CMenuLoop::PopupItem(int index) const {
  if (index < 0 || OpenPopup() == nullptr) return nullptr;
  return CMenuStore::Locate(m_popup, static_cast<UINT>(index), MF_BYPOSITION);
}

void CMenuLoop::SetHilite(HMENU menu, int index, bool on) {
  if (index < 0) return;
  if (SMenuItem* item = CMenuStore::Locate(menu, static_cast<UINT>(index), MF_BYPOSITION)) {
    item->flags = on ? item->flags | MF_HILITE : item->flags & ~MF_HILITE;
  }
}

void CMenuLoop::SelectBar(int index, bool open, Pick pick) {
  const SMenuItem* item = BarItem(index);
  if (item == nullptr) return;
  const bool wantDropDown = open && IsPopup(*item);
  if (index != m_barIndex) {
    CloseDropDown();
    SetHilite(m_bar, m_barIndex, false);
    m_barIndex = index;
    SetHilite(m_bar, m_barIndex, true);
    DrawMenuBar(m_frame);
    SendSelect();
    if (!Alive()) return;
  }
  if (wantDropDown && DropDown() == nullptr) {
    OpenDropDown(pick);
  } else if (!wantDropDown && DropDown() != nullptr) {
    CloseDropDown();
    SendSelect();
  } else if (wantDropDown && pick != Pick::kNone && m_item < 0) {
    MoveInDropDown(pick == Pick::kLast ? -1 : 1);
  }
}

void CMenuLoop::OpenDropDown(Pick pick) {
  const SMenuItem* item = BarItem(m_barIndex);
  if (item == nullptr || !IsPopup(*item) || DropDown() != nullptr) return;
  HMENU popup = item->popup;
  SendMessageA(m_frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
               MAKELPARAM(static_cast<UINT>(m_barIndex), FALSE));
  // The frame may have changed the menus while it was asked.
  item = BarItem(m_barIndex);
  if (m_done || !Alive() || item == nullptr || item->popup != popup ||
      CMenuStore::Find(popup) == nullptr) {
    return;
  }
  const RECT place = CMenuLayout::BarItemRect(m_bar, m_barIndex);
  m_dropDown = CDropDown::Open(m_frame, popup, place.left);
  m_popup = popup;
  m_item = -1;
  if (m_dropDown != nullptr && pick != Pick::kNone) MoveInDropDown(pick == Pick::kLast ? -1 : 1);
}

void CMenuLoop::CloseDropDown() {
  if (m_item >= 0) SetHilite(m_popup, m_item, false);
  if (IsWindow(m_dropDown)) DestroyWindow(m_dropDown);
  m_dropDown = nullptr;
  m_popup = nullptr;
  m_item = -1;
}

void CMenuLoop::SelectItem(int index) {
  if (PopupItem(index) == nullptr) index = -1;
  if (index == m_item || DropDown() == nullptr) return;
  SetHilite(m_popup, m_item, false);
  CDropDown::InvalidateItem(m_dropDown, m_item);
  m_item = index;
  SetHilite(m_popup, m_item, true);
  CDropDown::InvalidateItem(m_dropDown, m_item);
  SendSelect();
}

void CMenuLoop::SendSelect() {
  if (m_context != nullptr && (m_flags & TPM_NONOTIFY) != 0) return;
  if (const SMenuItem* item = PopupItem(m_item)) {
    const UINT low = IsPopup(*item) ? static_cast<UINT>(m_item) : item->id;
    SendMessageA(m_frame, WM_MENUSELECT, MAKEWPARAM(low, SelectFlags(*item)),
                 reinterpret_cast<LPARAM>(m_popup));
  } else if (const SMenuItem* barItem = BarItem(m_barIndex)) {
    const UINT low = IsPopup(*barItem) ? static_cast<UINT>(m_barIndex) : barItem->id;
    SendMessageA(m_frame, WM_MENUSELECT, MAKEWPARAM(low, SelectFlags(*barItem)),
                 reinterpret_cast<LPARAM>(m_bar));
  }
}

void CMenuLoop::Choose(HMENU holder, int index) {
  const SMenuItem* item =
      index >= 0 ? CMenuStore::Locate(holder, static_cast<UINT>(index), MF_BYPOSITION) : nullptr;
  if (item == nullptr || !IsChoosable(*item)) return;
  m_command = item->id;
  m_chosen = true;
  m_done = true;
}

}  // namespace menus
