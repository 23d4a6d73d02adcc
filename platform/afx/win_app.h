// CWinThread and CWinApp: the program's one thread and its application
// object. The message loop lives here, with the idle processing that brings
// command looks up to date when the queue runs dry; AfxWinMain starts it all.
#pragma once

#include "platform/afx/cmd_target.h"
#include "platform/afx/wnd.h"

struct ResourceModule;
namespace host {
class IHost;  // handed down to the window system, never used here
}

class CWinThread : public CCmdTarget {
 public:
  CWnd* m_pMainWnd = nullptr;
  MSG m_msgCur{};

  virtual BOOL InitInstance();
  // The message loop: idle processing while nothing waits, then messages
  // until the quit message; returns ExitInstance().
  virtual int Run();
  // Gives the windows from the message's own up to its top-level window a
  // chance to take a message before it is dispatched.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Retrieves, translates and dispatches one message; FALSE at the quit message.
  virtual BOOL PumpMessage();
  // The framework's idle work, count 0 first: TRUE while it wants another call.
  virtual BOOL OnIdle(LONG lCount);
  virtual BOOL IsIdleMessage(MSG* pMsg);
  virtual int ExitInstance();
  virtual CWnd* GetMainWnd() { return m_pMainWnd; }

 private:
  POINT m_lastMousePos{-1, -1};
  UINT m_lastMouseMessage = 0;
};

class CWinApp : public CWinThread {
 public:
  explicit CWinApp(LPCTSTR lpszAppName = nullptr);
  ~CWinApp() override;

  LPCTSTR m_pszAppName = nullptr;
  HINSTANCE m_hInstance = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;

  virtual BOOL InitApplication();
  BOOL OnIdle(LONG lCount) override;
  // Three-dimensional controls are the only kind this window system draws.
  BOOL Enable3dControls() { return TRUE; }

  // Help without a help file: nothing to show, nothing harmed.
  afx_msg void OnHelp();

  DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
CWinThread* AfxGetThread();

// The program's start: brings the window system up on `host` with the
// program's resources, runs the application object's InitInstance and, if
// that succeeds, its message loop. Returns the exit code: the quit message's,
// or 1 when InitInstance failed.
int AfxWinMain(host::IHost* host, const ResourceModule* resources);
