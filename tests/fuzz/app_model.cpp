#include "tests/fuzz/app_model.h"

#include <cctype>

#include "tests/fuzz/reference.h"

namespace {

enum class EHit { kNo, kMaybe, kYes };

// Whether a right press at p lands in the body's square; without its mass
// only the smallest square is sure and the largest bounds it.
EHit BodyHit(const SModelBody& body, POINT p) {
  if (body.stale) return EHit::kMaybe;
  if (body.massPos) {
    const RECT r = reference::Square(body.centre, reference::SliderMass(*body.massPos));
    return layout::Inside(r, p.x, p.y) ? EHit::kYes : EHit::kNo;
  }
  const RECT least{body.centre.x - 6, body.centre.y - 6, body.centre.x + 6, body.centre.y + 6};
  const RECT most{body.centre.x - 14, body.centre.y - 14, body.centre.x + 14, body.centre.y + 14};
  if (layout::Inside(least, p.x, p.y)) return EHit::kYes;
  return layout::Inside(most, p.x, p.y) ? EHit::kMaybe : EHit::kNo;
}

bool IsVelocityOrReadOnlyEdit(int id) {
  return id == IDC_VX_EDIT || id == IDC_VY_EDIT || id == IDC_MASS_EDIT || id == IDC_POS_X_EDIT ||
         id == IDC_POS_Y_EDIT;
}

bool IsColorEdit(int id) { return id >= layout::kColorHue && id <= layout::kColorBlue; }

bool IsPropertiesButton(int id) {
  return id == layout::kIdOk || id == layout::kIdCancel || id == IDC_REMOVE || id == IDC_COLOR;
}

}  // namespace

CAppModel::CAppModel() = default;

void CAppModel::BeforeLine() {
  if (!m_running || !m_dialogs.empty()) return;
  for (SModelBody& b : m_bodies) b.stale = true;
}

int CAppModel::MainHit(std::int64_t x, std::int64_t y) const {
  if (layout::Inside(layout::kStatusBar, x, y)) return layout::kStatusBarId;
  if (layout::Inside(layout::kGo, x, y)) return m_goEnabled ? IDC_GO : 0;
  if (layout::Inside(layout::kStop, x, y)) return m_running ? IDC_STOP : 0;
  if (layout::Inside(layout::kDtSlider, x, y)) return IDC_DT_SLIDER;
  if (layout::Inside(layout::kGSlider, x, y)) return IDC_G_SLIDER;
  return 0;
}

// ---- The main window's mouse -------------------------------------------------------

void CAppModel::LeftPress(int x, int y) {
  if (!m_dialogs.empty()) return;  // the main window waits on the dialog
  if (m_capture != 0) {
    if (m_capture != layout::kStatusBarId) m_mainFocus = m_capture;
    return;
  }
  if (y < 0) {
    m_certainty = ECertainty::kMenuMaybe;
    return;
  }
  if (const int hit = MainHit(x, y)) {
    m_capture = hit;
    if (hit != layout::kStatusBarId) m_mainFocus = hit;
    return;
  }
  PressFrame(POINT{layout::Wrap16(x), layout::Wrap16(y)});
}

void CAppModel::LeftRelease(int x, int y) {
  if (!m_dialogs.empty()) return;
  if (m_capture != 0) {
    const int held = m_capture;
    m_capture = 0;
    if (held != IDC_GO && held != IDC_STOP) return;
    // The button reads the release in its own client pixels, 16 bits each.
    const RECT& r = held == IDC_GO ? layout::kGo : layout::kStop;
    const RECT own{0, 0, r.right - r.left, r.bottom - r.top};
    if (layout::Inside(own, layout::Wrap16(std::int64_t{x} - r.left),
                       layout::Wrap16(std::int64_t{y} - r.top))) {
      held == IDC_GO ? OnGo() : OnStop();
    }
    return;
  }
  if (y < 0) {
    m_certainty = ECertainty::kMenuMaybe;
    return;
  }
  if (MainHit(x, y) != 0) return;
  ReleaseFrame(POINT{layout::Wrap16(x), layout::Wrap16(y)});
}

void CAppModel::PressFrame(POINT p) {
  if (Count() >= 10) return;
  if (layout::Inside(layout::kPanel, p.x, p.y)) {
    m_pressInPanel = true;
    return;
  }
  m_dragStart = p;
  m_pressInPanel = false;
  m_dragging = true;
  m_dragSlotShifted = false;
}

void CAppModel::ReleaseFrame(POINT /*p*/) {
  if (Count() >= 10) return;
  // A drag always follows a press that settled the panel flag, so an
  // unknown flag comes only without a drag, where it makes no difference.
  if (!m_dragging || m_pressInPanel.value_or(true)) return;
  m_dragging = false;
  OpenProperties(true, Count());
}

