// The scripted driver: feeds a script to the program through the headless
// host's event source, as real input would arrive, and carries out the
// script's own commands (dump, snapshot, steps) whenever the program looks
// for input with nothing else left to do.
#pragma once

#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/replay/script.h"
#include "platform/host/headless/headless_host.h"
#include "platform/win/windef.h"

class CSimFrame;

namespace replay {

class CDriver {
 public:
  CDriver(host::CHeadlessHost* host, std::vector<SCommand> commands, std::FILE* out);

  // The host's event source.
  bool NextEvent(host::Event* event, bool blocking);

  bool Failed() const { return !m_error.empty(); }
  const std::string& Error() const { return m_error; }

 private:
  using Generator = std::function<bool(host::Event*)>;

  bool Fail(const SCommand& c, const std::string& message);
  bool Quiet() const;
  void CountSteps();
  bool Expand(const SCommand& c);
  bool RunStateCommand(const SCommand& c);

  // Input in the main window's client pixels, and at controls.
  Generator Mouse(host::EventType type, host::MouseButton button, int x, int y);
  Generator AtControl(HWND control, host::EventType type, POINT clientPoint);
  Generator Key(host::EventType type, int vkey, unsigned modifiers = 0);
  Generator Text(unsigned char ch);
  void AddClick(HWND control, POINT clientPoint,
                host::MouseButton button = host::MouseButton::kLeft);
  void AddKey(const SCommand& c);
  void AddText(const std::string& text);
  bool ExpandMenu(const SCommand& c);

  CSimFrame* Frame() const;
  HWND ActiveWindow() const;  // the open modal dialog, else the main window
  HWND OpenDialog() const;
  HWND ControlOf(const SCommand& c);

  host::CHeadlessHost* m_host;
  std::vector<SCommand> m_commands;
  std::FILE* m_out;
  size_t m_next = 0;
  std::deque<Generator> m_pending;
  std::string m_error;
  bool m_closedAtEnd = false;
  bool m_quitSent = false;
  long long m_steps = 0;        // steps seen so far
  long long m_stepsUntil = -1;  // the step count the current `steps` waits for
  double m_lastT = 0.0;
  int m_stepsLine = 0;
};

// A window's class name, as the dump prints it.
std::string ClassOf(HWND hwnd);

// The state the driver prints for `dump`.
void Dump(CSimFrame* frame, HWND dialog, std::FILE* out);

}  // namespace replay
