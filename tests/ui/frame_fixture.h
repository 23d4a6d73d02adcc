// The program's own frame on a headless window system, made the way the
// program makes it, for tests of the main window.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/host/headless/headless_host.h"
#include "ui/sim_frame.h"

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Puts a body into the next free slot the way a confirmed placement does,
  // and makes Go available as the first body does.
  void Place(int px, int py, double mass, double vx = 0.0, double vy = 0.0);
  // Runs Go until `onStep` (called at the first look for input after each
  // step, with the number of steps made so far) returns false; then Stop.
  void Run(const std::function<bool(long)>& onStep);
  CString Pane(int i) const { return m_frame->m_statusBar.GetPaneText(i); }
  void Pump();

  host::CHeadlessHost m_host;
  CSimFrame* m_frame = nullptr;

 private:
  std::function<bool(long)> m_onStep;
  long m_steps = 0;
  double m_lastT = 0.0;
  bool m_stopPosted = false;
};
