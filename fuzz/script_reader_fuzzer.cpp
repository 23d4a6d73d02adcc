// The driver's script reader on arbitrary bytes. Besides not crashing it
// must keep its word: a refused script names a line that exists and gives
// no commands; an accepted one gives commands in line order, each on a
// line of the text, each with arguments in their ranges, and each read
// again alone from its own line to the same command.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/replay/script.h"

namespace {

[[noreturn]] void Broken(const char* what, int line) {
  std::fprintf(stderr, "script reader: %s (line %d)\n", what, line);
  std::abort();
}

// The lines as the reader counts them: every line end closes one, and a
// last line without an end counts too.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

bool Same(const replay::SCommand& a, const replay::SCommand& b) {
  return a.op == b.op && a.a == b.a && a.b == b.b && a.c == b.c && a.text == b.text && a.up == b.up;
}

void CheckCommand(const replay::SCommand& c) {
  using replay::Op;
  switch (c.op) {
    case Op::kSteps:
      if (c.a < 0) Broken("negative steps", c.line);
      break;
    case Op::kColor:
      if (c.a < 0 || c.a > 255 || c.b < 0 || c.b > 255 || c.c < 0 || c.c > 255)
        Broken("colour out of range", c.line);
      break;
    case Op::kKey:
      if (!replay::KeyCode(c.text)) Broken("a key without a code", c.line);
      break;
    case Op::kSnapshot:
    case Op::kSnapshotDialog:
      if (c.text.empty()) Broken("a snapshot without a file", c.line);
      break;
    default:
      break;
  }
}

void CheckKeyCode(const std::string& name) {
  const std::optional<int> code = replay::KeyCode(name);
  if (!code) return;
  if (*code < 0 || *code > 255) Broken("key code out of range", 0);
  if (name.size() == 1) {
    const auto ch = static_cast<unsigned char>(name[0]);
    if (ch < 0x20 || ch > 0x7E) Broken("a key for an unprintable byte", 0);
    if (ch >= 'a' && ch <= 'z' && *code != ch - 'a' + 'A') Broken("a letter's code", 0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = Lines(text);
  const int count = static_cast<int>(lines.size());
  const replay::SParsed parsed = replay::ParseScript(text);

  if (parsed.errorLine != 0) {
    if (parsed.errorLine < 1 || parsed.errorLine > count)
      Broken("refused line out of range", parsed.errorLine);
    if (!parsed.commands.empty()) Broken("commands from a refused script", parsed.errorLine);
    if (parsed.error.empty()) Broken("a refusal without a message", parsed.errorLine);
    // The refused line refuses alone too.
    const replay::SParsed alone =
        replay::ParseScript(lines[static_cast<size_t>(parsed.errorLine) - 1]);
    if (alone.errorLine != 1 || alone.error != parsed.error)
      Broken("refusal differs alone", parsed.errorLine);
  } else {
    int previous = 0;
    for (const replay::SCommand& c : parsed.commands) {
      if (c.line <= previous || c.line > count) Broken("command line out of order", c.line);
      previous = c.line;
      CheckCommand(c);
      const replay::SParsed alone = replay::ParseScript(lines[static_cast<size_t>(c.line) - 1]);
      if (alone.errorLine != 0 || alone.commands.size() != 1 || !Same(alone.commands[0], c))
        Broken("command differs alone", c.line);
    }
  }

  CheckKeyCode(text);
  for (const std::string& line : lines) CheckKeyCode(line);
  return 0;
}
