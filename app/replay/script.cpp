#include "app/replay/script.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sstream>

#include "platform/host/host.h"
#include "platform/win/winuser.h"

namespace replay {

namespace {

struct SKeyName {
  const char* name;
  int vkey;
};

constexpr SKeyName kKeys[] = {
    {"Return", VK_RETURN}, {"Escape", VK_ESCAPE}, {"Tab", VK_TAB},     {"Up", VK_UP},
    {"Down", VK_DOWN},     {"Left", VK_LEFT},     {"Right", VK_RIGHT}, {"Home", VK_HOME},
    {"End", VK_END},       {"Prior", VK_PRIOR},   {"Next", VK_NEXT},   {"BackSpace", VK_BACK},
    {"Delete", VK_DELETE}, {"Space", VK_SPACE},   {"F1", VK_F1},
};

// A whole decimal number that fits an int, nothing else.
bool ToInt(const std::string& word, int* out) {
  if (word.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(word.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || v < INT_MIN || v > INT_MAX) return false;
  *out = static_cast<int>(v);
  return true;
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

// The rest of the line after the first `skip` words and the one blank after
// them, kept exactly (typed text may hold blanks of its own).
std::string RestAfter(const std::string& line, int skip) {
  size_t i = 0;
  for (int w = 0; w < skip; ++w) {
    while (i < line.size() && line[i] == ' ') ++i;
    while (i < line.size() && line[i] != ' ') ++i;
  }
  if (i < line.size() && line[i] == ' ') ++i;
  return line.substr(i);
}

struct SSpec {
  const char* name;
  Op op;
  int ints;  // how many integer arguments follow the name
};

constexpr SSpec kSpecs[] = {
    {"lpress", Op::kLPress, 2},     {"lrelease", Op::kLRelease, 2}, {"rpress", Op::kRPress, 2},
    {"rrelease", Op::kRRelease, 2}, {"move", Op::kMove, 2},         {"click", Op::kClick, 1},
    {"focus", Op::kFocus, 1},       {"steps", Op::kSteps, 1},       {"dump", Op::kDump, 0},
    {"close", Op::kClose, 0},       {"wheel", Op::kWheel, 3},       {"rclick", Op::kRClick, 1},
};

}  // namespace

unsigned SplitModifiers(const std::string& argument, std::string* name) {
  static const struct {
    const char* prefix;
    unsigned bit;
  } kModifiers[] = {
      {"Ctrl+", host::kModCtrl}, {"Shift+", host::kModShift}, {"Alt+", host::kModAlt}};
  unsigned modifiers = 0;
  std::string rest = argument;
  for (bool found = true; found;) {
    found = false;
    for (const auto& m : kModifiers) {
      const std::string prefix = m.prefix;
      // What follows the last modifier is the key, "+" included.
      if (rest.size() > prefix.size() && rest.compare(0, prefix.size(), prefix) == 0) {
        modifiers |= m.bit;
        rest.erase(0, prefix.size());
        found = true;
      }
    }
  }
  *name = rest;
  return modifiers;
}

std::optional<int> KeyCode(const std::string& name) {
  for (const SKeyName& k : kKeys) {
    if (name == k.name) return k.vkey;
  }
  if (name.size() == 1 && std::isprint(static_cast<unsigned char>(name[0])) != 0) {
    const auto c = static_cast<unsigned char>(name[0]);
    if (std::isalpha(c) != 0) return std::toupper(c);
    if (std::isdigit(c) != 0) return c;
    return 0;  // typed as text, with no key of its own
  }
  return std::nullopt;
}

SParsed ParseScript(const std::string& text) {
  SParsed out;
  std::istringstream in(text);
  std::string line;
  int number = 0;
  auto fail = [&](const std::string& message) {
    out.errorLine = number;
    out.error = message;
    out.commands.clear();
    return out;
  };
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::vector<std::string> w = Words(line);
    if (w.empty() || w[0][0] == '#') continue;
    SCommand c;
    c.line = number;
    const std::string& name = w[0];
    bool known = false;
    for (const SSpec& s : kSpecs) {
      if (name != s.name) continue;
      known = true;
      if (static_cast<int>(w.size()) != 1 + s.ints)
        return fail(name + ": wrong number of arguments");
      int* slots[] = {&c.a, &c.b, &c.c};
      for (int i = 0; i < s.ints; ++i) {
        if (!ToInt(w[static_cast<size_t>(i) + 1], slots[i])) return fail(name + ": not a number");
      }
      c.op = s.op;
      if (s.op == Op::kSteps && c.a < 0) return fail("steps: a count of steps cannot be negative");
    }
    if (known) {
      out.commands.push_back(c);
      continue;
    }
    if (name == "key") {
      if (w.size() != 2) return fail("key: one key name expected");
      c.modifiers = SplitModifiers(w[1], &c.text);
      if (!KeyCode(c.text)) return fail("key: no such key: " + w[1]);
      c.op = Op::kKey;
    } else if (name == "type") {
      c.op = Op::kType;
      c.text = RestAfter(line, 1);
    } else if (name == "edit") {
      if (w.size() < 2 || !ToInt(w[1], &c.a)) return fail("edit: a control id expected");
      c.op = Op::kEdit;
      c.text = RestAfter(line, 2);
    } else if (name == "slider") {
      if (w.size() != 3 || !ToInt(w[1], &c.a) || !ToInt(w[2], &c.b)) {
        return fail("slider: a control id and a position expected");
      }
      c.op = Op::kSlider;
    } else if (name == "spin") {
      if (w.size() != 3 || !ToInt(w[1], &c.a) || (w[2] != "up" && w[2] != "down")) {
        return fail("spin: a control id and up or down expected");
      }
      c.op = Op::kSpin;
      c.up = w[2] == "up";
    } else if (name == "menu") {
      if (w.size() != 2 || !ToInt(w[1], &c.a)) return fail("menu: a command id expected");
      c.op = Op::kMenu;
    } else if (name == "color") {
      if (w.size() == 2 && w[1] == "cancel") {
        c.op = Op::kColorCancel;
      } else if (w.size() == 4 && ToInt(w[1], &c.a) && ToInt(w[2], &c.b) && ToInt(w[3], &c.c) &&
                 c.a >= 0 && c.a <= 255 && c.b >= 0 && c.b <= 255 && c.c >= 0 && c.c <= 255) {
        c.op = Op::kColor;
      } else {
        return fail("color: R G B from 0 to 255, or cancel, expected");
      }
    } else if (name == "snapshot" || name == "snapshot-dialog") {
      if (w.size() != 2) return fail(name + ": one file name expected");
      c.op = name == "snapshot" ? Op::kSnapshot : Op::kSnapshotDialog;
      c.text = w[1];
    } else {
      return fail("no such command: " + name);
    }
    out.commands.push_back(c);
  }
  return out;
}

}  // namespace replay
