// A script the fuzzer wrote, with what it expects of it: which lines are
// probes that may be refused, what each dump should show where the
// generator knows it, and the rejection it asked for on purpose, if any.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/windef.h"

struct SBodyPrediction {
  int index = 0;
  POINT centre{0, 0};
  std::optional<double> mass;
};

// What a dump must show, as far as the generator knows it.
struct SPrediction {
  int count = 0;
  std::optional<std::string> caption;  // the dialog's; "" for none
  bool running = false;
  bool goEnabled = false;
  std::vector<SBodyPrediction> bodies;  // those that cannot have moved
  // The open Properties dialog's, when it is on top.
  std::optional<bool> removeEnabled;
  std::optional<POINT> position;
  std::optional<int> massPos;
};

struct SScriptLine {
  std::string text;
  bool dump = false;
  bool probe = false;  // the generator could not know whether it can be carried out
  SPrediction prediction;
};

// A line that must be refused, and how.
struct SRejection {
  int line = 0;  // 1-based, as the driver counts
  std::string message;
  int status = 1;  // 1 while running, 2 when the script does not read
};

struct SScript {
  std::uint64_t seed = 0;
  std::vector<SScriptLine> lines;  // the first is a comment naming the seed
  std::optional<SRejection> rejection;
  bool endsProgram = false;  // a `close` or File, Exit ends the program

  std::string Text() const;
  int Events() const;  // command lines other than dumps
  int Dumps() const;
};
