#include "tests/fuzz/script_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string StartupDump() {
  std::ifstream in(std::filesystem::path(ASTROLATHE_SOURCE_DIR) / "tests/app/startup.dump");
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

SScriptLine Dump() {
  SScriptLine l{"dump", true, false, {}};
  l.prediction.caption = "";
  return l;
}

// A comment, a dump, a press, a probe and a dump.
SScript Script() {
  SScript s;
  s.lines = {SScriptLine{"# test", false, false, {}}, Dump(),
             SScriptLine{"lpress 500 300", false, false, {}},
             SScriptLine{"click 1000", false, true, {}}, Dump()};
  return s;
}

SProcessResult Exited(int status, std::string out, std::string err = "") {
  SProcessResult r;
  r.status = status;
  r.out = std::move(out);
  r.err = std::move(err);
  return r;
}

bool Mentions(const SRunOutcome& o, const std::string& word) {
  for (const std::string& p : o.problems) {
    if (p.find(word) != std::string::npos) return true;
  }
  return false;
}

TEST(Judgement, AScriptCarriedOutWithEveryDumpRightPasses) {
  const SRunOutcome o = CScriptRunner::Judge(Script(), Exited(0, StartupDump() + StartupDump()));
  EXPECT_EQ(o.outcome, EOutcome::kPassed) << (o.problems.empty() ? "" : o.problems.front());
  EXPECT_EQ(o.events, 2);
  EXPECT_EQ(o.dumps, 2);
}

TEST(Judgement, EveryDumpLineMustPrintOne) {
  const SRunOutcome o = CScriptRunner::Judge(Script(), Exited(0, StartupDump()));
  EXPECT_EQ(o.outcome, EOutcome::kFailed);
  EXPECT_TRUE(Mentions(o, "1 dumps printed for 2"));
}

TEST(Judgement, ARefusedProbeEndsTheScriptEarlyAndIsNoFault) {
  const SRunOutcome o = CScriptRunner::Judge(
      Script(), Exited(1, StartupDump(), "astrolathe-replay: line 4: no such control: 1000\n"));
  EXPECT_EQ(o.outcome, EOutcome::kEndedAtProbe);
  EXPECT_EQ(o.dumps, 1);
  EXPECT_EQ(o.events, 1);
}

TEST(Judgement, AnyOtherRefusedLineIsAFailure) {
  const SRunOutcome o = CScriptRunner::Judge(
      Script(), Exited(1, StartupDump(), "astrolathe-replay: line 3: no such control: 5\n"));
  EXPECT_EQ(o.outcome, EOutcome::kFailed);
  EXPECT_TRUE(Mentions(o, "line 3 \"lpress 500 300\" refused"));
}

TEST(Judgement, ARefusalAskedForMustComeAsAsked) {
  SScript s = Script();
  s.lines.push_back(SScriptLine{"snapshot-dialog x.png", false, false, {}});
  s.rejection = SRejection{6, "no dialog open", 1};
  const std::string two = StartupDump() + StartupDump();
  SRunOutcome o =
      CScriptRunner::Judge(s, Exited(1, two, "astrolathe-replay: line 6: no dialog open\n"));
  EXPECT_EQ(o.outcome, EOutcome::kPassed);
  EXPECT_TRUE(o.refusedAsAsked);
  o = CScriptRunner::Judge(s, Exited(0, two));
  EXPECT_TRUE(Mentions(o, "should have been refused"));
  o = CScriptRunner::Judge(s, Exited(1, two, "astrolathe-replay: line 6: something else\n"));
  EXPECT_EQ(o.outcome, EOutcome::kFailed);
}

TEST(Judgement, AnUnreadableScriptPrintsNothing) {
  SScript s = Script();
  s.lines[2].text = "bogus 1";
  s.rejection = SRejection{3, "no such command: bogus", 2};
  SRunOutcome o =
      CScriptRunner::Judge(s, Exited(2, "", "astrolathe-replay: line 3: no such command: bogus\n"));
  EXPECT_EQ(o.outcome, EOutcome::kPassed);
  o = CScriptRunner::Judge(
      s, Exited(2, StartupDump(), "astrolathe-replay: line 3: no such command: bogus\n"));
  EXPECT_EQ(o.outcome, EOutcome::kFailed);
}

TEST(Judgement, SanitizersSignalsAndHangsAlwaysFail) {
  const std::string two = StartupDump() + StartupDump();
  SRunOutcome o = CScriptRunner::Judge(
      Script(), Exited(1, two, "geometry.cpp:83:12: runtime error: signed integer overflow\n"));
  EXPECT_TRUE(Mentions(o, "sanitizer report"));
  SProcessResult killed = Exited(0, two);
  killed.signal = 6;
  EXPECT_TRUE(Mentions(CScriptRunner::Judge(Script(), killed), "signal 6"));
  SProcessResult hung = Exited(0, two);
  hung.timedOut = true;
  EXPECT_EQ(CScriptRunner::Judge(Script(), hung).outcome, EOutcome::kFailed);
  EXPECT_TRUE(Mentions(CScriptRunner::Judge(Script(), Exited(0, two, "warning\n")), "messages"));
  EXPECT_TRUE(Mentions(CScriptRunner::Judge(Script(), Exited(3, two, "")), "exit status 3"));
}

TEST(Judgement, ADumpAgainstThePredictionFails) {
  SScript s = Script();
  s.lines[4].prediction.count = 1;
  const SRunOutcome o = CScriptRunner::Judge(s, Exited(0, StartupDump() + StartupDump()));
  EXPECT_TRUE(Mentions(o, "dump at line 5: count 0, expected 1"));
}

}  // namespace
