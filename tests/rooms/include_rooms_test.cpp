// The rooms of the house and the arrows between them: every source file's
// includes of our own point down the rooms table of DESIGN.md, and inside
// the system tier down its parts. The build keeps each target's links to
// the rooms below; this keeps the includes there too, which the compiler
// cannot, since every target sees the whole tree.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Rooms, most specific first, so that a path belongs to the first prefix it
// starts with. "platform/win" alone is the system tier's own headers (the
// basic types, message and style numbers), which every part of it shares.
const std::vector<std::string> kRooms = {
    "platform/host/headless",
    "platform/host/sdl",
    "platform/host",
    "platform/win/gdi",
    "platform/win/res",
    "platform/win/wm",
    "platform/win/menu",
    "platform/win/ctl",
    "platform/win/dlg",
    "platform/win/system",
    "platform/win",
    "platform/afx",
    "core",
    "res",
    "ui",
    "dialogs",
    "app",
    "tests",
    "bench",
    "fuzz",
};

// What a room may include besides itself; rooms that may include anything
// are not listed.
const std::map<std::string, std::set<std::string>>& Allowed() {
  static const std::map<std::string, std::set<std::string>> allowed = [] {
    const std::set<std::string> base = {"platform/win", "platform/host"};
    auto win = [&](std::set<std::string> below) {
      below.insert(base.begin(), base.end());
      return below;
    };
    std::map<std::string, std::set<std::string>> a;
    a["platform/host"] = {};
    a["platform/host/headless"] = {"platform/host"};
    a["platform/host/sdl"] = {"platform/host"};
    a["platform/win"] = {};
    // Bottom to top: gdi and res, then wm, then menu and ctl, then dlg,
    // then system.
    a["platform/win/gdi"] = win({});
    a["platform/win/res"] = win({});
    a["platform/win/wm"] = win({"platform/win/gdi", "platform/win/res"});
    a["platform/win/menu"] = win({"platform/win/wm", "platform/win/gdi", "platform/win/res"});
    a["platform/win/ctl"] = win({"platform/win/wm", "platform/win/gdi", "platform/win/res"});
    a["platform/win/dlg"] = win({"platform/win/ctl", "platform/win/menu", "platform/win/wm",
                                 "platform/win/gdi", "platform/win/res"});
    a["platform/win/system"] = win({"platform/win/dlg", "platform/win/ctl", "platform/win/menu",
                                    "platform/win/wm", "platform/win/gdi", "platform/win/res"});
    // The framework tier stands on the system tier, not on the host.
    a["platform/afx"] = {"platform/win",     "platform/win/gdi",   "platform/win/res",
                         "platform/win/wm",  "platform/win/menu",  "platform/win/ctl",
                         "platform/win/dlg", "platform/win/system"};
    a["core"] = {};  // but the basic types header, below
    a["res"] = {"platform/win/res", "platform/win"};
    a["ui"] = {"dialogs", "platform/afx", "core", "res"};
    a["dialogs"] = {"ui", "platform/afx", "core", "res"};
    return a;
  }();
  return allowed;
}

std::string RoomOf(const std::string& path) {
  for (const std::string& room : kRooms) {
    if (path == room || path.rfind(room + "/", 0) == 0) return room;
  }
  return "";
}

// Why `target`, included by `file` of `room`, is no arrow down; "" when it is.
std::string Wrong(const std::string& file, const std::string& room, const std::string& target) {
  const std::string to = RoomOf(target);
  if (to.empty()) return file + " includes \"" + target + "\", which is in no room";
  if (to == room) return "";
  // The simulation sees the basic types and nothing else of the layer.
  if (room == "core" && target == "platform/win/windef.h") return "";
  const auto rule = Allowed().find(room);
  if (rule == Allowed().end() || rule->second.count(to) != 0) return "";
  return file + " (" + room + ") includes \"" + target + "\" (" + to + ")";
}

std::vector<std::string> Sources() {
  std::vector<std::string> out;
  const fs::path top(ASTROLATHE_SOURCE_DIR);
  for (auto it = fs::recursive_directory_iterator(top); it != fs::recursive_directory_iterator();
       ++it) {
    const std::string name = it->path().filename().string();
    if (it->is_directory() && (name.rfind("build", 0) == 0 || name.front() == '.')) {
      it.disable_recursion_pending();
      continue;
    }
    const std::string ext = it->path().extension().string();
    if (it->is_regular_file() && (ext == ".h" || ext == ".cpp")) {
      out.push_back(fs::relative(it->path(), top).generic_string());
    }
  }
  return out;
}

std::vector<std::string> IncludesOf(const std::string& file) {
  // Read by hand: GCC 12 warns falsely inside std::regex under the
  // sanitizers, and the warnings are errors.
  std::ifstream in(fs::path(ASTROLATHE_SOURCE_DIR) / file);
  std::vector<std::string> out;
  std::string line;
  while (std::getline(in, line)) {
    std::size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos || line[at] != '#') continue;
    at = line.find_first_not_of(" \t", at + 1);
    if (at == std::string::npos || line.compare(at, 7, "include") != 0) continue;
    at = line.find_first_not_of(" \t", at + 7);
    if (at == std::string::npos || line[at] != '"') continue;
    const std::size_t end = line.find('"', at + 1);
    if (end != std::string::npos) out.push_back(line.substr(at + 1, end - at - 1));
  }
  return out;
}

TEST(Rooms, EveryIncludeOfOursPointsDown) {
  const std::vector<std::string> files = Sources();
  ASSERT_GT(files.size(), 100U) << "the source tree was not found at " << ASTROLATHE_SOURCE_DIR;
  std::vector<std::string> wrong;
  std::size_t includes = 0;
  for (const std::string& file : files) {
    const std::string room = RoomOf(file);
    if (room.empty()) {
      wrong.push_back(file + " is in no room");
      continue;
    }
    for (const std::string& target : IncludesOf(file)) {
      ++includes;
      if (std::string why = Wrong(file, room, target); !why.empty()) wrong.push_back(why);
    }
  }
  EXPECT_GT(includes, files.size()) << "the includes were not read";
  EXPECT_TRUE(wrong.empty()) << [&] {
    std::string all;
    for (const std::string& w : wrong) all += "\n  " + w;
    return all;
  }();
}

TEST(Rooms, TheRulesCatchArrowsUpAndSideways) {
  EXPECT_EQ(Wrong("platform/win/gdi/a.cpp", "platform/win/gdi", "platform/win/gdi/b.h"), "");
  EXPECT_EQ(Wrong("platform/win/dlg/a.cpp", "platform/win/dlg", "platform/win/menu/menu.h"), "");
  EXPECT_NE(Wrong("platform/win/wm/a.cpp", "platform/win/wm", "platform/win/ctl/control.h"), "");
  EXPECT_NE(Wrong("platform/win/ctl/a.cpp", "platform/win/ctl", "platform/win/menu/menu.h"), "");
  EXPECT_NE(Wrong("platform/host/sdl/a.cpp", "platform/host/sdl", "platform/win/wm/user.h"), "");
  EXPECT_NE(Wrong("core/a.cpp", "core", "platform/win/winuser.h"), "");
  EXPECT_NE(Wrong("ui/a.cpp", "ui", "platform/win/wm/user.h"), "");
  EXPECT_EQ(Wrong("tests/a.cpp", "tests", "platform/win/wm/wnd.h"), "");
  EXPECT_NE(Wrong("ui/a.cpp", "ui", "nowhere/a.h"), "");
}

}  // namespace
