// The program's main window on a host of the benchmark's choice, made as the
// program makes it, with the bodies in orbit that bench_run_loop uses: for
// the benchmarks that measure the whole program from outside.
#pragma once

#include "platform/host/host.h"
#include "platform/win/windef.h"

class CBodyTable;
class CSimFrame;
class CWnd;

// A heavy body in the middle of the field and nine light ones on circular
// orbits around it. With a central mass of 1e30 kg they move as bodies placed
// by hand do (a pixel every few hundred steps); with 1e35 kg they cross a
// pixel almost every step. Every benchmark of the run loop uses this scene.
void PlaceOrbits(CBodyTable& table, double centralMass);

class CBenchProgram {
 public:
  // Starts the window system on `host` and makes the main window; Ok()
  // tells whether it came up. The destructor closes it and shuts the window
  // system down again, so that the next benchmark starts afresh.
  explicit CBenchProgram(host::IHost* host);
  CBenchProgram(const CBenchProgram&) = delete;
  CBenchProgram& operator=(const CBenchProgram&) = delete;
  ~CBenchProgram();

  bool Ok() const { return m_frame != nullptr; }
  CSimFrame* Frame() const { return m_frame; }

  // The orbit scene (above) in the frame, with Go enabled as the first
  // placement enables it.
  void PlaceOrbits(double centralMass);

  // Go as the menu command brings it; returns when the run has ended.
  void Go();

  // Whether the clock moved since the last call. The run loop looks for
  // input after every step, so called at every look it sees each step once.
  bool SawStep();

  // The centre of one of the frame's controls, in surface pixels: where a
  // click on it is put.
  POINT CentreOf(const CWnd& control) const;

  // Nothing is queued, no input waits and nothing needs painting: a look
  // for input made now is the last of its pump, and the next comes only
  // after another step.
  bool Quiet() const;

  // The host surface that shows the main window: where input for it goes.
  host::SurfaceId Surface() const;

  // Dispatches everything that waits.
  void Settle();

 private:
  CSimFrame* m_frame = nullptr;
  double m_lastT = 0.0;
};
