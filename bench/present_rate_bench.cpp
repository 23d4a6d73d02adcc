// Frames presented while a run goes on. Each iteration is one second of
// wall time of Go with ten bodies in orbit; the counters give the presents
// and the steps per second of that time. The layer presents at most once
// per display frame while the program is busy, so the presents should stay
// near 1000 / FrameIntervalMs a second however fast the steps are.
//
// The headless host's clock is virtual and moves only when told; here it is
// moved to the wall clock at every look for input, so that the headless
// figures answer the same question as the SDL ones.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "bench/bench_program.h"
#include "bench/counting_host.h"
#include "bench/shared_sdl_host.h"
#include "platform/host/headless/headless_host.h"
#include "res/resource.h"
#include "ui/sim_frame.h"

namespace {

using Clock = CCountingHost::Clock;
constexpr auto kRunLength = std::chrono::seconds(1);

void PresentRate(benchmark::State& state, host::IHost* inner, host::CHeadlessHost* headless,
                 double centralMass) {
  CCountingHost host(inner);
  CBenchProgram program(&host);
  if (!program.Ok()) {
    state.SkipWithError("no main window");
    return;
  }
  program.PlaceOrbits(centralMass);
  CSimFrame* frame = program.Frame();

  const Clock::time_point origin = Clock::now();
  const std::uint64_t virtualOrigin = headless != nullptr ? headless->NowMs() : 0;
  long long steps = 0;
  double seconds = 0.0;
  std::uint64_t presents = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    const std::uint64_t presentsBefore = host.PresentCount();
    bool stopPosted = false;
    host.SetLookHook([&]() {
      if (program.SawStep()) ++steps;
      const Clock::time_point now = Clock::now();
      if (headless != nullptr) {
        const auto wall = std::chrono::duration_cast<std::chrono::milliseconds>(now - origin);
        const std::uint64_t target = virtualOrigin + static_cast<std::uint64_t>(wall.count());
        if (target > headless->NowMs()) headless->AdvanceClock(target - headless->NowMs());
      }
      if (!stopPosted && now - start >= kRunLength) {
        stopPosted = true;
        frame->PostMessage(WM_COMMAND, ID_CONTROL_STOP, 0);
      }
    });
    program.Go();
    host.SetLookHook(nullptr);
    seconds += std::chrono::duration<double>(Clock::now() - start).count();
    presents += host.PresentCount() - presentsBefore;
  }
  state.counters["presents_per_s"] = static_cast<double>(presents) / seconds;
  state.counters["steps_per_s"] = static_cast<double>(steps) / seconds;
  state.counters["steps_per_present"] =
      presents > 0 ? static_cast<double>(steps) / static_cast<double>(presents) : 0.0;
  state.counters["frame_interval_ms"] = host.FrameIntervalMs();
}

void BM_PresentsHeadless(benchmark::State& state) {
  host::CHeadlessHost host;
  PresentRate(state, &host, &host, 1e30);
}
BENCHMARK(BM_PresentsHeadless)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PresentsHeadlessEveryStepRepaints(benchmark::State& state) {
  host::CHeadlessHost host;
  PresentRate(state, &host, &host, 1e35);
}
BENCHMARK(BM_PresentsHeadlessEveryStepRepaints)->Unit(benchmark::kMillisecond)->Iterations(3);

host::CSdlHost* SdlHost(benchmark::State& state) {
  std::string error;
  host::CSdlHost* host = SharedSdlHost(&error);
  if (host == nullptr) state.SkipWithError(error.c_str());
  return host;
}

void BM_PresentsSdl(benchmark::State& state) {
  if (host::CSdlHost* host = SdlHost(state)) PresentRate(state, host, nullptr, 1e30);
}
BENCHMARK(BM_PresentsSdl)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PresentsSdlEveryStepRepaints(benchmark::State& state) {
  if (host::CSdlHost* host = SdlHost(state)) PresentRate(state, host, nullptr, 1e35);
}
BENCHMARK(BM_PresentsSdlEveryStepRepaints)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
