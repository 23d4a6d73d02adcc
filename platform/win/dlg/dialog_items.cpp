// The dialog item shortcuts: window functions on a child named by its id.
#include <cctype>
#include <climits>
#include <string>

#include "platform/win/dlg/dialogs.h"

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
  HWND item = GetDlgItem(dialog, id);
  return item != nullptr ? SetWindowTextA(item, text) : FALSE;
}

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size) {
  if (buffer != nullptr && size > 0) buffer[0] = '\0';
  HWND item = GetDlgItem(dialog, id);
  if (item == nullptr) return 0;
  const int n = GetWindowTextA(item, buffer, size);
  return n > 0 ? static_cast<UINT>(n) : 0U;
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND item = GetDlgItem(dialog, id);
  return item != nullptr ? SendMessageA(item, message, wParam, lParam) : 0;
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
  const std::string text =
      isSigned != FALSE ? std::to_string(static_cast<int>(value)) : std::to_string(value);
  return SetDlgItemTextA(dialog, id, text.c_str());
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
  if (translated != nullptr) *translated = FALSE;
  HWND item = GetDlgItem(dialog, id);
  if (item == nullptr) return 0;
  const int length = GetWindowTextLengthA(item);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(item, text.data(), length + 1);
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (isSigned != FALSE && i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i >= text.size() || std::isdigit(static_cast<unsigned char>(text[i])) == 0) return 0;
  long long value = 0;
  const long long limit = isSigned != FALSE
                              ? (negative ? -static_cast<long long>(INT_MIN) : INT_MAX)
                              : static_cast<long long>(UINT_MAX);
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > limit) return 0;  // does not fit: not translated
  }
  if (translated != nullptr) *translated = TRUE;
  return static_cast<UINT>(negative ? -value : value);
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
  HWND item = GetDlgItem(dialog, id);
  if (item == nullptr) return FALSE;
  SendMessageA(item, BM_SETCHECK, check, 0);
  return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
  return static_cast<UINT>(SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0));
}
