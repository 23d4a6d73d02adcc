// The dialogs' part of the dump rules, and the comparison with what the
// generator knew.
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/dump_checker.h"
#include "tests/fuzz/frame_layout.h"
#include "tests/fuzz/reference.h"

namespace {

using SExpected = CDumpChecker::SExpectedControl;

constexpr const char* kUpDown = "msctls_updown32";

const SExpected kProperties[] = {
    {layout::kIdOk, "BUTTON", "OK"},
    {layout::kDialogNoId, "BUTTON", "Mass (kg)"},
    {IDC_MASS_SLIDER, "msctls_trackbar32", "Slider1", 0, 90},
    {IDC_MASS_EDIT, "EDIT", nullptr},
    {layout::kDialogNoId, "BUTTON", "Velocity (m/s)"},
    {layout::kDialogNoId, "STATIC", "X"},
    {layout::kDialogNoId, "STATIC", "Y"},
    {IDC_VX_EDIT, "EDIT", nullptr},
    {IDC_VX_SPIN, kUpDown, "Spin1", 0, 1},
    {IDC_VY_EDIT, "EDIT", nullptr},
    {IDC_VY_SPIN, kUpDown, "Spin2", 0, 1},
    {IDC_COLOR, "BUTTON", "Color..."},
    {IDC_REMOVE, "BUTTON", "Remove"},
    {IDC_POS_X_EDIT, "EDIT", nullptr},
    {IDC_POS_Y_EDIT, "EDIT", nullptr},
    {layout::kDialogNoId, "STATIC", "X"},
    {layout::kDialogNoId, "STATIC", "Y"},
    {layout::kDialogNoId, "BUTTON", "Position (m)"},
    {layout::kIdCancel, "BUTTON", "Cancel"},
};

const SExpected kColor[] = {
    {layout::kDialogNoId, "STATIC", "&Basic colors:"},
    {layout::kColorBasicGrid, "AstrolatheColorGrid", ""},
    {layout::kDialogNoId, "STATIC", "&Custom colors:"},
    {layout::kColorCustomGrid, "AstrolatheColorGrid", ""},
    {layout::kColorMix, "BUTTON", "&Define Custom Colors >>"},
    {layout::kIdOk, "BUTTON", "OK"},
    {layout::kIdCancel, "BUTTON", "Cancel"},
    {layout::kDialogNoId, "STATIC", "Color|S&olid"},
    {layout::kDialogNoId, "STATIC", "Hu&e:"},
    {layout::kColorHue, "EDIT", nullptr},
    {layout::kDialogNoId, "STATIC", "&Sat:"},
    {layout::kColorSat, "EDIT", nullptr},
    {layout::kDialogNoId, "STATIC", "&Lum:"},
    {layout::kColorLum, "EDIT", nullptr},
    {layout::kDialogNoId, "STATIC", "&Red:"},
    {layout::kColorRed, "EDIT", nullptr},
    {layout::kDialogNoId, "STATIC", "&Green:"},
    {layout::kColorGreen, "EDIT", nullptr},
    {layout::kDialogNoId, "STATIC", "Bl&ue:"},
    {layout::kColorBlue, "EDIT", nullptr},
    {layout::kColorAdd, "BUTTON", "&Add to Custom Colors"},
};

const SExpected kInstructions[] = {
    {layout::kIdOk, "BUTTON", "OK"},
    {IDC_INSTRUCTIONS_LIST, "LISTBOX", ""},
};

const SExpected kAbout[] = {
    {layout::kIdOk, "BUTTON", "OK"},
    {IDC_ABOUT_LIST, "LISTBOX", ""},
    {IDC_ABOUT_ICON, "STATIC", ""},
};

void Problem(std::vector<std::string>* problems, const std::string& text) {
  problems->push_back(text);
}

bool IsPixelText(const std::string& text) {
  const size_t e = text.find("e+009");
  if (e == std::string::npos || e + 5 != text.size() || e == 0) return false;
  const std::string digits = text.substr(0, e);
  char* end = nullptr;
  const long long v = std::strtoll(digits.c_str(), &end, 10);
  return *end == '\0' && std::to_string(v) == digits;
}

std::string PixelText(LONG v) { return std::to_string(v) + "e+009"; }

}  // namespace

void CDumpChecker::CheckDialog(const SDump& d, std::vector<std::string>* problems) {
  if (!d.dialog) {
    if (!d.dialogControls.empty() || !d.dialogLines.empty())
      Problem(problems, "dialog controls without a dialog");
    return;
  }
  const std::string& caption = *d.dialog;
  const std::string prefix = "Properties: body ";
  if (caption.rfind(prefix, 0) == 0) {
    const std::string digits = caption.substr(prefix.size());
    const int number = std::atoi(digits.c_str());
    if (std::to_string(number) != digits || number < 1 || number > 10) {
      Problem(problems, "dialog \"" + caption + "\"");
      return;
    }
    CheckProperties(d, number, problems);
  } else if (caption == "Color") {
    CheckColor(d, problems);
  } else if (caption == "How to use Astrolathe v1.0") {
    CheckList(d.dialogControls, kInstructions, "dialog", problems);
    if (d.dialogLines.size() != 31)
      Problem(problems, "instructions with " + std::to_string(d.dialogLines.size()) + " lines");
  } else if (caption == "About Astrolathe v1.0") {
    CheckList(d.dialogControls, kAbout, "dialog", problems);
    if (d.dialogLines.size() != 5 || d.dialogLines[0].text != "Astrolathe v1.0")
      Problem(problems, "about box with " + std::to_string(d.dialogLines.size()) + " lines");
  } else {
    Problem(problems, "dialog \"" + caption + "\"");
  }
}

