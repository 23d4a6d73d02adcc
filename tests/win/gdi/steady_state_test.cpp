// The status bar redraws its text after every simulation step, so the
// cached text path must not allocate. Every operator new of the test
// executable is counted to check that; the count costs the other tests
// nothing they would notice.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "tests/win/gdi/canvas.h"

namespace {
long long g_allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace {

TEST(SteadyStateTest, RedrawingCachedTextAllocatesNothing) {
  const long long start = g_allocations;
  CCanvas canvas(200, 20, RGB(192, 192, 192));
  SetBkColor(canvas.Dc(), RGB(192, 192, 192));
  RECT pane{2, 2, 150, 18};
  const char text[] = "t: 1.000000e+002 s";
  TextOutA(canvas.Dc(), 2, 2, text, 18);
  DrawTextA(canvas.Dc(), text, 18, &pane, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  const long long before = g_allocations;
  EXPECT_GT(before, start) << "making the canvas and its DC allocates; the count must see it";
  for (int i = 0; i < 100; ++i) {
    TextOutA(canvas.Dc(), 2, 2, text, 18);
    ExtTextOutA(canvas.Dc(), 2, 2, ETO_OPAQUE, &pane, text, 18, nullptr);
    DrawTextA(canvas.Dc(), text, 18, &pane, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  }
  EXPECT_EQ(g_allocations - before, 0);
}

}  // namespace
