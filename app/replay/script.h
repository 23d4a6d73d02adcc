// The driver's scripts: one command a line, read once before the program
// starts so that a malformed line is reported before anything runs.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace replay {

enum class Op {
  kLPress,
  kLRelease,
  kRPress,
  kRRelease,
  kMove,
  kClick,
  kFocus,
  kKey,
  kType,
  kEdit,
  kSlider,
  kSpin,
  kMenu,
  kColor,
  kColorCancel,
  kSteps,
  kDump,
  kSnapshot,
  kSnapshotDialog,
  kClose,
  kWheel,
  kRClick,
};

struct SCommand {
  int line = 0;  // 1-based, for messages
  Op op = Op::kDump;
  int a = 0;  // coordinates, ids, counts, colour components
  int b = 0;
  int c = 0;
  std::string text;        // key name, typed text, file name
  bool up = false;         // spin up
  unsigned modifiers = 0;  // key: host::kMod* bits held with it
};

// The commands of a script, or the first malformed line's number and a
// message for it.
struct SParsed {
  std::vector<SCommand> commands;
  int errorLine = 0;
  std::string error;
};

SParsed ParseScript(const std::string& text);
// The virtual-key code of a key name of the script (Return, Escape, ..., or
// one printable character), or nothing.
std::optional<int> KeyCode(const std::string& name);
// Takes the modifiers (Ctrl+, Shift+, Alt+, in any order) off the front of
// a key line's argument: host::kMod* bits, and the key name left.
unsigned SplitModifiers(const std::string& argument, std::string* name);

}  // namespace replay
