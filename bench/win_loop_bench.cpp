// One turn of a busy loop on the window system: invalidate two 28 by 28
// squares, set a status-bar pane's text, and pump until the queue is empty
// (painting included), as the program's run loop does between two steps.
// On the headless host always; on the SDL host when a display is there.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/afx/afxwin.h"
#include "platform/host/headless/headless_host.h"
#include "platform/host/sdl/sdl_host.h"
#include "platform/win/system/system.h"

namespace {

class CBenchFrame : public CFrameWnd {
 public:
  afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
    if (CFrameWnd::OnCreate(lpcs) == -1) return -1;
    m_bar.Create(this);
    static const UINT kPanes[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR};
    m_bar.SetIndicators(kPanes, 3);
    return 0;
  }
  afx_msg void OnPaint() {
    CPaintDC dc(this);
    RECT r;
    GetClientRect(&r);
    dc.FillSolidRect(&r, 0);
  }
  CStatusBar m_bar;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_PAINT()
END_MESSAGE_MAP()

class CBenchApp : public CWinApp {};

void RunLoop(benchmark::State& state, host::IHost* host) {
  CBenchApp app;
  InitWindowSystem(host);
  auto* frame = new CBenchFrame;
  app.m_pMainWnd = frame;
  frame->Create(nullptr, "bench", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 450));
  frame->ShowWindow(SW_SHOW);
  frame->UpdateWindow();
  MSG msg;
  long step = 0;
  for (auto _ : state) {
    const int x = static_cast<int>(step % 500);
    const RECT a{x, 50, x + 28, 78};
    const RECT b{x + 1, 50, x + 29, 78};
    frame->InvalidateRect(&a, FALSE);
    frame->InvalidateRect(&b, FALSE);
    CString text;
    text.Format("t: %e s", 100.0 * static_cast<double>(++step));
    frame->m_bar.SetPaneText(1, text, TRUE);
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!app.PumpMessage()) break;
    }
    LONG idle = 0;
    while (app.OnIdle(idle++)) {
    }
  }
  state.SetItemsProcessed(state.iterations());
  frame->DestroyWindow();
  ShutdownWindowSystem();
}

void BM_LoopHeadless(benchmark::State& state) {
  host::CHeadlessHost host;
  RunLoop(state, &host);
}
BENCHMARK(BM_LoopHeadless);

void BM_LoopSdl(benchmark::State& state) {
  if (std::getenv("DISPLAY") == nullptr && std::getenv("SDL_VIDEODRIVER") == nullptr) {
    state.SkipWithError("no display");
    return;
  }
  std::string error;
  std::unique_ptr<host::CSdlHost> host = host::CSdlHost::Create(&error);
  if (!host) {
    state.SkipWithError(error.c_str());
    return;
  }
  RunLoop(state, host.get());
}
BENCHMARK(BM_LoopSdl);

}  // namespace

BENCHMARK_MAIN();
