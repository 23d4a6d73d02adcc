// Go and Stop. Go does not return while the simulation runs: it makes one
// step after another and, between two steps, handles everything that waits
// (painting, the mouse, the sliders, menus, dialogs and Stop itself).
#include "res/resource.h"
#include "ui/sim_frame.h"

void CSimFrame::StepSimulation() {
  for (const RECT& rect : m_table.StepSimulation()) InvalidateRect(&rect, FALSE);
}

void CSimFrame::RemoveBody(int i) {
  const RECT gone = m_table.RemoveBody(i);
  InvalidateRect(&gone, FALSE);
}

void CSimFrame::OnGo() {
  SetMessageText("Running");
  m_goButton.EnableWindow(FALSE);
  m_stopButton.EnableWindow(TRUE);
  m_goEnabled = FALSE;
  m_stopEnabled = TRUE;
  m_running = TRUE;
  for (;;) {
    StepSimulation();
    CString text;
    text.Format("t: %e s", m_table.m_t);
    m_statusBar.SetPaneText(2, text, TRUE);
    // Once the pump has seen the quit request the frame may be gone (closing
    // the window deletes it): nothing of it is read after that.
    if (!PumpPendingMessages()) return;
    if (!m_running) return;
  }
}

void CSimFrame::OnStop() {
  SetMessageText("Ready");
  m_goButton.EnableWindow(TRUE);
  m_stopButton.EnableWindow(FALSE);
  m_goEnabled = TRUE;
  m_stopEnabled = FALSE;
  m_running = FALSE;
}

BOOL CSimFrame::PumpPendingMessages() {
  CWinApp* app = AfxGetApp();
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    if (!app->PumpMessage()) {
      // Leave the request where the framework's own loop will find it.
      ::PostQuitMessage(0);
      return FALSE;
    }
  }
  LONG idle = 0;
  while (app->OnIdle(idle++)) {
  }
  return TRUE;
}

void CSimFrame::OnUpdateGo(CCmdUI* pCmdUI) { pCmdUI->Enable(m_goEnabled); }

void CSimFrame::OnUpdateStop(CCmdUI* pCmdUI) { pCmdUI->Enable(m_stopEnabled); }
