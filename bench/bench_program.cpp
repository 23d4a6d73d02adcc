#include "bench/bench_program.h"

#include <cmath>

#include "platform/win/res/resources.h"
#include "platform/win/system/system.h"
#include "platform/win/wm/wnd.h"
#include "res/resource.h"
#include "res/resources.h"
#include "ui/sim_frame.h"

CBenchProgram::CBenchProgram(host::IHost* host) {
  InitWindowSystem(host);
  AfxSetResourceHandle(RegisterResourceModule(AstrolatheResources()));
  CWinApp* app = AfxGetApp();
  if (app == nullptr || !app->InitInstance()) return;
  m_frame = dynamic_cast<CSimFrame*>(app->m_pMainWnd);
  Settle();
}

CBenchProgram::~CBenchProgram() {
  if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd != nullptr) {
    app->m_pMainWnd->DestroyWindow();
  }
  Settle();
  AfxSetResourceHandle(nullptr);
  AfxDeleteTempMaps();
  ShutdownWindowSystem();
}

void CBenchProgram::Settle() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void PlaceOrbits(CBodyTable& t, double centralMass) {
  t.m_bodyCount = 0;
  const double G = t.m_G;
  auto add = [&](int px, int py, double mass, double vx, double vy) {
    CBody& b = t.m_bodies[t.m_bodyCount++];
    b.SetScreenPos(px, py);
    b.SetMass(mass);
    b.SetVx(vx);
    b.SetVy(vy);
  };
  add(220, 190, centralMass, 0.0, 0.0);
  for (int i = 0; i < 9; ++i) {
    const double r = (60.0 + 14.0 * i) * 1e9;
    const double v = std::sqrt(G * centralMass / r);
    add(220 + static_cast<int>(r / 1e9), 190, 1e25, 0.0, (i % 2 == 0) ? v : -v);
  }
}

void CBenchProgram::PlaceOrbits(double centralMass) {
  ::PlaceOrbits(m_frame->m_table, centralMass);
  m_frame->Invalidate(FALSE);
  m_frame->m_goEnabled = TRUE;
  m_frame->m_goButton.EnableWindow(TRUE);
  Settle();
  m_lastT = m_frame->m_table.m_t;
}

void CBenchProgram::Go() { m_frame->SendMessage(WM_COMMAND, ID_CONTROL_GO, 0); }

bool CBenchProgram::SawStep() {
  if (m_frame->m_table.m_t == m_lastT) return false;
  m_lastT = m_frame->m_table.m_t;
  return true;
}

POINT CBenchProgram::CentreOf(const CWnd& control) const {
  const POINT origin = ClientOriginInSurface(control.m_hWnd);
  const SIZE size = ClientSize(control.m_hWnd);
  return POINT{origin.x + size.cx / 2, origin.y + size.cy / 2};
}

host::SurfaceId CBenchProgram::Surface() const { return m_frame->m_hWnd->hostId; }

bool CBenchProgram::Quiet() const {
  return WM().queue.empty() && WM().pendingInput.empty() && WM().pendingPaints == 0;
}
