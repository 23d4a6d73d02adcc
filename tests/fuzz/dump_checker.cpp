#include "tests/fuzz/dump_checker.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/frame_layout.h"
#include "tests/fuzz/reference.h"

namespace {

constexpr const char* kTrackbar = "msctls_trackbar32";

using SExpectedControl = CDumpChecker::SExpectedControl;

const SExpectedControl kMainControls[] = {
    {layout::kStatusBarId, "msctls_statusbar32", nullptr},
    {layout::kNoId, "BUTTON", ""},
    {IDC_GO, "BUTTON", "Go"},
    {IDC_STOP, "BUTTON", "Stop"},
    {layout::kNoId, "BUTTON", "delta t"},
    {IDC_DT_SLIDER, kTrackbar, "", 0, 5},
    {layout::kNoId, "BUTTON", "G"},
    {IDC_G_SLIDER, kTrackbar, "", 50, 150},
    {layout::kNoId, "STATIC", ""},
    {layout::kNoId, "STATIC", ""},
    {layout::kNoId, "STATIC", ""},
    {layout::kNoId, "STATIC", ""},
};

const std::pair<int, int> kMenus[] = {
    {ID_FILE_EXIT, 1},     {ID_MENU_BLANK, 1},        {ID_VIEW_ZOOM, 0},  {ID_CONTROL_GO, -1},
    {ID_CONTROL_STOP, -1}, {ID_HELP_INSTRUCTIONS, 1}, {ID_HELP_ABOUT, 1},
};

constexpr const char* kIdleTexts[] = {"Ready", "Running", "Cannot add bodies (10 max)", "",
                                      "How to use Astrolathe v1.0"};

void Problem(std::vector<std::string>* problems, const std::string& text) {
  problems->push_back(text);
}

std::string Num(double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  return buffer;
}

}  // namespace

