// soak STEPS [--max-growth-kib KIB]
//
// Runs the cluster for STEPS steps through the program's run loop and prints
// the resident size before the run, at every tenth of it and after it. The
// first tenth is the warm-up: caches, the status bar's texts and the
// allocator's pools (and, under the address sanitizer, its quarantine of
// freed blocks) settle there, so growth is measured from its end. With
// --max-growth-kib the exit status is 1 when the size after the run exceeds
// the size after the warm-up by more than KIB; it is 1 too when the run did
// not end where Stop was clicked, and 2 for bad arguments.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/soak/cluster_soak.h"
#include "tests/soak/resident_size.h"

namespace {

bool ParseCount(const char* text, long long* out) {
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  if (end == text || *end != '\0' || value < 1) return false;
  *out = value;
  return true;
}

int Usage() {
  std::fprintf(stderr, "usage: soak STEPS [--max-growth-kib KIB]   (both at least 1)\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  long long steps = 0;
  long long maxGrowth = -1;
  if (argc != 2 && argc != 4) return Usage();
  if (!ParseCount(argv[1], &steps)) return Usage();
  if (argc == 4 &&
      (std::strcmp(argv[2], "--max-growth-kib") != 0 || !ParseCount(argv[3], &maxGrowth))) {
    return Usage();
  }

  CClusterSoak soak;
  std::string error;
  if (!soak.Start(&error)) {
    std::fprintf(stderr, "soak: %s\n", error.c_str());
    return 1;
  }
  std::printf("soak: %lld steps of ten bodies at dt 1e5 s and G at 150 %%\n", steps);
  std::printf("start    %s\n", soak.Summary().c_str());

  const auto begun = std::chrono::steady_clock::now();
  auto seconds = [&]() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
  };
  const long before = ResidentKib();
  std::printf("rss before %ld KiB\n", before);
  const long long tenth = steps >= 10 ? steps / 10 : 0;
  long warm = before;
  const long long made = soak.Run(steps, tenth, [&](long long n) {
    const long now = ResidentKib();
    if (n == tenth) warm = now;
    std::printf("step %lld rss %ld KiB after %.1f s\n", n, now, seconds());
    std::fflush(stdout);
  });
  const double elapsed = seconds();
  const long after = ResidentKib();
  const long growth = after - warm;
  std::printf(
      "rss after %ld KiB (since the warm-up %+ld KiB, since the start %+ld KiB, peak %ld KiB)\n",
      after, growth, after - before, PeakResidentKib());
  std::printf("end      %s\n", soak.Summary().c_str());
  std::printf("%lld steps in %.1f s (%.0f steps/s), %llu presents\n", made, elapsed,
              elapsed > 0.0 ? static_cast<double>(made) / elapsed : 0.0,
              static_cast<unsigned long long>(soak.PresentCount()));

  if (made != steps) {
    std::fprintf(stderr, "soak: the run made %lld steps, not the %lld asked for\n", made, steps);
    return 1;
  }
  if (maxGrowth >= 0 && growth > maxGrowth) {
    std::fprintf(stderr, "soak: resident size grew by %ld KiB after the warm-up, more than %lld\n",
                 growth, maxGrowth);
    return 1;
  }
  return 0;
}
