// Runs one generated script through astrolathe-replay and judges what came
// back: a crash, a sanitizer report, a hang, a refused line the generator
// did not ask for, or a dump that breaks a rule is a failure; a probe that
// was refused ends the script early and is no fault.
#pragma once

#include <string>
#include <vector>

#include "tests/fuzz/generated_script.h"

// What the driver's process did.
struct SProcessResult {
  bool started = true;
  bool timedOut = false;
  int signal = 0;  // the signal that ended it, else 0
  int status = 0;  // its exit status
  std::string out;
  std::string err;
};

enum class EOutcome {
  kPassed,
  kEndedAtProbe,  // a line the generator could not know about was refused
  kFailed,
};

struct SRunOutcome {
  EOutcome outcome = EOutcome::kPassed;
  std::vector<std::string> problems;
  int events = 0;  // command lines carried out, dumps aside
  int dumps = 0;   // dumps read and checked
  bool refusedAsAsked = false;
};

class CScriptRunner {
 public:
  // `replay` is the driver's path; the scripts and the files they write go
  // to `workDir`, which must exist; a run longer than `timeoutSeconds` is
  // stopped and fails.
  CScriptRunner(std::string replay, std::string workDir, int timeoutSeconds);

  SRunOutcome Run(const SScript& script) const;

  // The judgement alone, on a finished process.
  static SRunOutcome Judge(const SScript& script, const SProcessResult& result);

 private:
  SProcessResult Execute(const std::string& scriptPath) const;

  std::string m_replay;
  std::string m_workDir;
  int m_timeoutSeconds;
};