void CDumpChecker::CheckProperties(const SDump& d, int number, std::vector<std::string>* problems) {
  CheckList(d.dialogControls, kProperties, "dialog", problems);
  const SDumpControl* slider = Find(d.dialogControls, IDC_MASS_SLIDER);
  const SDumpControl* mass = Find(d.dialogControls, IDC_MASS_EDIT);
  if (slider != nullptr && mass != nullptr &&
      mass->text != reference::Classic("%.2e", reference::SliderMass(slider->pos))) {
    Problem(problems,
            "mass text \"" + mass->text + "\" with the slider at " + std::to_string(slider->pos));
  }
  for (const int id : {IDC_POS_X_EDIT, IDC_POS_Y_EDIT}) {
    const SDumpControl* edit = Find(d.dialogControls, id);
    if (edit != nullptr && !IsPixelText(edit->text))
      Problem(problems, "position text \"" + edit->text + "\"");
  }
  // A new body's dialog numbers the next slot; an existing one's a live body.
  if (const SDumpControl* remove = Find(d.dialogControls, IDC_REMOVE)) {
    if (remove->enabled ? number > d.count : number != d.count + 1) {
      Problem(problems, "\"Properties: body " + std::to_string(number) + "\" with Remove " +
                            (remove->enabled ? "enabled" : "disabled") + " and count " +
                            std::to_string(d.count));
    }
  }
}

void CDumpChecker::CheckColor(const SDump& d, std::vector<std::string>* problems) {
  CheckList(d.dialogControls, kColor, "dialog", problems);
  // Digits only, at most three, held to each field's largest value.
  const std::pair<int, int> limits[] = {{layout::kColorHue, 239},   {layout::kColorSat, 240},
                                        {layout::kColorLum, 240},   {layout::kColorRed, 255},
                                        {layout::kColorGreen, 255}, {layout::kColorBlue, 255}};
  for (const auto& [id, limit] : limits) {
    const SDumpControl* edit = Find(d.dialogControls, id);
    if (edit == nullptr) continue;
    bool ok = edit->text.size() <= 3;
    for (const char c : edit->text) ok = ok && c >= '0' && c <= '9';
    if (ok && !edit->text.empty()) ok = std::atoi(edit->text.c_str()) <= limit;
    if (!ok) Problem(problems, "colour edit " + std::to_string(id) + " \"" + edit->text + "\"");
  }
}

void CDumpChecker::CheckPrediction(const SDump& d, const SPrediction& p,
                                   std::vector<std::string>* problems) {
  const std::string dialog = d.dialog ? *d.dialog : "";
  if (d.count != p.count)
    Problem(problems, "count " + std::to_string(d.count) + ", expected " + std::to_string(p.count));
  if ((d.running == 1) != p.running)
    Problem(problems, "running " + std::to_string(d.running) + ", expected " +
                          std::to_string(p.running ? 1 : 0));
  if (const SDumpControl* go = Find(d.controls, IDC_GO);
      go != nullptr && go->enabled != p.goEnabled)
    Problem(problems, std::string("Go ") + (go->enabled ? "enabled" : "disabled") + ", expected " +
                          (p.goEnabled ? "enabled" : "disabled"));
  if (p.caption && dialog != *p.caption)
    Problem(problems, "dialog \"" + dialog + "\", expected \"" + *p.caption + "\"");
  for (const SBodyPrediction& b : p.bodies) {
    if (b.index >= static_cast<int>(d.bodies.size())) continue;
    const SDumpBody& got = d.bodies[static_cast<size_t>(b.index)];
    if (got.centre.x != b.centre.x || got.centre.y != b.centre.y || got.x != b.centre.x * 1e9 ||
        got.y != b.centre.y * 1e9) {
      Problem(problems, "body " + std::to_string(b.index) + " at " + std::to_string(got.centre.x) +
                            " " + std::to_string(got.centre.y) + ", expected " +
                            std::to_string(b.centre.x) + " " + std::to_string(b.centre.y));
    }
    if (b.mass && got.mass != *b.mass)
      Problem(problems, "body " + std::to_string(b.index) + ": mass differs");
  }
  if (p.removeEnabled) {
    const SDumpControl* remove = Find(d.dialogControls, IDC_REMOVE);
    if (remove != nullptr && remove->enabled != *p.removeEnabled)
      Problem(problems, "Remove enabled " + std::to_string(remove->enabled));
  }
  if (p.position) {
    const SDumpControl* x = Find(d.dialogControls, IDC_POS_X_EDIT);
    const SDumpControl* y = Find(d.dialogControls, IDC_POS_Y_EDIT);
    if (x != nullptr && y != nullptr &&
        (x->text != PixelText(p.position->x) || y->text != PixelText(p.position->y)))
      Problem(problems, "position \"" + x->text + "\" \"" + y->text + "\", expected " +
                            PixelText(p.position->x) + " " + PixelText(p.position->y));
  }
  if (p.massPos) {
    const SDumpControl* slider = Find(d.dialogControls, IDC_MASS_SLIDER);
    if (slider != nullptr && slider->pos != *p.massPos)
      Problem(problems, "mass slider at " + std::to_string(slider->pos) + ", expected " +
                            std::to_string(*p.massPos));
  }
}
