// CEdit: the single-line edit control.
#pragma once

#include "platform/afx/wnd.h"
#include "platform/win/dlg/dialogs.h"

class CEdit : public CWnd {
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
  }
  // The selection: start in the low word, end in the high word (each held
  // to 65535); the int form gives them whole.
  DWORD GetSel() const { return static_cast<DWORD>(SendMessage(EM_GETSEL)); }
  void GetSel(int& nStartChar, int& nEndChar) const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    nStartChar = static_cast<int>(start);
    nEndChar = static_cast<int>(end);
  }
  // -1 as the end selects to the end of the text; -1 as the start removes
  // the selection.
  void SetSel(int nStartChar, int nEndChar, BOOL /*bNoScroll*/ = FALSE) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
  }
  void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE) {
    SetSel(static_cast<short>(LOWORD(dwSelection)), static_cast<short>(HIWORD(dwSelection)),
           bNoScroll);
  }
  void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE) {
    SendMessage(EM_REPLACESEL, static_cast<WPARAM>(bCanUndo),
                reinterpret_cast<LPARAM>(lpszNewText));
  }
  BOOL SetReadOnly(BOOL bReadOnly = TRUE) {
    return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(bReadOnly)));
  }
  // 0 is the largest limit there is.
  void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
  void SetLimitText(UINT nMax) { SendMessage(EM_LIMITTEXT, nMax); }
  UINT GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
  void Cut() { SendMessage(WM_CUT); }
  void Copy() { SendMessage(WM_COPY); }
  void Paste() { SendMessage(WM_PASTE); }
  void Clear() { SendMessage(WM_CLEAR); }
};
