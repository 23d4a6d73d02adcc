// Message maps: static tables of typed entries, each class's chained to its
// base class's. An entry names a message (or a command and its notification
// code) and an adapter that unpacks the message's parameters for the handler's
// own signature and calls it, so a handler is an ordinary member function and
// the compiler checks its signature.
//
//   class CMyWnd : public CWnd {
//     ...
//     afx_msg void OnPaint();
//     DECLARE_MESSAGE_MAP()
//   };
//   BEGIN_MESSAGE_MAP(CMyWnd, CWnd)
//     ON_WM_PAINT()
//     ON_COMMAND(ID_FILE_EXIT, &CMyWnd::OnExit)
//   END_MESSAGE_MAP()
//
// The entry macros themselves are in message_map_entries.h.
#pragma once

#include "platform/win/wm/user.h"

class CCmdTarget;

using AFX_PTHUNK = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // a window message, or WM_COMMAND for commands and notifications
  UINT nCode;     // notification code for WM_COMMAND entries (CN_COMMAND for commands)
  UINT nID;       // first command or control id
  UINT nLastID;   // last id of the range
  AFX_PTHUNK pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// Notification codes that route through command maps.
inline constexpr int CN_COMMAND = 0;
inline constexpr int CN_UPDATE_COMMAND_UI = -1;

// Filled by OnCmdMsg when asked only whether a handler exists.
struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget;
  AFX_PTHUNK pfn;
};

#define afx_msg

#define DECLARE_MESSAGE_MAP()                   \
 protected:                                     \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const AFX_MSGMAP_ENTRY kMessageEntries[] = {
#define END_MESSAGE_MAP()                                                                    \
  { 0, 0, 0, 0, nullptr }                                                                    \
  }                                                                                          \
  ;                                                                                          \
  static const AFX_MSGMAP kMessageMap = {&TheBaseClass::GetThisMessageMap, kMessageEntries}; \
  return &kMessageMap;                                                                       \
  }
