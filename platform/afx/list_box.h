// CListBox: the list box control. Indices are zero-based; LB_ERR (-1) is
// the failure result throughout.
#pragma once

#include <vector>

#include "platform/afx/cstring.h"
#include "platform/afx/wnd.h"

class CListBox : public CWnd {
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
  }
  int AddString(LPCTSTR lpszItem) {
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)));
  }
  // At nIndex, or at the end for -1.
  int InsertString(int nIndex, LPCTSTR lpszItem) {
    return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(nIndex),
                                        reinterpret_cast<LPARAM>(lpszItem)));
  }
  // Returns the lines left.
  int DeleteString(UINT nIndex) { return static_cast<int>(SendMessage(LB_DELETESTRING, nIndex)); }
  void ResetContent() { SendMessage(LB_RESETCONTENT); }
  int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
  // lpszBuffer must hold GetTextLen(nIndex) + 1 characters.
  int GetText(int nIndex, LPTSTR lpszBuffer) const {
    return static_cast<int>(
        SendMessage(LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
  }
  void GetText(int nIndex, CString& rString) const {
    const int n = GetTextLen(nIndex);
    if (n < 0) {
      rString.Empty();
      return;
    }
    std::vector<char> buffer(static_cast<size_t>(n) + 1, '\0');
    GetText(nIndex, buffer.data());
    rString = buffer.data();
  }
  int GetTextLen(int nIndex) const {
    return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(nIndex)));
  }
  int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
  int SetCurSel(int nSelect) {
    return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(nSelect)));
  }
  int GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }
  int SetTopIndex(int nIndex) {
    return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(nIndex)));
  }
};
