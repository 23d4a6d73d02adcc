#include "tests/soak/resident_size.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

namespace {

// The kernel's own high-water mark of the resident set, in the same terms
// as statm's; -1 where there is no such line.
long HighWaterKib() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return -1;
  char line[256];
  long kib = -1;
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1) break;
  }
  std::fclose(status);
  return kib;
}

}  // namespace

long PeakResidentKib() {
  if (const long kib = HighWaterKib(); kib >= 0) return kib;
  rusage usage{};
  if (getrusage(RUSAGE_SELF, &usage) != 0) return 0;
    // Linux and the BSDs count in KiB; macOS counts in bytes.
#if defined(__APPLE__)
  return usage.ru_maxrss / 1024;
#else
  return usage.ru_maxrss;
#endif
}

long ResidentKib() {
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (statm == nullptr) return PeakResidentKib();
  long sizePages = 0;
  long residentPages = 0;
  const int read = std::fscanf(statm, "%ld %ld", &sizePages, &residentPages);
  std::fclose(statm);
  const long pageKib = sysconf(_SC_PAGESIZE) / 1024;
  if (read != 2 || pageKib <= 0) return PeakResidentKib();
  return residentPages * pageKib;
}
