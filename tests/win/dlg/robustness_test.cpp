// Every message number, with odd parameters, to every class of the dialog
// manager: nothing may fault (the sanitizer build watches), and the windows
// still work afterwards.
#include <set>

#include "tests/win/dlg/dlg_fixture.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

constexpr DialogItemTemplate kItems[] = {
    {"EDIT", 100, "text", 4, 4, 60, 13, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    {"msctls_updown32", 101, "", 60, 4, 11, 13,
     kChild | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_SETBUDDYINT},
    {"LISTBOX", 102, "", 4, 20, 60, 30, kChild | WS_VSCROLL | WS_BORDER | LBS_NOTIFY},
    {"BUTTON", IDOK, "OK", 70, 20, 40, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
};
constexpr DialogTemplate kAll{
    .style = WS_POPUP | WS_CAPTION | WS_VISIBLE, .cx = 120, .cy = 60, .items = kItems};

// Messages whose parameters are pointers or creation records get null only.
const std::set<UINT> kPointers = {
    WM_CREATE,     WM_NCCREATE,         WM_SETTEXT,      WM_GETTEXT, EM_GETSEL,
    EM_REPLACESEL, LB_ADDSTRING,        LB_INSERTSTRING, LB_GETTEXT, WM_GETMINMAXINFO,
    WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_DRAWITEM,     WM_NOTIFY,
};
// The system's own last messages are not the program's to send, and a
// close does destroy a window, as it should.
const std::set<UINT> kSkipped = {WM_DESTROY, WM_NCDESTROY, WM_QUIT, WM_CLOSE, WM_SYSCOMMAND};

class Robustness : public DialogTest {};

TEST_F(Robustness, OddMessagesToEveryClassFaultNothing) {
  s_endOnCommand = false;
  HWND dialog = MakeDialog(kAll);
  ASSERT_NE(dialog, nullptr);
  const LPARAM odd[] = {0, 1, -1, 0x7FFFFFFF, static_cast<LPARAM>(0x80000000U)};
  const HWND targets[] = {GetDlgItem(dialog, 100), GetDlgItem(dialog, 101), GetDlgItem(dialog, 102),
                          dialog};
  for (HWND target : targets) {
    for (UINT message = 0; message < WM_USER + 0x0E00; ++message) {
      if (kSkipped.contains(message) || !IsWindow(target)) continue;
      if (kPointers.contains(message)) {
        SendMessageA(target, message, 0, 0);
        continue;
      }
      for (const LPARAM w : odd) {
        for (const LPARAM l : odd) SendMessageA(target, message, static_cast<WPARAM>(w), l);
      }
    }
    ReleaseCapture();
  }
  Pump();
  // Still a dialog with working controls.
  ASSERT_TRUE(IsWindow(dialog));
  HWND edit = GetDlgItem(dialog, 100);
  ASSERT_TRUE(IsWindow(edit));
  SetWindowTextA(edit, "fine");
  char text[8] = {};
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "fine");
  EXPECT_GE(SendDlgItemMessageA(dialog, 102, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x")), 0);
  DestroyWindow(dialog);
  EXPECT_FALSE(IsWindow(edit));
}

}  // namespace
