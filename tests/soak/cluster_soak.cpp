#include "tests/soak/cluster_soak.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "core/scales.h"
#include "platform/win/res/resources.h"
#include "platform/win/system/system.h"
#include "platform/win/wm/wnd.h"
#include "res/resource.h"
#include "res/resources.h"
#include "ui/sim_frame.h"

namespace {

struct SPlacement {
  int px;
  int py;
  double mass;
};

// A few pixels across, the heaviest masses the dialog offers beside light
// ones, and two bodies on one pixel (the pull between them is the step's
// closer-than-a-metre case from the first step on).
constexpr SPlacement kCluster[kMaxBodies] = {
    {240, 180, 1e35}, {241, 180, 1e35}, {240, 181, 5e34}, {242, 182, 1e34}, {238, 179, 1e33},
    {240, 180, 1e30}, {243, 178, 1e28}, {237, 183, 1e27}, {241, 181, 1e26}, {239, 182, 1e25},
};

bool Saturated(LONG v) {
  return v == std::numeric_limits<LONG>::max() || v == std::numeric_limits<LONG>::min();
}

}  // namespace

CClusterSoak::~CClusterSoak() {
  if (!m_started) return;
  m_host.SetEventSource(nullptr);
  if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd != nullptr) {
    app->m_pMainWnd->DestroyWindow();
  }
  Settle();
  AfxSetResourceHandle(nullptr);
  AfxDeleteTempMaps();
  ShutdownWindowSystem();
}

void CClusterSoak::Settle() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void CClusterSoak::PushKey(HWND target, int vkey) {
  host::Event e;
  e.surface = target->hostId;
  e.vkey = vkey;
  e.type = host::EventType::kKeyDown;
  m_host.PushEvent(e);
  e.type = host::EventType::kKeyUp;
  m_host.PushEvent(e);
}

void CClusterSoak::PushMouse(host::EventType type, POINT at) {
  host::Event e;
  e.type = type;
  e.surface = m_frame->m_hWnd->hostId;
  e.x = at.x;
  e.y = at.y;
  e.button = host::MouseButton::kLeft;
  m_host.PushEvent(e);
}

void CClusterSoak::PushClick(const CWnd& button) {
  const POINT origin = ClientOriginInSurface(button.m_hWnd);
  const SIZE size = ClientSize(button.m_hWnd);
  const POINT centre{origin.x + size.cx / 2, origin.y + size.cy / 2};
  PushMouse(host::EventType::kMouseMove, centre);
  PushMouse(host::EventType::kMouseDown, centre);
  PushMouse(host::EventType::kMouseUp, centre);
}

bool CClusterSoak::Start(std::string* error) {
  InitWindowSystem(&m_host);
  m_started = true;
  AfxSetResourceHandle(RegisterResourceModule(AstrolatheResources()));
  CWinApp* app = AfxGetApp();
  if (app == nullptr || !app->InitInstance()) {
    *error = "the main window did not come up";
    return false;
  }
  m_frame = dynamic_cast<CSimFrame*>(app->m_pMainWnd);
  if (m_frame == nullptr) {
    *error = "the main window is not the program's frame";
    return false;
  }
  Settle();

  // Home takes a vertical slider to its top: the longest step and 150 % G.
  m_frame->m_dtSlider.SetFocus();
  PushKey(m_frame->m_hWnd, VK_HOME);
  Settle();
  m_frame->m_gSlider.SetFocus();
  PushKey(m_frame->m_hWnd, VK_HOME);
  Settle();
  if (m_frame->m_table.m_dt != TimeStepFromSlider(0, 5) ||
      m_frame->m_table.m_G != GravityFromSlider(50)) {
    char text[128];
    std::snprintf(text, sizeof text, "the sliders gave dt %g s and G %g, not their extremes",
                  m_frame->m_table.m_dt, m_frame->m_table.m_G);
    *error = text;
    return false;
  }

  // As confirmed placements leave them: the first enables Go.
  CBodyTable& table = m_frame->m_table;
  for (const SPlacement& p : kCluster) {
    CBody& body = table.m_bodies[table.m_bodyCount++];
    body.SetScreenPos(p.px, p.py);
    body.SetMass(p.mass);
    const RECT square = body.GetRect();
    m_frame->InvalidateRect(&square, FALSE);
  }
  m_frame->m_goButton.EnableWindow(TRUE);
  m_frame->m_goEnabled = TRUE;
  Settle();
  return true;
}

long long CClusterSoak::Run(long long steps, long long every,
                            const std::function<void(long long)>& progress) {
  long long made = 0;
  double lastT = m_frame->m_table.m_t;
  bool clicked = false;
  // Asked whenever the program looks for input with nothing queued: the
  // first such look after a step is where the step is counted.
  m_host.SetEventSource([&](host::Event*, bool) {
    if (m_frame->m_table.m_t == lastT) return false;
    lastT = m_frame->m_table.m_t;
    ++made;
    m_host.AdvanceClock(1);
    if (every > 0 && made % every == 0 && progress) progress(made);
    if (made >= steps && !clicked) {
      clicked = true;
      PushClick(m_frame->m_stopButton);
    }
    return false;
  });
  // The whole run happens inside the dispatch of the Go button's release.
  PushClick(m_frame->m_goButton);
  Settle();
  m_host.SetEventSource(nullptr);
  return m_frame->m_running || !clicked ? -1 : made;
}

std::string CClusterSoak::Summary() const {
  const CBodyTable& table = m_frame->m_table;
  int saturated = 0;
  int notNumbers = 0;
  double farthest = 0.0;
  for (int i = 0; i < table.LiveCount(); ++i) {
    const CBody& b = table.m_bodies[i];
    const POINT p = b.GetScreenPos();
    if (Saturated(p.x) || Saturated(p.y)) ++saturated;
    if (!std::isfinite(b.GetX()) || !std::isfinite(b.GetY())) {
      ++notNumbers;
      continue;
    }
    farthest = std::fmax(farthest, std::fmax(std::fabs(b.GetX()), std::fabs(b.GetY())));
  }
  char text[200];
  std::snprintf(text, sizeof text,
                "bodies %d, beyond the pixel range %d, not finite %d, farthest %.3e m, t %.6e s",
                table.LiveCount(), saturated, notNumbers, farthest, table.m_t);
  return text;
}
