#include "tests/fuzz/script_runner.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>
#include <utility>

#include "tests/fuzz/dump_checker.h"
#include "tests/fuzz/dump_reader.h"

namespace {

constexpr const char* kSanitizerMarks[] = {"runtime error:", "AddressSanitizer", "LeakSanitizer",
                                           "UndefinedBehaviorSanitizer", "SUMMARY:"};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

// "astrolathe-replay: line N: MESSAGE\n", the one form a refusal takes.
bool ReadRefusal(const std::string& err, int* line, std::string* message) {
  const std::string head = "astrolathe-replay: line ";
  if (err.rfind(head, 0) != 0 || err.empty() || err.back() != '\n') return false;
  if (err.find('\n') != err.size() - 1) return false;
  const size_t colon = err.find(": ", head.size());
  if (colon == std::string::npos) return false;
  const std::string digits = err.substr(head.size(), colon - head.size());
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return false;
  *line = std::stoi(digits);
  *message = err.substr(colon + 2, err.size() - colon - 3);
  return true;
}

std::string FirstLines(const std::string& text, int count) {
  std::istringstream in(text);
  std::string line;
  std::string out;
  for (int i = 0; i < count && std::getline(in, line); ++i) out += "\n    " + line;
  return out;
}

}  // namespace

CScriptRunner::CScriptRunner(std::string replay, std::string workDir, int timeoutSeconds)
    : m_replay(std::move(replay)),
      m_workDir(std::move(workDir)),
      m_timeoutSeconds(timeoutSeconds) {}

SRunOutcome CScriptRunner::Run(const SScript& script) const {
  const std::string path = m_workDir + "/script";
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << script.Text();
  }
  return Judge(script, Execute(path));
}

SProcessResult CScriptRunner::Execute(const std::string& scriptPath) const {
  SProcessResult r;
  const std::string outPath = m_workDir + "/stdout";
  const std::string errPath = m_workDir + "/stderr";
  const pid_t pid = fork();
  if (pid < 0) {
    r.started = false;
    return r;
  }
  if (pid == 0) {
    // Only calls that are safe between fork and exec in a threaded program.
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0 || chdir(m_workDir.c_str()) != 0) _exit(127);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    char* const argv[] = {const_cast<char*>(m_replay.c_str()),
                          const_cast<char*>(scriptPath.c_str()), nullptr};
    execv(m_replay.c_str(), argv);
    _exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(m_timeoutSeconds);
  int wstatus = 0;
  for (;;) {
    const pid_t done = waitpid(pid, &wstatus, WNOHANG);
    if (done == pid) break;
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &wstatus, 0);
      r.timedOut = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (WIFSIGNALED(wstatus)) r.signal = WTERMSIG(wstatus);
  if (WIFEXITED(wstatus)) r.status = WEXITSTATUS(wstatus);
  r.out = ReadFile(outPath);
  r.err = ReadFile(errPath);
  return r;
}

SRunOutcome CScriptRunner::Judge(const SScript& script, const SProcessResult& r) {
  SRunOutcome o;
  auto fail = [&o](const std::string& problem) {
    o.outcome = EOutcome::kFailed;
    o.problems.push_back(problem);
  };
  if (!r.started) fail("the driver could not be started");
  if (r.timedOut) fail("no end within the time allowed (a hang?)");
  if (r.signal != 0) fail("ended by signal " + std::to_string(r.signal) + FirstLines(r.err, 12));
  for (const char* mark : kSanitizerMarks) {
    if (r.err.find(mark) != std::string::npos) {
      fail("sanitizer report:" + FirstLines(r.err, 12));
      break;
    }
  }
  if (o.outcome == EOutcome::kFailed) return o;

  // The first line not carried out, if any.
  int refused = 0;
  if (r.status == 0) {
    if (!r.err.empty()) fail("exit status 0 with messages:" + FirstLines(r.err, 6));
    if (script.rejection)
      fail("line " + std::to_string(script.rejection->line) +
           " should have been refused: " + script.rejection->message);
  } else {
    std::string message;
    if ((r.status != 1 && r.status != 2) || !ReadRefusal(r.err, &refused, &message) ||
        refused < 1 || refused > static_cast<int>(script.lines.size())) {
      fail("exit status " + std::to_string(r.status) + ":" + FirstLines(r.err, 12));
      return o;
    }
    const SScriptLine& line = script.lines[static_cast<size_t>(refused) - 1];
    const SRejection* asked = script.rejection ? &*script.rejection : nullptr;
    if (asked != nullptr && asked->line == refused && asked->message == message &&
        asked->status == r.status) {
      o.refusedAsAsked = true;
    } else if (line.probe && r.status == 1) {
      o.outcome = EOutcome::kEndedAtProbe;
    } else {
      fail("line " + std::to_string(refused) + " \"" + line.text + "\" refused: " + message +
           (asked != nullptr
                ? " (expected line " + std::to_string(asked->line) + ": " + asked->message + ")"
                : ""));
    }
  }

  // Every dump before the refused line, and nothing else, must be there.
  const size_t ran = refused == 0 ? script.lines.size() : static_cast<size_t>(refused) - 1;
  const bool unread = r.status == 2;
  std::vector<const SScriptLine*> dumpLines;
  for (size_t i = 0; i < ran && !unread; ++i) {
    const SScriptLine& l = script.lines[i];
    if (l.dump) dumpLines.push_back(&l);
    if (!l.dump && l.text.rfind('#', 0) != 0) ++o.events;
  }
  std::vector<SDump> dumps;
  std::string error;
  if (!CDumpReader::Read(r.out, &dumps, &error)) {
    fail(error);
    return o;
  }
  if (dumps.size() != dumpLines.size()) {
    fail(std::to_string(dumps.size()) + " dumps printed for " + std::to_string(dumpLines.size()) +
         " dump lines carried out");
    return o;
  }
  o.dumps = static_cast<int>(dumps.size());
  for (size_t i = 0; i < dumps.size(); ++i) {
    std::vector<std::string> problems;
    CDumpChecker::CheckRules(dumps[i], &problems);
    CDumpChecker::CheckPrediction(dumps[i], dumpLines[i]->prediction, &problems);
    const size_t at = static_cast<size_t>(dumpLines[i] - script.lines.data()) + 1;
    for (const std::string& p : problems) fail("dump at line " + std::to_string(at) + ": " + p);
  }
  return o;
}
