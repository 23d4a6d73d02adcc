#include "ui/sim_app.h"

#include "res/resource.h"
#include "ui/sim_frame.h"

CSimApp theApp;

BEGIN_MESSAGE_MAP(CSimApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CSimApp::CSimApp() : CWinApp(nullptr) {}

CSimApp::~CSimApp() = default;

BOOL CSimApp::InitInstance() {
  Enable3dControls();
  auto* frame = new CSimFrame;
  m_pMainWnd = frame;
  if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr)) {
    // A frame whose window could not be made has deleted itself already:
    // nothing of it may be touched, and there is nothing to show.
    return FALSE;
  }
  frame->ShowWindow(SW_SHOW);
  frame->UpdateWindow();
  return TRUE;
}
