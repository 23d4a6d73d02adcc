// e2e-probe: answers the end-to-end test's questions about screenshots, so
// that the shell script needs no image tool of its own.
//
//   e2e-probe pixel FILE X Y                        prints the colour, RRGGBB
//   e2e-probe diff A B L T R B                      prints how many pixels differ
//   e2e-probe count FILE L T R B RRGGBB             prints how many pixels are that colour
//   e2e-probe body FILE X Y RADIUS RRGGBB           exit 1 and says why when no such body
//   e2e-probe find-bodies FILE L T R B RADIUS RRGGBB  prints "X Y" for each centre
//   e2e-probe sunken-boxes FILE L T R B             prints "L T R B" for each box
//
// Exit status 2, with a message, for a malformed line or an unreadable file.
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "tests/e2e/screen_image.h"

namespace {

constexpr int kUsage = 2;

[[noreturn]] void Die(const std::string& message) {
  std::fprintf(stderr, "e2e-probe: %s\n", message.c_str());
  std::exit(kUsage);
}

int Number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    Die("not a number: \"" + std::string(text) + "\"");
  }
  return value;
}

std::uint32_t Colour(std::string_view text) {
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (text.size() != 6 || error != std::errc() || end != text.data() + text.size()) {
    Die("not a colour (six hex digits): \"" + std::string(text) + "\"");
  }
  return value;
}

CScreenImage Image(const std::string& path) {
  CScreenImage image;
  if (!image.Load(path)) Die("cannot read the PNG file " + path);
  return image;
}

SScreenRect Area(const std::vector<std::string>& args, size_t first) {
  return {Number(args[first]), Number(args[first + 1]), Number(args[first + 2]),
          Number(args[first + 3])};
}

void Expect(const std::vector<std::string>& args, size_t count) {
  if (args.size() != count) Die("wrong number of arguments for " + args[0]);
}

int Run(const std::vector<std::string>& args) {
  const std::string& command = args[0];
  if (command == "pixel") {
    Expect(args, 4);
    const std::uint32_t colour = Image(args[1]).Pixel(Number(args[2]), Number(args[3]));
    if (colour == CScreenImage::kOutside) Die("the pixel is outside the image");
    std::printf("%s\n", ColourText(colour).c_str());
    return 0;
  }
  if (command == "diff") {
    Expect(args, 7);
    const long long count = Image(args[1]).CountDifferences(Image(args[2]), Area(args, 3));
    if (count < 0) Die("the two images are not the same size");
    std::printf("%lld\n", count);
    return 0;
  }
  if (command == "count") {
    Expect(args, 7);
    std::printf("%lld\n", Image(args[1]).CountColour(Area(args, 2), Colour(args[6])));
    return 0;
  }
  if (command == "body") {
    Expect(args, 6);
    std::string why;
    if (Image(args[1]).MatchesBody(Number(args[2]), Number(args[3]), Number(args[4]),
                                   Colour(args[5]), &why)) {
      return 0;
    }
    std::printf("%s\n", why.c_str());
    return 1;
  }
  if (command == "find-bodies") {
    Expect(args, 8);
    for (const SScreenPoint& p :
         Image(args[1]).FindBodies(Area(args, 2), Number(args[6]), Colour(args[7]))) {
      std::printf("%d %d\n", p.x, p.y);
    }
    return 0;
  }
  if (command == "sunken-boxes") {
    Expect(args, 6);
    for (const SScreenRect& r : Image(args[1]).FindSunkenBoxes(Area(args, 2))) {
      std::printf("%d %d %d %d\n", r.left, r.top, r.right, r.bottom);
    }
    return 0;
  }
  Die("unknown command \"" + command + "\"");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) Die("usage: e2e-probe pixel|diff|count|body|find-bodies|sunken-boxes ARGS...");
  return Run(std::vector<std::string>(argv + 1, argv + argc));
}
