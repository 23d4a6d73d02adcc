// Focus inside dialogs: the tab and group orders, moving the focus, and the
// default push button's look that follows it.
#include <cctype>
#include <string>

#include "platform/win/ctl/group_box.h"
#include "platform/win/dlg/dialog_focus.h"
#include "platform/win/wm/wnd.h"

namespace {

bool OwnVisibleAndEnabled(HWND c) {
  // A dialog being made is still hidden, so each child's own flag counts
  // here, not whether it shows on the screen yet.
  return IsLive(c) && (c->style & WS_VISIBLE) != 0 && (c->style & WS_DISABLED) == 0;
}

bool IsTabStop(HWND c) { return OwnVisibleAndEnabled(c) && (c->style & WS_TABSTOP) != 0; }

// Labels and group boxes never hold the focus, so the arrows pass them by.
bool TakesFocus(HWND c) {
  return OwnVisibleAndEnabled(c) && !IsOfClass(c, "STATIC") && !ctl::IsGroupBox(c);
}

std::vector<HWND> LiveChildren(HWND dialog) {
  std::vector<HWND> out;
  for (HWND c : dialog->children) {
    if (!c->destroying) out.push_back(c);
  }
  return out;
}

int IndexOf(const std::vector<HWND>& list, HWND hwnd) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i] == hwnd) return static_cast<int>(i);
  }
  return -1;
}

// The first child from `from` stepping through [first, last) with wrap
// that passes `test`; `from` itself comes last.
template <typename Test>
HWND Step(const std::vector<HWND>& list, int first, int last, int from, bool previous, Test test) {
  const int n = last - first;
  for (int k = 1; k <= n; ++k) {
    const int offset = ((from - first) + (previous ? -k : k)) % n;
    const int j = first + (offset + n) % n;
    if (test(list[static_cast<size_t>(j)])) return list[static_cast<size_t>(j)];
  }
  return nullptr;
}

UINT DialogCode(HWND hwnd) {
  return hwnd != nullptr ? static_cast<UINT>(SendMessageA(hwnd, WM_GETDLGCODE, 0, 0)) : 0U;
}

}  // namespace

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  if (!IsLive(dialog)) return nullptr;
  const std::vector<HWND> list = LiveChildren(dialog);
  if (list.empty()) return nullptr;
  const int n = static_cast<int>(list.size());
  int from = IndexOf(list, dlg::DialogChildOf(dialog, control));
  if (from < 0) from = previous ? 0 : n - 1;
  return Step(list, 0, n, from, previous != FALSE, IsTabStop);
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
  if (!IsLive(dialog)) return nullptr;
  const std::vector<HWND> list = LiveChildren(dialog);
  const int at = IndexOf(list, dlg::DialogChildOf(dialog, control));
  if (at < 0) return nullptr;
  int first = at;
  while (first > 0 && (list[static_cast<size_t>(first)]->style & WS_GROUP) == 0) --first;
  int last = first + 1;
  while (last < static_cast<int>(list.size()) &&
         (list[static_cast<size_t>(last)]->style & WS_GROUP) == 0) {
    ++last;
  }
  HWND next = Step(list, first, last, at, previous != FALSE, TakesFocus);
  return next != nullptr ? next : list[static_cast<size_t>(at)];
}

namespace dlg {

HWND DialogChildOf(HWND dialog, HWND hwnd) {
  if (!IsLive(dialog)) return nullptr;
  for (HWND w = hwnd; w != nullptr && IsLive(w); w = w->parent) {
    if (w->parent == dialog) return w;
  }
  return nullptr;
}

HWND FirstTabItem(HWND dialog) { return GetNextDlgTabItem(dialog, nullptr, FALSE); }

void MoveDialogFocus(HWND dialog, HWND control, bool selectText) {
  if (!IsLive(dialog) || !IsLive(control)) return;
  if (IsWindowVisible(dialog)) {
    SetFocus(control);
  } else {
    TopLevelOf(dialog)->lastFocus = control;
  }
  if (!IsLive(control)) return;
  if (selectText && (DialogCode(control) & DLGC_HASSETSEL) != 0) {
    SendMessageA(control, EM_SETSEL, 0, -1);
  }
  if (IsLive(dialog)) UpdateDefaultButton(dialog, control);
}

void RestoreDialogFocus(HWND dialog) {
  if (!IsLive(dialog)) return;
  HWND want = TopLevelOf(dialog)->lastFocus;
  if (!IsLive(want) || DialogChildOf(dialog, want) == nullptr || !OwnVisibleAndEnabled(want)) {
    want = FirstTabItem(dialog);
  }
  if (want == nullptr) return;  // nothing to take it: the dialog keeps the focus
  if (GetFocus() != want) SetFocus(want);
  if (IsLive(dialog)) UpdateDefaultButton(dialog, want);
}

void UpdateDefaultButton(HWND dialog, HWND focus) {
  if (!IsLive(dialog)) return;
  HWND focused = DialogChildOf(dialog, focus);
  HWND wanted = nullptr;
  if ((DialogCode(focused) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) {
    wanted = focused;
  } else {
    const auto answer = static_cast<UINT_PTR>(SendMessageA(dialog, DM_GETDEFID, 0, 0));
    if (HIWORD(answer) == DC_HASDEFID) wanted = GetDlgItem(dialog, LOWORD(answer));
  }
  for (HWND c : LiveChildren(dialog)) {
    if (!IsLive(c)) continue;
    const UINT code = DialogCode(c);
    if (c == wanted) {
      if ((code & DLGC_UNDEFPUSHBUTTON) != 0) SendMessageA(c, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    } else if ((code & DLGC_DEFPUSHBUTTON) != 0) {
      SendMessageA(c, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    }
  }
}

void NextDialogControl(HWND dialog, WPARAM wParam, LPARAM lParam) {
  HWND target = nullptr;
  if (LOWORD(static_cast<UINT_PTR>(lParam)) != 0) {
    target = DialogChildOf(dialog, reinterpret_cast<HWND>(wParam)) != nullptr
                 ? reinterpret_cast<HWND>(wParam)
                 : nullptr;
  } else {
    target = GetNextDlgTabItem(dialog, GetFocus(), wParam != 0 ? TRUE : FALSE);
  }
  if (target != nullptr) MoveDialogFocus(dialog, target, true);
}

}  // namespace dlg
