#include "platform/afx/win_app.h"

#include "platform/afx/afx_resource.h"
#include "platform/afx/dc.h"
#include "platform/win/res/resources.h"
#include "platform/win/system/system.h"

namespace {

CWinApp* g_app = nullptr;

}  // namespace

CWinApp* AfxGetApp() { return g_app; }
CWinThread* AfxGetThread() { return g_app; }

BOOL CWinThread::InitInstance() { return FALSE; }

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
  if (pMsg == nullptr) return FALSE;
  HWND mainWnd = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
  bool sawMain = false;
  for (HWND hwnd = pMsg->hwnd; hwnd != nullptr;) {
    if (CWnd* wnd = CWnd::FromHandlePermanent(hwnd)) {
      if (wnd->PreTranslateMessage(pMsg)) return TRUE;
    }
    sawMain = sawMain || hwnd == mainWnd;
    if ((GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) == 0) break;
    hwnd = ::GetParent(hwnd);
  }
  if (!sawMain && m_pMainWnd != nullptr && IsWindow(mainWnd)) {
    return m_pMainWnd->PreTranslateMessage(pMsg);
  }
  return FALSE;
}

BOOL CWinThread::PumpMessage() {
  if (!::GetMessageA(&m_msgCur, nullptr, 0, 0)) return FALSE;
  if (!PreTranslateMessage(&m_msgCur)) {
    ::TranslateMessage(&m_msgCur);
    ::DispatchMessageA(&m_msgCur);
  }
  return TRUE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) {
  // A pointer that did not move, and paints, do not count as the user doing
  // something, so they do not restart the idle work.
  if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
    if (pMsg->message == m_lastMouseMessage && pMsg->pt.x == m_lastMousePos.x &&
        pMsg->pt.y == m_lastMousePos.y) {
      return FALSE;
    }
    m_lastMousePos = pMsg->pt;
    m_lastMouseMessage = pMsg->message;
    return TRUE;
  }
  return pMsg->message != WM_PAINT && pMsg->message != WM_NCPAINT;
}

BOOL CWinThread::OnIdle(LONG lCount) {
  if (lCount <= 0) {
    CWnd* main = m_pMainWnd;
    if (main != nullptr && main->m_hWnd != nullptr && main->IsWindowVisible()) {
      AfxWndProc(main->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
      main->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
  } else {
    AfxDeleteTempMaps();
    CDC::DeleteTempMap();
  }
  return lCount < 0 ? TRUE : FALSE;
}

int CWinThread::Run() {
  bool idle = true;
  LONG idleCount = 0;
  for (;;) {
    while (idle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(idleCount++)) idle = false;
    }
    do {
      if (!PumpMessage()) return ExitInstance();
      if (IsIdleMessage(&m_msgCur)) {
        idle = true;
        idleCount = 0;
      }
    } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
  }
}

int CWinThread::ExitInstance() {
  return m_msgCur.message == WM_QUIT ? static_cast<int>(m_msgCur.wParam) : 0;
}

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR lpszAppName) : m_pszAppName(lpszAppName) { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitApplication() {
  if (m_pszAppName == nullptr) m_pszAppName = "Astrolathe";
  return TRUE;
}

BOOL CWinApp::OnIdle(LONG lCount) {
  // Two turns: command looks first, then the temporary objects.
  if (lCount <= 1) CWinThread::OnIdle(lCount);
  return lCount < 1 ? TRUE : FALSE;
}

void CWinApp::OnHelp() {}

int AfxWinMain(host::IHost* host, const ResourceModule* resources) {
  InitWindowSystem(host);
  HINSTANCE instance = RegisterResourceModule(resources);
  AfxSetResourceHandle(instance);
  int code = 1;
  CWinApp* app = AfxGetApp();
  if (app != nullptr) {
    app->m_hInstance = instance;
    if (app->InitApplication() && app->InitInstance()) {
      code = app->Run();
    } else {
      if (app->m_pMainWnd != nullptr) app->m_pMainWnd->DestroyWindow();
      app->ExitInstance();
    }
  }
  AfxDeleteTempMaps();
  CDC::DeleteTempMap();
  ShutdownWindowSystem();
  return code;
}
