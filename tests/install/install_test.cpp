// `cmake --install` of this build into a fresh prefix: the program, its
// desktop entry, its software-centre metadata and its icon at every size
// desktops ask for, and nothing else (no driver, no tests, no benchmarks,
// nothing of GoogleTest's). The entry and the metadata must pass the
// validators that desktops and software centres go by.
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

#include "platform/win/res/pixel_art.h"
#include "platform/win/res/resources.h"
#include "res/resource.h"
#include "res/resources.h"
#include "tests/install/argb_png.h"

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

// A validator's path; empty when the machine lacks it.
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

// CI lists every tool it needs, so there a missing validator is a failure,
// not a skip.
bool InCi() {
  const char* ci = std::getenv("CI");
  return ci != nullptr && *ci != '\0';
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The text of every element `tag` (no attributes of interest, no nesting)
// in an XML document as simple as the metadata.
// Scanned by hand: GCC 12 warns falsely inside std::regex under the
// sanitizers, and the warnings are errors.
std::vector<std::string> ElementTexts(const std::string& xml, const std::string& tag) {
  std::vector<std::string> texts;
  const std::string open = "<" + tag;
  const std::string close = "</" + tag + ">";
  for (std::size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at + 1)) {
    const std::size_t after = at + open.size();
    // "<id>" or "<id attribute=...>", not "<idea>".
    if (after >= xml.size() ||
        (xml[after] != '>' && xml[after] != ' ' && xml[after] != '\t' && xml[after] != '\n')) {
      continue;
    }
    const std::size_t start = xml.find('>', after);
    if (start == std::string::npos || xml[start - 1] == '/') continue;
    const std::size_t end = xml.find(close, start);
    if (end == std::string::npos) break;
    const std::string text = xml.substr(start + 1, end - start - 1);
    if (text.find('<') == std::string::npos) texts.push_back(text);
  }
  return texts;
}

const char* const kMetainfo = "share/metainfo/org.astrolathe.astrolathe.metainfo.xml";

// The hicolor sizes and the resource image each is made from, scaled by a
// whole number.
struct SIconSize {
  int side;
  int source;
};
constexpr SIconSize kIconSizes[] = {{16, 16}, {32, 32}, {48, 16}, {64, 32}, {128, 32}, {256, 32}};

TEST_F(Install, PutsTheProgramItsEntryItsMetadataAndItsIconsAndNothingElse) {
  std::set<std::string> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(s_prefix)) {
    if (!entry.is_directory()) files.insert(fs::relative(entry.path(), s_prefix).string());
  }
  std::set<std::string> expected = {
      "bin/astrolathe",
      "share/applications/astrolathe.desktop",
      kMetainfo,
  };
  for (const SIconSize& size : kIconSizes) {
    const std::string side = std::to_string(size.side);
    expected.insert("share/icons/hicolor/" + side + "x" + side + "/apps/astrolathe.png");
  }
  EXPECT_EQ(files, expected);
}

TEST_F(Install, TheProgramIsAnExecutableFile) {
  const fs::path program = s_prefix / "bin/astrolathe";
  ASSERT_TRUE(fs::is_regular_file(program));
  EXPECT_EQ(access(program.c_str(), X_OK), 0);
  EXPECT_GT(fs::file_size(program), 0U);
}

// Pixel art stays crisp when each pixel becomes a whole block; smoothing of
// any kind would show as a pixel of a colour between two of the image's.
TEST_F(Install, EachIconIsTheResourceImageWithEachPixelAWholeBlock) {
  for (const SIconSize& size : kIconSizes) {
    SCOPED_TRACE(size.side);
    const std::string side = std::to_string(size.side);
    const fs::path png =
        s_prefix / "share/icons/hicolor" / (side + "x" + side) / "apps/astrolathe.png";
    SArgbImage icon;
    ASSERT_TRUE(ReadArgbPng(png.string(), &icon));
    EXPECT_EQ(icon.width, size.side);
    EXPECT_EQ(icon.height, size.side);
    const PixelArt* image = IconImage(size.source);
    ASSERT_NE(image, nullptr);
    const std::vector<std::uint32_t> source = DecodeIconImage(*image);
    const int scale = size.side / size.source;
    std::vector<std::uint32_t> expected;
    for (int y = 0; y < size.side; ++y) {
      for (int x = 0; x < size.side; ++x) {
        const int from = (y / scale) * size.source + x / scale;
        expected.push_back(source[static_cast<size_t>(from)]);
      }
    }
    EXPECT_EQ(icon.pixels, expected);
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

TEST_F(Install, TheMetadataNamesTheEntryAndTheScreenshotsInDocs) {
  const std::string xml = ReadFile(s_prefix / kMetainfo);
  // Software centres find the file by the id it holds.
  const std::vector<std::string> ids = ElementTexts(xml, "id");
  ASSERT_EQ(ids.size(), 1U);
  EXPECT_EQ(ids[0] + ".metainfo.xml", fs::path(kMetainfo).filename().string());
  const std::vector<std::string> launchables = ElementTexts(xml, "launchable");
  ASSERT_EQ(launchables.size(), 1U);
  EXPECT_TRUE(fs::is_regular_file(s_prefix / "share/applications" / launchables[0]))
      << launchables[0];
  EXPECT_EQ(ElementTexts(xml, "binary"), std::vector<std::string>{"astrolathe"});
  // Each screenshot is a picture of docs/, as the project's site serves it.
  const std::vector<std::string> images = ElementTexts(xml, "image");
  ASSERT_FALSE(images.empty());
  for (const std::string& url : images) {
    const size_t docs = url.find("/docs/");
    ASSERT_NE(docs, std::string::npos) << url;
    EXPECT_TRUE(fs::is_regular_file(fs::path(ASTROLATHE_SOURCE_DIR) / url.substr(docs + 1))) << url;
  }
}

TEST_F(Install, TheEntryAndTheMetadataPassTheirValidators) {
  struct SCheck {
    const char* tool;
    const char* package;
    std::string arguments;
  };
  const SCheck checks[] = {
      {"desktop-file-validate", "desktop-file-utils",
       Quoted((s_prefix / "share/applications/astrolathe.desktop").string())},
      // Without the network nothing checks that the screenshots' addresses
      // answer; pedantic remarks are left out, and warnings fail.
      {"appstreamcli", "appstream", "validate --no-net " + Quoted((s_prefix / kMetainfo).string())},
  };
  std::string missing;
  for (const SCheck& check : checks) {
    const std::string tool = FindOnPath(check.tool);
    if (tool.empty()) {
      missing += std::string(" ") + check.tool + " (Debian package " + check.package + ")";
      continue;
    }
    EXPECT_EQ(std::system((Quoted(tool) + " " + check.arguments).c_str()), 0) << check.tool;
  }
  if (missing.empty()) return;
  if (InCi()) {
    ADD_FAILURE() << "missing:" << missing;
  } else {
    GTEST_SKIP() << "not installed:" << missing;
  }
}

}  // namespace
