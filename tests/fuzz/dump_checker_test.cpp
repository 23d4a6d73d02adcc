#include "tests/fuzz/dump_checker.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "res/resource.h"

namespace {

const std::filesystem::path kScenarios = std::filesystem::path(ASTROLATHE_SOURCE_DIR) / "tests/app";

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

std::vector<SDump> Dumps(const std::string& scenario) {
  std::vector<SDump> dumps;
  std::string error;
  EXPECT_TRUE(CDumpReader::Read(ReadText(kScenarios / (scenario + ".dump")), &dumps, &error))
      << error;
  return dumps;
}

// The first dump of a scenario that has a body and, if asked, a dialog.
SDump WithBody(const std::string& scenario, bool dialog) {
  for (const SDump& d : Dumps(scenario)) {
    if (!d.bodies.empty() && d.dialog.has_value() == dialog) return d;
  }
  ADD_FAILURE() << scenario << " has no such dump";
  return SDump{};
}

std::vector<std::string> Problems(const SDump& d) {
  std::vector<std::string> problems;
  CDumpChecker::CheckRules(d, &problems);
  return problems;
}

// True when some problem mentions `word`.
bool Mentions(const std::vector<std::string>& problems, const std::string& word) {
  for (const std::string& p : problems) {
    if (p.find(word) != std::string::npos) return true;
  }
  return false;
}

SDumpControl* Control(std::vector<SDumpControl>& controls, int id) {
  for (SDumpControl& c : controls) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

TEST(DumpReader, ReadsEveryScenarioDump) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kScenarios)) {
    if (entry.path().extension() != ".dump") continue;
    ++files;
    std::vector<SDump> dumps;
    std::string error;
    EXPECT_TRUE(CDumpReader::Read(ReadText(entry.path()), &dumps, &error))
        << entry.path() << ": " << error;
    EXPECT_FALSE(dumps.empty()) << entry.path();
  }
  EXPECT_GT(files, 5);
}

TEST(DumpReader, ReadsTheFieldsOfADump) {
  const SDump d = Dumps("startup").at(0);
  EXPECT_EQ(d.frame, CDumpChecker::ExpectedFrame());
  EXPECT_EQ(d.dt, 100.0);
  EXPECT_EQ(d.G, 6.67259e-11);
  ASSERT_EQ(d.panes.size(), 5U);
  EXPECT_EQ(d.panes[3], "       100 s");
  EXPECT_EQ(d.controls.size(), 12U);
  EXPECT_EQ(d.menus.size(), 7U);
  EXPECT_FALSE(d.dialog.has_value());
  const SDump b = WithBody("scene", false);
  EXPECT_EQ(b.bodies[0].rect.right - b.bodies[0].rect.left,
            2 * (b.bodies[0].centre.x - b.bodies[0].rect.left));
  // An edit's context menu, open with the whole text selected.
  const std::vector<SDumpPopupItem> items = Dumps("edit-menu").at(1).popupItems;
  ASSERT_EQ(items.size(), 6U);
  EXPECT_EQ(items[1].index, 2);
  EXPECT_EQ(items[1].text, "Cu&t");
  EXPECT_TRUE(items[1].enabled);
  EXPECT_FALSE(items[5].enabled);
}

TEST(DumpReader, RefusesWhatIsNoDump) {
  std::vector<SDump> dumps;
  std::string error;
  EXPECT_FALSE(CDumpReader::Read("hello\n", &dumps, &error));
  const std::string startup = ReadText(kScenarios / "startup.dump");
  EXPECT_FALSE(CDumpReader::Read(startup.substr(0, startup.size() - 4), &dumps, &error));
  EXPECT_EQ(error, "the last dump has no end");
  std::string broken = startup;
  broken.replace(broken.find("count 0"), 7, "count x");
  EXPECT_FALSE(CDumpReader::Read(broken, &dumps, &error));
}

TEST(DumpRules, EveryScenarioDumpKeepsThem) {
  for (const auto& entry : std::filesystem::directory_iterator(kScenarios)) {
    if (entry.path().extension() != ".dump") continue;
    std::vector<SDump> dumps;
    std::string error;
    ASSERT_TRUE(CDumpReader::Read(ReadText(entry.path()), &dumps, &error));
    for (const SDump& d : dumps) {
      const std::vector<std::string> problems = Problems(d);
      EXPECT_TRUE(problems.empty()) << entry.path() << ": " << problems.front();
    }
  }
}

TEST(DumpRules, TheStatusTextsFollowTheNumbers) {
  SDump d = Dumps("startup").at(0);
  d.panes[2] = "t: 0.000000e+00 s";  // two exponent digits, as printf has them
  EXPECT_TRUE(Mentions(Problems(d), "pane 2"));
  d = Dumps("startup").at(0);
  d.G = 7e-11;
  EXPECT_TRUE(Mentions(Problems(d), "pane 4"));
  d = Dumps("startup").at(0);
  d.panes[3] = "100 s";
  EXPECT_TRUE(Mentions(Problems(d), "pane 3"));
  d = Dumps("startup").at(0);
  d.panes[1] = "x: 40000e+009  y:1e+009";  // beyond what a mouse message carries
  EXPECT_TRUE(Mentions(Problems(d), "pane 1"));
  d = Dumps("startup").at(0);
  d.panes[0] = "Steady";
  EXPECT_TRUE(Mentions(Problems(d), "pane 0"));
}

