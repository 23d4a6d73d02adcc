// IsDialogMessageA: the dialog keyboard, in the modal loop and in the
// framework's pump alike.
#include <cctype>
#include <string>

#include "platform/win/ctl/group_box.h"
#include "platform/win/dlg/dialog_focus.h"
#include "platform/win/wm/wnd.h"

namespace {

UINT DialogCodeFor(const MSG* msg) {
  if (!IsLive(msg->hwnd)) return 0;
  return static_cast<UINT>(
      SendMessageA(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg)));
}

// Sends `id`'s command for a button that may or may not exist; a disabled
// one does nothing, as a disabled button would.
void Command(HWND dialog, int id, HWND control) {
  if (control != nullptr && !IsWindowEnabled(control)) return;
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id), BN_CLICKED),
               reinterpret_cast<LPARAM>(control));
}

void PressDefault(HWND dialog) {
  HWND focused = dlg::DialogChildOf(dialog, GetFocus());
  const UINT code =
      focused != nullptr ? static_cast<UINT>(SendMessageA(focused, WM_GETDLGCODE, 0, 0)) : 0U;
  if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) {
    Command(dialog, GetDlgCtrlID(focused), focused);
    return;
  }
  const auto answer = static_cast<UINT_PTR>(SendMessageA(dialog, DM_GETDEFID, 0, 0));
  if (!IsLive(dialog)) return;
  const int id = HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : IDOK;
  Command(dialog, id, GetDlgItem(dialog, id));
}

// The control whose text marks `ch` with '&' ("&&" is a plain ampersand).
HWND MnemonicOwner(HWND dialog, int ch) {
  const int want = std::tolower(ch & 0xFF);
  for (HWND c : dialog->children) {
    if (c->destroying || (c->style & WS_VISIBLE) == 0 || (c->style & WS_DISABLED) != 0) continue;
    const std::string& text = c->text;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
      if (text[i] != '&') continue;
      if (text[i + 1] == '&') {
        ++i;
        continue;
      }
      if (std::tolower(static_cast<unsigned char>(text[i + 1])) == want) return c;
      break;
    }
  }
  return nullptr;
}

bool IsLabel(HWND c) { return IsOfClass(c, "STATIC") || ctl::IsGroupBox(c); }

// Alt and a marked letter (or the letter alone where the focus takes no
// characters): a push button is pressed, a label gives the focus to the
// control after it.
bool Mnemonic(HWND dialog, int ch) {
  HWND c = MnemonicOwner(dialog, ch);
  if (c == nullptr) return false;
  if (IsLabel(c)) {
    HWND next = GetNextDlgTabItem(dialog, c, FALSE);
    if (next != nullptr) dlg::MoveDialogFocus(dialog, next, true);
    return true;
  }
  const UINT code = static_cast<UINT>(SendMessageA(c, WM_GETDLGCODE, 0, 0));
  if (!IsLive(dialog) || !IsLive(c)) return true;
  if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) {
    SendMessageA(c, BM_CLICK, 0, 0);
  } else {
    dlg::MoveDialogFocus(dialog, c, true);
  }
  return true;
}

// The dialog's own keys; false for those the message's window keeps.
bool HandleKey(HWND dialog, const MSG* msg) {
  const UINT code = DialogCodeFor(msg);
  if (!IsLive(dialog) || (code & DLGC_WANTALLKEYS) != 0) return false;
  const int vk = static_cast<int>(msg->wParam);
  if (msg->message == WM_SYSCHAR) return Mnemonic(dialog, vk);
  if (msg->message == WM_CHAR) {
    // The characters of the keys handled below never reach a control
    // that did not ask for them.
    if ((vk == '\t' && (code & DLGC_WANTTAB) == 0) || vk == '\r' || vk == 0x1B) return true;
    return (code & DLGC_WANTCHARS) == 0 && vk > ' ' && Mnemonic(dialog, vk);
  }
  if (msg->message != WM_KEYDOWN) return false;
  switch (vk) {
    case VK_TAB: {
      if ((code & DLGC_WANTTAB) != 0) return false;
      const BOOL back = GetKeyState(VK_SHIFT) < 0 ? TRUE : FALSE;
      if (HWND next = GetNextDlgTabItem(dialog, GetFocus(), back)) {
        dlg::MoveDialogFocus(dialog, next, true);
      }
      return true;
    }
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      if ((code & DLGC_WANTARROWS) != 0) return false;
      HWND from = dlg::DialogChildOf(dialog, GetFocus());
      HWND next = GetNextDlgGroupItem(dialog, from, vk == VK_LEFT || vk == VK_UP ? TRUE : FALSE);
      if (next != nullptr && next != from) dlg::MoveDialogFocus(dialog, next, false);
      return true;
    }
    case VK_RETURN:
      PressDefault(dialog);
      return true;
    case VK_ESCAPE:
      Command(dialog, IDCANCEL, GetDlgItem(dialog, IDCANCEL));
      return true;
    default:
      return false;
  }
}

}  // namespace

BOOL IsDialogMessageA(HWND dialog, MSG* msg) {
  if (msg == nullptr || !IsLive(dialog)) return FALSE;
  if (msg->hwnd != dialog && IsChild(dialog, msg->hwnd) == FALSE) return FALSE;
  HWND before = GetFocus();
  if (!HandleKey(dialog, msg)) {
    TranslateMessage(msg);
    DispatchMessageA(msg);
  }
  // Whatever moved the focus (a click, the program), the default look
  // follows it.
  if (IsLive(dialog) && GetFocus() != before) dlg::UpdateDefaultButton(dialog, GetFocus());
  return TRUE;
}
