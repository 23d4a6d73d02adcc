// What the generator writes in each window: a weighted choice of the
// things a user (or a cat on the keyboard) does there.
#include "tests/fuzz/script_generator.h"

namespace {

constexpr int kMainIds[] = {
    IDC_GO, IDC_STOP, IDC_DT_SLIDER, IDC_G_SLIDER, layout::kStatusBarId, layout::kNoId};
constexpr int kMainClicks[] = {IDC_GO,       IDC_GO,        IDC_GO,       IDC_STOP,
                               IDC_STOP,     IDC_DT_SLIDER, IDC_G_SLIDER, layout::kStatusBarId,
                               layout::kNoId};
constexpr int kPropertiesOthers[] = {IDC_VX_EDIT,    IDC_VY_EDIT,    IDC_MASS_SLIDER,
                                     IDC_VX_SPIN,    IDC_VY_SPIN,    IDC_MASS_EDIT,
                                     IDC_POS_X_EDIT, IDC_POS_Y_EDIT, layout::kDialogNoId};
constexpr int kPropertiesEdited[] = {IDC_MASS_EDIT,     IDC_POS_X_EDIT, IDC_POS_Y_EDIT,
                                     IDC_MASS_SLIDER,   IDC_VX_SPIN,    layout::kIdOk,
                                     layout::kIdCancel, IDC_COLOR,      layout::kDialogNoId};
constexpr int kColorEdits[] = {layout::kColorHue, layout::kColorSat,   layout::kColorLum,
                               layout::kColorRed, layout::kColorGreen, layout::kColorBlue};
constexpr int kColorOthers[] = {layout::kColorAdd,  layout::kColorHue,   layout::kColorRed,
                                layout::kColorBlue, layout::kDialogNoId, layout::kIdOk,
                                layout::kIdCancel,  layout::kColorMix};
constexpr int kMenuWeights[] = {1, 8, 8, 8, 8, 8, 8};  // Exit ends the script: seldom

}  // namespace

int CScriptGenerator::AnyControl() {
  const std::vector<int> ids = m_model.ControlIds();
  return ids[static_cast<size_t>(m_random.Between(0, static_cast<std::int64_t>(ids.size()) - 1))];
}

void CScriptGenerator::FocusAndKey(int id) {
  Focus(id);
  Key(m_pick.KeyName());
}

void CScriptGenerator::AnyKey() {
  const std::string name = m_pick.KeyName();
  // Most keys that need to know the focus get it set first.
  if (!m_model.KeyIsSafe(name) && m_random.Percent(80)) Focus(AnyControl());
  Key(name);
}

void CScriptGenerator::MouseWhileDialog() {
  const POINT p = m_pick.AnyPoint();
  switch (m_random.Int(0, 3)) {
    case 0:
      LPress(p);
      return;
    case 1:
      LRelease(p);
      return;
    case 2:
      RPress(p);
      return;
    default:
      Move(p);
      return;
  }
}

void CScriptGenerator::PlaceBody() {
  const POINT start = m_random.Percent(85) ? m_pick.FieldPoint() : m_pick.AnyPointBelowBar();
  LPress(start);
  const int moves = m_random.Int(0, 3);
  for (int i = 0; i < moves; ++i) Move(m_pick.Near(start));
  LRelease(m_random.Percent(30) ? start : m_pick.Near(start));
}

void CScriptGenerator::RightPressBody() {
  POINT p{};
  if (!m_model.Bodies().empty() && m_random.Percent(75)) {
    const auto& bodies = m_model.Bodies();
    const POINT c = bodies[static_cast<size_t>(
                               m_random.Between(0, static_cast<std::int64_t>(bodies.size()) - 1))]
                        .centre;
    const int reach = m_random.Percent(80) ? 5 : 16;
    p = POINT{c.x + m_random.Int(-reach, reach), c.y + m_random.Int(-reach, reach)};
  } else {
    p = m_pick.AnyPointBelowBar();
  }
  RPress(p);
  if (m_random.Percent(40)) Line("rrelease " + std::to_string(p.x) + " " + std::to_string(p.y));
}

void CScriptGenerator::StepMain() {
  const bool place = m_model.Count() < 10;
  const bool running = m_model.Running();
  switch (m_random.Weighted(
      {place ? 72 : 8, 32, 32, 40, 8, 40, 24, 24, 8, 4, 20, 24, running ? 32 : 0, 2, 1})) {
    case 0:
      PlaceBody();
      return;
    case 1: {
      const POINT p = m_pick.AnyPoint();
      const int how = m_random.Int(0, 2);
      if (how != 1) LPress(p);
      // A press on the menu bar may have opened a drop-down: nothing more.
      if (how != 0 && m_model.Certainty() == ECertainty::kCertain)
        LRelease(how == 1 ? p : m_pick.Near(p));
      return;
    }
    case 2:
      Move(m_pick.AnyPoint());
      return;
    case 3:
      RightPressBody();
      return;
    case 4: {
      const POINT p = m_pick.AnyPoint();
      Line("rrelease " + std::to_string(p.x) + " " + std::to_string(p.y));
      return;
    }
    case 5:
      Click(m_random.Pick(kMainClicks));
      return;
    case 6:
      FocusAndKey(m_random.Pick(kMainIds));
      return;
    case 7:
      AnyKey();
      return;
    case 8:
      Type(m_pick.Text());
      return;
    case 9:
      Edit(m_random.Pick(kMainIds), m_pick.Text());
      return;
    case 10: {
      const bool dt = m_random.Percent(50);
      Slider(dt ? IDC_DT_SLIDER : IDC_G_SLIDER,
             dt ? m_pick.Position(0, 5) : m_pick.Position(50, 150));
      return;
    }
    case 11:
      // The driver's clicks on the menu bar would go to a control that
      // holds the mouse: let it go first.
      if (m_model.Capture() != 0) {
        LRelease(m_pick.FieldPoint());
        return;
      }
      Menu(layout::kMenuIds[m_random.Weighted({kMenuWeights[0], kMenuWeights[1], kMenuWeights[2],
                                               kMenuWeights[3], kMenuWeights[4], kMenuWeights[5],
                                               kMenuWeights[6]})]);
      return;
    case 12:
      Line("steps " + std::to_string(m_pick.Steps()));
      return;
    case 13:
      Line("snapshot main.png");
      return;
    default:
      Close();
      return;
  }
}

