// The model's keyboard, its resynchronisation and its questions: what each
// key does in each window, with the focus where the model last saw it.
#include "tests/fuzz/app_model.h"

namespace {

enum class EKey { kReturn, kEscape, kSpace, kTab, kArrow, kPaging, kOther, kChar };

EKey KindOf(const std::string& name) {
  if (name.size() == 1) return EKey::kChar;
  if (name == "Return") return EKey::kReturn;
  if (name == "Escape") return EKey::kEscape;
  if (name == "Space") return EKey::kSpace;
  if (name == "Tab") return EKey::kTab;
  if (name == "Up" || name == "Down" || name == "Left" || name == "Right") return EKey::kArrow;
  if (name == "Home" || name == "End" || name == "Prior" || name == "Next") return EKey::kPaging;
  return EKey::kOther;  // BackSpace, Delete, F1
}

bool IsPushButton(EDialog kind, int id) {
  if (id == layout::kIdOk || id == layout::kIdCancel) return true;
  if (kind == EDialog::kProperties) return id == IDC_REMOVE || id == IDC_COLOR;
  if (kind == EDialog::kColor) return id == layout::kColorAdd || id == layout::kColorMix;
  return false;
}

bool IsEdit(int id) {
  return id == IDC_VX_EDIT || id == IDC_VY_EDIT || id == IDC_MASS_EDIT || id == IDC_POS_X_EDIT ||
         id == IDC_POS_Y_EDIT || (id >= layout::kColorHue && id <= layout::kColorBlue);
}

constexpr POINT kResyncPoint{20, 20};  // open field, clear of every control

}  // namespace

bool CAppModel::KeyIsSafe(const std::string& name) const {
  const EKey kind = KindOf(name);
  if (kind != EKey::kSpace && kind != EKey::kReturn) return true;
  if (m_dialogs.empty()) {
    // Space clicks a focused button; with no button enabled it clicks nothing.
    return kind == EKey::kReturn || m_mainFocus != kFocusUnknown || (!m_goEnabled && !m_running);
  }
  return m_dialogs.back().focus != kFocusUnknown;
}

void CAppModel::Key(const std::string& name) {
  if (m_dialogs.empty()) {
    if (KindOf(name) == EKey::kSpace) {
      if (m_mainFocus == IDC_GO) OnGo();
      if (m_mainFocus == IDC_STOP) OnStop();
    }
    return;  // no other key of the main window opens or closes anything
  }
  const EKey kind = KindOf(name);
  SModelDialog& d = Dlg();
  const int focus = d.focus;
  const bool button = IsPushButton(d.kind, focus);
  if (kind == EKey::kEscape) {
    CloseDialog();
    return;
  }
  if (kind == EKey::kReturn || (kind == EKey::kSpace && button)) {
    // Return presses the focused push button, else the default one.
    const int pressed = button ? focus : layout::kIdOk;
    if (kind == EKey::kReturn && focus == kFocusUnknown) return;  // not written
    switch (d.kind) {
      case EDialog::kProperties:
        PressPropertiesButton(pressed);
        return;
      case EDialog::kColor:
        PressColorButton(pressed);
        return;
      case EDialog::kInstructions:
      case EDialog::kAbout:
        CloseDialog();
        return;
    }
  }
  if (kind == EKey::kTab) {
    d.focus = kFocusUnknown;
  } else if (kind == EKey::kArrow) {
    // An edit, a slider or a colour grid keeps the arrows; elsewhere they
    // move the focus.
    if (d.kind == EDialog::kProperties && (focus == IDC_MASS_SLIDER || focus == kFocusUnknown))
      d.massPos.reset();
    const bool grid = focus == layout::kColorBasicGrid || focus == layout::kColorCustomGrid;
    if (!IsEdit(focus) && focus != IDC_MASS_SLIDER && !grid) d.focus = kFocusUnknown;
  } else if (kind == EKey::kPaging) {
    if (d.kind == EDialog::kProperties && (focus == IDC_MASS_SLIDER || focus == kFocusUnknown))
      d.massPos.reset();
  } else if (kind == EKey::kChar) {
    Type(name);
  }
}

void CAppModel::PressColorButton(int id) {
  SModelDialog& d = Dlg();
  if (id == layout::kIdOk || id == layout::kIdCancel) {
    CloseDialog();
  } else if (id == layout::kColorMix && d.full == false) {
    OpenFull();
  }
}

std::vector<std::string> CAppModel::ResyncLines() {
  const std::string at = std::to_string(kResyncPoint.x) + " " + std::to_string(kResyncPoint.y);
  return {"key Escape",   "key Escape",     "lrelease " + at, "key Escape", "key Escape",
          "lpress " + at, "lrelease " + at, "key Escape",     "key Escape", "click 102"};
}

void CAppModel::Resync() {
  // Two Escapes close any drop-down and any dialog (the colour dialog
  // over Properties is as deep as they go) and change nothing else; from
  // there the model follows every line exactly.
  m_certainty = ECertainty::kCertain;
  m_dialogs.clear();
  m_mainFocus = kFocusUnknown;
  LeftRelease(kResyncPoint.x, kResyncPoint.y);
  if (!m_dialogs.empty()) CloseDialog();
  LeftPress(kResyncPoint.x, kResyncPoint.y);
  LeftRelease(kResyncPoint.x, kResyncPoint.y);
  if (!m_dialogs.empty()) CloseDialog();
  Click(IDC_STOP);
}

void CAppModel::ProbeSucceeded() {
  m_certainty = ECertainty::kCertain;
  OpenProperties(false, std::nullopt);
}

std::vector<int> CAppModel::ControlIds() const {
  if (m_dialogs.empty()) {
    return {IDC_GO, IDC_STOP, IDC_DT_SLIDER, IDC_G_SLIDER, layout::kStatusBarId, layout::kNoId};
  }
  switch (m_dialogs.back().kind) {
    case EDialog::kProperties:
      return {layout::kIdOk,  layout::kIdCancel, IDC_VX_EDIT,        IDC_VY_EDIT, IDC_MASS_SLIDER,
              IDC_VX_SPIN,    IDC_VY_SPIN,       IDC_MASS_EDIT,      IDC_REMOVE,  IDC_COLOR,
              IDC_POS_X_EDIT, IDC_POS_Y_EDIT,    layout::kDialogNoId};
    case EDialog::kColor:
      return {layout::kIdOk,     layout::kIdCancel, layout::kColorHue,   layout::kColorSat,
              layout::kColorLum, layout::kColorRed, layout::kColorGreen, layout::kColorBlue,
              layout::kColorAdd, layout::kColorMix, layout::kDialogNoId};
    case EDialog::kInstructions:
      return {layout::kIdOk, IDC_INSTRUCTIONS_LIST};
    case EDialog::kAbout:
      return {layout::kIdOk, IDC_ABOUT_LIST, IDC_ABOUT_ICON};
  }
  return {};
}

std::optional<std::string> CAppModel::Caption() const {
  if (m_dialogs.empty()) return std::string();
  const SModelDialog& d = m_dialogs.back();
  switch (d.kind) {
    case EDialog::kProperties:
      if (!d.index) return std::nullopt;
      return "Properties: body " + std::to_string(*d.index + 1);
    case EDialog::kColor:
      return std::string("Color");
    case EDialog::kInstructions:
      return std::string("How to use Astrolathe v1.0");
    case EDialog::kAbout:
      return std::string("About Astrolathe v1.0");
  }
  return std::nullopt;
}
