#include "tests/fuzz/script_generator.h"

#include "tests/fuzz/reference.h"

namespace {

std::string At(POINT p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

struct SRefusal {
  const char* line;
  const char* message;
};

// Lines the reader refuses, each with the driver's words for it.
constexpr SRefusal kUnreadable[] = {
    {"bogus 1", "no such command: bogus"},
    {"lpress 5", "lpress: wrong number of arguments"},
    {"move 1 x", "move: not a number"},
    {"click 99999999999", "click: not a number"},
    {"steps -3", "steps: a count of steps cannot be negative"},
    {"key Foo", "key: no such key: Foo"},
    {"key", "key: one key name expected"},
    {"key \xE9", "key: no such key: \xE9"},
    {"edit abc", "edit: a control id expected"},
    {"slider 5", "slider: a control id and a position expected"},
    {"spin 1003 sideways", "spin: a control id and up or down expected"},
    {"menu", "menu: a command id expected"},
    {"color 256 0 0", "color: R G B from 0 to 255, or cancel, expected"},
    {"color -1 0 0", "color: R G B from 0 to 255, or cancel, expected"},
    {"snapshot", "snapshot: one file name expected"},
    {"dump now", "dump: wrong number of arguments"},
};

// Lines the driver reads but cannot carry out in the main window...
constexpr SRefusal kRefusedInMain[] = {
    {"click 4242", "no such control: 4242"},
    {"focus -7", "no such control: -7"},
    {"edit 1000 5", "no such control: 1000"},
    {"menu 4242", "menu: no item has the id 4242"},
    {"menu 128", "menu: no item has the id 128"},
    {"menu 32775", "menu: no item has the id 32775"},
    {"color 1 2 3", "no colour dialog open"},
    {"color cancel", "no colour dialog open"},
    {"snapshot-dialog refused.png", "no dialog open"},
    {"slider 101 3", "slider: not a trackbar"},
    {"spin 104 up", "spin: not an up-down control"},
};

// ...and with a dialog open.
constexpr SRefusal kRefusedInDialog[] = {
    {"menu 32776", "menu: the main window is not active"},
    {"steps 2", "steps: no run can make steps"},
    {"click 101", "no such control: 101"},
    {"slider 1 5", "slider: not a trackbar"},
    {"spin 1 up", "spin: not an up-down control"},
};

}  // namespace

std::string SScript::Text() const {
  std::string text;
  for (const SScriptLine& l : lines) text += l.text + "\n";
  return text;
}

int SScript::Events() const {
  int n = 0;
  for (const SScriptLine& l : lines) n += !l.dump && l.text.rfind('#', 0) != 0 ? 1 : 0;
  return n;
}

int SScript::Dumps() const {
  int n = 0;
  for (const SScriptLine& l : lines) n += l.dump ? 1 : 0;
  return n;
}

CScriptGenerator::CScriptGenerator(std::uint64_t seed, const SOptions& options)
    : m_seed(seed), m_options(options), m_random(seed), m_pick(&m_random, options.fullRange) {}

SScript CScriptGenerator::Generate() {
  m_script.seed = m_seed;
  m_script.lines.push_back(SScriptLine{
      "# astrolathe-replay fuzz script, seed " + std::to_string(m_seed), false, false, {}});
  Dump();
  while (m_events < m_options.events && !m_model.Ended()) {
    if (m_model.Certainty() != ECertainty::kCertain) {
      StepUncertain();
    } else if (const SModelDialog* top = m_model.Top()) {
      switch (top->kind) {
        case EDialog::kProperties:
          StepProperties();
          break;
        case EDialog::kColor:
          StepColor();
          break;
        case EDialog::kInstructions:
        case EDialog::kAbout:
          StepHelp();
          break;
      }
    } else {
      StepMain();
    }
    if (!m_model.Ended() && m_random.Percent(12)) Dump();
  }
  m_script.endsProgram = m_model.Ended();
  if (m_model.Ended()) {
    if (m_random.Percent(50)) AfterEnd();
  } else if (m_model.Certainty() == ECertainty::kCertain && m_random.Percent(5)) {
    RefusedEnding();
  } else {
    Dump();
  }
  if (m_random.Percent(2)) Unreadable();
  return m_script;
}

// ---- Lines -------------------------------------------------------------------------

void CScriptGenerator::Line(const std::string& text) {
  m_model.BeforeLine();
  m_script.lines.push_back(SScriptLine{text, false, false, {}});
  ++m_events;
}

void CScriptGenerator::Probe(const std::string& text) {
  Line(text);
  m_script.lines.back().probe = true;
}

void CScriptGenerator::Dump() {
  m_model.BeforeLine();
  SPrediction p;
  p.count = m_model.Count();
  p.running = m_model.Running();
  p.goEnabled = m_model.GoEnabled();
  switch (m_model.Certainty()) {
    case ECertainty::kCertain:
      p.caption = m_model.Caption();
      break;
    case ECertainty::kMenuMaybe:
      p.caption = "";  // a drop-down is no dialog
      break;
    case ECertainty::kMaybeEdit:
      break;
  }
  for (int i = 0; i < m_model.Count(); ++i) {
    const SModelBody& b = m_model.Bodies()[static_cast<size_t>(i)];
    if (b.stale) continue;
    SBodyPrediction body{i, b.centre, std::nullopt};
    if (b.massPos) body.mass = reference::SliderMass(*b.massPos);
    p.bodies.push_back(body);
  }
  const SModelDialog* top = m_model.Top();
  if (m_model.Certainty() == ECertainty::kCertain && top != nullptr &&
      top->kind == EDialog::kProperties) {
    p.removeEnabled = !top->isNew;
    p.position = top->position;
    p.massPos = top->massPos;
  }
  m_script.lines.push_back(SScriptLine{"dump", true, false, p});
}

void CScriptGenerator::LPress(POINT p) {
  Line("lpress " + At(p));
  m_model.LeftPress(p.x, p.y);
}

void CScriptGenerator::LRelease(POINT p) {
  Line("lrelease " + At(p));
  m_model.LeftRelease(p.x, p.y);
}

void CScriptGenerator::RPress(POINT p) {
  Line("rpress " + At(p));
  m_model.RightPress(p.x, p.y);
}

void CScriptGenerator::Move(POINT p) { Line("move " + At(p)); }

void CScriptGenerator::Click(int id) {
  Line("click " + std::to_string(id));
  m_model.Click(id);
}

void CScriptGenerator::Focus(int id) {
  Line("focus " + std::to_string(id));
  m_model.Focus(id);
}

void CScriptGenerator::Key(const std::string& name) {
  // A key whose effect hangs on an unknown focus is written as a harmless one.
  const std::string key = m_model.KeyIsSafe(name) ? name : "F1";
  Line("key " + key);
  m_model.Key(key);
}

void CScriptGenerator::Type(const std::string& text) {
  Line(text.empty() ? "type" : "type " + text);
  m_model.Type(text);
}

void CScriptGenerator::Edit(int id, const std::string& text) {
  Line("edit " + std::to_string(id) + (text.empty() ? "" : " " + text));
  m_model.Edit(id, text);
}

void CScriptGenerator::Slider(int id, int pos) {
  Line("slider " + std::to_string(id) + " " + std::to_string(pos));
  m_model.Slider(id, pos);
}

void CScriptGenerator::Spin(int id, bool up) {
  Line("spin " + std::to_string(id) + (up ? " up" : " down"));
}

void CScriptGenerator::Menu(int id) {
  Line("menu " + std::to_string(id));
  m_model.Menu(id);
}

void CScriptGenerator::Color() {
  if (m_random.Percent(70)) {
    Line("color " + std::to_string(m_random.Int(0, 255)) + " " +
         std::to_string(m_random.Int(0, 255)) + " " + std::to_string(m_random.Int(0, 255)));
    m_model.Color(true);
  } else {
    Line("color cancel");
    m_model.Color(false);
  }
}

void CScriptGenerator::Close() {
  Line("close");
  m_model.Close();
}

// ---- Endings -----------------------------------------------------------------------

void CScriptGenerator::AfterEnd() {
  constexpr const char* kLate[] = {"dump",       "lpress 5 5", "key Escape",
                                   "menu 32776", "steps 1",    "close"};
  const int first = static_cast<int>(m_script.lines.size()) + 1;
  const int n = m_random.Int(1, 3);
  for (int i = 0; i < n; ++i)
    m_script.lines.push_back(SScriptLine{m_random.Pick(kLate), false, false, {}});
  m_script.rejection = SRejection{first, "the program has ended", 1};
}

void CScriptGenerator::RefusedEnding() {
  SRefusal r{};
  if (m_model.InMain()) {
    r = m_model.Running() || m_random.Percent(85)
            ? m_random.Pick(kRefusedInMain)
            : SRefusal{"steps 3", "steps: no run can make steps"};
  } else {
    r = m_random.Pick(kRefusedInDialog);
    if (m_model.Top()->kind != EDialog::kColor && m_random.Percent(20))
      r = SRefusal{"color 9 9 9", "no colour dialog open"};
  }
  m_script.lines.push_back(SScriptLine{r.line, false, false, {}});
  m_script.rejection = SRejection{static_cast<int>(m_script.lines.size()), r.message, 1};
}

void CScriptGenerator::Unreadable() {
  // Any line but the comment: the reader refuses the whole script before
  // anything runs.
  const SRefusal& r = m_random.Pick(kUnreadable);
  const auto at = static_cast<size_t>(
      m_random.Between(1, static_cast<std::int64_t>(m_script.lines.size()) - 1));
  m_script.lines[at] = SScriptLine{r.line, false, false, {}};
  m_script.rejection = SRejection{static_cast<int>(at) + 1, r.message, 2};
}
