// The simulation state: ten body slots, the count of live ones, and the
// parameters of the step. The main frame holds one by value; nothing here
// touches a window, so the step runs and is tested without one.
#pragma once

#include "core/body.h"
#include "platform/win/windef.h"

inline constexpr int kMaxBodies = 10;

// Rectangles that a change leaves to repaint, in the order they arose. A
// step moves each body once and reports at most its old and new square, so
// the capacity is fixed and the step never allocates.
class CRepaintList {
 public:
  static constexpr int kCapacity = 2 * kMaxBodies;

  void Add(const RECT& rect) {
    if (m_count < kCapacity) {
      m_rects[m_count++] = rect;
    }
  }
  int GetCount() const { return m_count; }
  const RECT& operator[](int i) const { return m_rects[i]; }
  const RECT* begin() const { return m_rects; }
  const RECT* end() const { return m_rects + m_count; }

 private:
  RECT m_rects[kCapacity]{};
  int m_count = 0;
};

class CBodyTable {
 public:
  // One semi-implicit Euler step over the live bodies with the current G
  // and time step: every velocity from the positions at the start, then
  // every position, then the clock. Returns each moved body's old and new
  // square where the square changed.
  CRepaintList StepSimulation();

  // Removes live body i, shifting the later ones down; returns its square.
  // Out-of-range indices remove nothing and return an empty rectangle.
  RECT RemoveBody(int i);

  // The count, held to the table's size: a count written out of range must
  // not send the step or a removal past the slots.
  int LiveCount() const;

  int m_bodyCount = 0;
  CBody m_bodies[kMaxBodies];
  double m_G = 6.67259e-11;
  double m_dt = 100.0;
  double m_t = 0.0;
};
