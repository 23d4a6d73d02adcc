#include "core/body_table.h"

#include <algorithm>
#include <cmath>

int CBodyTable::LiveCount() const { return std::clamp(m_bodyCount, 0, kMaxBodies); }

CRepaintList CBodyTable::StepSimulation() {
  const int n = LiveCount();

  // The order of operations below is part of the result: each velocity sums
  // its pulls in increasing j, and every product and quotient is rounded
  // where it stands.
  for (int i = 0; i < n; ++i) {
    CBody& bi = m_bodies[i];
    for (int j = 0; j < n; ++j) {
      if (j == i) {
        continue;
      }
      const CBody& bj = m_bodies[j];
      const double dx = bj.GetX() - bi.GetX();
      const double dy = bj.GetY() - bi.GetY();
      double r2 = dy * dy + dx * dx;
      // Bodies closer than a metre, or flung so far that the distance is
      // no longer a number, pull as if a metre apart.
      if (r2 < 1.0 || std::isnan(r2)) {
        r2 = 1.0;
      }
      const double a = ((bj.GetMass() * m_dt) * m_G) / r2;
      const double r = std::sqrt(r2);
      const double dvx = (a * dx) / r;
      const double dvy = (a * dy) / r;
      bi.AddVx(dvx);
      bi.AddVy(dvy);
    }
  }

  CRepaintList repaint;
  for (int k = 0; k < n; ++k) {
    CBody& body = m_bodies[k];
    const RECT old = body.GetRect();
    body.Move(m_dt);
    const RECT now = body.GetRect();
    if (now.left != old.left || now.top != old.top || now.right != old.right ||
        now.bottom != old.bottom) {
      repaint.Add(old);
      repaint.Add(now);
    }
  }

  m_t = m_dt + m_t;
  return repaint;
}

RECT CBodyTable::RemoveBody(int i) {
  const int n = LiveCount();
  if (i < 0 || i >= n) {
    return RECT{0, 0, 0, 0};
  }
  const RECT saved = m_bodies[i].GetRect();
  m_bodyCount = n - 1;
  for (int k = i; k < m_bodyCount; ++k) {
    m_bodies[k] = m_bodies[k + 1];
  }
  return saved;
}
