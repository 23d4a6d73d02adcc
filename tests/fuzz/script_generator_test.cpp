#include "tests/fuzz/script_generator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "app/replay/script.h"

namespace {

SScript Make(std::uint64_t seed, int events = 200, bool fullRange = false) {
  return CScriptGenerator(seed, CScriptGenerator::SOptions{events, fullRange}).Generate();
}

TEST(ScriptGenerator, OneSeedGivesOneScript) {
  EXPECT_EQ(Make(11).Text(), Make(11).Text());
  EXPECT_NE(Make(11).Text(), Make(12).Text());
}

// The driver's own reader takes every script, except the unreadable ones
// asked for, which it refuses at the line and with the words expected.
TEST(ScriptGenerator, TheDriversReaderTakesEveryScript) {
  int unreadable = 0;
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    const SScript s = Make(seed);
    const replay::SParsed parsed = replay::ParseScript(s.Text());
    if (s.rejection && s.rejection->status == 2) {
      ++unreadable;
      EXPECT_EQ(parsed.errorLine, s.rejection->line) << "seed " << seed;
      EXPECT_EQ(parsed.error, s.rejection->message) << "seed " << seed;
    } else {
      ASSERT_EQ(parsed.errorLine, 0) << "seed " << seed << ": " << parsed.error;
      EXPECT_EQ(parsed.commands.size(), s.lines.size() - 1) << "seed " << seed;
    }
  }
  EXPECT_GT(unreadable, 0);
}

TEST(ScriptGenerator, ScriptsRunTheirLengthUnlessTheProgramEnds) {
  int ends = 0;
  int refusals = 0;
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    const SScript s = Make(seed, 50);
    ASSERT_GE(s.lines.size(), 2U);
    EXPECT_TRUE(s.lines[1].dump);
    EXPECT_EQ(s.lines[1].prediction.count, 0);
    if (s.endsProgram) {
      ++ends;
    } else {
      EXPECT_GE(s.Events(), 50) << "seed " << seed;
    }
    if (s.rejection && s.rejection->status == 1) {
      ++refusals;
      EXPECT_GE(s.rejection->line, 2);
      EXPECT_LE(s.rejection->line, static_cast<int>(s.lines.size()));
    }
  }
  EXPECT_GT(ends, 0);
  EXPECT_GT(refusals, 0);
}

// The largest coordinate written, in magnitude, of the mouse lines.
long long Farthest(const SScript& s) {
  long long far = 0;
  for (const SScriptLine& l : s.lines) {
    std::istringstream in(l.text);
    std::string word;
    in >> word;
    if (word != "lpress" && word != "lrelease" && word != "rpress" && word != "rrelease" &&
        word != "move")
      continue;
    long long v = 0;
    while (in >> v) far = std::max(far, std::llabs(v));
  }
  return far;
}

TEST(ScriptGenerator, TheExtremeCoordinatesStopShortUnlessAskedFor) {
  long long near = 0;
  long long full = 0;
  for (std::uint64_t seed = 1; seed <= 150; ++seed) {
    near = std::max(near, Farthest(Make(seed)));
    full = std::max(full, Farthest(Make(seed, 200, true)));
  }
  constexpr long long kTwo31 = 2147483648LL;
  EXPECT_LE(near, kTwo31 - 4096);
  EXPECT_GT(near, 1000000000LL);
  EXPECT_GT(full, kTwo31 - 4096);
}

TEST(ScriptGenerator, ProbesComeOnlyWhereTheModelCouldNotKnow) {
  int probes = 0;
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    const SScript s = Make(seed);
    for (size_t i = 0; i < s.lines.size(); ++i) {
      if (!s.lines[i].probe) continue;
      ++probes;
      // Each follows a right press, or the moves and dumps after one.
      size_t k = i - 1;
      while (k > 0 && (s.lines[k].dump || s.lines[k].text.rfind("move ", 0) == 0)) --k;
      EXPECT_TRUE(s.lines[k].text.rfind("rpress ", 0) == 0 ||
                  s.lines[k].text.rfind("rrelease ", 0) == 0)
          << "seed " << seed << " line " << i + 1;
    }
  }
  EXPECT_GT(probes, 0);
}

}  // namespace
