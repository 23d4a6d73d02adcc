// What the script fuzzer knows of the program while it writes a script:
// which window is active, whether a run is going, where the focus and the
// mouse capture are, and the bodies it placed. Each script command is
// applied here as the program would take it, so that the generator writes
// only lines that can be carried out. Where the outcome depends on what it
// cannot know (a press on the menu bar, a right press where a body may have
// moved), the model says so and the generator either resynchronises or
// writes a probe that is allowed to fail.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/fuzz/frame_layout.h"

enum class EDialog { kProperties, kColor, kInstructions, kAbout };

// A focus that is neither a control id nor known.
inline constexpr int kFocusNone = 0;  // no control: keys go to the window itself
inline constexpr int kFocusUnknown = -2;

enum class ECertainty {
  kCertain,
  kMaybeEdit,  // the Properties dialog of some body may be open, or no dialog
  kMenuMaybe,  // a drop-down menu may be open
};

struct SModelBody {
  POINT centre{0, 0};
  bool stale = false;          // a run may have moved it since it was placed
  std::optional<int> massPos;  // the mass slider position of its mass
};

struct SModelDialog {
  EDialog kind = EDialog::kProperties;
  int focus = kFocusUnknown;
  // Properties
  bool isNew = false;
  std::optional<int> index;  // the body it edits, or will place
  std::optional<int> massPos;
  std::optional<POINT> position;  // what its position edits say, in pixels
  bool slotShifted = false;       // a removal during its drag moved the slot's contents
  // Colour
  std::optional<bool> full;  // the custom colour part is shown
};

class CAppModel {
 public:
  CAppModel();

  // ---- Commands ---------------------------------------------------------------
  // Each takes one script command as the program would: the caller has
  // made sure the command can be carried out in the current state (see
  // the queries below) and applies it here after writing it.
  void BeforeLine();  // a run makes steps between lines: its bodies move
  void LeftPress(int x, int y);
  void LeftRelease(int x, int y);
  void RightPress(int x, int y);
  void Click(int id);
  void Focus(int id);
  void Key(const std::string& name);
  void Type(const std::string& text);
  void Edit(int id, const std::string& text);
  void Slider(int id, int pos);
  void Menu(int id);
  void Color(bool ok);
  void Close();
  // The lines that bring any state back to a known one: every dialog and
  // menu closed, no drag, no capture, no run.
  static std::vector<std::string> ResyncLines();
  void Resync();
  // A probe of the Properties dialog succeeded: it is open.
  void ProbeSucceeded();

  // ---- Queries ----------------------------------------------------------------
  ECertainty Certainty() const { return m_certainty; }
  bool Ended() const { return m_ended; }
  bool InMain() const { return m_dialogs.empty(); }
  const SModelDialog* Top() const { return m_dialogs.empty() ? nullptr : &m_dialogs.back(); }
  const std::vector<SModelDialog>& Dialogs() const { return m_dialogs; }
  const std::vector<SModelBody>& Bodies() const { return m_bodies; }
  int Count() const { return static_cast<int>(m_bodies.size()); }
  bool Running() const { return m_running; }
  bool GoEnabled() const { return m_goEnabled; }
  int MainFocus() const { return m_mainFocus; }
  int Capture() const { return m_capture; }
  bool Dragging() const { return m_dragging; }
  // Whether the key's effect is known where the focus is now (Space and
  // Return depend on it).
  bool KeyIsSafe(const std::string& name) const;
  // The control ids of the active window that `click`, `focus` and `edit`
  // find.
  std::vector<int> ControlIds() const;
  // The caption the active dialog shows, "" for the main window; empty
  // optional when the body's number is not known.
  std::optional<std::string> Caption() const;

 private:
  // The main window's control under a client point that takes the mouse,
  // or 0 where the frame gets it.
  int MainHit(std::int64_t x, std::int64_t y) const;
  void PressFrame(POINT p);
  void ReleaseFrame(POINT p);
  void OnGo();
  void OnStop();
  void OpenProperties(bool isNew, std::optional<int> index);
  void PressPropertiesButton(int id);
  void PressColorButton(int id);
  void OpenFull();
  void ColorChar(unsigned char ch);
  void CloseDialog();
  SModelDialog& Dlg() { return m_dialogs.back(); }

  ECertainty m_certainty = ECertainty::kCertain;
  std::vector<SModelDialog> m_dialogs;  // bottom to top
  std::vector<SModelBody> m_bodies;
  bool m_running = false;
  bool m_goEnabled = false;
  bool m_ended = false;
  int m_mainFocus = kFocusUnknown;
  int m_capture = 0;  // the main window's control holding the mouse
  bool m_dragging = false;
  std::optional<bool> m_pressInPanel = false;
  POINT m_dragStart{0, 0};
  bool m_dragSlotShifted = false;
};
