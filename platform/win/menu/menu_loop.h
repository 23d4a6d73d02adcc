// The modal menu loop: runs while a menu of a frame's bar is active, so the
// program's own loop waits beneath it. It holds the mouse capture, reads the
// mouse and the keys itself and dispatches everything else, so that windows
// go on painting and timers go on firing under an open menu.
//
// The frame hears of it as the classic system tells it: WM_ENTERMENULOOP
// and WM_INITMENU at the start, WM_INITMENUPOPUP before each drop-down
// opens, WM_MENUSELECT whenever the highlight moves, and at the end the
// closing WM_MENUSELECT, WM_EXITMENULOOP and, for a chosen command, a
// posted WM_COMMAND that runs after the loop from the program's own loop.
//
// The same loop runs a context menu (TrackPopupMenu): no bar, one pop-up
// window at the pointer, its owner told as the frame is (WM_ENTERMENULOOP
// and WM_EXITMENULOOP with TRUE), and the command returned as well.
#pragma once

#include "platform/win/menu/menu_store.h"

namespace menus {

class CMenuLoop {
 public:
  // The window manager's track hook: `mode` 0 for a press on the bar at
  // `screenPoint`, 1 from the keyboard with mnemonic `key` (0 selects the
  // first bar item without opening it). Returns when the loop has ended;
  // does nothing while another loop runs or when nothing on the bar is hit.
  static void Track(HWND frame, int mode, POINT screenPoint, int key);
  // TrackPopupMenu: shows `menu` at `screenPoint` for `owner` and returns
  // when the loop has ended: the command chosen, 0 for none (and at once
  // while another loop runs). TPM_RETURNCMD, TPM_NONOTIFY, TPM_RIGHTBUTTON.
  static UINT TrackPopup(HMENU menu, UINT flags, POINT screenPoint, HWND owner);
  CMenuLoop(const CMenuLoop&) = delete;
  CMenuLoop& operator=(const CMenuLoop&) = delete;

  // The loop that runs now, if any.
  static CMenuLoop* Current();

  void End() { m_done = true; }
  HWND Frame() const { return m_frame; }
  HWND DropDown() const;
  HMENU OpenPopup() const;

 private:
  enum class Pick { kNone, kFirst, kLast };
  enum class Where { kNone, kBar, kDropDown };
  struct SHit {
    Where where = Where::kNone;
    int index = -1;
  };

  CMenuLoop(HWND frame, HMENU bar);

  void Start(int mode, POINT screenPoint, int key);
  void StartPopup(POINT screenPoint);
  void Run();
  void Finish();
  bool Alive() const;  // the frame and its bar are still there
  SMenuItem* BarItem(int index) const;
  SMenuItem* PopupItem(int index) const;

  // Selection (menu_loop.cpp).
  void SelectBar(int index, bool open, Pick pick);
  void OpenDropDown(Pick pick);
  void CloseDropDown();
  void SelectItem(int index);
  void SetHilite(HMENU menu, int index, bool on);
  void SendSelect();
  void Choose(HMENU holder, int index);

  // Input (menu_loop_input.cpp).
  void Process(MSG& msg);
  SHit HitTest(POINT screen) const;
  int BarMnemonic(int key) const;
  void OnMove(POINT screen);
  void OnPress(POINT screen);
  void OnRelease(POINT screen);
  void OnKeyDown(int vk, bool repeat);
  void OnKeyUp(int vk);
  void OnChar(int ch, bool sys);
  void MoveAlongBar(int step);
  void MoveInDropDown(int step);
  void OpenFromBar(Pick pick);

  HWND m_frame;               // the frame of the bar, or the owner of a context menu
  HMENU m_bar;                // null for a context menu
  HMENU m_context = nullptr;  // the context menu, while it runs
  UINT m_flags = 0;           // its TPM_ flags
  int m_barIndex = -1;
  HWND m_dropDown = nullptr;
  HMENU m_popup = nullptr;
  int m_item = -1;
  bool m_openMode = false;  // selecting a bar item opens its drop-down
  bool m_buttonDown = false;
  bool m_closeOnRelease = false;  // a second press on the open item
  bool m_altAlone = false;        // Alt went down in the loop and nothing else since
  bool m_done = false;
  bool m_chosen = false;
  UINT m_command = 0;
  bool m_quit = false;
  int m_quitCode = 0;
};

}  // namespace menus
