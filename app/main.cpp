// Astrolathe on a real display.
#include <cstdio>
#include <memory>
#include <string>

#include "platform/afx/win_app.h"
#include "platform/host/sdl/sdl_host.h"
#include "res/resources.h"

int main() {
  std::string error;
  std::unique_ptr<host::CSdlHost> host = host::CSdlHost::Create(&error);
  if (!host) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  return AfxWinMain(host.get(), AstrolatheResources());
}