TEST(DumpRules, TheSlidersAndTheClockAgree) {
  SDump d = Dumps("startup").at(0);
  Control(d.controls, IDC_DT_SLIDER)->pos = 2;
  EXPECT_TRUE(Mentions(Problems(d), "dt 100 with the slider at 2"));
  d = Dumps("startup").at(0);
  Control(d.controls, IDC_G_SLIDER)->pos = 99;
  EXPECT_TRUE(Mentions(Problems(d), "with the slider at 99"));
  d = Dumps("startup").at(0);
  d.t = 150.5;
  EXPECT_TRUE(Mentions(Problems(d), "elapsed time"));
}

TEST(DumpRules, StopAndTheControlMenuFollowTheRun) {
  SDump d = Dumps("startup").at(0);
  Control(d.controls, IDC_STOP)->enabled = true;
  EXPECT_TRUE(Mentions(Problems(d), "Stop enabled"));
  d = Dumps("startup").at(0);
  d.menus[3].second = true;  // Go in the menu, not on the panel
  EXPECT_TRUE(Mentions(Problems(d), "menu 32773"));
  d = Dumps("startup").at(0);
  d.menus[2].second = true;  // Zoom is grayed for good
  EXPECT_TRUE(Mentions(Problems(d), "menu 32780"));
}

TEST(DumpRules, BodiesAreDrawnWhereTheyAre) {
  SDump d = WithBody("scene", false);
  d.bodies[0].rect.right += 1;
  EXPECT_TRUE(Mentions(Problems(d), "rect"));
  d = WithBody("scene", false);
  d.bodies[0].mass = 2.5e25;
  EXPECT_TRUE(Mentions(Problems(d), "mass"));
  d = WithBody("scene", false);
  d.bodies[0].centre.x += 1;
  d.bodies[0].rect.left += 1;
  d.bodies[0].rect.right += 1;
  EXPECT_TRUE(Mentions(Problems(d), "is not the pixel of"));
  d = WithBody("scene", false);
  d.bodies[0].color = "FFFFFG";
  EXPECT_TRUE(Mentions(Problems(d), "colour"));
  d = WithBody("scene", false);
  ++d.count;
  EXPECT_TRUE(Mentions(Problems(d), "body lines for count"));
}

TEST(DumpRules, FarPositionsSaturate) {
  SDump d = WithBody("scene", false);
  SDumpBody& b = d.bodies[0];
  b.x = 1e300;
  b.centre.x = 2147483647;
  b.rect.left = 2147483647 - (b.centre.y - b.rect.top);
  b.rect.right = 2147483647;
  EXPECT_TRUE(Problems(d).empty());
}

TEST(DumpRules, ThePropertiesDialogAgreesWithItself) {
  SDump d = WithBody("edit-values", true);
  Control(d.dialogControls, IDC_MASS_EDIT)->text = "1.00e+25";
  EXPECT_TRUE(Mentions(Problems(d), "mass text"));
  d = WithBody("edit-values", true);
  Control(d.dialogControls, IDC_POS_X_EDIT)->text = "1.5e+009";
  EXPECT_TRUE(Mentions(Problems(d), "position text"));
  d = WithBody("edit-values", true);
  d.dialog = "Properties: body 7";  // an existing body's number, past the count
  Control(d.dialogControls, IDC_REMOVE)->enabled = true;
  EXPECT_TRUE(Mentions(Problems(d), "with Remove enabled"));
  d = WithBody("edit-values", true);
  d.dialog = "Properties: body 11";
  EXPECT_TRUE(Mentions(Problems(d), "dialog \"Properties: body 11\""));
  d = WithBody("edit-values", true);
  d.dialogControls.pop_back();
  EXPECT_TRUE(Mentions(Problems(d), "controls, not"));
}

TEST(DumpPrediction, WhatTheGeneratorKnewMustShow) {
  const SDump d = WithBody("scene", false);
  SPrediction p;
  p.count = d.count;
  p.caption = "";
  p.running = d.running == 1;
  p.goEnabled = true;
  p.bodies.push_back(SBodyPrediction{0, d.bodies[0].centre, d.bodies[0].mass});
  std::vector<std::string> problems;
  CDumpChecker::CheckPrediction(d, p, &problems);
  EXPECT_TRUE(problems.empty()) << problems.front();

  SPrediction wrong = p;
  ++wrong.count;
  wrong.caption = "Color";
  wrong.goEnabled = false;
  wrong.bodies[0].centre.x += 1;
  wrong.bodies[0].mass = *p.bodies[0].mass * 2;
  CDumpChecker::CheckPrediction(d, wrong, &problems);
  EXPECT_TRUE(Mentions(problems, "count"));
  EXPECT_TRUE(Mentions(problems, "expected \"Color\""));
  EXPECT_TRUE(Mentions(problems, "Go enabled"));
  EXPECT_TRUE(Mentions(problems, "body 0 at"));
  EXPECT_TRUE(Mentions(problems, "mass differs"));
}

}  // namespace