void CAppModel::RightPress(int x, int y) {
  if (!m_dialogs.empty() || m_capture != 0 || y < 0 || MainHit(x, y) != 0) return;
  const POINT p{layout::Wrap16(x), layout::Wrap16(y)};
  bool maybeBefore = false;
  for (int i = 0; i < Count(); ++i) {
    const EHit hit = BodyHit(m_bodies[static_cast<size_t>(i)], p);
    if (hit == EHit::kYes) {
      OpenProperties(false, maybeBefore ? std::nullopt : std::optional<int>(i));
      return;
    }
    if (hit == EHit::kMaybe) maybeBefore = true;
  }
  if (maybeBefore) m_certainty = ECertainty::kMaybeEdit;
}

void CAppModel::OnGo() {
  m_running = true;
  m_goEnabled = false;
  // Disabling the focused button takes the focus away.
  if (m_mainFocus == IDC_GO) m_mainFocus = kFocusNone;
  for (SModelBody& b : m_bodies) b.stale = true;
}

void CAppModel::OnStop() {
  m_running = false;
  m_goEnabled = true;
  if (m_mainFocus == IDC_STOP) m_mainFocus = kFocusNone;
}

// ---- Controls by id -------------------------------------------------------------------

void CAppModel::Click(int id) {
  if (m_dialogs.empty()) {
    const RECT* r = layout::MainControlRect(id);
    if (r == nullptr) return;
    const POINT c = layout::Centre(*r);
    LeftPress(c.x, c.y);
    LeftRelease(c.x, c.y);
    return;
  }
  SModelDialog& d = Dlg();
  switch (d.kind) {
    case EDialog::kProperties:
      if (IsPropertiesButton(id)) {
        if (id == IDC_REMOVE && d.isNew) return;  // disabled: the press reaches the dialog
        d.focus = id;
        PressPropertiesButton(id);
      } else if (IsVelocityOrReadOnlyEdit(id)) {
        d.focus = id;
      } else if (id == IDC_MASS_SLIDER) {
        d.focus = id;
        d.massPos.reset();
      } else if (id == layout::kDialogNoId) {
        // The first group box, whose middle lies over the mass slider.
        d.focus = kFocusUnknown;
        d.massPos.reset();
      }
      return;
    case EDialog::kColor:
      if (id == layout::kIdOk || id == layout::kIdCancel) {
        CloseDialog();
      } else if (id == layout::kColorMix) {
        if (d.full == false) {
          OpenFull();
        } else if (!d.full.has_value()) {
          d.full = true;
          d.focus = kFocusUnknown;
        }
      } else if (IsColorEdit(id) || id == layout::kColorAdd) {
        // Hidden while the dialog is compact: the press then reaches the dialog.
        d.focus = d.full == true ? id : kFocusUnknown;
      } else {
        d.focus = kFocusUnknown;
      }
      return;
    case EDialog::kInstructions:
    case EDialog::kAbout:
      if (id == layout::kIdOk) {
        CloseDialog();
      } else if (id == IDC_INSTRUCTIONS_LIST || id == IDC_ABOUT_LIST) {
        d.focus = id;
      } else {
        d.focus = kFocusUnknown;
      }
      return;
  }
}

void CAppModel::Focus(int id) {
  // The focus never goes to a disabled control.
  if (m_dialogs.empty()) {
    if ((id == IDC_GO && !m_goEnabled) || (id == IDC_STOP && !m_running)) return;
    m_mainFocus = id;
    return;
  }
  SModelDialog& d = Dlg();
  if (d.kind == EDialog::kProperties && id == IDC_REMOVE && d.isNew) return;
  if (d.kind == EDialog::kColor && id == layout::kColorMix) {
    if (d.full == false) d.focus = id;
    if (!d.full.has_value()) d.focus = kFocusUnknown;
    return;
  }
  d.focus = id;
}

void CAppModel::Edit(int id, const std::string& text) {
  Focus(id);
  if (m_dialogs.empty()) return;
  SModelDialog& d = Dlg();
  if (d.kind == EDialog::kProperties && id == IDC_MASS_SLIDER) d.massPos.reset();
  if (!text.empty()) Type(text);
}

void CAppModel::Slider(int id, int pos) {
  if (m_dialogs.empty()) {
    // The drag's press and release go to a control that holds the mouse,
    // and let it go; else the thumb is pressed, which focuses the slider.
    if (m_capture != 0) {
      if (m_capture != layout::kStatusBarId) m_mainFocus = m_capture;
      m_capture = 0;
    } else {
      m_mainFocus = id;
    }
    return;
  }
  SModelDialog& d = Dlg();
  d.focus = id;
  d.massPos = pos < 0 ? 0 : pos > 90 ? 90 : pos;
}

