#include "tests/ui/frame_fixture.h"

#include "platform/win/res/resources.h"
#include "platform/win/system/system.h"
#include "res/resource.h"
#include "res/resources.h"

void FrameTest::SetUp() {
  InitWindowSystem(&m_host);
  AfxSetResourceHandle(RegisterResourceModule(AstrolatheResources()));
  CWinApp* app = AfxGetApp();
  ASSERT_NE(app, nullptr);
  ASSERT_TRUE(app->InitInstance());
  m_frame = dynamic_cast<CSimFrame*>(app->m_pMainWnd);
  ASSERT_NE(m_frame, nullptr);
  Pump();
  m_host.SetEventSource([this](host::Event*, bool) {
    // Exit and the close box delete the frame in the middle of a run.
    if (!m_onStep || m_stopPosted || AfxGetApp()->m_pMainWnd == nullptr) return false;
    if (m_frame->m_table.m_t != m_lastT) {
      m_lastT = m_frame->m_table.m_t;
      if (!m_onStep(++m_steps)) {
        m_stopPosted = true;
        m_frame->PostMessage(WM_COMMAND, ID_CONTROL_STOP, 0);
      }
    }
    return false;
  });
}

void FrameTest::TearDown() {
  m_host.SetEventSource(nullptr);
  if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd != nullptr) {
    app->m_pMainWnd->DestroyWindow();
  }
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
  AfxSetResourceHandle(nullptr);
  AfxDeleteTempMaps();
  ShutdownWindowSystem();
}

void FrameTest::Place(int px, int py, double mass, double vx, double vy) {
  CBodyTable& t = m_frame->m_table;
  CBody& b = t.m_bodies[t.m_bodyCount];
  b.SetScreenPos(px, py);
  b.SetMass(mass);
  b.SetVx(vx);
  b.SetVy(vy);
  if (t.m_bodyCount == 0) {
    m_frame->m_goButton.EnableWindow(TRUE);
    m_frame->m_goEnabled = TRUE;
  }
  ++t.m_bodyCount;
  const RECT square = b.GetRect();
  m_frame->InvalidateRect(&square, FALSE);
}

void FrameTest::Run(const std::function<bool(long)>& onStep) {
  m_onStep = onStep;
  m_steps = 0;
  m_lastT = m_frame->m_table.m_t;
  m_stopPosted = false;
  // As the menu command arrives: the run ends when the handler returns.
  m_frame->SendMessage(WM_COMMAND, ID_CONTROL_GO, 0);
  m_onStep = nullptr;
  Pump();
}

void FrameTest::Pump() {
  MSG msg;
  for (int guard = 0; guard < 100000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
