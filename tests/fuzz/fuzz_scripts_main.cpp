// astrolathe-fuzz-scripts: writes random scripts, runs each through
// astrolathe-replay and checks every dump. Script k of a run has the seed
// S + k, so a failing one is replayed alone with --seed S+k --count 1; its
// script and what the driver said are written beside the summary.
//
//   astrolathe-fuzz-scripts --replay PATH [--count N] [--seed S] [--events E]
//                           [--jobs J] [--out DIR] [--timeout SECONDS] [--full-range]
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/fuzz/script_generator.h"
#include "tests/fuzz/script_runner.h"

namespace {

struct SArgs {
  std::string replay;
  std::string out = "fuzz-scripts";
  long long count = 2000;
  unsigned long long seed = 1;
  int events = 200;
  int jobs = 0;
  int timeout = 120;
  bool fullRange = false;
};

bool ParseArgs(int argc, char** argv, SArgs* a) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--full-range") {
      a->fullRange = true;
    } else if (arg == "--replay" && hasValue) {
      a->replay = argv[++i];
    } else if (arg == "--out" && hasValue) {
      a->out = argv[++i];
    } else if (arg == "--count" && hasValue) {
      a->count = std::atoll(argv[++i]);
    } else if (arg == "--seed" && hasValue) {
      a->seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--events" && hasValue) {
      a->events = std::atoi(argv[++i]);
    } else if (arg == "--jobs" && hasValue) {
      a->jobs = std::atoi(argv[++i]);
    } else if (arg == "--timeout" && hasValue) {
      a->timeout = std::atoi(argv[++i]);
    } else {
      return false;
    }
  }
  return !a->replay.empty() && a->count >= 0 && a->events > 0 && a->timeout > 0;
}

struct SResult {
  SRunOutcome outcome;
  bool ends = false;
  bool unreadable = false;
};

void WriteFailure(const SArgs& args, const SScript& script, const SRunOutcome& outcome,
                  const std::string& workDir) {
  const std::string base = args.out + "/fail-" + std::to_string(script.seed);
  std::ofstream(base + ".script", std::ios::binary) << script.Text();
  std::ofstream report(base + ".txt", std::ios::binary);
  report << "seed " << script.seed << "; again with: --seed " << script.seed << " --count 1"
         << (args.fullRange ? " --full-range" : "") << "\n";
  for (const std::string& p : outcome.problems) report << p << "\n";
  std::filesystem::copy_file(workDir + "/stdout", base + ".stdout",
                             std::filesystem::copy_options::overwrite_existing);
  std::filesystem::copy_file(workDir + "/stderr", base + ".stderr",
                             std::filesystem::copy_options::overwrite_existing);
}

}  // namespace

int main(int argc, char** argv) {
  SArgs args;
  if (!ParseArgs(argc, argv, &args)) {
    std::fprintf(stderr,
                 "usage: astrolathe-fuzz-scripts --replay PATH [--count N] [--seed S] "
                 "[--events E] [--jobs J] [--out DIR] [--timeout SECONDS] [--full-range]\n");
    return 2;
  }
  // The sanitizers stop at the first report, as the sanitizer test preset has them.
  setenv("ASAN_OPTIONS", "detect_leaks=1:abort_on_error=1:strict_string_checks=1", 0);
  setenv("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1", 0);
  const int jobs = args.jobs > 0
                       ? args.jobs
                       : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
  std::filesystem::create_directories(args.out);
  args.replay = std::filesystem::absolute(args.replay).string();

  const auto started = std::chrono::steady_clock::now();
  std::vector<SResult> results(static_cast<size_t>(args.count));
  std::atomic<long long> next{0};
  std::vector<std::thread> workers;
  for (int w = 0; w < jobs; ++w) {
    workers.emplace_back([&, w] {
      const std::string workDir =
          std::filesystem::absolute(args.out + "/work-" + std::to_string(w)).string();
      std::filesystem::create_directories(workDir);
      const CScriptRunner runner(args.replay, workDir, args.timeout);
      for (long long k = next++; k < args.count; k = next++) {
        CScriptGenerator generator(args.seed + static_cast<unsigned long long>(k),
                                   CScriptGenerator::SOptions{args.events, args.fullRange});
        const SScript script = generator.Generate();
        SResult& r = results[static_cast<size_t>(k)];
        r.outcome = runner.Run(script);
        r.ends = script.endsProgram;
        r.unreadable = script.rejection && script.rejection->status == 2;
        if (r.outcome.outcome == EOutcome::kFailed) WriteFailure(args, script, r.outcome, workDir);
      }
    });
  }
  for (std::thread& t : workers) t.join();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

  long long events = 0, dumps = 0, failures = 0, probes = 0, asked = 0, unreadable = 0, ends = 0;
  for (size_t k = 0; k < results.size(); ++k) {
    const SResult& r = results[k];
    events += r.outcome.events;
    dumps += r.outcome.dumps;
    probes += r.outcome.outcome == EOutcome::kEndedAtProbe ? 1 : 0;
    asked += r.outcome.refusedAsAsked && !r.unreadable ? 1 : 0;
    unreadable += r.outcome.refusedAsAsked && r.unreadable ? 1 : 0;
    ends += r.ends ? 1 : 0;
    if (r.outcome.outcome != EOutcome::kFailed) continue;
    if (failures++ < 10) {
      std::printf("FAILED seed %llu (%s/fail-%llu.script):\n", args.seed + k, args.out.c_str(),
                  args.seed + k);
      for (size_t i = 0; i < r.outcome.problems.size() && i < 5; ++i)
        std::printf("  %s\n", r.outcome.problems[i].c_str());
    }
  }
  std::printf("scripts %lld  events %lld  dumps %lld  failures %lld\n", args.count, events, dumps,
              failures);
  std::printf(
      "  ended by close or Exit %lld, refused as asked %lld, unreadable as asked %lld, "
      "ended at a refused probe %lld; %.1f s with %d jobs\n",
      ends, asked, unreadable, probes, seconds, jobs);
  return failures == 0 ? 0 : 1;
}