void CAppModel::Menu(int id) {
  switch (id) {
    case ID_FILE_EXIT:
      m_ended = true;
      return;
    case ID_CONTROL_GO:
      if (m_goEnabled) OnGo();
      return;
    case ID_CONTROL_STOP:
      if (m_running) OnStop();
      return;
    case ID_HELP_INSTRUCTIONS:
    case ID_HELP_ABOUT: {
      SModelDialog d;
      d.kind = id == ID_HELP_ABOUT ? EDialog::kAbout : EDialog::kInstructions;
      d.focus = layout::kIdOk;
      m_dialogs.push_back(d);
      return;
    }
    default:
      return;  // the blank item and the grayed ones
  }
}

void CAppModel::Color(bool /*ok*/) { CloseDialog(); }

void CAppModel::Close() {
  // With a dialog open the main window is disabled and its close box does nothing.
  if (m_dialogs.empty()) m_ended = true;
}

void CAppModel::Type(const std::string& text) {
  if (m_dialogs.empty() || Dlg().kind != EDialog::kColor) return;
  for (const char c : text) {
    const auto ch = static_cast<unsigned char>(c);
    if (ch > ' ' && ch != 0x7F) ColorChar(ch);
  }
}

// ---- Dialogs -----------------------------------------------------------------------

void CAppModel::OpenProperties(bool isNew, std::optional<int> index) {
  SModelDialog d;
  d.kind = EDialog::kProperties;
  d.focus = layout::kIdOk;
  d.isNew = isNew;
  d.index = index;
  if (isNew) {
    d.massPos = 0;
    d.position = m_dragStart;
    d.slotShifted = m_dragSlotShifted;
  } else if (index) {
    const SModelBody& b = m_bodies[static_cast<size_t>(*index)];
    d.massPos = b.massPos;
    if (!b.stale) d.position = b.centre;
  }
  m_dialogs.push_back(d);
}

void CAppModel::PressPropertiesButton(int id) {
  SModelDialog& d = Dlg();
  if (id == layout::kIdOk) {
    const SModelDialog closed = d;
    CloseDialog();
    if (closed.isNew) {
      if (m_bodies.empty()) m_goEnabled = true;
      // The press wrote the position into the slot after the last body; a
      // removal since then has shifted another body's copy there, and the
      // new body takes that position, not the one its dialog showed.
      m_bodies.push_back(SModelBody{*closed.position, closed.slotShifted, closed.massPos});
    } else if (closed.index) {
      m_bodies[static_cast<size_t>(*closed.index)].massPos = closed.massPos;
    } else {
      for (SModelBody& b : m_bodies) b.massPos.reset();
    }
  } else if (id == layout::kIdCancel) {
    CloseDialog();
  } else if (id == IDC_REMOVE && !d.isNew) {
    const std::optional<int> index = d.index;
    CloseDialog();
    if (m_dragging) m_dragSlotShifted = true;
    if (index) {
      m_bodies.erase(m_bodies.begin() + *index);
    } else {
      m_bodies.pop_back();
      for (SModelBody& b : m_bodies) b.stale = true;
    }
  } else if (id == IDC_COLOR) {
    SModelDialog c;
    c.kind = EDialog::kColor;
    c.focus = layout::kColorBasicGrid;
    c.full = false;
    m_dialogs.push_back(c);
  }
}

void CAppModel::OpenFull() {
  SModelDialog& d = Dlg();
  d.full = true;
  d.focus = layout::kColorRed;  // ready for a colour to be typed
}

void CAppModel::CloseDialog() {
  m_dialogs.pop_back();
  // Where the focus goes back to is the window system's business.
  if (m_dialogs.empty()) {
    m_mainFocus = kFocusUnknown;
  } else {
    Dlg().focus = kFocusUnknown;
  }
}

void CAppModel::ColorChar(unsigned char ch) {
  SModelDialog& d = Dlg();
  if (IsColorEdit(d.focus)) return;  // the edit takes it (or refuses it)
  const int c = std::tolower(ch);
  if (d.focus == kFocusUnknown || !d.full.has_value()) {
    if (c == 'd' && d.full != true) d.full.reset();
    d.focus = kFocusUnknown;
    return;
  }
  // The focus takes no characters: a marked letter is a mnemonic.
  if (d.full == false) {
    if (c == 'd') OpenFull();
    if (c == 'b' || c == 'c') d.focus = kFocusUnknown;
    return;
  }
  const char* const labels = "eslrgu";
  for (int i = 0; labels[i] != '\0'; ++i) {
    if (labels[i] == c) d.focus = layout::kColorHue + i;
  }
  if (c == 'b' || c == 'c' || c == 'o') d.focus = kFocusUnknown;
}
