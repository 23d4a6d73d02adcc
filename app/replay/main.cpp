// astrolathe-replay: the program on the headless host, driven by a script.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "app/replay/driver.h"
#include "app/replay/script.h"
#include "platform/afx/win_app.h"
#include "res/resources.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: astrolathe-replay SCRIPT   (or - for standard input)\n");
    return 2;
  }
  const std::string path = argv[1];
  std::string text;
  if (path == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "astrolathe-replay: cannot read %s\n", path.c_str());
      return 2;
    }
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
  }
  replay::SParsed parsed = replay::ParseScript(text);
  if (parsed.errorLine != 0) {
    std::fprintf(stderr, "astrolathe-replay: line %d: %s\n", parsed.errorLine,
                 parsed.error.c_str());
    return 2;
  }
  host::CHeadlessHost host;
  replay::CDriver driver(&host, std::move(parsed.commands), stdout);
  host.SetEventSource(
      [&driver](host::Event* event, bool blocking) { return driver.NextEvent(event, blocking); });
  const int code = AfxWinMain(&host, AstrolatheResources());
  if (driver.Failed()) {
    std::fprintf(stderr, "astrolathe-replay: %s\n", driver.Error().c_str());
    return 1;
  }
  return code;
}