void CScriptGenerator::StepProperties() {
  const bool isNew = m_model.Top()->isNew;
  switch (m_random.Weighted({14, 3, 10, 1, 8, 10, 5, isNew ? 1 : 4, 5, 3, 5, 6, 3, 3, 1, 1})) {
    case 0:
      Edit(m_random.Percent(50) ? IDC_VX_EDIT : IDC_VY_EDIT, m_pick.Text());
      return;
    case 1:
      Edit(m_random.Pick(kPropertiesEdited), m_pick.Text());
      return;
    case 2:
      Spin(m_random.Percent(50) ? IDC_VX_SPIN : IDC_VY_SPIN, m_random.Percent(50));
      return;
    case 3: {
      // Presses by the hundred and the thousand, to take the velocity far.
      const int n = m_random.Percent(70)   ? m_random.Int(20, 100)
                    : m_random.Percent(85) ? m_random.Int(100, 400)
                                           : 1000;
      const int id = m_random.Percent(50) ? IDC_VX_SPIN : IDC_VY_SPIN;
      const bool up = m_random.Percent(50);
      for (int i = 0; i < n; ++i) Spin(id, m_random.Percent(95) ? up : !up);
      return;
    }
    case 4:
      Slider(IDC_MASS_SLIDER, m_pick.Position(0, 90));
      return;
    case 5:
      Click(layout::kIdOk);
      return;
    case 6:
      Click(layout::kIdCancel);
      return;
    case 7:
      Click(IDC_REMOVE);
      return;
    case 8:
      Click(IDC_COLOR);
      return;
    case 9:
      Click(m_random.Pick(kPropertiesOthers));
      return;
    case 10:
      FocusAndKey(AnyControl());
      return;
    case 11:
      AnyKey();
      return;
    case 12:
      Type(m_pick.Text());
      return;
    case 13:
      MouseWhileDialog();
      return;
    case 14:
      Line("snapshot-dialog dialog.png");
      return;
    default:
      Close();
      return;
  }
}

void CScriptGenerator::StepColor() {
  switch (m_random.Weighted({10, 4, 3, 3, 6, 2, 4, 4, 2, 1, 1, 1})) {
    case 0:
      Color();
      return;
    case 1:
      Click(m_random.Percent(60) ? layout::kIdOk : layout::kIdCancel);
      return;
    case 2:
      Click(layout::kColorMix);
      return;
    case 3:
      Click(m_random.Pick(kColorOthers));
      return;
    case 4:
      Edit(m_random.Pick(kColorEdits), m_pick.Text());
      return;
    case 5:
      Edit(m_random.Pick(kColorOthers), m_pick.Text());
      return;
    case 6:
      FocusAndKey(AnyControl());
      return;
    case 7:
      AnyKey();
      return;
    case 8:
      Type(m_pick.Text());
      return;
    case 9:
      MouseWhileDialog();
      return;
    case 10:
      Line("snapshot-dialog colour.png");
      return;
    default:
      Close();
      return;
  }
}

void CScriptGenerator::StepHelp() {
  switch (m_random.Weighted({5, 4, 3, 3, 1, 2, 1, 1, 1})) {
    case 0:
      Click(layout::kIdOk);
      return;
    case 1:
      Key(m_random.Percent(50) ? "Escape" : "Return");
      return;
    case 2:
      FocusAndKey(AnyControl());
      return;
    case 3:
      AnyKey();
      return;
    case 4:
      Type(m_pick.Text());
      return;
    case 5:
      Click(AnyControl());
      return;
    case 6:
      MouseWhileDialog();
      return;
    case 7:
      Edit(AnyControl(), m_pick.Text());
      return;
    default:
      Close();
      return;
  }
}

void CScriptGenerator::StepUncertain() {
  const int moves = m_random.Int(0, 2);
  for (int i = 0; i < moves; ++i) {
    Move(m_pick.AnyPoint());
    if (m_random.Percent(30)) Dump();
  }
  if (m_model.Certainty() == ECertainty::kMaybeEdit && m_random.Percent(35)) {
    // A line only the Properties dialog can carry out: if it is refused the
    // script ends there, which is no fault of the program's.
    m_model.ProbeSucceeded();
    switch (m_random.Int(0, 3)) {
      case 0:
        Probe("click 1000");
        m_model.Click(IDC_VX_EDIT);
        return;
      case 1: {
        const std::string text = m_pick.Text();
        Probe("edit 1001" + (text.empty() ? "" : " " + text));
        m_model.Edit(IDC_VY_EDIT, text);
        return;
      }
      case 2:
        Probe("spin 1003 up");
        return;
      default: {
        const int pos = m_pick.Position(0, 90);
        Probe("slider 1002 " + std::to_string(pos));
        m_model.Slider(IDC_MASS_SLIDER, pos);
        return;
      }
    }
  }
  for (const std::string& line : CAppModel::ResyncLines()) Line(line);
  m_model.Resync();
}
