#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/host/sdl/sdl_display.h"
#include "platform/host/sdl/sdl_host.h"

namespace {

using host::NoDisplayAfterInit;
using host::NoDisplayBeforeInit;

TEST(SdlDisplay, NothingSetMeansNoDisplay) {
  const std::string reason = NoDisplayBeforeInit(nullptr, nullptr, nullptr);
  EXPECT_EQ(reason.rfind("astrolathe: no display to show the window on", 0), 0U) << reason;
  EXPECT_EQ(reason.find('\n'), std::string::npos);
  EXPECT_EQ(NoDisplayBeforeInit("", "", ""), reason);
}

TEST(SdlDisplay, AnyDisplayOrANamedDriverWillDo) {
  EXPECT_EQ(NoDisplayBeforeInit(nullptr, ":0", nullptr), "");
  EXPECT_EQ(NoDisplayBeforeInit(nullptr, nullptr, "wayland-0"), "");
  EXPECT_EQ(NoDisplayBeforeInit("offscreen", nullptr, nullptr), "");
}

TEST(SdlDisplay, InvisibleDriversOnlyWhenAskedFor) {
  EXPECT_NE(NoDisplayAfterInit(nullptr, "offscreen"), "");
  EXPECT_NE(NoDisplayAfterInit("", "dummy"), "");
  EXPECT_NE(NoDisplayAfterInit(nullptr, nullptr), "");
  EXPECT_EQ(NoDisplayAfterInit(nullptr, "x11"), "");
  EXPECT_EQ(NoDisplayAfterInit(nullptr, "wayland"), "");
  EXPECT_EQ(NoDisplayAfterInit("offscreen", "offscreen"), "");
  EXPECT_EQ(NoDisplayAfterInit("dummy", "dummy"), "");
}

// Restores one environment variable when the test ends.
class CSavedVariable {
 public:
  explicit CSavedVariable(const char* name) : m_name(name) {
    if (const char* value = std::getenv(name)) m_value = value;
    unsetenv(name);
  }
  CSavedVariable(const CSavedVariable&) = delete;
  CSavedVariable& operator=(const CSavedVariable&) = delete;
  ~CSavedVariable() {
    if (m_value) setenv(m_name, m_value->c_str(), 1);
  }

 private:
  const char* m_name;
  std::optional<std::string> m_value;
};

#if defined(__unix__) && !defined(__APPLE__)
TEST(SdlDisplay, CreateRefusesToRunUnseen) {
  const CSavedVariable driver("SDL_VIDEODRIVER");
  const CSavedVariable display("DISPLAY");
  const CSavedVariable wayland("WAYLAND_DISPLAY");
  std::string error;
  EXPECT_EQ(host::CSdlHost::Create(&error), nullptr);
  EXPECT_EQ(error, NoDisplayBeforeInit(nullptr, nullptr, nullptr));
}
#endif

}  // namespace
