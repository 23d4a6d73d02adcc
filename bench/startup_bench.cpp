// Start-up to the first paint on the screen, on both hosts, two ways:
//
//   BM_StartupInProcess*   from the call of AfxWinMain to the first
//                          Present, in this process, again and again (the
//                          SDL host is made once, before: see
//                          shared_sdl_host.h);
//   BM_StartupProcess*     from just before a new process is spawned to its
//                          first Present: the loader, the libraries' own
//                          start-up, fontconfig's first look at the fonts.
//
// The first Present follows the first WM_PAINT in the same turn of the
// queue (InitInstance's UpdateWindow paints; the present comes when the
// queue first runs dry), so it is also when the first paint is seen. The
// program is ended with a quit at the first look for input after it.
//
// For the second kind this program spawns itself with --child=headless or
// --child=sdl; the child writes the CLOCK_MONOTONIC time of its first
// present to its standard output.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include "bench/counting_host.h"
#include "bench/shared_sdl_host.h"
#include "platform/afx/win_app.h"
#include "platform/host/headless/headless_host.h"
#include "platform/host/sdl/sdl_host.h"
#include "res/resources.h"

#if defined(__linux__)
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace {

using Clock = CCountingHost::Clock;

bool HaveDisplay() {
  return std::getenv("DISPLAY") != nullptr || std::getenv("SDL_VIDEODRIVER") != nullptr;
}

// Runs the program on `inner` until its first present; returns when that
// was, or the epoch when it never presented.
Clock::time_point RunToFirstPresent(host::IHost* inner) {
  CCountingHost host(inner);
  host.SetLookHook([&host, quitting = false]() mutable {
    if (host.PresentCount() > 0 && !quitting) {
      quitting = true;
      host.InjectQuit();
    }
  });
  AfxWinMain(&host, AstrolatheResources());
  return host.PresentCount() > 0 ? host.FirstPresent() : Clock::time_point{};
}

void BM_StartupInProcessHeadless(benchmark::State& state) {
  for (auto _ : state) {
    host::CHeadlessHost inner;
    const Clock::time_point start = Clock::now();
    const Clock::time_point first = RunToFirstPresent(&inner);
    if (first == Clock::time_point{}) {
      state.SkipWithError("no present");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(first - start).count());
  }
}
BENCHMARK(BM_StartupInProcessHeadless)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_StartupInProcessSdl(benchmark::State& state) {
  std::string error;
  host::CSdlHost* inner = SharedSdlHost(&error);
  if (inner == nullptr) {
    state.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    const Clock::time_point first = RunToFirstPresent(inner);
    if (first == Clock::time_point{}) {
      state.SkipWithError("no present");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(first - start).count());
  }
}
BENCHMARK(BM_StartupInProcessSdl)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

#if defined(__linux__)

std::int64_t MonotonicNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// steady_clock is CLOCK_MONOTONIC on Linux, which every process shares.
std::int64_t ToMonotonicNs(Clock::time_point t) {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
}

int RunChild(const char* which) {
  Clock::time_point first{};
  if (std::strcmp(which, "headless") == 0) {
    host::CHeadlessHost inner;
    first = RunToFirstPresent(&inner);
  } else if (std::strcmp(which, "sdl") == 0) {
    std::string error;
    std::unique_ptr<host::CSdlHost> inner = host::CSdlHost::Create(&error);
    if (!inner) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
    first = RunToFirstPresent(inner.get());
  } else {
    return 2;
  }
  if (first == Clock::time_point{}) return 1;
  std::printf("%lld\n", static_cast<long long>(ToMonotonicNs(first)));
  return 0;
}

// Spawns this program as a child and returns the nanoseconds from just
// before the spawn to its first present; negative when that failed.
std::int64_t SpawnToFirstPresent(const char* which) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addclose(&actions, fds[1]);
  std::string flag = std::string("--child=") + which;
  char self[] = "/proc/self/exe";
  char* argv[] = {self, flag.data(), nullptr};
  pid_t pid = 0;
  const std::int64_t start = MonotonicNs();
  const int spawned = posix_spawn(&pid, self, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  std::string out;
  char buffer[64];
  for (ssize_t n = 0; spawned == 0 && (n = read(fds[0], buffer, sizeof buffer)) > 0;) {
    out.append(buffer, static_cast<size_t>(n));
  }
  close(fds[0]);
  int status = 0;
  if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return -1;
  }
  return std::strtoll(out.c_str(), nullptr, 10) - start;
}

void ProcessStartup(benchmark::State& state, const char* which) {
  for (auto _ : state) {
    const std::int64_t ns = SpawnToFirstPresent(which);
    if (ns < 0) {
      state.SkipWithError("the child did not present");
      break;
    }
    state.SetIterationTime(static_cast<double>(ns) * 1e-9);
  }
}

void BM_StartupProcessHeadless(benchmark::State& state) { ProcessStartup(state, "headless"); }
BENCHMARK(BM_StartupProcessHeadless)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

void BM_StartupProcessSdl(benchmark::State& state) {
  if (!HaveDisplay()) {
    state.SkipWithError("no display");
    return;
  }
  ProcessStartup(state, "sdl");
}
BENCHMARK(BM_StartupProcessSdl)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

#endif

}  // namespace

int main(int argc, char** argv) {
#if defined(__linux__)
  constexpr const char* kChild = "--child=";
  if (argc == 2 && std::strncmp(argv[1], kChild, std::strlen(kChild)) == 0) {
    return RunChild(argv[1] + std::strlen(kChild));
  }
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
