#include "core/body_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/scales.h"

namespace {

LONG Saturate(std::int64_t v) {
  return static_cast<LONG>(std::clamp<std::int64_t>(v, std::numeric_limits<LONG>::min(),
                                                    std::numeric_limits<LONG>::max()));
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Adds a body the way a confirmed placement does: slot count, then count+1.
void Add(CBodyTable& table, int px, int py, double mass, double vx = 0.0, double vy = 0.0) {
  CBody& b = table.m_bodies[table.m_bodyCount];
  b.SetScreenPos(px, py);
  b.SetMass(mass);
  b.SetVx(vx);
  b.SetVy(vy);
  ++table.m_bodyCount;
}

TEST(BodyTableStart, HoldsTheInitialParameters) {
  const CBodyTable table;
  EXPECT_EQ(table.m_bodyCount, 0);
  EXPECT_EQ(table.m_G, 6.67259e-11);
  EXPECT_EQ(table.m_dt, 100.0);
  EXPECT_EQ(table.m_t, 0.0);
  for (const CBody& b : table.m_bodies) {
    EXPECT_EQ(b.GetColor(), 0xFFFFFFU);
  }
}

TEST(GravityStep, TwoBodiesPullEachOtherBitExactly) {
  CBodyTable table;
  Add(table, 100, 100, 1e30);
  Add(table, 200, 100, 1e25);
  const RECT oldB = table.m_bodies[1].GetRect();

  const CRepaintList repaint = table.StepSimulation();

  const CBody& a = table.m_bodies[0];
  const CBody& b = table.m_bodies[1];
  EXPECT_EQ(a.GetVx(), 6.67259e-06);
  EXPECT_EQ(b.GetVx(), -0.667259);
  EXPECT_EQ(a.GetVy(), 0.0);
  EXPECT_EQ(b.GetVy(), 0.0);
  EXPECT_EQ(b.GetX(), 199999999933.2741);
  EXPECT_EQ(b.GetScreenPos().x, 199);
  EXPECT_EQ(a.GetScreenPos().x, 100);
  EXPECT_EQ(table.m_t, 100.0);

  // Only B left its pixel: its old square, then its new one.
  ASSERT_EQ(repaint.GetCount(), 2);
  EXPECT_TRUE(SameRect(repaint[0], oldB));
  EXPECT_TRUE(SameRect(repaint[1], b.GetRect()));
  EXPECT_TRUE(SameRect(repaint[1], RECT{193, 94, 205, 106}));
}

TEST(GravityStep, VelocitiesSumInIncreasingPullerOrder) {
  // Pulls of very different sizes on body 0: their sum is bit-exact only
  // when added in the order j = 1, 2, 3.
  CBodyTable table;
  Add(table, 0, 0, 1e25);
  Add(table, 300, 0, 3e25);
  Add(table, 123, 0, 2e29);
  Add(table, -7, 0, 5e33);
  CBody before[4];
  for (int i = 0; i < 4; ++i) {
    before[i] = table.m_bodies[i];
  }
  table.StepSimulation();

  auto pull = [&](int j) {
    const double dx = before[j].GetX() - before[0].GetX();
    const double a = ((before[j].GetMass() * 100.0) * 6.67259e-11) / (dx * dx);
    return (a * dx) / std::sqrt(dx * dx);
  };
  const double inOrder = pull(3) + (pull(2) + (pull(1) + 0.0));
  const double reversed = pull(1) + (pull(2) + (pull(3) + 0.0));
  ASSERT_NE(inOrder, reversed);  // otherwise this test could not tell them apart
  EXPECT_EQ(table.m_bodies[0].GetVx(), inOrder);
}

TEST(GravityStep, BodiesOnOnePixelExertNoPull) {
  CBodyTable table;
  Add(table, 50, 50, 1e35);
  Add(table, 50, 50, 1e35);
  EXPECT_EQ(table.StepSimulation().GetCount(), 0);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(table.m_bodies[i].GetVx(), 0.0);
    EXPECT_EQ(table.m_bodies[i].GetVy(), 0.0);
  }
}

TEST(GravityStep, DistanceBelowAMetreIsRaisedToOne) {
  CBodyTable table;
  Add(table, 0, 0, 1e30);
  Add(table, 0, 0, 1e30, 0.5, 0.0);
  table.m_bodies[1].Move(1.0);  // half a metre to the right
  table.m_bodies[1].SetVx(0.0);
  table.m_dt = 1.0;
  table.StepSimulation();
  // r2 = 0.25 is raised to 1, so the pull is G m dt times dx, not /r^3.
  const double a = (1e30 * 1.0) * 6.67259e-11;
  EXPECT_EQ(table.m_bodies[0].GetVx(), (a * 0.5) / 1.0);
  EXPECT_EQ(table.m_bodies[1].GetVx(), (a * -0.5) / 1.0);
  EXPECT_TRUE(std::isfinite(table.m_bodies[0].GetVx()));
}

TEST(GravityStep, EmptyTableOnlyAdvancesTheClock) {
  CBodyTable table;
  const CRepaintList repaint = table.StepSimulation();
  EXPECT_EQ(repaint.GetCount(), 0);
  EXPECT_EQ(table.m_t, 100.0);
  table.StepSimulation();
  EXPECT_EQ(table.m_t, 200.0);
}

TEST(GravityStep, OneBodyMovesInAStraightLine) {
  CBodyTable table;
  Add(table, 10, 20, 1e35, 1e7, 0.0);
  for (int i = 0; i < 5; ++i) {
    table.StepSimulation();
  }
  EXPECT_EQ(table.m_bodies[0].GetVx(), 1e7);
  EXPECT_EQ(table.m_bodies[0].GetVy(), 0.0);
  EXPECT_EQ(table.m_bodies[0].GetY(), 2e10);
  EXPECT_EQ(table.m_bodies[0].GetScreenPos().x, 15);
}

TEST(GravityStep, ReadsTheTimeStepAfreshEachStep) {
  CBodyTable table;
  Add(table, 0, 0, 1e25, 1000.0, 0.0);
  Add(table, 100, 0, 1e35);
  table.StepSimulation();
  const double v100 = table.m_bodies[0].GetVx() - 1000.0;
  const double x1 = table.m_bodies[0].GetX();
  table.m_dt = 1000.0;
  table.StepSimulation();
  EXPECT_EQ(table.m_t, 1100.0);
  // The pull scales with the step length, and the move uses the new step.
  const double v1000 = table.m_bodies[0].GetVx() - (v100 + 1000.0);
  EXPECT_NEAR(v1000 / v100, 10.0, 1e-2);
  EXPECT_EQ(table.m_bodies[0].GetX(), 1000.0 * table.m_bodies[0].GetVx() + x1);
}

TEST(GravityStep, ReadsGAfreshEachStep) {
  CBodyTable a;
  Add(a, 0, 0, 1e25);
  Add(a, 100, 0, 1e35);
  CBodyTable b = a;
  b.m_G = 2.0 * a.m_G;
  a.StepSimulation();
  b.StepSimulation();
  EXPECT_EQ(b.m_bodies[0].GetVx(), 2.0 * a.m_bodies[0].GetVx());
}

TEST(GravityStep, ReportsOnlyTheSquaresThatChangedInIndexOrder) {
  CBodyTable table;
  Add(table, 10, 10, 1e25, 0.0, 0.0);     // stays
  Add(table, 100, 100, 1e25, 1e7, 0.0);   // one pixel right per step
  Add(table, 200, 200, 1e25, 0.0, 0.0);   // stays
  Add(table, 300, 300, 1e25, 0.0, -1e5);  // drops to pixel 299 at once
  table.m_G = 0.0;
  const RECT old1 = table.m_bodies[1].GetRect();
  const RECT old3 = table.m_bodies[3].GetRect();
  const CRepaintList repaint = table.StepSimulation();
  ASSERT_EQ(repaint.GetCount(), 4);
  EXPECT_TRUE(SameRect(repaint[0], old1));
  EXPECT_TRUE(SameRect(repaint[1], table.m_bodies[1].GetRect()));
  EXPECT_TRUE(SameRect(repaint[2], old3));
  EXPECT_TRUE(SameRect(repaint[3], table.m_bodies[3].GetRect()));
  EXPECT_TRUE(SameRect(repaint[3], RECT{294, 293, 306, 305}));
}

TEST(GravityStep, TenBodiesFillTheListWithoutOverflow) {
  CBodyTable table;
  for (int i = 0; i < kMaxBodies; ++i) {
    Add(table, 30 * i, 0, 1e25, 1e7, 1e7);
  }
  table.m_G = 0.0;
  const CRepaintList repaint = table.StepSimulation();
  EXPECT_EQ(repaint.GetCount(), CRepaintList::kCapacity);
}

TEST(GravityStep, FarFlungBodiesStayDefined) {
  // Flung to infinity and beyond: positions overflow, differences become
  // NaN, and every pixel must still come out defined and saturated.
  CBodyTable table;
  Add(table, 0, 0, 1e35, 1e30, -1e30);
  Add(table, 1, 1, 1e35, -1e30, 1e30);
  Add(table, 5, 5, 1e25);
  table.m_dt = TimeStepFromSlider(0, 5);
  table.m_G = GravityFromSlider(50);
  for (int i = 0; i < 2000; ++i) {
    table.StepSimulation();
  }
  ASSERT_EQ(table.m_bodyCount, 3);
  for (int i = 0; i < 3; ++i) {
    const CBody& b = table.m_bodies[i];
    const std::int64_t r = DisplayRadius(b.GetMass());
    const POINT c = b.GetScreenPos();
    const RECT rect = b.GetRect();
    EXPECT_EQ(rect.left, Saturate(c.x - r));
    EXPECT_EQ(rect.top, Saturate(c.y - r));
    EXPECT_EQ(rect.right, Saturate(c.x + r));
    EXPECT_EQ(rect.bottom, Saturate(c.y + r));
  }

  CBodyTable far;
  Add(far, 0, 0, 1e35, 1e30, -1e30);
  far.m_bodies[0].Move(1e270);  // about 1e300 m out
  Add(far, 0, 0, 1e35);
  far.StepSimulation();
  EXPECT_EQ(far.m_bodies[0].GetScreenPos().x, std::numeric_limits<LONG>::max());
  EXPECT_EQ(far.m_bodies[0].GetScreenPos().y, std::numeric_limits<LONG>::min());
}

TEST(GravityStep, CountOutOfRangeNeverPassesTheSlots) {
  CBodyTable table;
  for (int i = 0; i < kMaxBodies; ++i) {
    Add(table, 20 * i, 0, 1e25, 1e7, 0.0);
  }
  table.m_G = 0.0;
  table.m_bodyCount = 42;
  EXPECT_EQ(table.StepSimulation().GetCount(), CRepaintList::kCapacity);
  table.m_bodyCount = -3;
  EXPECT_EQ(table.StepSimulation().GetCount(), 0);
  EXPECT_EQ(table.m_t, 200.0);
}

TEST(BodyRemoval, ShiftsLaterBodiesDownAndReportsTheRemovedSquare) {
  CBodyTable table;
  Add(table, 10, 10, 1e25);
  Add(table, 50, 50, 1e30, 1.0, 2.0);
  Add(table, 90, 90, 1e35, 3.0, 4.0);
  table.m_bodies[1].SetColor(RGB(255, 0, 0));
  table.m_bodies[2].SetColor(RGB(0, 0, 255));
  const RECT removed = table.m_bodies[0].GetRect();

  const RECT reported = table.RemoveBody(0);

  EXPECT_TRUE(SameRect(reported, removed));
  EXPECT_EQ(table.m_bodyCount, 2);
  EXPECT_EQ(table.m_bodies[0].GetColor(), RGB(255, 0, 0));
  EXPECT_EQ(table.m_bodies[0].GetMass(), 1e30);
  EXPECT_EQ(table.m_bodies[0].GetVy(), 2.0);
  EXPECT_TRUE(SameRect(table.m_bodies[0].GetRect(), RECT{40, 40, 60, 60}));
  EXPECT_EQ(table.m_bodies[1].GetColor(), RGB(0, 0, 255));
  EXPECT_EQ(table.m_bodies[1].GetX(), 9e10);
  // The old last slot still holds the copy that moved down from it.
  EXPECT_EQ(table.m_bodies[2].GetColor(), RGB(0, 0, 255));
}

TEST(BodyRemoval, MiddleAndLastAndOnly) {
  CBodyTable table;
  for (int i = 0; i < 5; ++i) {
    Add(table, 10 * i, 0, 1e25, static_cast<double>(i));
  }
  table.RemoveBody(2);
  ASSERT_EQ(table.m_bodyCount, 4);
  const double left[] = {0.0, 1.0, 3.0, 4.0};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(table.m_bodies[i].GetVx(), left[i]);
  }
  table.RemoveBody(3);
  EXPECT_EQ(table.m_bodyCount, 3);
  EXPECT_EQ(table.m_bodies[2].GetVx(), 3.0);

  CBodyTable single;
  Add(single, 5, 5, 1e25);
  single.RemoveBody(0);
  EXPECT_EQ(single.m_bodyCount, 0);
  single.StepSimulation();
  EXPECT_EQ(single.m_t, 100.0);
}

TEST(BodyRemoval, IndexOutsideTheLiveRangeRemovesNothing) {
  CBodyTable table;
  Add(table, 10, 10, 1e25);
  EXPECT_TRUE(SameRect(table.RemoveBody(1), RECT{0, 0, 0, 0}));
  EXPECT_TRUE(SameRect(table.RemoveBody(-1), RECT{0, 0, 0, 0}));
  EXPECT_EQ(table.m_bodyCount, 1);
  table.m_bodyCount = 99;
  table.RemoveBody(kMaxBodies - 1);
  EXPECT_EQ(table.m_bodyCount, kMaxBodies - 1);
}

}  // namespace
