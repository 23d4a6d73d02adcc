// How soon a Stop click ends a run. Each iteration starts Go with ten bodies
// in orbit, lets it make a few steps, and then puts a click on the Stop
// button into the host's input at a look for input that found nothing:
//
//   /0  at the first such look after the step, while the pump still has the
//       step's painting to do: the click is taken in the same pump;
//   /1  at the pump's last look, when nothing more waits: the worst moment,
//       with a whole step and its painting to make before the next look.
//
// The time reported is from that moment to Go's return (the click itself,
// the buttons' repainting and the loop's end included); steps_after counts
// the steps begun after the click was queued, which must be 0 or 1 (the
// benchmark fails otherwise).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "bench/bench_program.h"
#include "bench/counting_host.h"
#include "bench/shared_sdl_host.h"
#include "platform/host/headless/headless_host.h"
#include "ui/sim_frame.h"

namespace {

using Clock = CCountingHost::Clock;
constexpr long long kStepsBeforeClick = 10;
// Enough for a stable worst case; manual time would otherwise ask for
// hundreds of thousands of runs of a few microseconds each.
constexpr int kRuns = 2000;

host::Event MouseEvent(host::EventType type, host::SurfaceId surface, POINT at) {
  host::Event e;
  e.type = type;
  e.surface = surface;
  e.x = at.x;
  e.y = at.y;
  e.button = host::MouseButton::kLeft;
  return e;
}

void StopLatency(benchmark::State& state, host::IHost* inner, double centralMass) {
  const bool atLastLook = state.range(0) != 0;
  CCountingHost host(inner);
  CBenchProgram program(&host);
  if (!program.Ok()) {
    state.SkipWithError("no main window");
    return;
  }
  CSimFrame* frame = program.Frame();
  program.PlaceOrbits(centralMass);
  const POINT stop = program.CentreOf(frame->m_stopButton);
  const host::SurfaceId surface = program.Surface();

  long long worst = 0;
  long long total = 0;
  long long runs = 0;
  for (auto _ : state) {
    long long steps = 0;
    long long stepsAtClick = -1;
    Clock::time_point queued{};
    host.SetLookHook([&]() {
      if (program.SawStep()) ++steps;
      if (stepsAtClick < 0 && steps >= kStepsBeforeClick && (!atLastLook || program.Quiet())) {
        stepsAtClick = steps;
        host.Inject(MouseEvent(host::EventType::kMouseMove, surface, stop));
        host.Inject(MouseEvent(host::EventType::kMouseDown, surface, stop));
        host.Inject(MouseEvent(host::EventType::kMouseUp, surface, stop));
        queued = Clock::now();
      }
    });
    program.Go();
    const Clock::time_point ended = Clock::now();
    host.SetLookHook(nullptr);
    if (program.SawStep()) ++steps;
    if (stepsAtClick < 0 || frame->m_running) {
      state.SkipWithError("the run did not end with the Stop click");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(ended - queued).count());
    worst = std::max(worst, steps - stepsAtClick);
    total += steps - stepsAtClick;
    ++runs;
  }
  state.counters["steps_after_max"] = static_cast<double>(worst);
  state.counters["steps_after_mean"] =
      runs > 0 ? static_cast<double>(total) / static_cast<double>(runs) : 0.0;
  if (worst > 1) state.SkipWithError("more than one step after the Stop click");
}

void BM_StopLatencyHeadless(benchmark::State& state) {
  host::CHeadlessHost host;
  StopLatency(state, &host, 1e30);
}
BENCHMARK(BM_StopLatencyHeadless)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(kRuns)
    ->Unit(benchmark::kMicrosecond);

void BM_StopLatencyHeadlessEveryStepRepaints(benchmark::State& state) {
  host::CHeadlessHost host;
  StopLatency(state, &host, 1e35);
}
BENCHMARK(BM_StopLatencyHeadlessEveryStepRepaints)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(kRuns)
    ->Unit(benchmark::kMicrosecond);

void BM_StopLatencySdl(benchmark::State& state) {
  std::string error;
  host::CSdlHost* host = SharedSdlHost(&error);
  if (host == nullptr) {
    state.SkipWithError(error.c_str());
    return;
  }
  StopLatency(state, host, 1e30);
}
BENCHMARK(BM_StopLatencySdl)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(kRuns)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
