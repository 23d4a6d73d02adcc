// One gravity step for tables of 1 to 10 bodies in motion.
#include <benchmark/benchmark.h>

#include "core/body_table.h"

namespace {

void BM_StepSimulation(benchmark::State& state) {
  CBodyTable table;
  const int n = static_cast<int>(state.range(0));
  for (int i = 0; i < n; ++i) {
    CBody& b = table.m_bodies[i];
    b.SetScreenPos(100 + 37 * i, 80 + 23 * (i % 4));
    b.SetMass(1e28 * (i + 1));
    b.SetVx(1000.0 * (i % 3 - 1));
    b.SetVy(500.0 * (i % 2));
  }
  table.m_bodyCount = n;
  for (auto _ : state) {
    CRepaintList repaint = table.StepSimulation();
    benchmark::DoNotOptimize(repaint);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StepSimulation)->DenseRange(1, kMaxBodies);

}  // namespace

BENCHMARK_MAIN();
