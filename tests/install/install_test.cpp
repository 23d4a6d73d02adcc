// `cmake --install` of this build into a fresh prefix: the program, its
// desktop entry and its icon at both sizes, and nothing else (no driver, no
// tests, no benchmarks, nothing of GoogleTest's).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/host/headless/png_file.h"
#include "platform/win/res/pixel_art.h"
#include "platform/win/res/resources.h"
#include "res/resource.h"
#include "res/resources.h"

namespace fs = std::filesystem;

namespace {

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

// Each test runs in a process of its own (and ctest may run them side by
// side), so each installs into a prefix of its own.
class Install : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_prefix = fs::path(ASTROLATHE_TEST_PREFIX) / std::to_string(getpid());
    fs::remove_all(s_prefix);
    const std::string command = Quoted(ASTROLATHE_CMAKE) + " --install " +
                                Quoted(ASTROLATHE_BUILD_DIR) + " --prefix " +
                                Quoted(s_prefix.string()) + " > /dev/null";
    s_status = std::system(command.c_str());
  }
  static void TearDownTestSuite() { fs::remove_all(s_prefix); }

  void SetUp() override { ASSERT_EQ(s_status, 0) << "cmake --install failed"; }

  static fs::path s_prefix;
  static int s_status;
};

fs::path Install::s_prefix;
int Install::s_status = -1;

const PixelArt* IconImage(int side) {
  const IconGroup* group =
      FindIconGroup(RegisterResourceModule(AstrolatheResources()), MAKEINTRESOURCEA(IDR_MAINFRAME));
  if (group == nullptr) return nullptr;
  for (const PixelArt& image : group->images) {
    if (image.width == side && image.height == side) return &image;
  }
  return nullptr;
}

std::map<std::string, std::string> ReadEntry(const fs::path& path, std::string* firstLine) {
  std::ifstream in(path);
  std::map<std::string, std::string> keys;
  std::string line;
  bool first = true;
  while (std::getline(in, line)) {
    if (first) *firstLine = line;
    first = false;
    const size_t eq = line.find('=');
    if (eq != std::string::npos) keys[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return keys;
}

// The validator from desktop-file-utils, where the machine has it.
std::string FindOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path != nullptr ? path : "");
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    const fs::path candidate = fs::path(dir.empty() ? "." : dir) / name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
  }
  return {};
}

TEST_F(Install, PutsTheProgramItsEntryAndItsIconsAndNothingElse) {
  std::set<std::string> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(s_prefix)) {
    if (!entry.is_directory()) files.insert(fs::relative(entry.path(), s_prefix).string());
  }
  const std::set<std::string> expected = {
      "bin/astrolathe",
      "share/applications/astrolathe.desktop",
      "share/icons/hicolor/16x16/apps/astrolathe.png",
      "share/icons/hicolor/32x32/apps/astrolathe.png",
  };
  EXPECT_EQ(files, expected);
}

TEST_F(Install, TheProgramIsAnExecutableFile) {
  const fs::path program = s_prefix / "bin/astrolathe";
  ASSERT_TRUE(fs::is_regular_file(program));
  EXPECT_EQ(access(program.c_str(), X_OK), 0);
  EXPECT_GT(fs::file_size(program), 0U);
}

TEST_F(Install, EachIconIsTheResourceImageOfItsSize) {
  for (const int side : {16, 32}) {
    SCOPED_TRACE(side);
    const std::string size = std::to_string(side) + "x" + std::to_string(side);
    const fs::path png = s_prefix / "share/icons/hicolor" / size / "apps/astrolathe.png";
    std::vector<std::uint32_t> pixels;
    int width = 0;
    int height = 0;
    ASSERT_TRUE(host::ReadPngFile(png.string(), &pixels, &width, &height));
    EXPECT_EQ(width, side);
    EXPECT_EQ(height, side);
    const PixelArt* image = IconImage(side);
    ASSERT_NE(image, nullptr);
    std::vector<std::uint32_t> expected = DecodeIconImage(*image);
    for (std::uint32_t& p : expected) p &= 0x00FFFFFFU;
    EXPECT_EQ(pixels, expected);
  }
}

TEST_F(Install, TheDesktopEntryStartsTheProgramWithItsIcon) {
  std::string first;
  const std::map<std::string, std::string> keys =
      ReadEntry(s_prefix / "share/applications/astrolathe.desktop", &first);
  EXPECT_EQ(first, "[Desktop Entry]");
  auto value = [&keys](const char* key) {
    const auto it = keys.find(key);
    return it != keys.end() ? it->second : std::string();
  };
  EXPECT_EQ(value("Type"), "Application");
  EXPECT_EQ(value("Name"), "Astrolathe");
  EXPECT_EQ(value("Exec"), "astrolathe");
  EXPECT_EQ(value("Icon"), "astrolathe");
  EXPECT_EQ(value("Categories"), "Education;Science;Physics;");
  EXPECT_FALSE(value("Comment").empty());
}

TEST_F(Install, TheDesktopEntryPassesTheValidator) {
  const std::string validator = FindOnPath("desktop-file-validate");
  if (validator.empty()) GTEST_SKIP() << "desktop-file-validate is not installed";
  const fs::path entry = s_prefix / "share/applications/astrolathe.desktop";
  EXPECT_EQ(std::system((Quoted(validator) + " " + Quoted(entry.string())).c_str()), 0);
}

}  // namespace
