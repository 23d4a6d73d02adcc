// The program's whole run loop: Go with ten bodies in orbit, every step
// repainting what it moved and the time in the status bar before the next
// begins; beside it the bare gravity step of the same bodies. The ratio of
// the two rates is what the window system costs a step.
#include <benchmark/benchmark.h>

#include <chrono>
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

// Steps a second of wall time of the last bare step and headless loop run in
// this process, so that each loop reports itself against them: `of_bare`
// (the goal is at least 0.2) and, for the SDL loop, `of_headless` (at least
// 0.8). Google Benchmark runs them in the order they are registered.
double g_bareRate = 0.0;
double g_headlessRate = 0.0;

using Clock = std::chrono::steady_clock;

double StepsPerSecond(double steps, Clock::time_point start) {
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return seconds > 0.0 ? steps / seconds : 0.0;
}

void BM_BareStep(benchmark::State& state) {
  CBodyTable table;
  PlaceOrbits(table, 1e30);
  const Clock::time_point start = Clock::now();
  for (auto _ : state) {
    CRepaintList repaint = table.StepSimulation();
    benchmark::DoNotOptimize(repaint);
  }
  g_bareRate = StepsPerSecond(static_cast<double>(state.iterations()), start);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BareStep);

// The loop's rate in steps a second of wall time, 0 when it could not run.
double RunLoop(benchmark::State& state, host::IHost* host, host::CHeadlessHost* headless,
               double centralMass) {
  InitWindowSystem(host);
  AfxSetResourceHandle(RegisterResourceModule(AstrolatheResources()));
  CWinApp* app = AfxGetApp();
  if (!app->InitInstance()) {
    state.SkipWithError("no main window");
    ShutdownWindowSystem();
    return 0.0;
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
  const Clock::time_point start = Clock::now();
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
  const double rate = StepsPerSecond(static_cast<double>(state.iterations()) * kStepsPerRun, start);
  state.SetItemsProcessed(state.iterations() * kStepsPerRun);
  if (rate > 0.0 && g_bareRate > 0.0) state.counters["of_bare"] = rate / g_bareRate;
  if (headless != nullptr) headless->SetEventSource(nullptr);
  frame->DestroyWindow();
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
  ShutdownWindowSystem();
  return rate;
}

void BM_RunLoopHeadless(benchmark::State& state) {
  host::CHeadlessHost host;
  g_headlessRate = RunLoop(state, &host, &host, 1e30);
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
  const double rate = RunLoop(state, host.get(), nullptr, 1e30);
  if (rate > 0.0 && g_headlessRate > 0.0) state.counters["of_headless"] = rate / g_headlessRate;
}
BENCHMARK(BM_RunLoopSdl)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
