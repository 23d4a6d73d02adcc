// The program's whole run loop: Go with ten bodies in orbit, every step
// repainting what it moved and the time in the status bar before the next
// begins; beside it the bare gravity step of the same bodies. The ratio of
// the two rates is what the window system costs a step.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "bench/bench_program.h"
#include "platform/host/headless/headless_host.h"
#include "platform/host/sdl/sdl_host.h"
#include "platform/win/res/resources.h"
#include "platform/win/system/system.h"
#include "res/resource.h"
#include "res/resources.h"
#include "ui/sim_frame.h"

namespace {

constexpr long kStepsPerRun = 2000;

void BM_BareStep(benchmark::State& state) {
  CBodyTable table;
  PlaceOrbits(table, 1e30);
  for (auto _ : state) {
    CRepaintList repaint = table.StepSimulation();
    benchmark::DoNotOptimize(repaint);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BareStep);

void RunLoop(benchmark::State& state, host::IHost* host, host::CHeadlessHost* headless,
             double centralMass) {
  InitWindowSystem(host);
  AfxSetResourceHandle(RegisterResourceModule(AstrolatheResources()));
  CWinApp* app = AfxGetApp();
  if (!app->InitInstance()) {
    state.SkipWithError("no main window");
    ShutdownWindowSystem();
    return;
  }
  auto* frame = dynamic_cast<CSimFrame*>(app->m_pMainWnd);
  PlaceOrbits(frame->m_table, centralMass);
  frame->m_goEnabled = TRUE;
  frame->m_goButton.EnableWindow(TRUE);

  // Counts the steps at the first look for input after each, and asks for
  // Stop once a run has made its share.
  long steps = 0;
  double lastT = frame->m_table.m_t;
  auto watch = [&]() {
    if (frame->m_table.m_t == lastT) return;
    lastT = frame->m_table.m_t;
    if (++steps == kStepsPerRun) frame->PostMessage(WM_COMMAND, ID_CONTROL_STOP, 0);
  };
  if (headless != nullptr) {
    headless->SetEventSource([&](host::Event*, bool) {
      watch();
      return false;
    });
  }
  for (auto _ : state) {
    steps = 0;
    if (headless != nullptr) {
      frame->SendMessage(WM_COMMAND, ID_CONTROL_GO, 0);
    } else {
      // On a real display nothing asks a source: count from a timer-free
      // idle hook instead, the first look for input after each step.
      frame->m_running = TRUE;
      while (steps < kStepsPerRun) {
        frame->StepSimulation();
        CString text;
        text.Format("t: %e s", frame->m_table.m_t);
        frame->m_statusBar.SetPaneText(2, text, TRUE);
        if (!frame->PumpPendingMessages()) break;
        ++steps;
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kStepsPerRun);
  if (headless != nullptr) headless->SetEventSource(nullptr);
  frame->DestroyWindow();
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
  ShutdownWindowSystem();
}

void BM_RunLoopHeadless(benchmark::State& state) {
  host::CHeadlessHost host;
  RunLoop(state, &host, &host, 1e30);
}
BENCHMARK(BM_RunLoopHeadless)->Unit(benchmark::kMillisecond);

void BM_RunLoopHeadlessEveryStepRepaints(benchmark::State& state) {
  host::CHeadlessHost host;
  RunLoop(state, &host, &host, 1e35);
}
BENCHMARK(BM_RunLoopHeadlessEveryStepRepaints)->Unit(benchmark::kMillisecond);

void BM_RunLoopSdl(benchmark::State& state) {
  if (std::getenv("DISPLAY") == nullptr) {
    state.SkipWithError("no display");
    return;
  }
  std::string error;
  std::unique_ptr<host::CSdlHost> host = host::CSdlHost::Create(&error);
  if (!host) {
    state.SkipWithError(error.c_str());
    return;
  }
  RunLoop(state, host.get(), nullptr, 1e30);
}
BENCHMARK(BM_RunLoopSdl)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