const SDumpControl* CDumpChecker::Find(const std::vector<SDumpControl>& controls, int id) {
  for (const SDumpControl& c : controls) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

void CDumpChecker::CheckList(const std::vector<SDumpControl>& got, const SExpectedControl* want,
                             std::size_t count, const std::string& where,
                             std::vector<std::string>* problems) {
  if (got.size() != count) {
    Problem(problems,
            where + ": " + std::to_string(got.size()) + " controls, not " + std::to_string(count));
    return;
  }
  for (std::size_t i = 0; i < count; ++i) {
    const SDumpControl& c = got[i];
    const SExpectedControl& w = want[i];
    const bool ranged = w.max >= w.min;
    if (c.id != w.id || c.cls != w.cls || (w.text != nullptr && c.text != w.text) ||
        c.hasRange != ranged) {
      Problem(problems, where + ": control " + std::to_string(i) + " is " + std::to_string(c.id) +
                            " " + c.cls + " \"" + c.text + "\"");
    } else if (ranged && (c.min != w.min || c.max != w.max || c.pos < c.min || c.pos > c.max)) {
      Problem(problems, where + ": control " + std::to_string(c.id) + " at " +
                            std::to_string(c.pos) + " of " + std::to_string(c.min) + " to " +
                            std::to_string(c.max));
    }
  }
}

std::string CDumpChecker::ExpectedFrame() {
  char line[160];
  std::snprintf(line, sizeof line, "frame client %d %d scene %d %d %d %d panel %d %d %d %d",
                layout::kClientWidth, layout::kClientHeight, layout::kScene.left,
                layout::kScene.top, layout::kScene.right, layout::kScene.bottom,
                layout::kPanel.left, layout::kPanel.top, layout::kPanel.right,
                layout::kPanel.bottom);
  return line;
}

void CDumpChecker::CheckRules(const SDump& d, std::vector<std::string>* problems) {
  if (d.frame != ExpectedFrame()) Problem(problems, "frame line is \"" + d.frame + "\"");
  if (d.count < 0 || d.count > 10) Problem(problems, "count " + std::to_string(d.count));
  if (d.running != 0 && d.running != 1) Problem(problems, "running " + std::to_string(d.running));
  if (!(d.t >= 0) || std::floor(d.t) != d.t) Problem(problems, "elapsed time " + Num(d.t));
  CheckBodies(d, problems);
  CheckControls(d, problems);
  CheckPanes(d, problems);
  CheckMenus(d, problems);
  CheckDialog(d, problems);
}

void CDumpChecker::CheckBodies(const SDump& d, std::vector<std::string>* problems) {
  if (static_cast<int>(d.bodies.size()) != d.count) {
    Problem(problems,
            std::to_string(d.bodies.size()) + " body lines for count " + std::to_string(d.count));
  }
  for (size_t i = 0; i < d.bodies.size(); ++i) {
    const SDumpBody& b = d.bodies[i];
    const std::string name = "body " + std::to_string(i);
    if (b.index != static_cast<int>(i))
      Problem(problems, name + " is numbered " + std::to_string(b.index));
    if (!reference::IsSliderMass(b.mass)) Problem(problems, name + " has mass " + Num(b.mass));
    const RECT r = reference::Square(b.centre, b.mass);
    if (r.left != b.rect.left || r.top != b.rect.top || r.right != b.rect.right ||
        r.bottom != b.rect.bottom) {
      Problem(problems, name + ": rect " + std::to_string(b.rect.left) + " " +
                            std::to_string(b.rect.top) + " " + std::to_string(b.rect.right) + " " +
                            std::to_string(b.rect.bottom) + " is not its centre plus and " +
                            "minus " + std::to_string(reference::Radius(b.mass)));
    }
    // The pixel is the position's, or the position is exactly the pixel it
    // was placed on (which need not convert back to the same pixel).
    const bool xOk = reference::Pixel(b.x) == b.centre.x || b.x == b.centre.x * 1e9;
    const bool yOk = reference::Pixel(b.y) == b.centre.y || b.y == b.centre.y * 1e9;
    if (!xOk || !yOk) {
      Problem(problems, name + ": centre " + std::to_string(b.centre.x) + " " +
                            std::to_string(b.centre.y) + " is not the pixel of " + Num(b.x) + " " +
                            Num(b.y));
    }
    bool hex = b.color.size() == 6;
    for (const char c : b.color) hex = hex && ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'));
    if (!hex) Problem(problems, name + ": colour " + b.color);
  }
}

void CDumpChecker::CheckPanes(const SDump& d, std::vector<std::string>* problems) {
  if (d.panes.size() != 5) {
    Problem(problems, std::to_string(d.panes.size()) + " panes");
    return;
  }
  bool idle = false;
  for (const char* text : kIdleTexts) idle = idle || d.panes[0] == text;
  if (!idle) Problem(problems, "pane 0 \"" + d.panes[0] + "\"");
  if (d.panes[1] != "x: 000e+009  y: 000e+009   ") {
    int x = 0;
    int y = 0;
    char again[96] = "";
    if (std::sscanf(d.panes[1].c_str(), "x: %de+009  y:%de+009", &x, &y) == 2) {
      std::snprintf(again, sizeof again, "x: %de+009  y:%de+009", x, y);
    }
    if (d.panes[1] != again || x < -32768 || x > 32767 || y < -32768 || y > 32767)
      Problem(problems, "pane 1 \"" + d.panes[1] + "\"");
  }
  if (d.panes[2] != reference::Classic("t: %e s", d.t))
    Problem(problems, "pane 2 \"" + d.panes[2] + "\" for t " + Num(d.t));
  const bool step = d.dt >= 1 && d.dt <= 100000 && std::floor(d.dt) == d.dt;
  if (!step || d.panes[3] != reference::Classic("%10d s", static_cast<int>(d.dt)))
    Problem(problems, "pane 3 \"" + d.panes[3] + "\" for dt " + Num(d.dt));
  if (d.panes[4] != reference::Classic("%.4e", d.G))
    Problem(problems, "pane 4 \"" + d.panes[4] + "\" for G " + Num(d.G));
}

void CDumpChecker::CheckControls(const SDump& d, std::vector<std::string>* problems) {
  CheckList(d.controls, kMainControls, "main window", problems);
  const SDumpControl* bar = Find(d.controls, layout::kStatusBarId);
  if (bar != nullptr && !d.panes.empty() && bar->text != d.panes[0])
    Problem(problems, "status bar says \"" + bar->text + "\", pane 0 \"" + d.panes[0] + "\"");
  const SDumpControl* stop = Find(d.controls, IDC_STOP);
  if (stop != nullptr && stop->enabled != (d.running == 1))
    Problem(problems, "Stop enabled " + std::to_string(stop->enabled) + " while running " +
                          std::to_string(d.running));
  if (const SDumpControl* s = Find(d.controls, IDC_DT_SLIDER)) {
    if (d.dt != reference::TimeStep(s->pos))
      Problem(problems, "dt " + Num(d.dt) + " with the slider at " + std::to_string(s->pos));
  }
  if (const SDumpControl* s = Find(d.controls, IDC_G_SLIDER)) {
    const bool initial = s->pos == 100 && d.G == reference::kStandardG;
    if (d.G != reference::Gravity(s->pos) && !initial)
      Problem(problems, "G " + Num(d.G) + " with the slider at " + std::to_string(s->pos));
  }
}

void CDumpChecker::CheckMenus(const SDump& d, std::vector<std::string>* problems) {
  constexpr size_t n = sizeof kMenus / sizeof kMenus[0];
  if (d.menus.size() != n) {
    Problem(problems, std::to_string(d.menus.size()) + " menu items");
    return;
  }
  const SDumpControl* go = Find(d.controls, IDC_GO);
  const SDumpControl* stop = Find(d.controls, IDC_STOP);
  for (size_t i = 0; i < n; ++i) {
    const auto [id, enabled] = d.menus[i];
    int want = kMenus[i].second;
    if (want < 0) {
      const SDumpControl* button = kMenus[i].first == ID_CONTROL_GO ? go : stop;
      want = button != nullptr && button->enabled ? 1 : 0;
    }
    if (id != kMenus[i].first || static_cast<int>(enabled) != want)
      Problem(problems, "menu " + std::to_string(id) + " enabled " + std::to_string(enabled));
  }
}
